// The household measure register: measures per ingredient, quantities
// normalised, change and delete blocked by the preparations that use them,
// and the rename carried into field 11 of this ingredient's lines.
#include "core/store/FileIo.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/dialogs/IteVerUnit.h"
#include "gui/dialogs/LisUnit.h"
#include "gui/measures/CadMedCas2Unit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "harness/GuiHarness.h"
#include "support/TableBuilder.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

struct Fixture {
    GuiEnvironment env;
    TableFixture table{env.base(), "T"};
    TCadMedCas2Form form{env.context()};
    Fixture()
    {
        table.ingredient("Arroz").ingredient("Feijão");
        table.preparation("Arroz doce", "", {{"Arroz", "Xícara"}});
        table.preparation("Feijoada", "", {{"Feijão", "Colher de sopa"}, {"Arroz", "Colher de sopa"}});
        table.write();
        table.measure("Arroz", "Colher de sopa", "    15,0");
        table.measure("Arroz", "Xícara", "   160,0");
        table.measure("Feijão", "Xícara", "   170,0");
        form.handOver({"T", true});
    }
    std::filesystem::path measures(const char* ingredient)
    {
        return MeasureFilePath(env.base(), "T", padded(ingredient, 60));
    }
    std::string bytes(const std::filesystem::path& p) { return GuiEnvironment::readBytes(p); }
    void show(const QString& name)
    {
        typeInto(*form.MedCasMaskEdit, name);
        leaveTowards(*form.MedCasMaskEdit, *form.NovBitBtn);
    }
    void chooseIngredient(int index)
    {
        form.NomIngComboBox->setFocus();
        form.NomIngComboBox->setCurrentIndex(index);
        leaveTowards(*form.NomIngComboBox, *form.NovBitBtn);
    }
    std::vector<std::string> warning(QAbstractButton& button)
    {
        std::vector<std::string> listed;
        auto ran = onNextModal<TIteVerForm>([&](TIteVerForm& w) {
            listed = w.lines();
            w.close();
        });
        click(button);
        if (!*ran)
            QTest::qFail("no warning window", __FILE__, __LINE__);
        form.activateWindow();
        if (!QTest::qWaitForWindowActive(&form))
            QTest::qFail("the register did not come back", __FILE__, __LINE__);
        return listed;
    }
};

} // namespace

class CadMedCas2Test : public QObject {
    Q_OBJECT

private slots:
    void insertsANormalisedQuantityAndCreatesTheFile()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        QCOMPARE(f.form.windowTitle(), QStringLiteral("CADASTRO DE MEDIDAS CASEIRAS - Tabela ativa : T"));
        QCOMPARE(f.form.NomIngComboBox->count(), 2);
        f.chooseIngredient(1); // Feijão
        f.show(QStringLiteral("Concha"));
        QCOMPARE(f.form.mode(), RegisterMode::Inserting);
        typeInto(*f.form.QuaMaskEdit, QStringLiteral("85.5")); // "." becomes "," and the comma aligns at once
        QCOMPARE(f.form.QuaMaskEdit->maskText(), QStringLiteral("    85,5"));
        leaveTowards(*f.form.QuaMaskEdit, *f.form.GraBitBtn);
        MessageScript script{{QStringLiteral("Confirma inclusão?"), kYes},
                             {QStringLiteral("Inclusão efetuada com sucesso!"), kOk}};
        click(*f.form.GraBitBtn);
        QVERIFY(script.done());
        QCOMPARE(f.bytes(f.measures("Feijão")),
                 padded("Concha", 20) + "|    85,5|\r\n" + padded("Xícara", 20) + "|   170,0|\r\n");
        f.show(QStringLiteral("Pitada"));
        typeInto(*f.form.QuaMaskEdit, QStringLiteral("7"));
        leaveTowards(*f.form.QuaMaskEdit, *f.form.GraBitBtn);
        QCOMPARE(f.form.QuaMaskEdit->maskText(), QStringLiteral("     7,0"));
        screenshot(f.form, QStringLiteral("cadmedcas2"));
    }

    void changeIsBlockedOnlyByThisIngredientsLines()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        f.show(QStringLiteral("Colher de sopa")); // Arroz: used by Feijoada
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        f.form.QuaMaskEdit->setMaskText(QStringLiteral("    16,0"));
        MessageScript none;
        const auto listed = f.warning(*f.form.GraBitBtn);
        QVERIFY(none.done());
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QCOMPARE(listed[0], cp(" A medida caseira <<<Colher de sopa>>>"));
        QCOMPARE(listed.back(), std::string(73, '-'));
        QCOMPARE(listed[listed.size() - 3], cp("Preparação  : ") + padded("Feijoada", 40));
        QCOMPARE(listed[listed.size() - 2], "Ingrediente : " + padded("Arroz", 60));
        // Feijão has a "Xícara" too, which only Arroz's lines use: its change goes.
        f.chooseIngredient(1);
        f.show(QStringLiteral("Xícara"));
        f.form.QuaMaskEdit->setMaskText(QStringLiteral("   180,0"));
        MessageScript script{{QStringLiteral("Confirma alteração?"), kYes},
                             {QStringLiteral("Alteração efetuada com sucesso!"), kOk}};
        click(*f.form.GraBitBtn);
        QVERIFY(script.done());
        QCOMPARE(f.bytes(f.measures("Feijão")), padded("Xícara", 20) + "|   180,0|\r\n");
    }

    void deleteIsBlockedByAnyLineNamingTheMeasure()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        f.chooseIngredient(1);
        f.show(QStringLiteral("Xícara")); // Feijão's, but Arroz doce names a Xícara
        const auto listed = f.warning(*f.form.ExcBitBtn);
        QCOMPARE(listed[listed.size() - 3], cp("Preparação  : ") + padded("Arroz doce", 40));
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QCOMPARE(f.bytes(f.measures("Feijão")), padded("Xícara", 20) + "|   170,0|\r\n");
    }

    void renameCarriesIntoThisIngredientsLinesOnly()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        f.show(QStringLiteral("Colher de sopa"));
        for (const QString& taken : {QStringLiteral("Xícara"), QStringLiteral("COLHER DE SOPA")}) {
            auto ran = onNextModal<TAltNomForm>([&](TAltNomForm& d) {
                typeInto(*d.NovNomMaskEdit, taken);
                click(*d.ConBitBtn);
            });
            MessageScript script{{QStringLiteral("Nome da medida caseira já existe!"), kOk}};
            click(*f.form.AltNomBitBtn);
            QVERIFY(*ran);
            QVERIFY(script.done());
        }
        auto ran = onNextModal<TAltNomForm>([&](TAltNomForm& d) {
            QCOMPARE(d.windowTitle(), QStringLiteral("Altera nome da medida caseira"));
            typeInto(*d.NovNomMaskEdit, QStringLiteral("Colher grande"));
            click(*d.ConBitBtn);
        });
        click(*f.form.AltNomBitBtn);
        QVERIFY(*ran);
        QCOMPARE(f.bytes(f.measures("Arroz")),
                 padded("Colher grande", 20) + "|    15,0|\r\n" + padded("Xícara", 20) + "|   160,0|\r\n");
        const auto lines = loadLines(PreparationFilePath(f.env.base(), "T", padded("Feijoada", 40)));
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE(FieldOf(LineField::Measure, lines[0]), padded("Colher grande", 20)); // Arroz's line
        QCOMPARE(FieldOf(LineField::Measure, lines[1]),
                 padded("Colher de sopa", 20)); // Feijão's line untouched
        // "&Exclui" acts on the record under its new name.
        QCOMPARE(f.form.data().currentKey(), padded("Colher grande", 20));
    }

    // Choosing another ingredient with the arrow keys shows its measures at
    // once in mode Empty, the focus staying in the combo: the mnemonics of
    // "&Grava" and "&Exclui" pressed then find nothing to act on.
    void ingredientChosenWithTheKeyboardEndsInModeEmptyAtOnce()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        f.show(QStringLiteral("Xícara"));
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        leaveTowards(*f.form.QuaMaskEdit, *f.form.NomIngComboBox);
        const std::string arroz = f.bytes(f.measures("Arroz"));
        const std::string feijao = f.bytes(f.measures("Feijão"));
        MessageScript none;
        QTest::keyClick(f.form.NomIngComboBox, Qt::Key_Down);
        QCOMPARE(f.form.NomIngComboBox->currentIndex(), 1);
        QCOMPARE(f.form.currentIngredient(), padded("Feijão", 60));
        QCOMPARE(f.form.mode(), RegisterMode::Empty);
        QCOMPARE(f.form.data().keys().lines(), std::vector<std::string>{padded("Xícara", 20)});
        QCOMPARE(QApplication::focusWidget(), f.form.NomIngComboBox);
        for (const Qt::Key mnemonic : {Qt::Key_G, Qt::Key_E}) {
            QTest::keyClick(f.form.NomIngComboBox, mnemonic, Qt::AltModifier);
            QTest::qWait(150); // a mnemonic clicks its button after a short press
        }
        QVERIFY(none.done());
        QCOMPARE(f.form.mode(), RegisterMode::Empty);
        QCOMPARE(f.bytes(f.measures("Arroz")), arroz);
        QCOMPARE(f.bytes(f.measures("Feijão")), feijao);
    }

    // A quantity that was declined, refused because preparations use the
    // measure, or never stored is not what the edits show afterwards, nor what
    // a rename, browsing or leaving writes: the file keeps the stored quantity.
    void quantityNotStoredNeverReachesTheFile()
    {
        enum class Then { Declined, Refused, Typed };
        const struct {
            int ingredient;
            const char* measure;
            const char* stored;
            Then then;
            const char* renamed;
        } cases[] = {
            {1, "Xícara", "   170,0", Then::Declined, "Xícara chá"},
            {0, "Colher de sopa", "    15,0", Then::Refused, "Colher grande"},
            {0, "Xícara", "   160,0", Then::Typed, "Xícara chá"},
        };
        for (const auto& c : cases) {
            Fixture f;
            QVERIFY(openForm(f.form));
            if (c.ingredient != 0)
                f.chooseIngredient(c.ingredient);
            const auto file = f.measures(c.ingredient == 0 ? "Arroz" : "Feijão");
            const std::string before = f.bytes(file);
            f.show(QString::fromUtf8(c.measure));
            f.form.QuaMaskEdit->clearText();
            typeInto(*f.form.QuaMaskEdit, QStringLiteral("99"));
            leaveTowards(*f.form.QuaMaskEdit, *f.form.GraBitBtn);
            if (c.then == Then::Declined) {
                MessageScript script{{QStringLiteral("Confirma alteração?"), kNo}};
                click(*f.form.GraBitBtn);
                QVERIFY(script.done());
            } else if (c.then == Then::Refused) {
                f.warning(*f.form.GraBitBtn);
            }
            if (c.then != Then::Typed) {
                QCOMPARE(f.form.mode(), RegisterMode::Showing);
                QCOMPARE(f.form.QuaMaskEdit->coreText(), std::string(c.stored));
                // Browsing away and back, then, shows and writes nothing new.
                MessageScript none;
                click(*f.form.ProBitBtn);
                click(*f.form.AntBitBtn);
                click(*f.form.ProBitBtn);
                click(*f.form.NovBitBtn);
                QVERIFY(none.done());
                f.show(QString::fromUtf8(c.measure));
                QCOMPARE(f.form.QuaMaskEdit->coreText(), std::string(c.stored));
                f.form.QuaMaskEdit->clearText();
                typeInto(*f.form.QuaMaskEdit, QStringLiteral("99"));
                QCOMPARE(f.bytes(file), before);
            }
            auto ran = onNextModal<TAltNomForm>([&](TAltNomForm& d) {
                typeInto(*d.NovNomMaskEdit, QString::fromUtf8(c.renamed));
                click(*d.ConBitBtn);
            });
            click(*f.form.AltNomBitBtn);
            QVERIFY(*ran);
            const auto lines = loadLines(file);
            QCOMPARE(f.form.data().currentKey(), padded(c.renamed, 20));
            QCOMPARE(lines[static_cast<std::size_t>(f.form.data().current())],
                     padded(c.renamed, 20) + "|" + c.stored + "|");
            QCOMPARE(f.form.QuaMaskEdit->coreText(), std::string(c.stored));
            MessageScript none;
            click(*f.form.RetBitBtn);
            QVERIFY(none.done());
            QCOMPARE(loadLines(file), lines);
        }
    }

    // A quantity typed from the keyboard over a stored one replaces it. One
    // left with blanks between its digits (the caret put at the start with the
    // mouse) is refused on leaving and by "&Grava", and never stored.
    void typedQuantityReplacesTheStoredOneAndBlanksInsideAreRefused()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        f.chooseIngredient(1); // Feijão: no preparation uses its Xícara of 170,0
        const auto file = f.measures("Feijão");
        typeInto(*f.form.MedCasMaskEdit, QStringLiteral("Xícara"));
        QTest::keyClick(f.form.MedCasMaskEdit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), f.form.QuaMaskEdit);
        QTest::keyClicks(f.form.QuaMaskEdit, QStringLiteral("15"));
        QTest::keyClick(f.form.QuaMaskEdit, Qt::Key_Tab);
        QCOMPARE(f.form.QuaMaskEdit->maskText(), QStringLiteral("    15,0"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes},
                                 {QStringLiteral("Alteração efetuada com sucesso!"), kOk}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
        }
        const std::string stored = f.bytes(file);
        QVERIFY(stored.find(padded("Xícara", 20) + "|    15,0|") != std::string::npos);

        f.show(QStringLiteral("Xícara"));
        QTest::mouseClick(f.form.QuaMaskEdit, Qt::LeftButton, {},
                          QPoint(3, f.form.QuaMaskEdit->height() / 2));
        QCOMPARE(f.form.QuaMaskEdit->cursorPosition(), 0);
        QTest::keyClicks(f.form.QuaMaskEdit, QStringLiteral("2"));
        QCOMPARE(f.form.QuaMaskEdit->maskText(), QStringLiteral("2   15,0"));
        {
            MessageScript script{{QStringLiteral("Valor inválido!"), kOk}};
            QTest::keyClick(f.form.QuaMaskEdit, Qt::Key_Tab);
            QVERIFY(script.done());
            QCOMPARE(QApplication::focusWidget(), f.form.QuaMaskEdit);
            QCOMPARE(f.form.QuaMaskEdit->selectedText(), f.form.QuaMaskEdit->shownText());
        }
        {
            MessageScript script{{QStringLiteral("Valor inválido!"), kOk}};
            f.form.GraBitBtn->click();
            QVERIFY(script.done());
        }
        QCOMPARE(f.bytes(file), stored);
    }

    // The caption, with the longest table name, shows whole in a title bar of
    // the application's font in bold, with room for the bar's icon and buttons.
    void captionShowsWholeWithTheLongestTableName()
    {
        GuiEnvironment env;
        TableFixture table{env.base(), cp("Tabela de referência")};
        table.ingredient("Arroz").write();
        TCadMedCas2Form form(env.context());
        form.handOver({table.table(), true});
        QVERIFY(openForm(form));
        QFont bold = QApplication::font();
        bold.setBold(true);
        QVERIFY(form.windowTitle().endsWith(QStringLiteral("Tabela de referência")));
        QVERIFY(QFontMetrics(bold).horizontalAdvance(form.windowTitle()) + 100 <= form.width());
        QCOMPARE(form.height(), 178);
    }

    // A rename whose files cannot be written changes nothing, in the files or
    // in memory: a later store writes the old name the preparations still hold.
    void failedRenameKeepsTheOldNameEverywhere()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        f.chooseIngredient(1);
        f.show(QStringLiteral("Xícara"));
        const std::string before = f.bytes(f.measures("Feijão"));
        const auto feijoada = PreparationFilePath(f.env.base(), "T", padded("Feijoada", 40));
        const std::string linesBefore = f.bytes(feijoada);
        auto ran = onNextModal<TAltNomForm>([&](TAltNomForm& d) {
            typeInto(*d.NovNomMaskEdit, QStringLiteral("Caneca"));
            click(*d.ConBitBtn);
        });
        {
            MessageScript script{{QStringLiteral("Erro durante a alteração!"), kOk}};
            injectWriteFailure(1);
            click(*f.form.AltNomBitBtn);
            injectWriteFailure(0);
            QVERIFY(*ran);
            QVERIFY(script.done());
        }
        QCOMPARE(f.form.data().keys().lines(), std::vector<std::string>{padded("Xícara", 20)});
        QCOMPARE(f.form.MedCasMaskEdit->coreText(), padded("Xícara", 20));
        QCOMPARE(f.bytes(f.measures("Feijão")), before);
        QCOMPARE(f.bytes(feijoada), linesBefore);
        MessageScript script{{QStringLiteral("Confirma alteração?"), kYes},
                             {QStringLiteral("Alteração efetuada com sucesso!"), kOk}};
        click(*f.form.GraBitBtn);
        QVERIFY(script.done());
        QCOMPARE(f.bytes(f.measures("Feijão")), before);
    }

    void listShowsRawLinesAndNoIngredientsClosesTheWindow()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        auto ran = onNextModal<TLisForm>([](TLisForm& lis) {
            QCOMPARE(lis.windowTitle(), QStringLiteral("MEDIDAS CASEIRAS - Arroz - (g/ml)"));
            QCOMPARE(lis.ListBox->item(1)->text(), QStringLiteral("Xícara              |   160,0|"));
            lis.setItemIndex(1);
            lis.close();
        });
        click(*f.form.LisBitBtn);
        QVERIFY(*ran);
        QCOMPARE(f.form.MedCasMaskEdit->maskText(), QStringLiteral("Xícara              "));
        QCOMPARE(f.form.mode(), RegisterMode::Showing);

        GuiEnvironment empty;
        TCadMedCas2Form form(empty.context());
        form.handOver({"Vazia", true});
        MessageScript script{{QStringLiteral("Não existem ingredientes cadastrados!"), kOk}};
        form.setOpenFlag(true);
        form.show();
        QTRY_VERIFY(!form.isVisible());
        QVERIFY(script.done());
    }
};

QTEST_MAIN(CadMedCas2Test)
#include "CadMedCas2Test.moc"

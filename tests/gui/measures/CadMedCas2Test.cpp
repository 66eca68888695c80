// The household measure register: measures per ingredient, quantities
// normalised, change and delete blocked by the preparations that use them,
// and the rename carried into field 11 of this ingredient's lines.
#include "fixtures/SharedWindows.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/dialogs/IteVerUnit.h"
#include "gui/dialogs/LisUnit.h"
#include "gui/measures/CadMedCas2Unit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "harness/GuiHarness.h"
#include "support/TableBuilder.h"

#include <QComboBox>
#include <QListWidget>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

struct Fixture {
    GuiEnvironment env;
    SharedWindows shared{env.context()};
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
        form.tableName = "T";
    }
    std::filesystem::path measures(const char* ingredient)
    {
        return MeasureFilePath(env.base(), "T", padded(ingredient, 60), false);
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
        QCOMPARE(FieldOf(11, lines[0]), padded("Colher grande", 20));  // Arroz's line
        QCOMPARE(FieldOf(11, lines[1]), padded("Colher de sopa", 20)); // Feijão's line untouched
        // "&Exclui" acts on the record under its new name.
        QCOMPARE(f.form.data().currentKey(), padded("Colher grande", 20));
    }

    // The caption, with the longest table name, shows whole in a title bar of
    // the application's font in bold, with room for the bar's icon and buttons.
    void captionShowsWholeWithTheLongestTableName()
    {
        GuiEnvironment env;
        SharedWindows shared{env.context()};
        TableFixture table{env.base(), cp("Tabela de referência")};
        table.ingredient("Arroz").write();
        TCadMedCas2Form form(env.context());
        form.handOver(table.table());
        QVERIFY(openForm(form));
        QFont bold = QApplication::font();
        bold.setBold(true);
        QVERIFY(form.windowTitle().endsWith(QStringLiteral("Tabela de referência")));
        QVERIFY(QFontMetrics(bold).horizontalAdvance(form.windowTitle()) + 100 <= form.width());
        QCOMPARE(form.height(), 178);
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
        form.tableName = "Vazia";
        MessageScript script{{QStringLiteral("Não existem ingredientes cadastrados!"), kOk}};
        form.setOpenFlag(true);
        form.show();
        QTRY_VERIFY(!form.isVisible());
        QVERIFY(script.done());
    }
};

QTEST_MAIN(CadMedCas2Test)
#include "CadMedCas2Test.moc"

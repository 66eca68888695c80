// The ingredient register: typing, modes, the questions of every path, and
// a table open only for consultation.
#include "CadIngFixture.h"

#include <QCheckBox>
#include <QListWidget>

using namespace treluza;
using namespace treluza::test;

class CadIngTest : public QObject {
    Q_OBJECT

private slots:
    // "Lista" opens the ingredient browser: its pick is shown, the group list
    // is read again (a copy may have added a group), and a return with no row
    // selected leaves the register empty.
    void listOpensTheBrowserAndShowsItsPick()
    {
        Fixture f;
        const fs::path groups = IngredientGroupFilePath(f.base(), kTable);
        GuiEnvironment::writeBytes(groups, "Leites              |\r\n");
        writeIngredients(f.base(), {milkRecord(), ingredient("Sal", {})});
        QVERIFY(openForm(f.form));
        QCOMPARE(f.form.NomGruComboBox->count(), 1);
        auto picked = onNextModal<TVisLisIngForm>([&](TVisLisIngForm& b) {
            QCOMPARE(b.LisFilOrdListBox->count(), 2);
            b.LisFilOrdListBox->setCurrentRow(1);
            GuiEnvironment::writeBytes(groups, "Leites              |\r\nTemperos            |\r\n");
            click(*b.RetBitBtn);
        });
        click(*f.form.LisBitBtn);
        QVERIFY(*picked);
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60("Sal"));
        QCOMPARE(f.form.NomGruComboBox->count(), 2);

        auto nothing = onNextModal<TVisLisIngForm>([](TVisLisIngForm& b) {
            click(*b.PalChaCheckBox);
            typeInto(*b.PalChaMaskEdit, QStringLiteral("ZZZ"));
            click(*b.PalChaBitBtn);
            QCOMPARE(b.LisFilOrdListBox->count(), 0);
            click(*b.RetBitBtn);
        });
        click(*f.form.LisBitBtn);
        QVERIFY(*nothing);
        QCOMPARE(f.form.mode(), RegisterMode::Empty);
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60(""));
    }

    // Walking the whole form with Enter, inserting or showing, moves through
    // every control and clicks none: no question is asked, nothing is written
    // and the window stays open.
    void enterWalksThroughEveryControlAndClicksNone()
    {
        for (const QString& name : {QStringLiteral("Novo"), QStringLiteral("Leite")}) {
            Fixture f;
            GuiEnvironment::writeBytes(IngredientGroupFilePath(f.base(), kTable),
                                       "Leites              |\r\n");
            writeIngredients(f.base(), {milkRecord()});
            const fs::path file = IngredientFilePath(f.base(), kTable);
            const std::string bytes = GuiEnvironment::readBytes(file);
            QVERIFY(openForm(f.form));
            QSet<QWidget*> visited;
            const auto watch = connect(qApp, &QApplication::focusChanged, this,
                                       [&](QWidget*, QWidget* now) { visited.insert(now); });
            MessageScript none;
            typeInto(*f.form.IngMaskEdit, name);
            for (int i = 0; i < 60; ++i)
                pressEnter(f.form);
            disconnect(watch);
            QVERIFY(none.done());
            QVERIFY(f.form.isVisible());
            for (QWidget* w : std::initializer_list<QWidget*>{f.form.LimNomGruBitBtn, f.form.GraBitBtn,
                                                              f.form.NovBitBtn, f.form.RetBitBtn})
                QVERIFY2(visited.contains(w), qPrintable(w->objectName()));
            QCOMPARE(GuiEnvironment::readBytes(file), bytes);
            QCOMPARE(f.form.mode(),
                     name == QStringLiteral("Novo") ? RegisterMode::Inserting : RegisterMode::Showing);
        }
    }

    void insertingTypesNormalisesAndWritesTheFileAtOnce()
    {
        Fixture f;
        GuiEnvironment::writeBytes(IngredientGroupFilePath(f.base(), kTable),
                                   cp("Cereais             |\r\n"));
        QVERIFY(openForm(f.form));
        QCOMPARE(f.form.windowTitle(), QStringLiteral("CADASTRO DE INGREDIENTES - TABELA ATIVA : TACO"));
        QCOMPARE(f.form.mode(), RegisterMode::Empty);
        QVERIFY(f.form.IngMaskEdit->isEnabled() && f.form.NovBitBtn->isEnabled() &&
                f.form.RetBitBtn->isEnabled());
        QVERIFY(!f.form.kalMaskEdit->isEnabled() && !f.form.GraBitBtn->isEnabled() &&
                !f.form.ExcBitBtn->isEnabled());
        QVERIFY(f.form.LisBitBtn->isEnabled());
        QCOMPARE(f.form.NomGruComboBox->count(), 1);

        typeInto(*f.form.IngMaskEdit, QStringLiteral("Pão/queijo"));
        pressEnter(*f.form.IngMaskEdit);
        QCOMPARE(f.form.mode(), RegisterMode::Inserting);
        QCOMPARE(QApplication::focusWidget(), f.form.kalMaskEdit);
        QVERIFY(!f.form.IngMaskEdit->isEnabled() && !f.form.AltNomBitBtn->isEnabled());
        QVERIFY(f.form.GraBitBtn->isEnabled() && !f.form.AntBitBtn->isEnabled());

        // "." is a comma, and the comma pushes the digits typed so far against it.
        typeKeys(*f.form.kalMaskEdit, QStringLiteral("12."));
        QCOMPARE(f.form.kalMaskEdit->maskText(), QStringLiteral("  12,  "));
        typeKeys(*f.form.kalMaskEdit, QStringLiteral("5"));
        pressEnter(*f.form.kalMaskEdit); // on to the energy source
        QCOMPARE(f.form.kalMaskEdit->maskText(), QStringLiteral("  12,50"));
        QCOMPARE(QApplication::focusWidget(), f.form.KALFonMaskEdit);
        typeKeys(*f.form.KALFonMaskEdit, QStringLiteral("Rótulo"));
        typeInto(*f.form.CHOMaskEdit, QStringLiteral(","));
        leaveTowards(*f.form.CHOMaskEdit, *f.form.SODMaskEdit);
        QCOMPARE(f.form.CHOMaskEdit->maskText(), QStringLiteral("   0,00"));
        typeKeys(*f.form.SODMaskEdit, QStringLiteral("12345"));
        leaveTowards(*f.form.SODMaskEdit, *f.form.DatCotMaskEdit);
        QCOMPARE(f.form.SODMaskEdit->maskText(), QStringLiteral("12345,00"));
        typeInto(*f.form.DatCotMaskEdit, QStringLiteral("150324"));
        leaveTowards(*f.form.DatCotMaskEdit, *f.form.CusFonMaskEdit);
        f.form.NomGruComboBox->setCurrentIndex(0);

        {
            MessageScript script{{QStringLiteral("Confirma inclusão?"), kNo}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Inserting);
            QCOMPARE(QApplication::focusWidget(), f.form.kalMaskEdit);
        }
        {
            MessageScript script{{QStringLiteral("Confirma inclusão?"), kYes}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QVERIFY(f.form.ExcBitBtn->isEnabled() && f.form.AltNomBitBtn->isEnabled());
        screenshot(f.form, QStringLiteral("cading_editable"));

        const std::string expected = name60(cp("Pão/queijo")) +
                                     "|  12,50|   0,00|    ,  |    ,  |    ,  |    ,  |"
                                     "    ,  |    ,  |    ,  |12345,00||Cereais             |   ,  |   ,  |"
                                     "      ,  |15/03/24|" +
                                     cp("Rótulo") + "|||||||||||||";
        // On disk when the confirmation returns.
        const auto written = readIngredients(f.base());
        QCOMPARE(written.size(), std::size_t(1));
        QCOMPARE(QString::fromLatin1(written[0]), QString::fromLatin1(expected));
        click(*f.form.RetBitBtn);
        QVERIFY(!f.form.isVisible());
        QCOMPARE(readIngredients(f.base()), written);
    }

    void typingChecksNamesSourcesDateAndGroup()
    {
        Fixture f;
        GuiEnvironment::writeBytes(IngredientGroupFilePath(f.base(), kTable), "Frutas              |\r\n");
        writeIngredients(f.base(), {ingredient(cp("Maçã"), {{IngField::Group, "FRUTAS              "}}),
                                    ingredient("Uva", {{IngField::Group, "Sumidos             "}})});
        QVERIFY(openForm(f.form));
        {
            MessageScript script{{QStringLiteral("Não é permitido utilizar o caracter (*) !"), kOk}};
            typeInto(*f.form.IngMaskEdit, QStringLiteral("MA*ÇÃ"));
            QVERIFY(script.done());
        }
        leaveTowards(*f.form.IngMaskEdit, *f.form.NovBitBtn);
        // Another letter case shows the stored record, its group found ignoring case.
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60(cp("Maçã")));
        QCOMPARE(f.form.NomGruComboBox->currentIndex(), 0);
        QVERIFY(!f.form.unsaved());
        {
            MessageScript script{{QStringLiteral("Não é permitido utilizar o caracter (|) !"), kOk},
                                 {QStringLiteral("Não é permitido utilizar o caracter (\\) !"), kOk}};
            typeInto(*f.form.PTNFonMaskEdit, QStringLiteral("a|b\\c"));
            QVERIFY(script.done());
            QCOMPARE(f.form.PTNFonMaskEdit->maskText(), QStringLiteral("abc"));
        }
        {
            MessageScript script{{QStringLiteral("Data inválida!"), kOk}};
            typeInto(*f.form.DatCotMaskEdit, QStringLiteral("310224"));
            leaveTowards(*f.form.DatCotMaskEdit, *f.form.CusFonMaskEdit);
            QVERIFY(script.done());
            QCOMPARE(QApplication::focusWidget(), f.form.DatCotMaskEdit);
        }
        f.form.DatCotMaskEdit->clearText();
        leaveTowards(*f.form.DatCotMaskEdit, *f.form.CusFonMaskEdit); // blank is accepted
        {
            MessageScript script{{QStringLiteral("Limpa o campo \"Grupo\"?"), kNo},
                                 {QStringLiteral("Limpa o campo \"Grupo\"?"), kYes}};
            click(*f.form.LimNomGruBitBtn);
            QCOMPARE(f.form.NomGruComboBox->currentIndex(), 0);
            click(*f.form.LimNomGruBitBtn);
            QCOMPARE(f.form.NomGruComboBox->currentIndex(), -1);
            QVERIFY(script.done());
        }
        {
            // A group missing from the group file shows no group; storing writes it empty.
            MessageScript script{{QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"), kYes}};
            click(*f.form.ProBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60("Uva"));
        QCOMPARE(f.form.NomGruComboBox->currentIndex(), -1);
        f.form.KALFonMaskEdit->setMaskText(QStringLiteral("x"));
        {
            MessageScript script{{QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"), kYes}};
            click(*f.form.RetBitBtn);
            QVERIFY(script.done());
        }
        const auto lines = readIngredients(f.base());
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE(FieldOf(IngField::Group, lines[0]), std::string());
        QCOMPARE(FieldOf(IngField::Group, lines[1]), std::string());
        QCOMPARE(FieldOf(IngField::FirstSource, lines[1]), std::string("x"));
    }

    void declinedChangeShowsTheStoredRecordAndDeleteStillWorks()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        GuiEnvironment::writeBytes(MeasureFilePath(f.base(), kTable, name60("Leite")), "Copo|\r\n");
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("leite"));
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("200"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kNo}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QCOMPARE(f.form.kalMaskEdit->maskText(), QStringLiteral(" 100,00"));
        QVERIFY(!f.form.unsaved());
        {
            MessageScript script{{QStringLiteral("Confirma exclusão?"), kNo}};
            click(*f.form.ExcBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Showing);
        }
        {
            MessageScript script{{QStringLiteral("Confirma exclusão?"), kYes}};
            click(*f.form.ExcBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(f.form.mode(), RegisterMode::Empty);
        QVERIFY(!fs::exists(MeasureFilePath(f.base(), kTable, name60("Leite"))));
        QVERIFY(!fs::exists(indexPath(f.base()))); // looked at, never written: no preparation uses it
        QVERIFY(readIngredients(f.base()).empty());
        click(*f.form.RetBitBtn);
    }

    void askToSaveOnNewStoresTheInsertAndAnswersNoOnlyOnce()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        typeInto(*f.form.IngMaskEdit, QStringLiteral("Feijão"));
        leaveTowards(*f.form.IngMaskEdit, *f.form.NovBitBtn);
        typeInto(*f.form.kalMaskEdit, QStringLiteral("1"));
        {
            MessageScript script{{QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"), kYes}};
            click(*f.form.NovBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(f.form.mode(), RegisterMode::Empty);
        QCOMPARE(f.form.data().count(), 1);
        QCOMPARE(FieldOf(IngField::Energy, f.form.data().records()[0]), std::string("   1,00"));
        click(*f.form.RetBitBtn); // nothing unsaved: no question
        QCOMPARE(readIngredients(f.base()).size(), std::size_t(1));
    }

    void consultationOnlyTableBrowsesWithTheTableAsSource()
    {
        Fixture f(false);
        const std::vector<std::string> records = {
            ingredient("Arroz", {{IngField::Energy, " 358,00"}, {IngField::FirstSource, cp("Rótulo")}}),
            ingredient(cp("Feijão"), {{IngField::UnitCost, "     7,00"}, {IngField::LastSource, "Feira"}})};
        writeIngredients(f.base(), records);
        const std::string before = GuiEnvironment::readBytes(IngredientFilePath(f.base(), kTable));
        QVERIFY(openForm(f.form));
        QCOMPARE(f.form.mode(), RegisterMode::Consulting);
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60("Arroz"));
        QCOMPARE(f.form.KALFonMaskEdit->maskText(), QStringLiteral("TACO"));
        QCOMPARE(f.form.CHOFonMaskEdit->maskText(), QString());
        QCOMPARE(f.form.CusFonMaskEdit->maskText(), QString());
        for (QWidget* w : f.form.findChildren<QWidget*>()) {
            if (!qobject_cast<TMaskEdit*>(w) && !qobject_cast<QAbstractButton*>(w) &&
                !qobject_cast<QComboBox*>(w))
                continue;
            const bool on = w == f.form.AntBitBtn || w == f.form.ProBitBtn || w == f.form.LisBitBtn ||
                            w == f.form.AjuBitBtn || w == f.form.RetBitBtn;
            QVERIFY2(w->isEnabled() == on, qPrintable(w->objectName()));
        }
        screenshot(f.form, QStringLiteral("cading_consultation"));
        click(*f.form.ProBitBtn);
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60(cp("Feijão")));
        QCOMPARE(f.form.CusFonMaskEdit->maskText(), QStringLiteral("TACO"));
        QCOMPARE(f.form.KALFonMaskEdit->maskText(), QString());
        QCOMPARE(f.form.mode(), RegisterMode::Consulting);
        {
            // A delete requested while consulting is a logic error: the window closes.
            MessageScript script{{QStringLiteral("Erro de lógica!"), kOk}};
            f.form.ExcBitBtnClick();
            QVERIFY(script.done());
        }
        QVERIFY(!f.form.isVisible());
        QCOMPARE(GuiEnvironment::readBytes(IngredientFilePath(f.base(), kTable)), before);
    }

    // The ingredient file or the group file (without which a store would
    // write the group blank) unreadable: the window says so and closes.
    void unreadableFileClosesTheWindowWithoutWriting()
    {
        for (const bool groups : {false, true}) {
            Fixture f;
            const fs::path file =
                groups ? IngredientGroupFilePath(f.base(), kTable) : IngredientFilePath(f.base(), kTable);
            const std::string ingredients = GuiEnvironment::readBytes(IngredientFilePath(f.base(), kTable));
            fs::remove(file);
            fs::create_directories(file);
            MessageScript script{{QStringLiteral("Não foi possível ler o arquivo ") +
                                      QString::fromStdString(file.string()) + QStringLiteral(" !"),
                                  kOk}};
            QVERIFY(openForm(f.form));
            QTRY_VERIFY(!f.form.isVisible());
            QVERIFY(script.done());
            QVERIFY(fs::is_directory(file));
            if (groups)
                QCOMPARE(GuiEnvironment::readBytes(IngredientFilePath(f.base(), kTable)), ingredients);
        }
    }

    void garbageLinesShowWithoutCrashing()
    {
        Fixture f(false);
        GuiEnvironment::writeBytes(IngredientFilePath(f.base(), kTable), std::string("\x01\xff|x|||\r\n", 8) +
                                                                             std::string(5000, 'z') +
                                                                             "\r\nabc\r\n");
        QVERIFY(openForm(f.form));
        QCOMPARE(f.form.data().count(), 3);
        for (int i = 0; i < 3; ++i)
            click(*f.form.ProBitBtn);
        QVERIFY(!f.form.ProBitBtn->isEnabled());
        QCOMPARE(f.form.mode(), RegisterMode::Consulting);
        click(*f.form.RetBitBtn);
        QVERIFY(!f.form.isVisible());
    }
};

QTEST_MAIN(CadIngTest)
#include "CadIngTest.moc"

// The ingredient register: what a confirmed change, delete or rename writes,
// in the ingredient file and in every preparation that uses the ingredient.
#include "CadIngFixture.h"

using namespace treluza;
using namespace treluza::test;

class CadIngCarryTest : public QObject {
    Q_OBJECT

private slots:
    void energyChangeReachesTheLineTheTotalAndThePerCapitaValue()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        writeSoup(f.base());
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("200"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes}};
            auto warned = continueAfterUsageWarning();
            click(*f.form.GraBitBtn);
            QVERIFY(*warned);
            QVERIFY(script.done());
        }
        QCOMPARE(f.iteVer().lines().back(), name40("Sopa"));
        QVERIFY(reactivate(f.form));
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        const auto index = loadLines(indexPath(f.base()));
        QCOMPARE(index.size(), std::size_t(1));
        QCOMPARE(FieldOf(IdxField::Energy, index[0]), std::string("   120,00"));
        QCOMPARE(FieldOf(IdxField::PerCapitaEnergy, index[0]), std::string("    24,00"));
        QCOMPARE(FieldOf(IdxField::SpoonEnergy, index[0]),
                 blankField(RecordKind::Index, IdxField::SpoonEnergy));
        const auto lines = loadLines(prepPath(f.base(), "Sopa"));
        QCOMPARE(FieldOf(LineField::Energy, lines[0]), std::string("   100,00"));
        QCOMPARE(FieldOf(LineField::Energy, lines[1]), std::string("    20,00"));

        // A second change carries only what changed since the first was stored.
        retype(*f.form.CusUniMaskEdit, *f.form.DatCotMaskEdit, QStringLiteral("10"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes}};
            auto warned = continueAfterUsageWarning();
            click(*f.form.GraBitBtn);
            QVERIFY(*warned);
            QVERIFY(script.done());
        }
        const auto after = loadLines(prepPath(f.base(), "Sopa"));
        QCOMPARE(FieldOf(LineField::UnitCost, after[0]), std::string("    10,00"));
        QCOMPARE(FieldOf(LineField::Cost, after[0]), std::string("     0,55"));
        QCOMPARE(FieldOf(LineField::Energy, after[0]), std::string("   100,00"));
        QCOMPARE(FieldOf(IdxField::Cost, loadLines(indexPath(f.base()))[0]), std::string("     0,55"));

        click(*f.form.RetBitBtn);
        const auto stored = readIngredients(f.base());
        QCOMPARE(FieldOf(IngField::Energy, stored[0]), std::string(" 200,00"));
        QCOMPARE(FieldOf(IngField::UnitCost, stored[0]), std::string("    10,00"));
    }

    void factorsGroupAndSourcesAloneLeaveEveryPreparationByteAsItWas()
    {
        Fixture f;
        GuiEnvironment::writeBytes(IngredientGroupFilePath(f.base(), kTable), "Leites              |\r\n");
        writeIngredients(f.base(), {milkRecord()});
        writeSoup(f.base());
        const std::string indexBefore = GuiEnvironment::readBytes(indexPath(f.base()));
        const std::string linesBefore = GuiEnvironment::readBytes(prepPath(f.base(), "Sopa"));
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        retype(*f.form.FCMaskEdit, *f.form.FCFonMaskEdit, QStringLiteral("2"));
        retype(*f.form.FCCMaskEdit, *f.form.FCCFonMaskEdit, QStringLiteral("3"));
        typeInto(*f.form.KALFonMaskEdit, QStringLiteral("Outra "));
        f.form.NomGruComboBox->setCurrentIndex(0);
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes}};
            auto warned = continueAfterUsageWarning();
            click(*f.form.GraBitBtn);
            QVERIFY(*warned);
            QVERIFY(script.done());
        }
        QCOMPARE(GuiEnvironment::readBytes(indexPath(f.base())), indexBefore);
        QCOMPARE(GuiEnvironment::readBytes(prepPath(f.base(), "Sopa")), linesBefore);
        click(*f.form.RetBitBtn);
        const auto stored = readIngredients(f.base());
        QCOMPARE(FieldOf(IngField::FC, stored[0]), std::string("  2,00"));
        QCOMPARE(FieldOf(IngField::FCC, stored[0]), std::string("  3,00"));
        QCOMPARE(FieldOf(IngField::Group, stored[0]), std::string("Leites              "));
        QCOMPARE(FieldOf(IngField::FirstSource, stored[0]), std::string("Outra TACO"));
    }

    void insertedRecordSurvivesADeclinedQuestionForAnother()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        QVERIFY(openForm(f.form));
        typeInto(*f.form.IngMaskEdit, QStringLiteral("Arroz"));
        leaveTowards(*f.form.IngMaskEdit, *f.form.NovBitBtn);
        QCOMPARE(f.form.mode(), RegisterMode::Inserting);
        typeInto(*f.form.kalMaskEdit, QStringLiteral("128"));
        {
            MessageScript script{{QStringLiteral("Confirma inclusão?"), kYes}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
        }
        click(*f.form.NovBitBtn); // nothing changed since the insert: no question
        show(f, QStringLiteral("Leite"));
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("300"));
        {
            MessageScript script{{QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"), kNo}};
            click(*f.form.NovBitBtn);
            QVERIFY(script.done());
        }
        click(*f.form.RetBitBtn);
        QCOMPARE(
            readIngredients(f.base()),
            (std::vector<std::string>{ingredient("Arroz", {{IngField::Energy, " 128,00"}}), milkRecord()}));
    }

    void renameMovesTheMeasuresWritesTheFileAndCarriesTheName()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord(), ingredient("Sal", {})});
        writeSoup(f.base());
        GuiEnvironment::writeBytes(MeasureFilePath(f.base(), kTable, name60("Leite")), "Copo|  200,0|\r\n");
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        // An edit not stored yet is stored by the rename and reaches the preparations.
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("200"));
        {
            MessageScript script{{QStringLiteral("Já existe um ingrediente com o novo nome!"), kOk}};
            auto ran = onNextModal<TAltNomForm>([](TAltNomForm& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Altera nome do ingrediente"));
                QCOMPARE(d.NomAtuMaskEdit->maskText(), QString::fromStdString(name60("Leite")));
                typeInto(*d.NovNomMaskEdit, QStringLiteral("LEITE"));
                click(*d.ConBitBtn);
            });
            click(*f.form.AltNomBitBtn);
            QVERIFY(*ran);
            QVERIFY(script.done());
        }
        auto ran = onNextModal<TAltNomForm>([](TAltNomForm& d) {
            typeInto(*d.NovNomMaskEdit, QStringLiteral("Leite/pó"));
            click(*d.ConBitBtn);
        });
        click(*f.form.AltNomBitBtn);
        QVERIFY(*ran);
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60(cp("Leite/pó")));
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        // Written at once, before leaving.
        const auto stored = readIngredients(f.base());
        QCOMPARE(stored.size(), std::size_t(2));
        QCOMPARE(keyOf(stored[0]), name60(cp("Leite/pó")));
        QVERIFY(!fs::exists(MeasureFilePath(f.base(), kTable, name60("Leite"))));
        QCOMPARE(GuiEnvironment::readBytes(MeasureFilePath(f.base(), kTable, name60(cp("Leite/pó")))),
                 std::string("Copo|  200,0|\r\n"));
        const auto lines = loadLines(prepPath(f.base(), "Sopa"));
        QCOMPARE(keyOf(lines[0]), name60(cp("Leite/pó")));
        QCOMPARE(FieldOf(LineField::Energy, lines[0]), std::string("   100,00"));
        QCOMPARE(FieldOf(IngField::Energy, stored[0]), std::string(" 200,00"));
        QCOMPARE(keyOf(lines[1]), name60("Sal"));

        // Sal has no measures: none appears under either name.
        click(*f.form.ProBitBtn);
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60("Sal"));
        auto again = onNextModal<TAltNomForm>([](TAltNomForm& d) {
            typeInto(*d.NovNomMaskEdit, QStringLiteral("Sal grosso"));
            click(*d.ConBitBtn);
        });
        click(*f.form.AltNomBitBtn);
        QVERIFY(*again);
        QVERIFY(!fs::exists(MeasureFilePath(f.base(), kTable, name60("Sal"))));
        QVERIFY(!fs::exists(MeasureFilePath(f.base(), kTable, name60("Sal grosso"))));
        click(*f.form.RetBitBtn);
        QCOMPARE(keyOf(readIngredients(f.base())[1]), name60("Sal grosso"));
    }

    void deleteOfAUsedIngredientRecomputesThePreparation()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        writeSoup(f.base());
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        {
            MessageScript script{{QStringLiteral("Confirma exclusão?"), kYes}};
            auto warned = continueAfterUsageWarning();
            click(*f.form.ExcBitBtn);
            QVERIFY(*warned);
            QVERIFY(script.done());
        }
        const auto lines = loadLines(prepPath(f.base(), "Sopa"));
        QCOMPARE(lines.size(), std::size_t(1));
        QCOMPARE(keyOf(lines[0]), name60("Sal"));
        const auto index = loadLines(indexPath(f.base()));
        QCOMPARE(FieldOf(IdxField::Energy, index[0]), std::string("    20,00"));
        QCOMPARE(FieldOf(IdxField::PerCapitaEnergy, index[0]), std::string("     4,00"));
        click(*f.form.RetBitBtn);
        QVERIFY(readIngredients(f.base()).empty());
    }

    // A store that cannot be written changes no file and leaves the record
    // list as the files hold it; the edits stay on screen, unsaved, and can be
    // stored once the disk takes them.
    void failedStoreChangesNoFileAndKeepsTheEdits()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        writeSoup(f.base());
        const std::string indexBefore = GuiEnvironment::readBytes(indexPath(f.base()));
        const std::string linesBefore = GuiEnvironment::readBytes(prepPath(f.base(), "Sopa"));
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("200"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes},
                                 {QStringLiteral("Erro durante a alteração!"), kOk}};
            auto warned = continueAfterUsageWarning();
            injectWriteFailure(1);
            click(*f.form.GraBitBtn);
            injectWriteFailure(0);
            QVERIFY(*warned);
            QVERIFY(script.done());
        }
        QVERIFY(reactivate(f.form));
        QCOMPARE(GuiEnvironment::readBytes(indexPath(f.base())), indexBefore);
        QCOMPARE(GuiEnvironment::readBytes(prepPath(f.base(), "Sopa")), linesBefore);
        QCOMPARE(readIngredients(f.base()), std::vector<std::string>{milkRecord()});
        QCOMPARE(f.form.data().records().lines(), std::vector<std::string>{milkRecord()});
        QCOMPARE(f.form.kalMaskEdit->maskText(), QStringLiteral(" 200,00"));
        QVERIFY(f.form.unsaved());
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes}};
            auto warned = continueAfterUsageWarning();
            click(*f.form.GraBitBtn);
            QVERIFY(*warned);
            QVERIFY(script.done());
        }
        QCOMPARE(FieldOf(IngField::Energy, readIngredients(f.base())[0]), std::string(" 200,00"));
        QCOMPARE(FieldOf(IdxField::Energy, loadLines(indexPath(f.base()))[0]), std::string("   120,00"));
    }

    // A store whose files could not all be replaced once its journal was
    // complete is kept as stored: the register holds it as the files will,
    // and the next change completes it before it reads anything.
    void storeFailedAfterItsJournalIsCompletedByTheNextChange()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        writeSoup(f.base());
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("200"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes},
                                 {QStringLiteral("Erro durante a alteração!"), kOk}};
            auto warned = continueAfterUsageWarning();
            injectWriteFailure(3); // the journal and the ingredient file are written
            click(*f.form.GraBitBtn);
            injectWriteFailure(0);
            QVERIFY(*warned);
            QVERIFY(script.done());
        }
        QVERIFY(reactivate(f.form));
        QVERIFY(fs::exists(journalPath(tableFolderPath(f.base(), kTable))));
        QCOMPARE(FieldOf(IngField::Energy, f.form.data().records()[0]), std::string(" 200,00"));
        QVERIFY(!f.form.unsaved());
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("300"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes}};
            auto warned = continueAfterUsageWarning();
            click(*f.form.GraBitBtn);
            QVERIFY(*warned);
            QVERIFY(script.done());
        }
        QVERIFY(!fs::exists(journalPath(tableFolderPath(f.base(), kTable))));
        // 300 kcal per 100 g in 50 g of the soup's line, and 20 of its salt.
        QCOMPARE(FieldOf(IngField::Energy, readIngredients(f.base())[0]), std::string(" 300,00"));
        QCOMPARE(FieldOf(LineField::Energy, loadLines(prepPath(f.base(), "Sopa"))[0]),
                 std::string("   150,00"));
        QCOMPARE(FieldOf(IdxField::Energy, loadLines(indexPath(f.base()))[0]), std::string("   170,00"));
    }

    // A store that failed on the way to a new or another record keeps the
    // edits on screen, unsaved, in the record shown.
    void failedStoreBeforeAnotherRecordKeepsTheEdits()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("300"));
        const std::string bytes = GuiEnvironment::readBytes(IngredientFilePath(f.base(), kTable));
        for (TBitBtn* button : {f.form.NovBitBtn, f.form.ProBitBtn, f.form.AntBitBtn}) {
            MessageScript script{{QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"), kYes},
                                 {QStringLiteral("Erro durante a alteração!"), kOk}};
            injectWriteFailure(1);
            click(*button);
            injectWriteFailure(0);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Showing);
            QCOMPARE(f.form.kalMaskEdit->maskText(), QStringLiteral(" 300,00"));
            QVERIFY(f.form.unsaved());
            QCOMPARE(GuiEnvironment::readBytes(IngredientFilePath(f.base(), kTable)), bytes);
        }
    }

    // Leaving with edits whose store fails asks before dropping them.
    void failedStoreOnReturnAsksBeforeLeavingWithoutIt()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("300"));
        const fs::path file = IngredientFilePath(f.base(), kTable);
        const std::string bytes = GuiEnvironment::readBytes(file);
        for (const Answer leave : {kNo, kYes}) {
            MessageScript script{{QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"), kYes},
                                 {QStringLiteral("Erro durante a alteração!"), kOk},
                                 {QStringLiteral("Deseja sair sem gravar as alterações?"), leave}};
            injectWriteFailure(1);
            click(*f.form.RetBitBtn);
            injectWriteFailure(0);
            QVERIFY(script.done());
            QCOMPARE(f.form.isVisible(), leave == kNo);
            QCOMPARE(GuiEnvironment::readBytes(file), bytes);
        }
    }

    // In the program's own message dialog the question to leave without the
    // edits has "&NÃO" as its default button: Enter keeps the window open.
    void leavingWithoutTheEditsIsNotTheDefaultAnswer()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("300"));
        TMesDlgForm dialog;
        QStringList shown;
        std::shared_ptr<bool> answered;
        setMessageDialog([&](const QString& text, MessageKind kind, Answer defaultAnswer) {
            shown << text;
            if (!text.startsWith(QStringLiteral("Deseja sair")))
                return kind == MessageKind::Question ? kYes : kOk;
            answered = onNextModal<TMesDlgForm>([](TMesDlgForm& d) {
                QVERIFY(d.NaoBitBtn->isDefault());
                QCOMPARE(QApplication::focusWidget(), d.NaoBitBtn);
                pressEnter(d);
            });
            return dialog.showMessage(text, kind, defaultAnswer);
        });
        injectWriteFailure(1);
        click(*f.form.RetBitBtn);
        injectWriteFailure(0);
        setMessageDialog({});
        QVERIFY(answered && *answered);
        QCOMPARE(shown, QStringList({QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"),
                                     QStringLiteral("Erro durante a alteração!"),
                                     QStringLiteral("Deseja sair sem gravar as alterações?")}));
        QVERIFY(f.form.isVisible());
        QVERIFY(f.form.unsaved());
        f.form.close();
    }
};

QTEST_MAIN(CadIngCarryTest)
#include "CadIngCarryTest.moc"

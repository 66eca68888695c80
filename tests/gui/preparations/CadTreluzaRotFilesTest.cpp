// The preparation register and the files of a preparation: a rename moves,
// and a delete removes, exactly the ingredient lines, the method text and the
// label of the preparation; a write that fails changes nothing; "&Lista" goes
// through the list viewer.
#include "PreparationFixture.h"

#include "gui/widgets/QtText.h"

#include <QLineEdit>

using namespace treluza;
using namespace treluza::test;

namespace {

const std::string kPao = cp("Pão/queijo");
const std::string kSopa = "Sopa";

// Pão/queijo: 820,44 kcal; x 250/1000 per capita, x 15/1000 per tablespoon.
const std::string kPaoIndex = sheetLine(kPao, {"   820,44"}, {"   205,11"}, {"    12,31"}, "08/12/2026");
const std::string kSopaIndex = sheetLine(kSopa, {"   329,00"}, {"    82,25"}, {"     4,94"});
const std::string kPaoLines = name60("Batata") + "|   120,0|   100,0|" + std::string(206, ' ') + "|\r\n";
const std::string kPaoMethod = "Misture e asse.\r\n";
const std::string kPaoLabel = cp("Pão de queijo\r\n");
const std::string kSopaLines = name60("Feijao") + "|      , |   100,0|" + std::string(206, ' ') + "|\r\n";
const std::string kSopaMethod = "Cozinhe.\r\n";

// The two preparations on disk, as the table folder lists them; Sopa has no
// label file.
const Snapshot kBefore = {
    {"Treluza/ArqTreluza.dad", kPaoIndex + "\r\n" + kSopaIndex + "\r\n"},
    {"Treluza/Pão_queijo.dad", kPaoLines},
    {"Receita/Pão_queijo.rec", kPaoMethod},
    {"Etiqueta/Pão_queijo.eti", kPaoLabel},
    {"Treluza/Sopa.dad", kSopaLines},
    {"Receita/Sopa.rec", kSopaMethod},
};

/** The kitchen with the two preparations written on disk. */
struct Sheets : Kitchen {
    Sheets()
    {
        for (const auto& [path, bytes] : kBefore)
            GuiEnvironment::writeBytes(tableFolder() / path, bytes);
    }
    fs::path tableFolder() const { return tableFolderPath(base(), kTable); }
    /** The table folder without the ingredient, measure and group files,
     *  which no test here changes. */
    Snapshot files() const
    {
        Snapshot all = snapshot(tableFolder());
        std::erase_if(all, [](const auto& f) {
            return f.first.starts_with("Ingrediente/") || f.first.starts_with("Medidas/") ||
                   f.first == "ArqGruPre.dad";
        });
        return all;
    }
};

/** Renames the shown preparation through the rename dialog. */
void renameTo(Sheets& k, const QString& newName)
{
    auto ran = onNextModal<TAltNomForm>([&](TAltNomForm& d) {
        QCOMPARE(d.windowTitle(), QStringLiteral("Altera nome da preparação"));
        QCOMPARE(d.NomAtuMaskEdit->coreText(), k.form.NomPreMaskEdit->coreText());
        typeInto(*d.NovNomMaskEdit, newName);
        click(*d.ConBitBtn);
    });
    click(*k.form.AltNomBitBtn);
    QVERIFY(*ran);
}

} // namespace

class CadTreluzaRotFilesTest : public QObject {
    Q_OBJECT

private slots:
    // A name held by another preparation (in any letter case) is refused; a
    // new one takes the three files along, the ones a preparation did not
    // have coming into being empty, and keeps the other fields.
    void renameMovesExactlyThePreparationsFiles_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("newName");
        QTest::addColumn<bool>("refused");
        QTest::addColumn<Snapshot>("after");
        QTest::newRow("taken") << QStringLiteral("Pão/queijo") << QStringLiteral("SOPA") << true << kBefore;
        QTest::newRow("new name") << QStringLiteral("Pão/queijo") << QStringLiteral("Torta") << false
                                  << Snapshot{
                                         {"Treluza/ArqTreluza.dad",
                                          kSopaIndex + "\r\n" +
                                              sheetLine("Torta", {"   820,44"}, {"   205,11"}, {"    12,31"},
                                                        "08/12/2026") +
                                              "\r\n"},
                                         {"Treluza/Torta.dad", kPaoLines},
                                         {"Receita/Torta.rec", kPaoMethod},
                                         {"Etiqueta/Torta.eti", kPaoLabel},
                                         {"Treluza/Sopa.dad", kSopaLines},
                                         {"Receita/Sopa.rec", kSopaMethod},
                                     };
        QTest::newRow("no label yet")
            << QStringLiteral("Sopa") << QStringLiteral("Caldo/verde") << false
            << Snapshot{
                   {"Treluza/ArqTreluza.dad",
                    sheetLine("Caldo/verde", {"   329,00"}, {"    82,25"}, {"     4,94"}) + "\r\n" +
                        kPaoIndex + "\r\n"},
                   {"Treluza/Pão_queijo.dad", kPaoLines},
                   {"Receita/Pão_queijo.rec", kPaoMethod},
                   {"Etiqueta/Pão_queijo.eti", kPaoLabel},
                   {"Treluza/Caldo_verde.dad", kSopaLines},
                   {"Receita/Caldo_verde.rec", kSopaMethod},
                   {"Etiqueta/Caldo_verde.eti", ""},
               };
    }
    void renameMovesExactlyThePreparationsFiles()
    {
        QFETCH(QString, shown);
        QFETCH(QString, newName);
        QFETCH(bool, refused);
        QFETCH(Snapshot, after);
        Sheets k;
        QVERIFY(showPreparation(k, shown));
        const std::string shownKey = k.form.NomPreMaskEdit->coreText();
        {
            MessageScript script;
            if (refused)
                script.expect(QStringLiteral("Nome da preparação já existe!"), kOk);
            renameTo(k, newName);
            QVERIFY(script.done());
        }
        QCOMPARE(listing(k.files()), listing(after));
        QCOMPARE(k.form.mode(), RegisterMode::Showing);
        const std::string name = refused ? shownKey : name40(cs(newName));
        QCOMPARE(k.form.NomPreMaskEdit->coreText(), name);
        QCOMPARE(k.form.data().currentKey(), name);
        QCOMPARE(k.form.data().records().lines(), loadLines(k.indexPath()));
        QVERIFY(!k.form.unsaved());
    }

    // A name whose lines file would be the preparation index is refused, new
    // or in a rename, in any letter case: nothing is written.
    void theIndexsNameIsRefused()
    {
        Sheets k;
        QVERIFY(openForm(k.form));
        {
            MessageScript script{{QStringLiteral("Código inválido!"), kOk}};
            typeInto(*k.form.NomPreMaskEdit, QStringLiteral("ArqTreluza"));
            leaveTowards(*k.form.NomPreMaskEdit, *k.form.NovBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(k.form.mode(), RegisterMode::Empty);
        k.form.NomPreMaskEdit->clearText();
        typeInto(*k.form.NomPreMaskEdit, QStringLiteral("Sopa"));
        leaveTowards(*k.form.NomPreMaskEdit, *k.form.NovBitBtn);
        QCOMPARE(k.form.mode(), RegisterMode::Showing);
        {
            MessageScript script{{QStringLiteral("Código inválido!"), kOk}};
            renameTo(k, QStringLiteral("arqtreluza"));
            QVERIFY(script.done());
        }
        QCOMPARE(listing(k.files()), listing(kBefore));
        QCOMPARE(k.form.data().currentKey(), name40(kSopa));
    }

    // "&Exclui" takes the line out of the index and the three files of the
    // preparation with it; a declined question changes nothing.
    void deleteRemovesExactlyThePreparationsFiles()
    {
        Sheets k;
        QVERIFY(showPreparation(k, QStringLiteral("Pão/queijo")));
        {
            MessageScript script{{QStringLiteral("Confirma exclusão?"), kNo}};
            click(*k.form.ExcBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(k.form.mode(), RegisterMode::Showing);
        QCOMPARE(listing(k.files()), listing(kBefore));
        {
            MessageScript script{{QStringLiteral("Confirma exclusão?"), kYes},
                                 {QStringLiteral("Exclusão efetuada com sucesso!"), kOk}};
            click(*k.form.ExcBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(k.form.mode(), RegisterMode::Empty);
        QCOMPARE(listing(k.files()), listing(Snapshot{{"Treluza/ArqTreluza.dad", kSopaIndex + "\r\n"},
                                                      {"Treluza/Sopa.dad", kSopaLines},
                                                      {"Receita/Sopa.rec", kSopaMethod}}));
        QCOMPARE(k.form.data().keys().lines(), std::vector<std::string>{name40(kSopa)});
    }

    // A full disk at the first write of a rename or a delete: the message of
    // the failure, no file changed, the register's lists and fields as they
    // were, and the same request succeeds once the disk takes it.
    void failedRenameOrDeleteChangesNothing_data()
    {
        QTest::addColumn<bool>("rename");
        QTest::addColumn<QString>("failure");
        QTest::newRow("rename") << true << QStringLiteral("Erro durante a alteração!");
        QTest::newRow("delete") << false << QStringLiteral("Erro durante exclusão!");
    }
    void failedRenameOrDeleteChangesNothing()
    {
        QFETCH(bool, rename);
        QFETCH(QString, failure);
        Sheets k;
        QVERIFY(showPreparation(k, QStringLiteral("Pão/queijo")));
        const RegisterData before = k.form.data();
        {
            MessageScript script;
            if (!rename)
                script.expect(QStringLiteral("Confirma exclusão?"), kYes);
            script.expect(failure, kOk);
            injectWriteFailure(1);
            if (rename)
                renameTo(k, QStringLiteral("Torta"));
            else
                click(*k.form.ExcBitBtn);
            injectWriteFailure(0);
            QVERIFY(script.done());
        }
        QCOMPARE(listing(k.files()), listing(kBefore));
        QCOMPARE(k.form.data().records().lines(), before.records().lines());
        QCOMPARE(k.form.data().keys().lines(), before.keys().lines());
        QCOMPARE(k.form.data().currentKey(), name40(kPao));
        QCOMPARE(k.form.NomPreMaskEdit->coreText(), name40(kPao));
        QCOMPARE(k.form.mode(), RegisterMode::Showing);

        MessageScript script;
        if (rename) {
            renameTo(k, QStringLiteral("Torta"));
        } else {
            script.expect(QStringLiteral("Confirma exclusão?"), kYes);
            script.expect(QStringLiteral("Exclusão efetuada com sucesso!"), kOk);
            click(*k.form.ExcBitBtn);
        }
        QVERIFY(script.done());
        QVERIFY(!fs::exists(k.tableFolder() / "Treluza/Pão_queijo.dad"));
        QCOMPARE(loadLines(k.indexPath()).size(), std::size_t(rename ? 2 : 1));
    }

    // "&Lista" shows the index in the list viewer under its header; the line
    // chosen there is shown in the register.
    void listShowsTheIndexInTheViewer()
    {
        Sheets k;
        QVERIFY(openForm(k.form));
        auto ran = onNextModal<TVisLisForm>([](TVisLisForm& v) {
            QCOMPARE(v.windowTitle(), QStringLiteral("VISUALIZA LISTA DE TRELUZA - TABELA ATIVA : Casa"));
            // Each title centred in its field's width: 40, 6, then 9.
            QCOMPARE(v.CabMemo->text(), QString(16, u' ') + QStringLiteral("TRELUZA") + QString(17, u' ') +
                                            QStringLiteral("|RENDIM|  KCAL   |   CHO   |   PTN   |   LIP   |"
                                                           "   SAT   |   COL   |   FIB   |"));
            QCOMPARE(v.LisFilOrdListBox->count(), 2);
            QCOMPARE(cs(v.LisFilOrdListBox->item(0)->text()), kPaoIndex);
            QCOMPARE(cs(v.LisFilOrdListBox->item(1)->text()), kSopaIndex);
            QCOMPARE(v.LisFilOrdListBox->currentRow(), 0);
            v.LisFilOrdListBox->setCurrentRow(1);
            screenshot(v, QStringLiteral("vislis_preparations"));
            click(*v.RetBitBtn);
        });
        click(*k.form.LisBitBtn);
        QVERIFY(*ran);
        QCOMPARE(k.form.mode(), RegisterMode::Showing);
        QCOMPARE(k.form.NomPreMaskEdit->coreText(), name40(kSopa));
        QCOMPARE(k.form.valueEdit(IdxField::Energy)->coreText(), std::string("   329,00"));
        QCOMPARE(k.form.valueEdit(IdxField::PerCapitaEnergy)->coreText(), std::string("    82,25"));
        QCOMPARE(k.form.DatPreMaskEdit->coreText(), std::string("  /  /    "));
        QVERIFY(k.form.ExcBitBtn->isEnabled());
        QVERIFY(!k.form.NomPreMaskEdit->isEnabled());
    }
};

QTEST_MAIN(CadTreluzaRotFilesTest)
#include "CadTreluzaRotFilesTest.moc"

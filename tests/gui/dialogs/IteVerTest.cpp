// The usage warning window, with the scan and the progress window.
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "gui/dialogs/ConUnit.h"
#include "gui/dialogs/IteVerUnit.h"
#include "gui/widgets/BitBtn.h"
#include "harness/GuiHarness.h"
#include "support/Names.h"

#include <QListWidget>
#include <QProgressBar>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

using testing::pad;

const std::string kTable = pad("Tabela 1", 20);
const std::string kEquals(73, '=');

struct Scene {
    GuiEnvironment env;
    TConForm& con = env.shared().progress();
    TIteVerForm form{env.context()};
    // Two preparations in the index, the first using the egg twice.
    void writeTable()
    {
        SaveLines(
            ensureFile(PreparationIndexPath(env.base(), kTable)),
            {pad("Omelete", 40) + "|   200|", pad("Bolo", 40) + "|   900|", pad("Salada", 40) + "|   300|"});
        SaveLines(ensureFile(PreparationFilePath(env.base(), kTable, pad("Omelete", 40))),
                  {pad("Ovo", 60) + "|   100,0|", pad("Ovo", 60) + "|    50,0|"});
        SaveLines(ensureFile(PreparationFilePath(env.base(), kTable, pad("Bolo", 40))),
                  {pad("Farinha", 60) + "|   300,0|", pad("Ovo", 60) + "|   120,0|"});
        SaveLines(ensureFile(PreparationFilePath(env.base(), kTable, pad("Salada", 40))),
                  {pad("Alface", 60) + "|"});
    }
};

const std::vector<std::string> kExpected{"AVISO : ",
                                         " O ingrediente <<<Ovo>>>",
                                         " est\xE1 sendo utilizado pelas prepara\xE7\xF5"
                                         "es listadas abaixo.",
                                         kEquals,
                                         pad("Omelete", 40),
                                         pad("Omelete", 40),
                                         pad("Bolo", 40)};

} // namespace

class IteVerTest : public QObject {
    Q_OBJECT

private slots:
    void usedIngredientListsItsPreparationsAndSavesThemAsText()
    {
        Scene s;
        s.writeTable();
        ScriptedDialogs dialogs;
        const QString file = QString::fromStdString((s.env.base() / "lista").string());
        dialogs.saveAnswer = file;
        auto ran = onNextModal<TIteVerForm>([&](TIteVerForm& f) {
            QCOMPARE(f.windowTitle(), QStringLiteral("ATENÇÃO"));
            QCOMPARE(f.lines(), kExpected);
            QVERIFY(!s.con.isVisible());
            QCOMPARE(s.con.ProgressBar->maximum(), 3);
            screenshot(f, QStringLiteral("itever"));
            click(*f.BitBtn2);
            QVERIFY(f.isVisible());
            click(*f.BitBtn3);
        });
        QVERIFY(s.form.ScanIngredientUse(kTable, pad("Ovo", 60)));
        QVERIFY(*ran);
        QCOMPARE(dialogs.lastFilter, QStringLiteral("txt|*.txt"));
        QCOMPARE(dialogs.lastSuffix, QString());
        // The name as typed, no extension added; Windows-1252 with CR LF.
        std::string bytes;
        for (const std::string& line : kExpected)
            bytes += line + "\r\n";
        QCOMPARE(GuiEnvironment::readBytes(s.env.base() / "lista"), bytes);
    }

    void printSendsEveryLineInOneDocument()
    {
        Scene s;
        s.writeTable();
        ScriptedDialogs dialogs;
        auto ran = onNextModal<TIteVerForm>([&](TIteVerForm& f) {
            click(*f.BitBtn1);
            click(*f.BitBtn3);
        });
        QVERIFY(s.form.ScanIngredientUse(kTable, pad("Ovo", 60)));
        QVERIFY(*ran);
        QCOMPARE(dialogs.documents.size(), std::size_t(1));
        QCOMPARE(dialogs.documents[0].size(), qsizetype(kExpected.size()));
        QCOMPARE(dialogs.documents[0][2],
                 QStringLiteral(" está sendo utilizado pelas preparações listadas abaixo."));
        QCOMPARE(dialogs.lastFont, s.form.IteVerListBox->font());
    }

    void unusedIngredientOrNoPreparationsShowNothing()
    {
        Scene s;
        MessageScript none;
        QVERIFY(!s.form.ScanIngredientUse(kTable, pad("Ovo", 60))); // no preparations at all
        QCOMPARE(s.con.ProgressBar->maximum(), 0);
        QVERIFY(!s.con.isVisible());
        s.writeTable();
        QVERIFY(!s.form.ScanIngredientUse(kTable, pad("Sal", 60)));
        QVERIFY(!s.form.isVisible());
    }

    void failedSaveIsReportedAndTheWindowStaysOpen()
    {
        Scene s;
        s.writeTable();
        ScriptedDialogs dialogs;
        const QString file = QString::fromStdString((s.env.base() / "sem-pasta" / "lista.txt").string());
        dialogs.saveAnswer = file;
        MessageScript script{
            {QStringLiteral("Não foi possível gravar o arquivo ") + file + QStringLiteral(" !"), kOk}};
        auto ran = onNextModal<TIteVerForm>([&](TIteVerForm& f) {
            click(*f.BitBtn2);
            QVERIFY(f.isVisible());
            dialogs.saveAnswer.clear(); // a cancelled save writes nothing
            click(*f.BitBtn2);
            click(*f.BitBtn3);
        });
        QVERIFY(s.form.ScanIngredientUse(kTable, pad("Ovo", 60)));
        QVERIFY(*ran);
        QVERIFY(script.done());
        QVERIFY(!std::filesystem::exists(s.env.base() / "sem-pasta"));
    }

    void otherRegistersAddTheirOwnMessage()
    {
        Scene s;
        auto ran = onNextModal<TIteVerForm>([&](TIteVerForm& f) {
            QCOMPARE(f.lines(), (std::vector<std::string>{"AVISO : ", " O grupo <<<Doces>>> est\xE1 em uso.",
                                                          kEquals, "Pudim"}));
            click(*f.BitBtn3);
        });
        s.form.showUsage("AVISO : // O grupo <<<Doces>>> est\xE1 em uso.//", {"Pudim"});
        QVERIFY(*ran);
    }

    void progressWindowShowsWhileWorking()
    {
        TConForm con;
        QCOMPARE(con.windowTitle(), QStringLiteral("Aguarde Processamento ..."));
        QCOMPARE(con.size(), QSize(436, 30));
        con.begin(100);
        QVERIFY(!con.isVisible()); // quick work shows nothing
        QTest::qWait(200);
        con.position(20);
        QVERIFY(con.isVisible()); // work that lasts shows the window
        con.end();
        con.setShowDelay(0);
        con.begin(100);
        QVERIFY(con.isVisible());
        con.position(40);
        QCOMPARE(con.ProgressBar->value(), 40);
        screenshot(con, QStringLiteral("con"));
        con.end();
        QVERIFY(!con.isVisible());
    }

    void buttonCaptionsFit()
    {
        Scene s;
        QCOMPARE(s.form.size(), QSize(600, 400));
        for (TBitBtn* b : {s.form.BitBtn1, s.form.BitBtn2, s.form.BitBtn3}) {
            QCOMPARE(b->size(), QSize(200, 25));
            QVERIFY(b->sizeHint().width() <= b->width());
        }
        QCOMPARE(s.form.BitBtn1->text(), QStringLiteral("Imprime Lista"));
        QCOMPARE(s.form.BitBtn2->text(), QStringLiteral("Salva lista"));
        QCOMPARE(s.form.BitBtn3->text(), QStringLiteral("Continua"));
    }
};

QTEST_MAIN(IteVerTest)
#include "IteVerTest.moc"

// The method text window: loading, saving, the 32-line limit, closing.
#include "core/store/Paths.h"
#include "gui/recipes/CadRecUnit.h"
#include "gui/widgets/BitBtn.h"
#include "harness/GuiHarness.h"

#include <QLabel>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

namespace fs = std::filesystem;

const std::string kTable = "Tabela 1            ";
const std::string kPreparation = "P\xE3o/queijo" + std::string(30, ' '); // "Pão/queijo", 40 characters

struct Scene {
    GuiEnvironment env;
    TCadRecForm form{env.context()};
    fs::path file() const { return env.base() / "Dados" / "Tabela 1" / "Receita" / "P\xC3\xA3o_queijo.rec"; }
    void write(const std::string& bytes) { GuiEnvironment::writeBytes(file(), bytes); }
    std::string bytes() const { return GuiEnvironment::readBytes(file()); }
    void open()
    {
        form.handOver(kTable, kPreparation);
        QVERIFY(openForm(form));
    }
    void caretTo(int block, int column)
    {
        QTextCursor c(form.RecMemo->document()->findBlockByNumber(block));
        c.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
        form.RecMemo->setTextCursor(c);
    }
};

std::string numberedLines(int count, const std::string& last = {})
{
    std::string bytes;
    for (int i = 1; i <= count; ++i)
        bytes += (i == count && !last.empty() ? last : "Linha " + std::to_string(i)) + "\r\n";
    return bytes;
}

} // namespace

class CadRecTest : public QObject {
    Q_OBJECT

private slots:
    void loadsTheTextAndWritesItAfterTheQuestion()
    {
        Scene s;
        s.write("Misture tudo.\r\nAsse at\xE9 dourar.\r\n");
        QCOMPARE(s.form.windowTitle(), QStringLiteral("Cadastro de Receita"));
        s.open();
        QCOMPARE(s.form.windowTitle(), QStringLiteral("DIGITA MODO DE PREPARO"));
        QCOMPARE(s.form.NomPreLabel->text().trimmed(), QStringLiteral("Pão/queijo"));
        QCOMPARE(s.form.memoLines(),
                 (QStringList{QStringLiteral("Misture tudo."), QStringLiteral("Asse até dourar.")}));
        QVERIFY(!s.form.changed());
        QCOMPARE(QApplication::focusWidget(), s.form.RecMemo);

        s.form.RecMemo->moveCursor(QTextCursor::End);
        QTest::keyClick(s.form.RecMemo, Qt::Key_Return);
        typeKeys(*s.form.RecMemo, QStringLiteral("Sirva já."));
        QVERIFY(s.form.changed());
        screenshot(s.form, QStringLiteral("cadrec"));
        {
            MessageScript script{{QStringLiteral("Grava receita?"), kNo}};
            click(*s.form.GraBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(s.bytes(), std::string("Misture tudo.\r\nAsse at\xE9 dourar.\r\n"));
        {
            MessageScript script{{QStringLiteral("Grava receita?"), kYes},
                                 {QStringLiteral("Receita gravada com sucesso!"), kOk}};
            click(*s.form.GraBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(s.bytes(), std::string("Misture tudo.\r\nAsse at\xE9 dourar.\r\nSirva j\xE1.\r\n"));
        QVERIFY(!s.form.changed());
        MessageScript none;
        click(*s.form.RetBitBtn);
        QVERIFY(!s.form.isVisible());
    }

    void closingAsksOnlyAboutUnsavedText()
    {
        struct Case {
            const char* name;
            bool edit;
            bool print;
            Answer answer; // kOk: no question expected
            bool written;
        };
        for (const Case& c : {Case{"unchanged", false, false, kOk, false},
                              {"printed", true, true, kOk, true},
                              {"dropped", true, false, kNo, false},
                              {"kept", true, false, kYes, true}}) {
            Scene s;
            s.write("Antes.\r\n");
            s.open();
            if (c.edit) {
                s.form.RecMemo->moveCursor(QTextCursor::End);
                typeKeys(*s.form.RecMemo, QStringLiteral(" Depois."));
            }
            if (c.print) {
                MessageScript none;
                click(*s.form.ImpBitBtn);
                QVERIFY2(s.bytes() == "Antes. Depois.\r\n", c.name);
            }
            {
                MessageScript script;
                if (c.answer != kOk)
                    script.expect(QStringLiteral("Grava alterações da receita?"), c.answer);
                if (c.answer == kYes)
                    script.expect(QStringLiteral("Receita gravada com sucesso!"), kOk);
                click(*s.form.RetBitBtn);
                QVERIFY2(script.done(), c.name);
            }
            QVERIFY2(!s.form.isVisible(), c.name);
            QCOMPARE(s.bytes(), std::string(c.written ? "Antes. Depois.\r\n" : "Antes.\r\n"));
        }
    }

    void aTextOfThirtyTwoLinesRefusesANewLine()
    {
        Scene s;
        s.write(numberedLines(32, std::string(70, 'z')));
        s.open();
        const QString before = s.form.RecMemo->toPlainText();
        {
            MessageScript script{{QStringLiteral("São permitadas no máximo 32 linhas!"), kOk},
                                 {QStringLiteral("São permitadas no máximo 32 linhas!"), kOk}};
            s.caretTo(4, 7);
            QTest::keyClick(s.form.RecMemo, Qt::Key_Return);
            // The 70th place of the 32nd line refuses any key.
            s.caretTo(31, 69);
            QTest::keyClick(s.form.RecMemo, Qt::Key_B);
            QVERIFY(script.done());
        }
        QCOMPARE(s.form.RecMemo->toPlainText(), before);
        QVERIFY(!s.form.changed());
        MessageScript none;
        s.caretTo(4, 7);
        typeKeys(*s.form.RecMemo, QStringLiteral("0"));
        QCOMPARE(s.form.memoLines().at(4), QStringLiteral("Linha 50"));
        QCOMPARE(s.form.memoLines().size(), 32);
    }

    void aTextBeyondThirtyTwoLinesTakesOnlyKeysThatTypeNothing()
    {
        Scene s;
        s.write(numberedLines(33));
        s.open();
        auto none = std::make_unique<MessageScript>(); // refused with a beep, no message
        s.caretTo(32, 8);
        QTest::keyClick(s.form.RecMemo, Qt::Key_X);
        QTest::keyClick(s.form.RecMemo, Qt::Key_Backspace);
        QTest::keyClick(s.form.RecMemo, Qt::Key_Return);
        QCOMPARE(s.form.memoLines().size(), 33);
        QCOMPARE(s.form.memoLines().last(), QStringLiteral("Linha 33"));
        // Delete removes, so the text can be cut back to 32 lines.
        s.caretTo(31, 8);
        QTest::keyClick(s.form.RecMemo, Qt::Key_Delete);
        QCOMPARE(s.form.memoLines().size(), 32);
        QCOMPARE(s.form.memoLines().last(), QStringLiteral("Linha 32Linha 33"));
        none.reset();
        MessageScript script{{QStringLiteral("São permitadas no máximo 32 linhas!"), kOk}};
        QTest::keyClick(s.form.RecMemo, Qt::Key_Return);
        QCOMPARE(s.form.memoLines().size(), 32);
        QVERIFY(script.done());
    }

    void longLinesWrapAtSeventyCharactersAndAreWrittenAsShown()
    {
        Scene s;
        s.write(std::string(100, 'a') + "\r\n");
        s.open();
        QCOMPARE(s.form.memoLines(), (QStringList{QString(70, u'a'), QString(30, u'a')}));
        // A line with blanks breaks after the last word that fits.
        s.form.RecMemo->setPlainText(QString(60, u'b') + QStringLiteral(" palavras seguintes"));
        QCOMPARE(s.form.memoLines(), (QStringList{QString(60, u'b') + QStringLiteral(" palavras "),
                                                  QStringLiteral("seguintes")}));
        s.form.RecMemo->setPlainText(QString(100, u'a'));
        s.form.RecMemo->moveCursor(QTextCursor::End);
        typeKeys(*s.form.RecMemo, QStringLiteral("b"));
        MessageScript script{{QStringLiteral("Grava receita?"), kYes},
                             {QStringLiteral("Receita gravada com sucesso!"), kOk}};
        click(*s.form.GraBitBtn);
        QCOMPARE(s.bytes(), std::string(70, 'a') + "\r\n" + std::string(30, 'a') + "b\r\n");
        QVERIFY(script.done());
        click(*s.form.RetBitBtn);
    }

    void aNewPreparationOpensEmptyAndItsFileIsCreated()
    {
        Scene s;
        s.open();
        QVERIFY(fs::exists(s.file()));
        QCOMPARE(s.form.memoLines(), QStringList());
        MessageScript script{{QStringLiteral("Grava receita?"), kYes},
                             {QStringLiteral("Receita gravada com sucesso!"), kOk}};
        click(*s.form.GraBitBtn);
        QCOMPARE(s.bytes(), std::string());
        QVERIFY(script.done());
        click(*s.form.RetBitBtn);
    }

    void aFailedWriteIsReportedAndKeepsTheTextUnsaved()
    {
        Scene s;
        s.write("Antes.\r\n");
        s.open();
        typeKeys(*s.form.RecMemo, QStringLiteral("X"));
        // A folder in the file's place cannot be replaced by the new text.
        fs::remove(s.file());
        GuiEnvironment::writeBytes(s.file() / "ocupado", "x");
        const QString failed = QStringLiteral("Não foi possível gravar o arquivo ") +
                               QString::fromStdString(s.file().string()) + QStringLiteral(" !");
        {
            MessageScript script{{QStringLiteral("Grava receita?"), kYes},
                                 {failed, kOk},
                                 {QStringLiteral("Grava alterações da receita?"), kYes},
                                 {failed, kOk}};
            click(*s.form.GraBitBtn);
            QVERIFY(s.form.changed());
            click(*s.form.RetBitBtn);
            QVERIFY(script.done());
        }
        QVERIFY(s.form.isVisible());
        QCOMPARE(s.form.memoLines(), QStringList{QStringLiteral("XAntes.")});
        MessageScript script{{QStringLiteral("Grava alterações da receita?"), kNo}};
        click(*s.form.RetBitBtn);
        QVERIFY(!s.form.isVisible());
    }
};

QTEST_MAIN(CadRecTest)
#include "CadRecTest.moc"

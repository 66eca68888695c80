// The help window and the printer used as a text device.
#include "gui/dialogs/AjuUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/PlatformDialogs.h"
#include "harness/GuiHarness.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QRegularExpression>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

int pdfPages(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(
        QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

} // namespace

class AjuTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheHelpFileAndLeavesItUntouched()
    {
        GuiEnvironment env;
        // Windows-1252, one line ending in LF only: the file is only read.
        const std::string bytes = "AJUDA\r\nTela de configura\xE7\xE3o\nFim";
        GuiEnvironment::writeBytes(env.context().helpFile, bytes);
        TAjuForm form(env.context());
        MessageScript none;
        QVERIFY(openForm(form));
        QCOMPARE(form.windowTitle(), QStringLiteral("TELA AJUDA - TRELUZA 4.0"));
        QCOMPARE(form.AjuMemo->toPlainText(), QStringLiteral("AJUDA\nTela de configuração\nFim"));
        QVERIFY(form.AjuMemo->isReadOnly());
        click(*form.BitBtn1);
        QVERIFY(!form.isVisible());
        QCOMPARE(GuiEnvironment::readBytes(env.context().helpFile), bytes);
    }

    void missingHelpFileIsReportedAndTheWindowStaysUsable()
    {
        GuiEnvironment env;
        TAjuForm form(env.context());
        MessageScript script{{QStringLiteral("Não foi possível abrir o arquivo de ajuda ") +
                                  QString::fromStdString(env.context().helpFile.string()) +
                                  QStringLiteral(" !"),
                              kOk}};
        QVERIFY(openForm(form));
        QVERIFY(script.done());
        QVERIFY(form.AjuMemo->toPlainText().isEmpty());
        QVERIFY(form.isVisible());
        click(*form.BitBtn1);
    }

    void pageBreakMarkersStartNewDocuments()
    {
        GuiEnvironment env;
        GuiEnvironment::writeBytes(
            env.context().helpFile,
            "Um\r\nDois\r\n<quebra p\xE1gina>\r\nTr\xEAs\r\n  <quebra p\xE1gina>  \r\nQuatro\r\n");
        TAjuForm form(env.context());
        ScriptedDialogs dialogs;
        QVERIFY(openForm(form));
        click(*form.ImpBitBtn);
        QCOMPARE(dialogs.printDialogs, 1);
        QCOMPARE(dialogs.documents.size(), std::size_t(3));
        QCOMPARE(dialogs.documents[0], QStringList({QStringLiteral("Um"), QStringLiteral("Dois")}));
        QCOMPARE(dialogs.documents[1], QStringList({QStringLiteral("Três")}));
        QCOMPARE(dialogs.documents[2], QStringList({QStringLiteral("Quatro")}));
        QCOMPARE(dialogs.lastFont, form.AjuMemo->font());

        dialogs.printAnswer = false; // cancelled: nothing printed
        dialogs.documents.clear();
        click(*form.ImpBitBtn);
        QVERIFY(dialogs.documents.empty());
        click(*form.BitBtn1);
    }

    void printerDeviceBreaksFullPagesAndKeepsDocumentsOfAFileApart()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("ajuda.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QFont font(QStringLiteral("Courier New"));
        font.setPointSize(11);
        {
            PrinterTextDevice device(printer, font);
            QVERIFY(device.beginDocument());
            for (int i = 0; i < 150; ++i) // more than one page of 11-point lines
                device.writeLine(QStringLiteral("linha %1").arg(i));
            device.endDocument();
            QVERIFY(device.beginDocument());
            device.writeLine(QStringLiteral("segundo documento"));
            device.endDocument();
            QCOMPARE(device.pagesPrinted(), 4);
        }
        QCOMPARE(pdfPages(pdf), 4);
    }

    void shippedHelpTextHasOneSectionPerWindowInWindows1252()
    {
        const std::string bytes =
            GuiEnvironment::readBytes(std::filesystem::path(TRELUZA_RESOURCES) / "Ajuda.hlp");
        QVERIFY(bytes.size() > 2000);
        QVERIFY(bytes.find("\xC3") == std::string::npos || bytes.find("\xC3\xA7") == std::string::npos);
        QVERIFY(bytes.find("Configura\xE7\xE3o") != std::string::npos); // Windows-1252, not UTF-8
        QVERIFY(bytes.find("\r\n") != std::string::npos);
        GuiEnvironment env;
        env.context().helpFile = std::filesystem::path(TRELUZA_RESOURCES) / "Ajuda.hlp";
        TAjuForm form(env.context());
        QVERIFY(openForm(form));
        const QStringList lines = form.AjuMemo->toPlainText().split(u'\n');
        QVERIFY(lines.count(pageBreakMarker()) >= 10);
        for (const QString& line : lines)
            QVERIFY2(line.size() <= 80, qPrintable(line)); // a printed line fits the page
        screenshot(form, QStringLiteral("aju"));
        QVERIFY(form.TitLabel->sizeHint().width() <= form.ImpBitBtn->x() - form.TitLabel->x());
        click(*form.BitBtn1);
    }
};

QTEST_MAIN(AjuTest)
#include "AjuTest.moc"

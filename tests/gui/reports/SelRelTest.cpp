// The report window and its viewer: layout and resolution, printing, the
// picture and its BMP file, the PDF file.
#include "core/reports/ReportLayouts.h"
#include "core/store/IniFile.h"
#include "gui/reports/ReportPainter.h"
#include "gui/reports/SelRelUnit.h"
#include "gui/reports/VisRelUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/QtText.h"
#include "harness/GuiHarness.h"
#include "support/TacoPreparation.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStyle>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;
using treluza::testing::TacoPreparation;

namespace {

QString goldenFolder()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/golden");
}

/** Whether the pages of a PDF are landscape (pdfinfo's "Page size: w x h pts"). */
bool landscapePages(const QString& info)
{
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts \\(A4\\)")).match(info);
    if (!m.hasMatch())
        QTest::qFail(qPrintable(QStringLiteral("not an A4 page: ") + info), __FILE__, __LINE__);
    return m.captured(1).toDouble() > m.captured(2).toDouble();
}

/** The output of a poppler tool on a file; fails the test when it does not run. */
QString poppler(const QString& tool, const QStringList& arguments)
{
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        QTest::qFail(qPrintable(tool + QStringLiteral(" did not run (poppler-utils)")), __FILE__, __LINE__);
        return {};
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

/** Whether every text occurs in the PDF's text, in this order (runs of blanks
 *  count as one, as the text extraction gives them). */
bool inOrder(const QString& pdfText, const QStringList& expected)
{
    const QString text = pdfText.simplified();
    qsizetype at = 0;
    for (const QString& item : expected) {
        const QString e = item.simplified();
        const qsizetype found = text.indexOf(e, at);
        if (found < 0) {
            qWarning("not found in order: %s", qPrintable(e));
            return false;
        }
        at = found + e.size();
    }
    return true;
}

/** The user's documents folder, or the home folder where there is none. */
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

struct Scene {
    GuiEnvironment env;
    TSelRelForm form{env.context()};
    TacoPreparation taco = testing::tacoPreparation();
    Scene() { taco.write(env.base()); }
    void open()
    {
        form.handOver(taco.indexLine, taco.table, taco.name);
        QVERIFY(openForm(form));
    }
    QString file(const QString& name) const
    {
        return QString::fromStdString((env.base() / name.toStdString()).string());
    }
    ReportInput input(ReportLayout layout)
    {
        IniFile ini(env.configFile());
        return loadReportInput(env.base(), taco.table, taco.name, taco.indexLine, layout, ini);
    }
};

const QStringList kTacoFoods{QStringLiteral("Arroz, tipo 1, cru"),
                             QStringLiteral("Feijão, carioca, cru"),
                             QStringLiteral("Frango, peito, sem pele, cru"),
                             QStringLiteral("Óleo, de soja"),
                             QStringLiteral("Cebola, crua"),
                             QStringLiteral("Alho, cru"),
                             QStringLiteral("Tomate, com semente, cru"),
                             QStringLiteral("Cenoura, crua")};

} // namespace

class SelRelTest : public QObject {
    Q_OBJECT

private slots:
    void eachOpeningSelectsTheFirstLayoutAndReadsTheResolution()
    {
        Scene s;
        {
            IniFile ini(s.env.configFile());
            ini.writeInteger(kSecTechnician, kKeyResImp, 600);
        }
        s.open();
        QCOMPARE(s.form.windowTitle(), QStringLiteral("Selecione o Tipo de Relatório"));
        QVERIFY(s.form.MedCasRadioButton->isChecked());
        QCOMPARE(s.form.ResImpMaskEdit->maskText().trimmed(), QStringLiteral("600"));
        QCOMPARE(s.form.resolution(), 600);
        screenshot(s.form, QStringLiteral("selrel"));

        click(*s.form.RelCozRadioButton);
        QCOMPARE(s.form.layout(), ReportLayout::Measures);
        click(*s.form.CusRadioButton);
        QCOMPARE(s.form.layout(), ReportLayout::Treluza);
        typeInto(*s.form.ResImpMaskEdit, QStringLiteral("150"));
        leaveTowards(*s.form.ResImpMaskEdit, *s.form.ImpBitBtn);
        QCOMPARE(s.form.resolution(), 150);
        {
            // Not a resolution: the previous one stays and is shown again.
            MessageScript script{{QStringLiteral("'0' não é uma resolução válida!"), kOk},
                                 {QStringLiteral("'' não é uma resolução válida!"), kOk}};
            s.form.ResImpMaskEdit->setMaskText(QStringLiteral("0"));
            leaveTowards(*s.form.ResImpMaskEdit, *s.form.ImpBitBtn);
            s.form.ResImpMaskEdit->clearText();
            leaveTowards(*s.form.ResImpMaskEdit, *s.form.ImpBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(s.form.resolution(), 150);
        QCOMPARE(s.form.ResImpMaskEdit->maskText().trimmed(), QStringLiteral("150"));
        // Only "&Retorna" writes the resolution.
        QCOMPARE(IniFile(s.env.configFile()).readInteger(kSecTechnician, kKeyResImp, 0), 600);
        click(*s.form.RetBitBtn);
        QVERIFY(!s.form.isVisible());
        QCOMPARE(IniFile(s.env.configFile()).readInteger(kSecTechnician, kKeyResImp, 0), 150);

        s.open();
        QVERIFY(s.form.MedCasRadioButton->isChecked());
        QCOMPARE(s.form.layout(), ReportLayout::Analysis);
        QCOMPARE(s.form.resolution(), 150);
        click(*s.form.RetBitBtn);
    }

    void printAsksFirstAndPrintsTheLayoutInItsOrientation()
    {
        Scene s;
        ScriptedDialogs dialogs;
        dialogs.pdfFile = s.file(QStringLiteral("impresso.pdf"));
        s.open();
        click(*s.form.CusRadioButton);
        {
            MessageScript script{{QStringLiteral("Confirma impressão? "), kNo}};
            click(*s.form.ImpBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(dialogs.printDialogs, 0);
        {
            MessageScript script{{QStringLiteral("Confirma impressão? "), kYes}};
            click(*s.form.ImpBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(dialogs.printDialogs, 1);
        const QString info = poppler(QStringLiteral("pdfinfo"), {dialogs.pdfFile});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY(landscapePages(info));
        const QString text = poppler(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), dialogs.pdfFile, QStringLiteral("-")});
        QVERIFY(inOrder(text,
                        {QStringLiteral("Preparação : Arroz/feijão com frango"), QStringLiteral("Rendimento"),
                         QStringLiteral("Receita"), QStringLiteral("Per Capita"),
                         QStringLiteral("Colher Sopa"), QStringLiteral("Ingrediente")}));
        QVERIFY(inOrder(text, kTacoFoods + QStringList{QStringLiteral("Modo de preparo"),
                                                       QStringLiteral("Lave o arroz e o feijão.")}));
        click(*s.form.RetBitBtn);
    }

    void pdfHoldsTheCellsInOrderWithEmbeddedFonts()
    {
        Scene s;
        ScriptedDialogs dialogs;
        dialogs.saveAnswer = s.file(QStringLiteral("ficha.pdf"));
        s.open();
        {
            MessageScript script{{QStringLiteral("Arquivo gravado: ") + dialogs.saveAnswer, kOk}};
            click(*s.form.PdfBitBtn);
            QVERIFY(script.done());
        }
        // The first save dialog of a kind opens in the documents folder.
        QCOMPARE(dialogs.lastFolder, documentsFolder());
        QCOMPARE(dialogs.lastFilter, QStringLiteral("*.pdf|*.pdf"));
        QCOMPARE(dialogs.lastSuffix, QStringLiteral("pdf"));
        QCOMPARE(dialogs.lastFileName, QStringLiteral("Arroz_feijão com frango"));
        const QString pdf = dialogs.saveAnswer;
        const QString info = poppler(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY(!landscapePages(info));
        const QString fonts = poppler(QStringLiteral("pdffonts"), {pdf});
        const QStringList fontLines = fonts.split(u'\n', Qt::SkipEmptyParts).mid(2);
        QVERIFY(!fontLines.isEmpty());
        for (const QString& line : fontLines)
            QVERIFY2(line.contains(QStringLiteral(" yes ")), qPrintable(fonts)); // embedded
        const QString text =
            poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        const TacoPreparation& t = s.taco;
        const IndexFields x = readIndex(t.indexLine);
        QVERIFY2(
            inOrder(text,
                    {QStringLiteral("Data : 15/03/2024"),
                     QStringLiteral("Preparação : Arroz/feijão com frango  -  Grupo : Pratos principais  -  "
                                    "Tabela : TACO"),
                     QStringLiteral("(1) Receita = 1000g  $") + qs(RemoveSpaces(x[IdxField::Cost])),
                     QStringLiteral("(2) Per capita = 4 de 250g"), QStringLiteral("Caloria(Kcal)"),
                     QStringLiteral("(1) ") + qs(x[IdxField::Energy]).trimmed(),
                     QStringLiteral("Ingrediente"), QStringLiteral("Medida caseira"),
                     QStringLiteral("Quantidade"), QStringLiteral("P.Bruto(g)"),
                     QStringLiteral("Data cotação")}),
            qPrintable(text));
        QVERIFY(inOrder(text, kTacoFoods));
        // The rice line: its weights, then its energy and its share of the recipe's.
        const LineFields rice = readLine(t.lines[0]);
        QVERIFY(inOrder(text, {QStringLiteral("Arroz, tipo 1, cru"), QStringLiteral("Xícara"),
                               qs(rice[LineField::Gross]).trimmed(), QStringLiteral("01/03/24"),
                               qs(rice[LineField::Energy]).trimmed() + QStringLiteral("  ")}));

        // A cancelled dialog writes nothing; the next one opens where the last
        // PDF went. A folder that cannot be written is reported.
        dialogs.saveAnswer.clear();
        click(*s.form.PdfBitBtn);
        QCOMPARE(dialogs.lastFolder, s.file(QString()).chopped(1));
        dialogs.saveAnswer = s.file(QStringLiteral("sem-pasta/ficha.pdf"));
        {
            MessageScript script{{QStringLiteral("Não foi possível gravar o arquivo ") + dialogs.saveAnswer +
                                      QStringLiteral(" !"),
                                  kOk}};
            click(*s.form.PdfBitBtn);
            QVERIFY(script.done());
        }
        click(*s.form.RetBitBtn);
    }

    void pdfOfMoreLinesThanAPageHoldsContinuesOnASecondPage()
    {
        Scene s;
        TacoPreparation& t = s.taco;
        for (int i = 0; i < 13; ++i) { // 21 lines
            LineFields l = readLine(t.lines[static_cast<std::size_t>(i % 8)]);
            l[LineField::Name] = "Extra " + std::to_string(i + 1);
            l[LineField::Name].resize(60, ' ');
            t.lines.push_back(joinFields(l));
        }
        t.write(s.env.base());
        ScriptedDialogs dialogs;
        dialogs.saveAnswer = s.file(QStringLiteral("longa.pdf"));
        s.open();
        click(*s.form.CusRadioButton);
        {
            MessageScript script{{QStringLiteral("Arquivo gravado: ") + dialogs.saveAnswer, kOk}};
            click(*s.form.PdfBitBtn);
            QVERIFY(script.done());
        }
        const QString info = poppler(QStringLiteral("pdfinfo"), {dialogs.saveAnswer});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))), qPrintable(info));
        const QString text = poppler(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-layout"), dialogs.saveAnswer, QStringLiteral("-")});
        QVERIFY(inOrder(text, {QStringLiteral("Folha 1/2"), QStringLiteral("Extra 12"),
                               QStringLiteral("Modo de preparo"), QStringLiteral("Folha 2/2"),
                               QStringLiteral("Extra 13"), QStringLiteral("Modo de preparo")}));
        QVERIFY(!text.contains(QStringLiteral("Extra 13")) ||
                text.indexOf(QStringLiteral("Extra 13")) > text.indexOf(QStringLiteral("Folha 2/2")));
        click(*s.form.RetBitBtn);
    }

    void viewerShowsThePictureAndSavesTheGoldenBmp()
    {
        Scene s;
        ScriptedDialogs dialogs;
        dialogs.saveAnswer = s.file(QStringLiteral("ficha.bmp"));
        {
            // A PDF saved elsewhere does not move the pictures' folder.
            IniFile ini(s.env.configFile());
            ini.writeString("Pastas", "PDF", s.env.configFile().parent_path().string());
        }
        s.open();
        MessageScript script{{QStringLiteral("Gera imagem do relatório?"), kYes},
                             {QStringLiteral("Arquivo gravado: ") + dialogs.saveAnswer, kOk}};
        auto ran = onNextModal<TVisRelForm>([&](TVisRelForm& v) {
            QCOMPARE(v.windowTitle(),
                     QStringLiteral("TELA VISUALIZA RELATÓRIO - click duas vezes para voltar..."));
            QCOMPARE(v.Image1->size(), QSize(743, 1039));
            QVERIFY(v.scrollBarsOn());
            QCOMPARE(v.width(), 743);
            screenshot(v, QStringLiteral("visrel-analise"));
            QTest::mouseDClick(v.Image1, Qt::LeftButton);
        });
        click(*s.form.VisBitBtn);
        QVERIFY(*ran);
        QVERIFY(script.done());
        QCOMPARE(dialogs.lastFolder, documentsFolder());
        QCOMPARE(dialogs.lastFilter, QStringLiteral("*.bmp|*.bmp"));
        QCOMPARE(dialogs.lastSuffix, QStringLiteral("bmp"));
        QCOMPARE(dialogs.lastFileName, QStringLiteral("Arroz_feijão com frango"));
        const std::string bmp = GuiEnvironment::readBytes(dialogs.saveAnswer.toStdString());
        const QString golden = goldenFolder() + QStringLiteral("/analise-taco.bmp");
        if (qEnvironmentVariableIsSet("TRELUZA_UPDATE_GOLDEN"))
            GuiEnvironment::writeBytes(golden.toStdString(), bmp);
        QVERIFY2(bmp == GuiEnvironment::readBytes(golden.toStdString()),
                 "the picture differs from the golden BMP");
        click(*s.form.RetBitBtn);
    }

    void declinedImageWritesNothing()
    {
        Scene s;
        ScriptedDialogs dialogs;
        s.open();
        click(*s.form.RelCozRadioButton);
        MessageScript script{{QStringLiteral("Gera imagem do relatório?"), kNo}};
        auto ran = onNextModal<TVisRelForm>([&](TVisRelForm& v) {
            QCOMPARE(v.Image1->size(), QSize(743, 1000));
            QTest::mouseDClick(v.Image1, Qt::LeftButton);
        });
        click(*s.form.VisBitBtn);
        QVERIFY(*ran);
        QVERIFY(script.done());
        QCOMPARE(dialogs.saveDialogs, 0);
        click(*s.form.RetBitBtn);
    }

    void viewerSizesItselfToThePicture()
    {
        TVisRelForm v;
        const int titleBar = v.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &v);
        struct Case {
            QSize picture;
            bool scroll;
            QSize client;
        };
        for (const Case& c : {Case{{743, 1039}, true, {743, 540 - titleBar}},
                              {{1000, 743}, true, {780, 540 - titleBar}},
                              {{780, 540}, false, {780, 540}},
                              {{781, 100}, true, {780, 100}},
                              {{300, 541}, true, {300, 540 - titleBar}}}) {
            v.fitTo(c.picture);
            QCOMPARE(v.scrollBarsOn(), c.scroll);
            QCOMPARE(v.size(), c.client);
            QCOMPARE(v.ScrollBox->verticalScrollBarPolicy(),
                     c.scroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        }
    }

    // Pictures and PDFs of every layout from the TACO preparation, to be looked
    // at ($TRELUZA_SCREENSHOTS); the picture of more lines than a page holds is
    // as tall as its pages.
    void picturesOfEveryLayout()
    {
        Scene s;
        const QString folder = qEnvironmentVariable("TRELUZA_SCREENSHOTS");
        for (ReportLayout layout : {ReportLayout::Analysis, ReportLayout::Treluza, ReportLayout::Measures}) {
            const ReportInput in = s.input(layout);
            const QImage picture = renderPicture(layout, in);
            const PixelSize page = picturePageSize(layout, in);
            QCOMPARE(picture.size(), QSize(page.width, page.height));
            if (!folder.isEmpty()) {
                QDir().mkpath(folder);
                const QString stem = folder + QStringLiteral("/layout%1").arg(static_cast<int>(layout));
                GuiEnvironment::writeBytes((stem + QStringLiteral(".bmp")).toStdString(),
                                           monochromeBmp(picture));
                GuiEnvironment::writeBytes((stem + QStringLiteral(".pdf")).toStdString(),
                                           renderPdf(layout, in, 300, QStringLiteral("TACO")));
            }
        }
        ReportInput many = s.input(ReportLayout::Analysis);
        many.lines.resize(18, many.lines.front());
        QCOMPARE(renderPicture(ReportLayout::Analysis, many).size(), QSize(743, 2 * 1039));
    }
};

QTEST_MAIN(SelRelTest)
#include "SelRelTest.moc"

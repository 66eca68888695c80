// The nutrition label window: its inputs and their file, the messages about
// missing inputs, "&Grava" and leaving with unsaved inputs, the PDF file and
// the picture; and the register's "Rótulo" that opens it.
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "gui/labels/CadRotUnit.h"
#include "gui/labels/LabelPreview.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/QtText.h"
#include "harness/GuiHarness.h"
#include "support/TacoPreparation.h"

#include "../preparations/PreparationFixture.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QProcess>
#include <QRadioButton>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;
using treluza::testing::TacoPreparation;

namespace {

namespace fs = std::filesystem;

const QString kMissing = QStringLiteral(
    "Faltam dados do rótulo: medida caseira, açúcares totais, açúcares adicionados e gorduras trans!");

struct Scene {
    GuiEnvironment env;
    TCadRotForm form{env.context()};
    TacoPreparation taco = testing::tacoPreparation();
    Scene() { taco.write(env.base()); }
    fs::path file() const
    {
        return env.base() / "Dados" / "TACO" / "Etiqueta" / "Arroz_feij\xC3\xA3o com frango.eti";
    }
    std::string bytes() const { return GuiEnvironment::readBytes(file()); }
    void open(const std::string& indexLine = {})
    {
        form.handOver(taco.table, taco.name, indexLine.empty() ? taco.indexLine : indexLine);
        QVERIFY(openForm(form));
    }
    /** The inputs of the label of the hand-worked example, typed. */
    void typeInputs()
    {
        typeInto(*form.MedCasMaskEdit, QStringLiteral("1 prato raso"));
        typeInto(*form.AcuTotMaskEdit, QStringLiteral("12"));
        typeInto(*form.AcuAdiMaskEdit, QStringLiteral("0"));
        typeInto(*form.GorTraMaskEdit, QStringLiteral("0"));
        leaveTowards(*form.GorTraMaskEdit, *form.FibCheckBox);
        click(*form.CalCheckBox);
        click(*form.FerCheckBox);
    }
    QString path(const char* name) const { return QString::fromStdString((env.base() / name).string()); }
};

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

/** The lines of a PDF's text that are not blank, runs of blanks as one. */
QStringList pdfLines(const QString& file)
{
    QStringList lines;
    for (const QString& line :
         poppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")})
             .split(u'\n'))
        if (!line.simplified().isEmpty())
            lines << line.simplified();
    return lines;
}

} // namespace

class CadRotTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithTheDefaultsAndNamesWhatIsMissing()
    {
        Scene s;
        ScriptedDialogs dialogs;
        s.open();
        QCOMPARE(s.form.windowTitle(),
                 QStringLiteral("RÓTULO NUTRICIONAL - TABELA ATIVA : TACO - PREPARAÇÃO : "
                                "Arroz/feijão com frango"));
        QVERIFY(s.form.SolRadioButton->isChecked());
        QCOMPARE(s.form.PorLabel->text(), QStringLiteral("Porção (g)"));
        QCOMPARE(s.form.PorMaskEdit->maskText(), QStringLiteral("   250"));
        QVERIFY(s.form.MedCasMaskEdit->maskText().isEmpty());
        QVERIFY(s.form.FibCheckBox->isChecked());
        for (QCheckBox* b : {s.form.CerCheckBox, s.form.ColCheckBox, s.form.CalCheckBox, s.form.FerCheckBox,
                             s.form.IseCheckBox})
            QVERIFY(!b->isChecked());
        QVERIFY(!s.form.changed());
        QVERIFY(!s.form.RotPreview->label());
        QCOMPARE(s.form.RotPreview->message(), kMissing);
        QCOMPARE(s.bytes(), std::string()); // opening writes nothing

        // Nothing is printed or saved before the inputs are there.
        for (TBitBtn* b : {s.form.ImpBitBtn, s.form.PdfBitBtn, s.form.ImgBitBtn}) {
            MessageScript script{{kMissing, kOk}};
            click(*b);
            QVERIFY(script.done());
        }
        QCOMPARE(dialogs.printDialogs + dialogs.saveDialogs, 0);

        // A liquid: the portion is in millilitres; 0 is a value, blank is not.
        click(*s.form.LiqRadioButton);
        QCOMPARE(s.form.PorLabel->text(), QStringLiteral("Porção (ml)"));
        typeInto(*s.form.MedCasMaskEdit, QStringLiteral("1 copo"));
        typeInto(*s.form.AcuTotMaskEdit, QStringLiteral("0"));
        QCOMPARE(s.form.RotPreview->message(),
                 QStringLiteral("Faltam dados do rótulo: açúcares adicionados e gorduras trans!"));
        QVERIFY(s.form.changed());
        MessageScript script{{QStringLiteral("Grava alterações do rótulo?"), kNo}};
        click(*s.form.RetBitBtn);
        QVERIFY(script.done());
        QVERIFY(!s.form.isVisible());
        QCOMPARE(s.bytes(), std::string());
    }

    void theTableFollowsTheInputsAndGravaWritesThem()
    {
        Scene s;
        s.open();
        s.typeInputs();
        QVERIFY(s.form.RotPreview->label());
        const NutritionLabel& label = *s.form.RotPreview->label();
        QCOMPARE(label.rows.size(), std::size_t(12));
        QCOMPARE(label.rows[0].perPortion, std::string("447"));
        QVERIFY(s.form.NotLabel->text().isEmpty());
        screenshot(s.form, QStringLiteral("cadrot"));
        // The iron and calcium of a small portion are left out, and the window says why.
        s.form.PorMaskEdit->clearText();
        typeInto(*s.form.PorMaskEdit, QStringLiteral("10"));
        leaveTowards(*s.form.PorMaskEdit, *s.form.MedCasMaskEdit);
        QCOMPARE(s.form.PorMaskEdit->maskText(), QStringLiteral("    10"));
        QCOMPARE(s.form.RotPreview->label()->rows.size(), std::size_t(10));
        QCOMPARE(s.form.NotLabel->text(),
                 QStringLiteral("Cálcio não declarado: a porção fornece menos de 5% do valor diário.\n"
                                "Ferro não declarado: a porção fornece menos de 5% do valor diário."));
        s.form.PorMaskEdit->clearText();
        typeInto(*s.form.PorMaskEdit, QStringLiteral("250"));
        leaveTowards(*s.form.PorMaskEdit, *s.form.MedCasMaskEdit);
        // The separator of the label line cannot be typed.
        {
            MessageScript script{{QStringLiteral("Não é permitido utilizar o caracter (|) !"), kOk}};
            s.form.MedCasMaskEdit->end(false);
            typeKeys(*s.form.MedCasMaskEdit, QStringLiteral("|"));
            QVERIFY(script.done());
        }
        typeInto(*s.form.PorEmbMaskEdit, QStringLiteral("4"));
        click(*s.form.CerCheckBox);

        const std::string line =
            "g|   250|1 prato raso|     4|1|    12,00|     0,00|     0,00|1|0|1|1|0|\r\n";
        {
            MessageScript script{{QStringLiteral("Grava rótulo?"), kNo}};
            click(*s.form.GraBitBtn);
            QVERIFY(script.done());
            QCOMPARE(s.bytes(), std::string());
        }
        {
            MessageScript script{{QStringLiteral("Grava rótulo?"), kYes},
                                 {QStringLiteral("Rótulo gravado com sucesso!"), kOk}};
            click(*s.form.GraBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(s.bytes(), line);
        QVERIFY(!s.form.changed());
        {
            MessageScript none;
            click(*s.form.RetBitBtn);
            QVERIFY(!s.form.isVisible());
        }

        // The next opening shows what was written.
        s.open();
        QCOMPARE(s.form.MedCasMaskEdit->maskText(), QStringLiteral("1 prato raso"));
        QVERIFY(s.form.CerCheckBox->isChecked() && s.form.FerCheckBox->isChecked());
        QCOMPARE(s.form.AcuTotMaskEdit->maskText(), QStringLiteral("    12,00"));
        QCOMPARE(s.form.RotPreview->label()->perPackage, cp("Porções por embalagem: Cerca de 4"));
        QVERIFY(!s.form.changed());
        click(*s.form.RetBitBtn);
    }

    void leavingAsksOnlyAboutUnsavedInputs()
    {
        const std::string before = "g|   250|1 prato|      |0|     1,00|     0,00|     0,00|1|0|0|0|0|\r\n";
        struct Case {
            const char* name;
            bool edit;
            Answer answer; // kOk: no question expected
            bool failWrite;
            bool written;
        };
        for (const Case& c : {Case{"unchanged", false, kOk, false, false},
                              {"dropped", true, kNo, false, false},
                              {"kept", true, kYes, false, true},
                              {"kept, the write fails", true, kYes, true, false}}) {
            Scene s;
            GuiEnvironment::writeBytes(s.file(), before);
            s.open();
            if (c.edit)
                click(*s.form.IseCheckBox);
            {
                MessageScript script;
                if (c.answer != kOk)
                    script.expect(QStringLiteral("Grava alterações do rótulo?"), c.answer);
                if (c.failWrite)
                    script.expect(QStringLiteral("Não foi possível gravar o arquivo ") +
                                      QString::fromStdString(s.file().string()) + QStringLiteral(" !"),
                                  kOk);
                else if (c.answer == kYes)
                    script.expect(QStringLiteral("Rótulo gravado com sucesso!"), kOk);
                if (c.failWrite)
                    injectWriteFailure(1);
                click(*s.form.RetBitBtn);
                injectWriteFailure(0);
                QVERIFY2(script.done(), c.name);
            }
            // A failed write keeps the window open with its inputs.
            QCOMPARE(s.form.isVisible(), c.failWrite);
            QCOMPARE(s.bytes(), c.written
                                    ? "g|   250|1 prato|      |0|     1,00|     0,00|     0,00|1|0|0|0|1|\r\n"
                                    : before);
            if (c.failWrite) {
                QVERIFY(s.form.IseCheckBox->isChecked() && s.form.changed());
                MessageScript script{{QStringLiteral("Grava alterações do rótulo?"), kNo}};
                click(*s.form.RetBitBtn);
                QVERIFY(script.done());
            }
        }
    }

    void aDamagedFileOpensWithItsDefaultsAndSaysSoOnce()
    {
        Scene s;
        GuiEnvironment::writeBytes(s.file(), std::string("ml|   200|1 copo|\0garbage", 25));
        {
            MessageScript script{{QStringLiteral("O arquivo ") + QString::fromStdString(s.file().string()) +
                                      QStringLiteral(" está danificado: o que não pôde ser lido volta aos "
                                                     "valores iniciais!"),
                                  kOk}};
            s.open();
            QVERIFY(script.done());
        }
        QVERIFY(s.form.LiqRadioButton->isChecked());
        QCOMPARE(s.form.PorMaskEdit->maskText(), QStringLiteral("   200"));
        QCOMPARE(s.form.MedCasMaskEdit->maskText(), QStringLiteral("1 copo"));
        QVERIFY(s.form.FibCheckBox->isChecked());
        QVERIFY(!s.form.changed());
        MessageScript none;
        click(*s.form.RetBitBtn);
        QVERIFY(!s.form.isVisible());
    }

    void aYieldThatIsNotAboveZeroIsRefused()
    {
        for (const char* yield : {"      ", "     0"}) {
            Scene s;
            IndexFields index = readIndex(s.taco.indexLine);
            index[IdxField::Yield] = yield;
            MessageScript script{
                {QStringLiteral("O rendimento da preparação deve ser maior que zero!"), kOk}};
            s.form.handOver(s.taco.table, s.taco.name, joinFields(index));
            s.form.setOpenFlag(true);
            s.form.show();
            QTRY_VERIFY(!s.form.isVisible());
            QVERIFY(script.done());
        }
    }

    void thePdfThePrintAndThePicture()
    {
        Scene s;
        ScriptedDialogs dialogs;
        s.open();
        s.typeInputs();
        MessageScript none;
        const QString pdf = s.path("rotulo.pdf");
        dialogs.saveAnswer = pdf;
        none.expect(QStringLiteral("Arquivo gravado: ") + pdf, kOk);
        click(*s.form.PdfBitBtn);
        QCOMPARE(dialogs.lastFilter, QStringLiteral("*.pdf|*.pdf"));
        QCOMPARE(dialogs.lastFileName, QStringLiteral("Rótulo - Arroz_feijão com frango"));
        const QStringList expected{
            QStringLiteral("INFORMAÇÃO NUTRICIONAL"),
            QStringLiteral("Porção: 250 g (1 prato raso)"),
            QStringLiteral("100 g 250 g %VD*"),
            QStringLiteral("Valor energético (kcal) 180 447 22"),
            QStringLiteral("Carboidratos (g) 23 58 19"),
            QStringLiteral("Açúcares totais (g) 1,2 3"),
            QStringLiteral("Açúcares adicionados (g) 0 0 0"),
            QStringLiteral("Proteínas (g) 14 34 68"),
            QStringLiteral("Gorduras totais (g) 3,5 8,8 14"),
            QStringLiteral("Gorduras saturadas (g) 0,8 2 10"),
            QStringLiteral("Gorduras trans (g) 0 0 0"),
            QStringLiteral("Fibras alimentares (g) 3,8 9,4 38"),
            QStringLiteral("Sódio (mg) 23 58 3"),
            QStringLiteral("Cálcio (mg) 26 66 7"),
            QStringLiteral("Ferro (mg) 1,6 3,9 28"),
            QStringLiteral("*Percentual de valores diários fornecidos pela porção."),
        };
        QCOMPARE(pdfLines(pdf), expected);
        const QString fonts = poppler(QStringLiteral("pdffonts"), {pdf});
        QVERIFY2(fonts.contains(QStringLiteral("LiberationSans-Bold")), qPrintable(fonts));
        for (const QString& line : fonts.split(u'\n').mid(2))
            if (!line.isEmpty())
                QVERIFY2(line.contains(QStringLiteral(" yes ")), qPrintable(line)); // embedded

        // The print goes through the print dialog, to a PDF file here.
        dialogs.pdfFile = s.path("impresso.pdf");
        click(*s.form.ImpBitBtn);
        QCOMPARE(dialogs.printDialogs, 1);
        QCOMPARE(pdfLines(dialogs.pdfFile), expected);
        dialogs.printAnswer = false;
        dialogs.pdfFile = s.path("cancelado.pdf");
        click(*s.form.ImpBitBtn);
        QVERIFY(!QFile::exists(dialogs.pdfFile));

        // The picture: PNG at 300 dots per inch.
        const QString png = s.path("rotulo.png");
        dialogs.saveAnswer = png;
        none.expect(QStringLiteral("Arquivo gravado: ") + png, kOk);
        click(*s.form.ImgBitBtn);
        QCOMPARE(dialogs.lastFilter, QStringLiteral("*.png|*.png"));
        QCOMPARE(dialogs.lastSuffix, QStringLiteral("png"));
        const std::string bytes = GuiEnvironment::readBytes(png.toStdString());
        QVERIFY(bytes.starts_with("\x89PNG"));
        QImage picture;
        QVERIFY(picture.load(png));
        QCOMPARE(qRound(picture.dotsPerMeterX() * 0.0254), 300);
        QVERIFY(picture.width() > 1000 && picture.width() < 1200); // 260 points and a margin
        QCOMPARE(picture.pixelColor(5, 5), QColor(Qt::white));

        // A file that cannot be written is named.
        dialogs.saveAnswer = s.path("no/such/folder/rotulo.png");
        {
            MessageScript script{{QStringLiteral("Não foi possível gravar o arquivo ") + dialogs.saveAnswer +
                                      QStringLiteral(" !"),
                                  kOk}};
            click(*s.form.ImgBitBtn);
            QVERIFY(script.done());
        }
        MessageScript leave{{QStringLiteral("Grava alterações do rótulo?"), kNo}};
        click(*s.form.RetBitBtn);
    }

    void theMarkShowsInThePdfOfASweetPreparation()
    {
        Scene s;
        ScriptedDialogs dialogs;
        s.open();
        s.typeInputs();
        // 160 g of added sugar in 1000 g: 16 g per 100 g.
        s.form.AcuTotMaskEdit->clearText();
        typeInto(*s.form.AcuTotMaskEdit, QStringLiteral("170"));
        s.form.AcuAdiMaskEdit->clearText();
        typeInto(*s.form.AcuAdiMaskEdit, QStringLiteral("160"));
        leaveTowards(*s.form.AcuAdiMaskEdit, *s.form.GorTraMaskEdit);
        QCOMPARE(s.form.RotPreview->label()->mark, std::vector<MarkNutrient>{MarkNutrient::AddedSugars});
        screenshot(s.form, QStringLiteral("cadrot-mark"));
        MessageScript none;
        dialogs.saveAnswer = s.path("doce.pdf");
        none.expect(QStringLiteral("Arquivo gravado: ") + dialogs.saveAnswer, kOk);
        click(*s.form.PdfBitBtn);
        const QStringList lines = pdfLines(dialogs.saveAnswer);
        QVERIFY2(lines.join(u'\n').contains(QStringLiteral("ALTO EM")), qPrintable(lines.join(u'\n')));
        QVERIFY(lines.join(u'\n').contains(QStringLiteral("AÇÚCAR ADICIONADO")));
        // Exempt: no mark.
        click(*s.form.IseCheckBox);
        QVERIFY(s.form.RotPreview->label()->mark.empty());
        MessageScript leave{{QStringLiteral("Grava alterações do rótulo?"), kNo}};
        click(*s.form.RetBitBtn);
    }

    void theRegistersRotuloOpensTheWindowOnTheShownPreparation()
    {
        Kitchen k;
        SaveLines(ensureFile(k.indexPath()), {sheetLine("Sopa", {"   400,00", "    50,00"}, {}, {})});
        QVERIFY(openForm(k.form));
        QVERIFY(!k.form.ImpRotBitBtn->isEnabled());
        typeInto(*k.form.NomPreMaskEdit, QStringLiteral("Sopa"));
        leaveTowards(*k.form.NomPreMaskEdit, *k.form.NovBitBtn);
        QCOMPARE(k.form.mode(), RegisterMode::Showing);
        QVERIFY(k.form.ImpRotBitBtn->isEnabled());
        QCOMPARE(k.form.ImpRotBitBtn->text(), QStringLiteral("Rótulo"));
        // An edit not yet saved is stored silently before the window opens,
        // and the window gets the stored line.
        enter(*k.form.values->NumPorMaskEdit, QStringLiteral("5"), *k.form.values->RenColSopMaskEdit);
        QString portion;
        const auto shown = onNextModal<TCadRotForm>([&](TCadRotForm& w) {
            portion = w.PorMaskEdit->maskText();
            QVERIFY(w.windowTitle().endsWith(QStringLiteral("PREPARAÇÃO : Sopa")));
            click(*w.RetBitBtn);
        });
        click(*k.form.ImpRotBitBtn);
        QTRY_VERIFY(*shown);
        QCOMPARE(portion, QStringLiteral("   200"));
        QVERIFY(readWholeFile(k.indexPath()).find("|     5|") != std::string::npos);
        QCOMPARE(k.form.mode(), RegisterMode::Showing);
    }
};

QTEST_MAIN(CadRotTest)
#include "CadRotTest.moc"

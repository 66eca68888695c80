#include "gui/reports/SelRelUnit.h"

#include "core/store/FileIo.h"
#include "core/store/IniFile.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"
#include "gui/reports/ReportPainter.h"
#include "gui/reports/VisRelUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/PlatformDialogs.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/SaveFile.h"

#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QRadioButton>

namespace treluza {

namespace {

constexpr int kMaxResolution = 99999;

/** The resolution an edit or the configuration holds: a whole number from 1
 *  to 99999 (a resolution of 0 would draw nothing). */
std::optional<int> validResolution(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > kMaxResolution)
        return std::nullopt;
    return value;
}

} // namespace

TSelRelForm::TSelRelForm(FormContext& context, QWidget* parent)
    : TForm(parent), m_context(context), m_viewer(new TVisRelForm(this))
{
    setUp({.name = "SelRelForm",
           .title = QStringLiteral("Selecione o Tipo de Relatório"),
           .points = 9,
           .bold = true});

    auto* box = new QGroupBox(QStringLiteral("Tipo de relatório"), this);
    box->setGeometry(8, 8, 384, 110);
    MedCasRadioButton = new QRadioButton(QStringLiteral("Análise Química - Completo"), box);
    MedCasRadioButton->setObjectName(QStringLiteral("MedCasRadioButton"));
    MedCasRadioButton->setGeometry(12, 22, 360, 24);
    CusRadioButton = new QRadioButton(QStringLiteral("Treluza"), box);
    CusRadioButton->setObjectName(QStringLiteral("CusRadioButton"));
    CusRadioButton->setGeometry(12, 50, 360, 24);
    RelCozRadioButton = new QRadioButton(QStringLiteral("Medidas Caseiras - Modo de Preparo"), box);
    RelCozRadioButton->setObjectName(QStringLiteral("RelCozRadioButton"));
    RelCozRadioButton->setGeometry(12, 78, 360, 24);
    // A radio button takes clicks on its circle and caption only: sized to them.
    for (QRadioButton* r : {MedCasRadioButton, CusRadioButton, RelCozRadioButton})
        r->resize(r->sizeHint());
    connect(MedCasRadioButton, &QRadioButton::clicked, this, &TSelRelForm::MedCasRadioButtonClick);
    connect(CusRadioButton, &QRadioButton::clicked, this, &TSelRelForm::CusRadioButtonClick);
    connect(RelCozRadioButton, &QRadioButton::clicked, this, &TSelRelForm::RelCozRadioButtonClick);

    ResImpLabel = new QLabel(QStringLiteral("Resolução da impressora"), this);
    ResImpLabel->setGeometry(12, 130, 190, 24);
    ResImpMaskEdit = new TMaskEdit(QStringLiteral("99999;0;_"), this);
    ResImpMaskEdit->setObjectName(QStringLiteral("ResImpMaskEdit"));
    ResImpMaskEdit->setGeometry(204, 130, 70, 24);
    PppLabel = new QLabel(QStringLiteral("ppp"), this);
    PppLabel->setGeometry(280, 130, 40, 24);
    connect(ResImpMaskEdit, &TMaskEdit::Exit, this, &TSelRelForm::ResImpMaskEditExit);

    const auto button = [this](const QString& caption, const char* picture, const char* name, int x, int y) {
        auto* b = new TBitBtn(caption, glyph(QString::fromLatin1(picture)), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, y, 124, 32);
        return b;
    };
    ImpBitBtn = button(QStringLiteral("&Imprime"), "imprime", "ImpBitBtn", 8, 166);
    VisBitBtn = button(QStringLiteral("&Visualiza"), "lista", "VisBitBtn", 138, 166);
    PdfBitBtn = button(QStringLiteral("Salva P&DF"), "salva", "PdfBitBtn", 268, 166);
    AjuBitBtn = button(QStringLiteral("A&juda"), "ajuda", "AjuBitBtn", 8, 204);
    RetBitBtn = button(QStringLiteral("&Retorna"), "retorna", "RetBitBtn", 268, 204);
    connect(ImpBitBtn, &QPushButton::clicked, this, &TSelRelForm::ImpBitBtnClick);
    connect(VisBitBtn, &QPushButton::clicked, this, &TSelRelForm::VisBitBtnClick);
    connect(PdfBitBtn, &QPushButton::clicked, this, &TSelRelForm::PdfBitBtnClick);
    connect(AjuBitBtn, &QPushButton::clicked, this, &TSelRelForm::AjuBitBtnClick);
    connect(RetBitBtn, &QPushButton::clicked, this, &TSelRelForm::RetBitBtnClick);

    chainTabOrder({MedCasRadioButton, ResImpMaskEdit, ImpBitBtn, VisBitBtn, PdfBitBtn, AjuBitBtn, RetBitBtn});
    setClientSize(400, 244);
}

void TSelRelForm::handOver(std::string_view indexLine, std::string_view tableName,
                           std::string_view preparationName)
{
    m_indexLine = indexLine;
    m_table = tableName;
    m_preparation = preparationName;
}

void TSelRelForm::FormActivate()
{
    setWindowTitle(QStringLiteral("Selecione o Tipo de Relatório"));
    MedCasRadioButton->setChecked(true);
    MedCasRadioButtonClick();
    const IniFile ini(m_context.configFile);
    m_resolution =
        validResolution(QString::number(ini.readInteger(kSecTechnician, kKeyResImp, kDefaultResImp)))
            .value_or(kDefaultResImp);
    showResolution();
    MedCasRadioButton->setFocus();
}

void TSelRelForm::showResolution()
{
    ResImpMaskEdit->setMaskText(QString::number(m_resolution));
}

void TSelRelForm::MedCasRadioButtonClick()
{
    m_layout = ReportLayout::Analysis;
}

void TSelRelForm::CusRadioButtonClick()
{
    m_layout = ReportLayout::Treluza;
}

void TSelRelForm::RelCozRadioButtonClick()
{
    m_layout = ReportLayout::Measures;
}

void TSelRelForm::ResImpMaskEditExit()
{
    const std::optional<int> value = validResolution(ResImpMaskEdit->maskText());
    if (!value) {
        tell(QStringLiteral("'") + ResImpMaskEdit->maskText().trimmed() +
             QStringLiteral("' não é uma resolução válida!"));
        showResolution();
        return;
    }
    m_resolution = *value;
}

std::optional<ReportInput> TSelRelForm::loadInput()
{
    try {
        const IniFile ini(m_context.configFile);
        return loadReportInput(m_context.baseFolder, m_table, m_preparation, m_indexLine, m_layout, ini);
    } catch (const FileReadError& e) {
        tellUnreadable(QString::fromStdString(e.path().string()));
    } catch (const UnusableNameError&) {
        tellUnreadable(qs(m_preparation).trimmed());
    }
    return std::nullopt;
}

QString TSelRelForm::offeredName() const
{
    return qs(SafeFileStem(m_preparation));
}

void TSelRelForm::ImpBitBtnClick()
{
    if (!ask(QStringLiteral("Confirma impressão? ")))
        return;
    const std::optional<ReportInput> input = loadInput();
    if (!input)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(isLandscape(m_layout) ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setDocName(qs(TrimTrailingSpaces(m_preparation)));
    if (!dialogs().choosePrinter(printer, this))
        return;
    if (!printReport(printer, m_layout, *input, m_resolution))
        tell(QStringLiteral("Não foi possível imprimir!"));
}

void TSelRelForm::VisBitBtnClick()
{
    const std::optional<ReportInput> input = loadInput();
    if (!input)
        return;
    const QImage picture = renderPicture(m_layout, *input);
    if (picture.isNull()) { // no memory for a picture of that many pages
        tell(QStringLiteral("Não foi possível gerar a imagem do relatório!"));
        return;
    }
    m_viewer->showPicture(picture);
    if (!ask(QStringLiteral("Gera imagem do relatório?")))
        return;
    const QString file = chooseFileToSave(this, m_context.configFile, kBmpPicture, offeredName());
    if (!file.isEmpty())
        writeChosenFile(file, monochromeBmp(picture), true);
}

void TSelRelForm::PdfBitBtnClick()
{
    const QString file = chooseFileToSave(this, m_context.configFile, kPdfFile, offeredName());
    if (file.isEmpty())
        return;
    const std::optional<ReportInput> input = loadInput();
    if (!input)
        return;
    writeChosenFile(file, renderPdf(m_layout, *input, m_resolution, qs(TrimTrailingSpaces(m_preparation))),
                    true);
}

void TSelRelForm::AjuBitBtnClick()
{
    m_context.help.showHelp();
}

void TSelRelForm::RetBitBtnClick()
{
    try {
        IniFile ini(m_context.configFile);
        ini.writeInteger(kSecTechnician, kKeyResImp, m_resolution);
    } catch (const FileWriteError& e) {
        tell(QStringLiteral("Não foi possível gravar o arquivo ") +
             QString::fromStdString(e.path().string()) + QStringLiteral(" !"));
    }
    done(0);
}

} // namespace treluza

#include "gui/labels/CadRotUnit.h"

#include "core/store/DecimalField.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"
#include "gui/labels/LabelOutput.h"
#include "gui/labels/LabelPreview.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/DecimalEdit.h"
#include "gui/widgets/FormLayout.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/NameFilter.h"
#include "gui/widgets/PlatformDialogs.h"
#include "gui/widgets/QtText.h"
#include "gui/widgets/SaveFile.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QRadioButton>

#include <tuple>

namespace treluza {

namespace {

constexpr int kRowHeight = 24;
constexpr int kCaptionWidth = 206;

QString labelMask(int field)
{
    return qs(editMask(RecordKind::Label, field));
}

} // namespace

TCadRotForm::TCadRotForm(FormContext& context, QWidget* parent)
    : TDocumentForm(
          context,
          {QStringLiteral("Grava alterações do rótulo?"), QStringLiteral("Rótulo gravado com sucesso!")},
          parent)
{
    setUp({.name = "CadRotForm",
           .title = QStringLiteral("Rótulo Nutricional"),
           .points = 9,
           .bold = true,
           .icons = BorderIcons::Close});
    buildInputs();
    RotPreview = new TLabelPreview(this);
    RotPreview->setGeometry(392, 8, 600, 536);
    buildButtons();
    setClientSize(1000, 596);
}

void TCadRotForm::buildInputs()
{
    auto* kind = new QGroupBox(QStringLiteral("Alimento"), this);
    kind->setGeometry(8, 4, 372, 52);
    SolRadioButton = new QRadioButton(QStringLiteral("Sólido (g)"), kind);
    SolRadioButton->setObjectName(QStringLiteral("SolRadioButton"));
    SolRadioButton->move(12, 24);
    LiqRadioButton = new QRadioButton(QStringLiteral("Líquido (ml)"), kind);
    LiqRadioButton->setObjectName(QStringLiteral("LiqRadioButton"));
    LiqRadioButton->move(180, 24);
    for (QRadioButton* r : {SolRadioButton, LiqRadioButton})
        r->resize(r->sizeHint());
    auto* kinds = new QButtonGroup(this);
    kinds->addButton(SolRadioButton);
    kinds->addButton(LiqRadioButton);

    int y = 64;
    const auto edit = [&](const QString& caption, const char* name, int field, int width) {
        QLabel* label = placeCaption(this, caption, QRect(8, y, kCaptionWidth, kRowHeight - 2));
        TMaskEdit* e =
            placeMaskEdit(this, name, labelMask(field), QRect(8 + kCaptionWidth, y, width, kRowHeight - 2));
        y += kRowHeight + 4;
        return std::pair{label, e};
    };
    std::tie(PorLabel, PorMaskEdit) =
        edit(QStringLiteral("Porção (g)"), "PorMaskEdit", LabelField::Portion, 80);
    // The household measure takes the whole width for its 30 characters.
    placeCaption(this, QStringLiteral("Medida caseira da porção"), QRect(8, y, 372, kRowHeight - 2));
    y += kRowHeight;
    MedCasMaskEdit = placeMaskEdit(this, "MedCasMaskEdit", QString(), QRect(8, y, 372, kRowHeight - 2));
    MedCasMaskEdit->setMaxLength(fieldWidth(RecordKind::Label, LabelField::Measure));
    y += kRowHeight + 4;
    PorEmbMaskEdit =
        edit(QStringLiteral("Porções por embalagem"), "PorEmbMaskEdit", LabelField::PerPackage, 80).second;
    CerCheckBox = new QCheckBox(QStringLiteral("Cerca de"), this);
    CerCheckBox->setObjectName(QStringLiteral("CerCheckBox"));
    CerCheckBox->move(8 + kCaptionWidth + 88, PorEmbMaskEdit->y());
    CerCheckBox->resize(CerCheckBox->sizeHint());

    y += 4;
    placeCaption(this, QStringLiteral("Na receita toda (não constam das tabelas):"),
                 QRect(8, y, 372, kRowHeight - 2));
    y += kRowHeight;
    AcuTotMaskEdit =
        edit(QStringLiteral("Açúcares totais (g)"), "AcuTotMaskEdit", LabelField::TotalSugars, 96).second;
    AcuAdiMaskEdit =
        edit(QStringLiteral("Açúcares adicionados (g)"), "AcuAdiMaskEdit", LabelField::AddedSugars, 96)
            .second;
    GorTraMaskEdit =
        edit(QStringLiteral("Gorduras trans (g)"), "GorTraMaskEdit", LabelField::TransFat, 96).second;
    for (TMaskEdit* e : {PorMaskEdit, PorEmbMaskEdit, AcuTotMaskEdit, AcuAdiMaskEdit, GorTraMaskEdit}) {
        e->setFont(fixedPitchFont(9));
        installDecimalBehaviour(*e);
    }

    y += 4;
    const auto check = [&](const QString& caption, const char* name) {
        auto* box = new QCheckBox(caption, this);
        box->setObjectName(QString::fromLatin1(name));
        box->move(8, y);
        box->resize(box->sizeHint());
        y += kRowHeight + 2;
        return box;
    };
    FibCheckBox = check(QStringLiteral("O carboidrato da tabela inclui as fibras"), "FibCheckBox");
    ColCheckBox = check(QStringLiteral("Declara colesterol"), "ColCheckBox");
    CalCheckBox = check(QStringLiteral("Declara cálcio"), "CalCheckBox");
    FerCheckBox = check(QStringLiteral("Declara ferro"), "FerCheckBox");
    IseCheckBox = check(QStringLiteral("Isento da rotulagem frontal"), "IseCheckBox");

    NotLabel = new QLabel(this);
    NotLabel->setObjectName(QStringLiteral("NotLabel"));
    NotLabel->setWordWrap(true);
    NotLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    NotLabel->setGeometry(8, y + 4, 372, 544 - y - 4);

    // The household measure is text of the label line: its separator cannot be typed.
    connect(
        MedCasMaskEdit, &TMaskEdit::KeyPress, this,
        [](QChar& key) {
            if (key == u'|') {
                refuseCharacter(key);
                key = QChar();
            }
        },
        Qt::DirectConnection);
    for (TMaskEdit* e :
         {PorMaskEdit, MedCasMaskEdit, PorEmbMaskEdit, AcuTotMaskEdit, AcuAdiMaskEdit, GorTraMaskEdit})
        connect(e, &TMaskEdit::Change, this, &TCadRotForm::inputChanged);
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{SolRadioButton, LiqRadioButton, CerCheckBox, FibCheckBox,
                                                 ColCheckBox, CalCheckBox, FerCheckBox, IseCheckBox})
        connect(b, &QAbstractButton::toggled, this, &TCadRotForm::inputChanged);
}

void TCadRotForm::buildButtons()
{
    const auto button = [this](const QString& caption, const char* picture, const char* name, int i) {
        auto* b = new TBitBtn(caption, glyph(QString::fromLatin1(picture)), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(8 + i * 164, 556, 160, 32);
        return b;
    };
    GraBitBtn = button(QStringLiteral("&Grava"), "grava", "GraBitBtn", 0);
    ImpBitBtn = button(QStringLiteral("&Imprime"), "imprime", "ImpBitBtn", 1);
    PdfBitBtn = button(QStringLiteral("Salva P&DF"), "salva", "PdfBitBtn", 2);
    ImgBitBtn = button(QStringLiteral("Salva i&magem"), "salva", "ImgBitBtn", 3);
    AjuBitBtn = button(QStringLiteral("A&juda"), "ajuda", "AjuBitBtn", 4);
    RetBitBtn = button(QStringLiteral("&Retorna"), "retorna", "RetBitBtn", 5);
    connect(GraBitBtn, &QPushButton::clicked, this, &TCadRotForm::GraBitBtnClick);
    connect(ImpBitBtn, &QPushButton::clicked, this, &TCadRotForm::ImpBitBtnClick);
    connect(PdfBitBtn, &QPushButton::clicked, this, &TCadRotForm::PdfBitBtnClick);
    connect(ImgBitBtn, &QPushButton::clicked, this, &TCadRotForm::ImgBitBtnClick);
    connect(AjuBitBtn, &QPushButton::clicked, this, &TDocumentForm::AjuBitBtnClick);
    connect(RetBitBtn, &QPushButton::clicked, this, &TDocumentForm::RetBitBtnClick);

    const std::vector<QWidget*> order = {SolRadioButton, LiqRadioButton, PorMaskEdit,    MedCasMaskEdit,
                                         PorEmbMaskEdit, CerCheckBox,    AcuTotMaskEdit, AcuAdiMaskEdit,
                                         GorTraMaskEdit, FibCheckBox,    ColCheckBox,    CalCheckBox,
                                         FerCheckBox,    IseCheckBox,    GraBitBtn,      ImpBitBtn,
                                         PdfBitBtn,      ImgBitBtn,      AjuBitBtn,      RetBitBtn};
    chainTabOrder(order);
}

void TCadRotForm::handOver(std::string_view tableName, std::string_view preparationName,
                           std::string_view indexLine)
{
    m_table = tableName;
    m_preparation = preparationName;
    m_index = readIndex(indexLine);
}

void TCadRotForm::FormActivate()
{
    setWindowTitle(QStringLiteral("RÓTULO NUTRICIONAL - TABELA ATIVA : ") + qs(TrimTrailingSpaces(m_table)) +
                   QStringLiteral(" - PREPARAÇÃO : ") + qs(TrimTrailingSpaces(m_preparation)));
    fitCaption();
    setChanged(false);
    if (!readNumber(m_index[IdxField::Yield]).positive()) {
        tell(QStringLiteral("O rendimento da preparação deve ser maior que zero!"));
        done(0);
        return;
    }
    LabelRead read;
    try {
        m_file = ensureFile(LabelFilePath(m_context.baseFolder, m_table, m_preparation));
        read = loadLabelFile(m_file, m_index);
    } catch (const FileReadError& e) {
        // A label that cannot be read is not shown, so that it cannot be saved over.
        tellStoreError(e);
        done(0);
        return;
    } catch (const UnusableNameError&) {
        tellUnreadable(qs(m_preparation).trimmed());
        done(0);
        return;
    }
    showFields(read.fields);
    setChanged(false);
    if (read.damaged)
        tell(QStringLiteral("O arquivo ") + QString::fromStdString(m_file.string()) +
             QStringLiteral(" está danificado: o que não pôde ser lido volta aos valores iniciais!"));
    SolRadioButton->isChecked() ? SolRadioButton->setFocus() : LiqRadioButton->setFocus();
}

void TCadRotForm::showFields(const LabelFields& f)
{
    m_showing = true;
    (isLiquid(f) ? LiqRadioButton : SolRadioButton)->setChecked(true);
    PorMaskEdit->setCoreText(f[LabelField::Portion]);
    MedCasMaskEdit->setCoreText(f[LabelField::Measure]);
    PorEmbMaskEdit->setCoreText(f[LabelField::PerPackage]);
    CerCheckBox->setChecked(switchOn(f, LabelField::About));
    AcuTotMaskEdit->setCoreText(f[LabelField::TotalSugars]);
    AcuAdiMaskEdit->setCoreText(f[LabelField::AddedSugars]);
    GorTraMaskEdit->setCoreText(f[LabelField::TransFat]);
    FibCheckBox->setChecked(switchOn(f, LabelField::FibreInCarbohydrate));
    ColCheckBox->setChecked(switchOn(f, LabelField::Cholesterol));
    CalCheckBox->setChecked(switchOn(f, LabelField::Calcium));
    FerCheckBox->setChecked(switchOn(f, LabelField::Iron));
    IseCheckBox->setChecked(switchOn(f, LabelField::Exempt));
    m_showing = false;
    refreshPreview();
}

LabelFields TCadRotForm::editFields() const
{
    LabelFields f;
    const auto switchText = [](const QAbstractButton* b) {
        return std::string(b->isChecked() ? kSwitchOn : kSwitchOff);
    };
    // A number being typed counts as it will be when its field is left.
    const auto number = [](const TMaskEdit* e, int n) {
        return normaliseField(e->coreText(), fieldMask(RecordKind::Label, n));
    };
    f[LabelField::Unit] = LiqRadioButton->isChecked() ? kLiquidUnit : kSolidUnit;
    f[LabelField::Portion] = number(PorMaskEdit, LabelField::Portion);
    f[LabelField::Measure] = TrimTrailingSpaces(MedCasMaskEdit->coreText());
    f[LabelField::PerPackage] = number(PorEmbMaskEdit, LabelField::PerPackage);
    f[LabelField::About] = switchText(CerCheckBox);
    f[LabelField::TotalSugars] = number(AcuTotMaskEdit, LabelField::TotalSugars);
    f[LabelField::AddedSugars] = number(AcuAdiMaskEdit, LabelField::AddedSugars);
    f[LabelField::TransFat] = number(GorTraMaskEdit, LabelField::TransFat);
    f[LabelField::FibreInCarbohydrate] = switchText(FibCheckBox);
    f[LabelField::Cholesterol] = switchText(ColCheckBox);
    f[LabelField::Calcium] = switchText(CalCheckBox);
    f[LabelField::Iron] = switchText(FerCheckBox);
    f[LabelField::Exempt] = switchText(IseCheckBox);
    return f;
}

void TCadRotForm::inputChanged()
{
    if (m_showing)
        return;
    setChanged(true);
    refreshPreview();
}

void TCadRotForm::refreshPreview()
{
    const LabelFields f = editFields();
    const QString unit = isLiquid(f) ? QStringLiteral("ml") : QStringLiteral("g");
    PorLabel->setText(QStringLiteral("Porção (") + unit + QStringLiteral(")"));
    if (const std::optional<std::string> problem = labelProblem(m_index, f)) {
        RotPreview->showMessage(qs(*problem));
        NotLabel->clear();
        return;
    }
    const NutritionLabel label = makeLabel(m_index, f);
    RotPreview->showLabel(label);
    QStringList notes;
    for (const std::string& note : label.notes)
        notes << qs(note);
    NotLabel->setText(notes.join(u'\n'));
}

std::optional<NutritionLabel> TCadRotForm::labelToOutput()
{
    const LabelFields f = editFields();
    if (const std::optional<std::string> problem = labelProblem(m_index, f)) {
        tellCore(*problem);
        return std::nullopt;
    }
    return makeLabel(m_index, f);
}

bool TCadRotForm::writeDocument()
{
    try {
        saveLabelFile(m_context.baseFolder, m_table, m_preparation, editFields());
    } catch (const FileWriteError&) {
        tell(QStringLiteral("Não foi possível gravar o arquivo ") + QString::fromStdString(m_file.string()) +
             QStringLiteral(" !"));
        return false;
    }
    setChanged(false);
    return true;
}

QString TCadRotForm::offeredName() const
{
    // Not the preparation's bare name, which the report's PDF is offered under.
    return QStringLiteral("Rótulo - ") + qs(SafeFileStem(m_preparation));
}

void TCadRotForm::GraBitBtnClick()
{
    if (!ask(QStringLiteral("Grava rótulo?")))
        return;
    if (writeDocument())
        tell(QStringLiteral("Rótulo gravado com sucesso!"));
}

void TCadRotForm::ImpBitBtnClick()
{
    const std::optional<NutritionLabel> label = labelToOutput();
    if (!label)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(qs(TrimTrailingSpaces(m_preparation)));
    if (!dialogs().choosePrinter(printer, this))
        return;
    if (!printLabel(printer, *label))
        tell(QStringLiteral("Não foi possível imprimir!"));
}

void TCadRotForm::PdfBitBtnClick()
{
    const std::optional<NutritionLabel> label = labelToOutput();
    if (!label)
        return;
    const QString file = chooseFileToSave(this, m_context.configFile, kPdfFile, offeredName());
    if (!file.isEmpty())
        writeChosenFile(file, renderLabelPdf(*label, qs(TrimTrailingSpaces(m_preparation))), true);
}

void TCadRotForm::ImgBitBtnClick()
{
    const std::optional<NutritionLabel> label = labelToOutput();
    if (!label)
        return;
    const QString file = chooseFileToSave(this, m_context.configFile, kPngPicture, offeredName());
    if (file.isEmpty())
        return;
    const std::string bytes = pngBytes(renderLabelPicture(*label));
    if (bytes.empty()) { // no memory for the picture
        tell(QStringLiteral("Não foi possível gerar a imagem do rótulo!"));
        return;
    }
    writeChosenFile(file, bytes, true);
}

} // namespace treluza

#include "measures/CadMedCas2Unit.h"

#include "dialogs/MesDlgUnit.h"
#include "gui/BitBtn.h"
#include "gui/DecimalEdit.h"
#include "gui/MaskEdit.h"
#include "gui/NameFilter.h"
#include "gui/QtText.h"
#include "measures/MeasureUsage.h"
#include "store/CriUnit.h"
#include "store/Paths.h"
#include "store/StrUnit.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>

namespace treluza {

TCadMedCas2Form::TCadMedCas2Form(FormContext& context, QWidget* parent) : TRegisterForm(context, parent)
{
    setObjectName(QStringLiteral("CadMedCas2Form"));
    setWindowTitle(QStringLiteral("Cadastro de medidas caseiras"));
    setClientSize(480, 178);
    const int top = buildButtonRow(60, 50);

    NomIngLabel = new QLabel(QStringLiteral("Selecione um Ingrediente"), this);
    NomIngLabel->setGeometry(8, top + 6, 300, 16);
    NomIngComboBox = new QComboBox(this);
    NomIngComboBox->setObjectName(QStringLiteral("NomIngComboBox"));
    NomIngComboBox->setEditable(false);
    NomIngComboBox->setMaxVisibleItems(15);
    NomIngComboBox->setGeometry(8, top + 22, 464, 24);

    MedCasLabel = new QLabel(QStringLiteral("Medida caseira"), this);
    MedCasLabel->setGeometry(8, top + 54, 200, 16);
    MedCasMaskEdit = new TMaskEdit(QString::fromLatin1(kMeasureNameMask), this);
    MedCasMaskEdit->setObjectName(QStringLiteral("MedCasMaskEdit"));
    MedCasMaskEdit->setGeometry(8, top + 70, 220, 26);
    InstallNameFilter(*MedCasMaskEdit);
    AltNomBitBtn = new TBitBtn(QString(), Glyph(QStringLiteral("altera")), this);
    AltNomBitBtn->setObjectName(QStringLiteral("AltNomBitBtn"));
    AltNomBitBtn->setToolTip(QStringLiteral("Altera nome da medida caseira"));
    AltNomBitBtn->setGeometry(232, top + 69, 28, 28);
    if (AltNomBitBtn->icon().isNull())
        AltNomBitBtn->setText(QStringLiteral("..."));

    QuaLabel = new QLabel(QStringLiteral("Quantidade (g/ml)"), this);
    QuaLabel->setGeometry(290, top + 54, 150, 16);
    QuaMaskEdit = new TMaskEdit(QString::fromLatin1(kMeasureQuantityMask), this);
    QuaMaskEdit->setObjectName(QStringLiteral("QuaMaskEdit"));
    QuaMaskEdit->setGeometry(290, top + 70, 110, 26);
    InstallDecimalBehaviour(*QuaMaskEdit);
    UniLabel = new QLabel(QStringLiteral("(g)"), this);
    UniLabel->setGeometry(406, top + 74, 40, 16);

    setTabOrder(NomIngComboBox, MedCasMaskEdit);
    setTabOrder(MedCasMaskEdit, AltNomBitBtn);
    setTabOrder(AltNomBitBtn, QuaMaskEdit);
    connectButtons();
    connect(MedCasMaskEdit, &TMaskEdit::Exit, this, &TCadMedCas2Form::KeyEditExit);
    connect(AltNomBitBtn, &TBitBtn::clicked, this, &TCadMedCas2Form::AltNomBitBtnClick);
    connect(NomIngComboBox, &QComboBox::currentIndexChanged, this, &TCadMedCas2Form::NomIngComboBoxChange);
    connect(qApp, &QApplication::focusChanged, this, &TCadMedCas2Form::onFocusChanged);
}

TCadMedCas2Form::~TCadMedCas2Form()
{
    // Focus moves while the base window takes its children down.
    disconnect(qApp, nullptr, this, nullptr);
}

void TCadMedCas2Form::FormActivate()
{
    setWindowTitle(QStringLiteral("CADASTRO DE MEDIDAS CASEIRAS - Tabela ativa : ") + Qs(tableName));
    RecordList records;
    KeyList keys;
    try {
        LoadScrambledFile(IngredientFilePath(m_context.baseFolder, tableName), records, keys, progress());
    } catch (const std::exception&) {
        keys.clear();
    }
    {
        const QSignalBlocker quiet(NomIngComboBox);
        NomIngComboBox->clear();
        for (const auto& key : keys.lines())
            NomIngComboBox->addItem(Qs(key));
        NomIngComboBox->setCurrentIndex(keys.empty() ? -1 : 0);
    }
    if (keys.empty()) {
        ShowMessageDialog(QStringLiteral("Não existem ingredientes cadastrados!"), 1);
        close();
        return;
    }
    loadMeasures();
    setMode(RegisterMode::Empty);
    ClearFields();
    ApplyMode();
}

void TCadMedCas2Form::loadMeasures()
{
    m_data.release();
    m_ingredient = Cs(NomIngComboBox->currentText());
    try {
        m_data.load(MeasureFilePath(m_context.baseFolder, tableName, m_ingredient, true));
    } catch (const std::exception&) {
        m_data.release();
    }
}

std::string TCadMedCas2Form::MakeLine() { return MedCasMaskEdit->CoreText() + "|" + QuaMaskEdit->CoreText() + "|"; }

void TCadMedCas2Form::ShowCurrent()
{
    MedCasMaskEdit->SetCoreText(m_data.field(1));
    QuaMaskEdit->SetCoreText(m_data.field(2));
}

void TCadMedCas2Form::ClearFields()
{
    MedCasMaskEdit->Clear();
    QuaMaskEdit->Clear();
}

void TCadMedCas2Form::ApplyMode()
{
    ApplyCommonMode();
    QuaMaskEdit->setEnabled(m_mode != RegisterMode::Empty);
    AltNomBitBtn->setEnabled(m_mode == RegisterMode::Showing);
    if (m_mode != RegisterMode::Empty)
        QuaMaskEdit->setFocus();
}

bool TCadMedCas2Form::IsFreeTarget(QWidget* next) const
{
    return next == NomIngComboBox || TRegisterForm::IsFreeTarget(next);
}

void TCadMedCas2Form::NomIngComboBoxChange() { ClearFields(); }

void TCadMedCas2Form::onFocusChanged(QWidget* old, QWidget* now)
{
    if (old == NomIngComboBox && isVisible() && now && now->window() == this)
        NomIngComboBoxExit(now);
}

void TCadMedCas2Form::NomIngComboBoxExit(QWidget* next)
{
    loadMeasures();
    if (next == LisBitBtn)
        return;
    setMode(RegisterMode::Empty);
    ApplyMode();
}

bool TCadMedCas2Form::measureFree(bool forDelete, const QString& failure)
{
    const std::string measure = MedCasMaskEdit->CoreText();
    const MeasureOperation operation = forDelete ? MeasureOperation::Delete : MeasureOperation::Change;
    return CheckUnused(
        [&] { return ScanMeasureUse(m_context.baseFolder, tableName, m_ingredient, measure, operation, progress()); },
        MeasureInUseMessage(operation, measure), failure);
}

bool TCadMedCas2Form::BeforeChange()
{
    if (measureFree(false, QStringLiteral("Erro durante a alteração!")))
        return true;
    setMode(RegisterMode::Showing);
    return false;
}

bool TCadMedCas2Form::BeforeDelete() { return measureFree(true, QStringLiteral("Erro durante exclusão!")); }

QString TCadMedCas2Form::ListCaption() const
{
    return QStringLiteral("MEDIDAS CASEIRAS - ") + Qs(TrimTrailingSpaces(m_ingredient)) + QStringLiteral(" - (g/ml)");
}

QStringList TCadMedCas2Form::ListItems() const
{
    QStringList items;
    for (const auto& line : m_data.records().lines())
        items << Qs(line);
    return items;
}

void TCadMedCas2Form::AltNomBitBtnClick()
{
    RenameCurrent(QStringLiteral("Altera nome da medida caseira"), QStringLiteral("Nome da medida caseira já existe!"));
}

void TCadMedCas2Form::CarryRename(const std::string& oldKey, const std::string& newKey)
{
    CarryMeasureRename(m_context.baseFolder, tableName, m_ingredient, oldKey, newKey, progress());
}

}  // namespace treluza

#include "gui/measures/CadMedCas2Unit.h"

#include "core/measures/MeasureUsage.h"
#include "core/records/RecordLayouts.h"
#include "core/store/CriUnit.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/DecimalEdit.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/NameFilter.h"
#include "gui/widgets/QtText.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>

namespace treluza {

TCadMedCas2Form::TCadMedCas2Form(FormContext& context, QWidget* parent)
    : TRegisterForm(context, kSmallRegister, parent)
{
    setUp({.name = "CadMedCas2Form",
           .title = QStringLiteral("Cadastro de medidas caseiras"),
           .width = 480,
           .height = 178});
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
    MedCasMaskEdit = new TMaskEdit(qs(editMask(RecordKind::Measure, MeasureField::Name)), this);
    MedCasMaskEdit->setObjectName(QStringLiteral("MedCasMaskEdit"));
    MedCasMaskEdit->setGeometry(8, top + 70, 220, 26);
    installNameFilter(*MedCasMaskEdit);
    AltNomBitBtn = new TBitBtn(QString(), glyph(QStringLiteral("altera")), this);
    AltNomBitBtn->setObjectName(QStringLiteral("AltNomBitBtn"));
    AltNomBitBtn->setToolTip(QStringLiteral("Altera nome da medida caseira"));
    AltNomBitBtn->setGeometry(232, top + 69, 28, 28);
    if (AltNomBitBtn->icon().isNull())
        AltNomBitBtn->setText(QStringLiteral("..."));

    QuaLabel = new QLabel(QStringLiteral("Quantidade (g/ml)"), this);
    QuaLabel->setGeometry(290, top + 54, 150, 16);
    QuaMaskEdit = new TMaskEdit(qs(editMask(RecordKind::Measure, MeasureField::Quantity)), this);
    QuaMaskEdit->setObjectName(QStringLiteral("QuaMaskEdit"));
    QuaMaskEdit->setGeometry(290, top + 70, 110, 26);
    installDecimalBehaviour(*QuaMaskEdit);
    UniLabel = new QLabel(QStringLiteral("(g)"), this);
    UniLabel->setGeometry(406, top + 74, 40, 16);

    chainTabOrder({NomIngComboBox, MedCasMaskEdit, AltNomBitBtn, QuaMaskEdit});
    connectButtons();
    connect(MedCasMaskEdit, &TMaskEdit::Exit, this, &TCadMedCas2Form::keyEditExit);
    connect(AltNomBitBtn, &TBitBtn::clicked, this, &TCadMedCas2Form::AltNomBitBtnClick);
    connect(NomIngComboBox, &QComboBox::currentIndexChanged, this, &TCadMedCas2Form::NomIngComboBoxChange);
    connect(qApp, &QApplication::focusChanged, this, &TCadMedCas2Form::onFocusChanged);
}

TCadMedCas2Form::~TCadMedCas2Form()
{
    // Focus moves while the base window takes its children down.
    disconnect(qApp, nullptr, this, nullptr);
}

void TCadMedCas2Form::handOver(const ActiveTable& table)
{
    m_table = table;
}

void TCadMedCas2Form::FormActivate()
{
    setWindowTitle(QStringLiteral("CADASTRO DE MEDIDAS CASEIRAS - Tabela ativa : ") + qs(m_table.name));
    fitCaption();
    KeyedRecords ingredients;
    try {
        LoadScrambledFile(ensureFile(IngredientFilePath(m_context.baseFolder, m_table.name)), ingredients,
                          progress());
    } catch (const StoreError& e) {
        tellStoreError(e);
        close();
        return;
    }
    {
        const QSignalBlocker quiet(NomIngComboBox);
        fillCombo(*NomIngComboBox, ingredients.keys().lines());
        NomIngComboBox->setCurrentIndex(ingredients.empty() ? -1 : 0);
    }
    if (ingredients.empty()) {
        tell(QStringLiteral("Não existem ingredientes cadastrados!"));
        close();
        return;
    }
    if (loadMeasures())
        start(RegisterMode::Empty);
}

bool TCadMedCas2Form::loadMeasures()
{
    m_ingredient = cs(NomIngComboBox->currentText());
    return loadRegisterFile(
        [this] { return ensureFile(MeasureFilePath(m_context.baseFolder, m_table.name, m_ingredient)); });
}

std::string TCadMedCas2Form::MakeLine()
{
    return MedCasMaskEdit->coreText() + "|" + QuaMaskEdit->coreText() + "|";
}

void TCadMedCas2Form::ShowCurrent()
{
    MedCasMaskEdit->setCoreText(cycleData().field(MeasureField::Name));
    QuaMaskEdit->setCoreText(cycleData().field(MeasureField::Quantity));
}

void TCadMedCas2Form::ClearFields()
{
    MedCasMaskEdit->clearText();
    QuaMaskEdit->clearText();
}

void TCadMedCas2Form::ApplyMode()
{
    // While an ingredient is being chosen in the combo the focus stays there.
    const bool choosing = QApplication::focusWidget() == NomIngComboBox;
    applyCommonMode();
    QuaMaskEdit->setEnabled(mode() != RegisterMode::Empty);
    AltNomBitBtn->setEnabled(mode() == RegisterMode::Showing);
    if (mode() != RegisterMode::Empty)
        QuaMaskEdit->setFocus();
    if (choosing)
        NomIngComboBox->setFocus();
}

bool TCadMedCas2Form::isFreeTarget(QWidget* next) const
{
    return next == NomIngComboBox || TRegisterForm::isFreeTarget(next);
}

void TCadMedCas2Form::NomIngComboBoxChange()
{
    // Any change of ingredient, by mouse or keyboard, shows the new
    // ingredient's measures at once: nothing can act on the previous one.
    ClearFields();
    if (isVisible() && loadMeasures())
        start(RegisterMode::Empty);
}

void TCadMedCas2Form::onFocusChanged(QWidget* old, QWidget* now)
{
    if (old == NomIngComboBox && isVisible() && now && now->window() == this)
        NomIngComboBoxExit(now);
}

void TCadMedCas2Form::NomIngComboBoxExit(QWidget* next)
{
    if (cs(NomIngComboBox->currentText()) != m_ingredient && !loadMeasures())
        return;
    if (next != LisBitBtn)
        start(RegisterMode::Empty);
}

bool TCadMedCas2Form::measureFree(bool forDelete, const QString& failure)
{
    const std::string measure = MedCasMaskEdit->coreText();
    const MeasureOperation operation = forDelete ? MeasureOperation::Delete : MeasureOperation::Change;
    return checkUnused(
        [&] {
            return scanMeasureUse(m_context.baseFolder, m_table.name, m_ingredient, measure, operation,
                                  progress());
        },
        measureInUseMessage(operation, measure), failure);
}

bool TCadMedCas2Form::checkChange()
{
    return measureFree(false, QStringLiteral("Erro durante a alteração!"));
}

bool TCadMedCas2Form::checkDelete()
{
    return measureFree(true, QStringLiteral("Erro durante exclusão!"));
}

QString TCadMedCas2Form::listCaption() const
{
    return QStringLiteral("MEDIDAS CASEIRAS - ") + qs(TrimTrailingSpaces(m_ingredient)) +
           QStringLiteral(" - (g/ml)");
}

QString TCadMedCas2Form::listItem(int record) const
{
    return qs(data().records()[record]);
}

void TCadMedCas2Form::AltNomBitBtnClick()
{
    renameCurrent(QStringLiteral("Altera nome da medida caseira"),
                  QStringLiteral("Nome da medida caseira já existe!"));
}

void TCadMedCas2Form::carryRename(const std::string& oldKey, const std::string& newKey, Transaction& changes)
{
    carryMeasureRename(m_context.baseFolder, m_table.name, m_ingredient, oldKey, newKey, changes, progress());
}

} // namespace treluza

#include "gui/preparations/CadTreluzaRotUnit.h"

#include "core/ingredients/IngredientEditing.h"
#include "core/lists/ListSetup.h"
#include "core/preparations/PreparationFiles.h"
#include "core/preparations/PreparationTotals.h"
#include "core/store/Collation.h"
#include "core/store/Cp1252.h"
#include "core/store/IniFile.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"
#include "gui/labels/CadRotUnit.h"
#include "gui/preparations/CadIngTreluzaUnit.h"
#include "gui/preparations/RecipeValues.h"
#include "gui/recipes/CadRecUnit.h"
#include "gui/reports/SelRelUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/DecimalEdit.h"
#include "gui/widgets/FormLayout.h"
#include "gui/widgets/GroupCombo.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/NameFilter.h"
#include "gui/widgets/QtText.h"

#include <QComboBox>
#include <QLabel>

namespace treluza {

namespace {

constexpr int kEditHeight = 22;

QString indexMask(int field)
{
    return qs(editMask(RecordKind::Index, field));
}

} // namespace

TCadTreluzaRotForm::TCadTreluzaRotForm(FormContext& context, QWidget* parent)
    : TRegisterForm(context, kPreparationRegister, parent),
      m_ingredients(std::make_unique<TCadIngTreluzaForm>(context)),
      m_method(std::make_unique<TCadRecForm>(context)), m_reports(std::make_unique<TSelRelForm>(context)),
      m_label(std::make_unique<TCadRotForm>(context))
{
    setUp({.name = "CadTreluzaRotForm",
           .title = QStringLiteral("Treluza"),
           .points = 8,
           .width = TRecipeValues::fullWidth(),
           .height = 264});
    const int top = buildButtonRow(80, 35);
    buildNameRow(top);
    values = new TRecipeValues(this);
    values->setGeometry(0, top + 58, TRecipeValues::fullWidth(), 180);
    connectFields();
    setTabOrderOfFields();
    connectButtons();
}

void TCadTreluzaRotForm::buildNameRow(int top)
{
    // The buttons of the other windows continue the button row.
    const struct {
        TBitBtn** button;
        const char* caption;
        const char* name;
    } more[] = {{&IngBitBtn, "&Ingredientes", "IngBitBtn"},
                {&RecBitBtn, "&Preparo", "RecBitBtn"},
                {&ImpTreluzaBitBtn, "Relatórios", "ImpTreluzaBitBtn"},
                {&ImpRotBitBtn, "Rótulo", "ImpRotBitBtn"}};
    const int x0 = 8 * 80;
    const int w = (width() - x0) / 4;
    for (std::size_t i = 0; i < std::size(more); ++i) {
        *more[i].button = new TBitBtn(QString::fromUtf8(more[i].caption), this);
        (*more[i].button)->setObjectName(QString::fromLatin1(more[i].name));
        (*more[i].button)->setGeometry(x0 + static_cast<int>(i) * w, 0, w, 35);
    }

    NomPreLabel = placeCaption(this, QStringLiteral("Nome da preparação"), QRect(8, top + 4, 200, 14));
    NomPreMaskEdit = placeMaskEdit(this, "NomPreMaskEdit", indexMask(IdxField::Name),
                                   QRect(8, top + 19, 330, kEditHeight));
    installNameFilter(*NomPreMaskEdit);
    AltNomBitBtn = new TBitBtn(QString(), glyph(QStringLiteral("altera")), this);
    AltNomBitBtn->setObjectName(QStringLiteral("AltNomBitBtn"));
    AltNomBitBtn->setToolTip(QStringLiteral("Altera nome da preparação"));
    AltNomBitBtn->setGeometry(342, top + 18, 28, 24);

    placeCaption(this, QStringLiteral("Data"), QRect(386, top + 4, 90, 14));
    DatPreMaskEdit = placeMaskEdit(this, "DatPreMaskEdit", indexMask(IdxField::Date),
                                   QRect(386, top + 19, 92, kEditHeight));
    DatPreMaskEdit->setFont(fixedPitchFont(9));

    placeCaption(this, QStringLiteral("Grupo da Preparação"), QRect(494, top + 4, 200, 14));
    NomGruPreComboBox = new QComboBox(this);
    NomGruPreComboBox->setObjectName(QStringLiteral("NomGruPreComboBox"));
    NomGruPreComboBox->setEditable(false);
    NomGruPreComboBox->setGeometry(494, top + 18, 300, kEditHeight + 2);
    LimNomGruPreBitBtn = new TBitBtn(QStringLiteral("X"), this);
    LimNomGruPreBitBtn->setObjectName(QStringLiteral("LimNomGruPreBitBtn"));
    LimNomGruPreBitBtn->setToolTip(QStringLiteral("Limpa o campo \"Grupo da Treluza\""));
    LimNomGruPreBitBtn->setGeometry(798, top + 18, 26, kEditHeight + 2);
}

void TCadTreluzaRotForm::connectFields()
{
    installDecimalBehaviour(*values->RenPesMaskEdit);
    installDecimalBehaviour(*values->RenColSopMaskEdit);
    for (TMaskEdit* e :
         {DatPreMaskEdit, values->RenPesMaskEdit, values->NumPorMaskEdit, values->RenColSopMaskEdit})
        connect(e, &TMaskEdit::Change, this, [this] {
            if (!m_showing)
                markUnsaved();
        });
    connect(NomGruPreComboBox, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_showing)
            markUnsaved();
    });
    connect(NomPreMaskEdit, &TMaskEdit::Exit, this, &TCadTreluzaRotForm::NomPreMaskEditExit);
    connect(DatPreMaskEdit, &TMaskEdit::Exit, this, &TCadTreluzaRotForm::DatPreMaskEditExit);
    connect(values->RenPesMaskEdit, &TMaskEdit::Exit, this, &TCadTreluzaRotForm::RenPesMaskEditExit);
    connect(values->NumPorMaskEdit, &TMaskEdit::Exit, this, &TCadTreluzaRotForm::NumPorMaskEditExit);
    connect(values->RenColSopMaskEdit, &TMaskEdit::Exit, this, &TCadTreluzaRotForm::RenColSopMaskEditExit);
    connect(LimNomGruPreBitBtn, &TBitBtn::clicked, this, &TCadTreluzaRotForm::LimNomGruPreBitBtnClick);
    connect(AltNomBitBtn, &TBitBtn::clicked, this, &TCadTreluzaRotForm::AltNomBitBtnClick);
    connect(IngBitBtn, &TBitBtn::clicked, this, &TCadTreluzaRotForm::IngBitBtnClick);
    connect(RecBitBtn, &TBitBtn::clicked, this, &TCadTreluzaRotForm::RecBitBtnClick);
    connect(ImpTreluzaBitBtn, &TBitBtn::clicked, this, &TCadTreluzaRotForm::ImpTreluzaBitBtnClick);
    connect(ImpRotBitBtn, &TBitBtn::clicked, this, &TCadTreluzaRotForm::ImpRotBitBtnClick);
}

void TCadTreluzaRotForm::setTabOrderOfFields()
{
    // The order Enter and Tab follow.
    chainTabOrderWithButtons({NomPreMaskEdit, DatPreMaskEdit, LimNomGruPreBitBtn, NomGruPreComboBox,
                              IngBitBtn, RecBitBtn, ImpTreluzaBitBtn, ImpRotBitBtn, values->RenPesMaskEdit,
                              values->NumPorMaskEdit, values->RenColSopMaskEdit},
                             {AltNomBitBtn});
}

TMaskEdit* TCadTreluzaRotForm::valueEdit(int field) const
{
    return field == IdxField::Date ? DatPreMaskEdit : values->edit(field);
}

void TCadTreluzaRotForm::handOver(const ActiveTable& table)
{
    m_table = table;
}

TCadTreluzaRotForm::~TCadTreluzaRotForm() = default;

void TCadTreluzaRotForm::FormActivate()
{
    setWindowTitle(QStringLiteral("CADASTRO DE PREPARAÇÕES - TABELA ATIVA : ") +
                   qs(TrimTrailingSpaces(m_table.name)));
    if (!loadRegisterFile(
            [this] { return ensureFile(PreparationIndexPath(m_context.baseFolder, m_table.name)); }))
        return;
    loadGroups();
    if (isVisible())
        start(RegisterMode::Empty);
}

void TCadTreluzaRotForm::loadGroups()
{
    if (!loadGroupCombo(*this, *NomGruPreComboBox, m_groups, [this] {
            return ensureFile(PreparationGroupFilePath(m_context.baseFolder, m_table.name));
        }))
        cycleData().release();
}

IndexFields TCadTreluzaRotForm::editFields() const
{
    IndexFields f = blankIndex(NomPreMaskEdit->coreText());
    for (int n = 2; n <= IdxField::Count; ++n) {
        if (const TMaskEdit* e = valueEdit(n))
            f[n] = e->coreText();
    }
    const int group = NomGruPreComboBox->currentIndex();
    f[IdxField::Group] =
        group >= 0 && group < static_cast<int>(m_groups.size()) ? m_groups[group] : std::string();
    return f;
}

void TCadTreluzaRotForm::showFields(const IndexFields& fields)
{
    m_showing = true;
    for (int n = 2; n <= IdxField::Count; ++n) {
        if (TMaskEdit* e = valueEdit(n))
            e->setCoreText(fields[n]);
    }
    m_showing = false;
}

std::string TCadTreluzaRotForm::MakeLine()
{
    return joinFields(editFields());
}

void TCadTreluzaRotForm::ShowCurrent()
{
    const int current = cycleData().current();
    if (current < 0 || current >= cycleData().count()) {
        ClearFields();
        return;
    }
    const IndexFields f = readIndex(cycleData().records()[current]);
    // The progress window follows the fields as they are shown.
    ProgressScope bar(progress(), 52);
    NomPreMaskEdit->setCoreText(f[IdxField::Name]);
    showFields(f);
    bar.position(IdxField::SpoonCost);
    m_showing = true;
    NomGruPreComboBox->setCurrentIndex(entryOf(m_groups, f[IdxField::Group]));
    m_showing = false;
    bar.position(IdxField::Date);
    clearUnsaved();
}

void TCadTreluzaRotForm::ClearFields()
{
    NomPreMaskEdit->clearText();
    showFields(blankIndex(""));
    m_showing = true;
    NomGruPreComboBox->setCurrentIndex(-1);
    m_showing = false;
    clearUnsaved();
}

void TCadTreluzaRotForm::EnableRecordFields(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{AltNomBitBtn, values->RenPesMaskEdit,
                                                      values->NumPorMaskEdit, values->RenColSopMaskEdit,
                                                      LimNomGruPreBitBtn, NomGruPreComboBox, DatPreMaskEdit})
        w->setEnabled(on);
    for (TBitBtn* b : {IngBitBtn, RecBitBtn, ImpTreluzaBitBtn, ImpRotBitBtn})
        b->setEnabled(on);
}

void TCadTreluzaRotForm::ApplyMode()
{
    if (mode() == RegisterMode::Deleting || mode() == RegisterMode::Changing)
        return;
    applyCommonMode();
    EnableRecordFields(mode() == RegisterMode::Inserting || mode() == RegisterMode::Showing);
    AltNomBitBtn->setEnabled(mode() == RegisterMode::Showing);
    if (mode() != RegisterMode::Empty)
        DatPreMaskEdit->setFocus();
}

QString TCadTreluzaRotForm::listCaption() const
{
    return QStringLiteral("LISTA DE PREPARAÇÕES");
}

std::optional<int> TCadTreluzaRotForm::pickFromList()
{
    if (cycleData().empty()) {
        tell(QStringLiteral("Não existem registros no arquivo!"));
        return std::nullopt;
    }
    return m_context.viewer.showList(preparationListSetup(m_table.name, cycleData().current(), m_groups,
                                                          cycleData().list(),
                                                          fieldWidth(RecordKind::Index, IdxField::Yield)));
}

bool TCadTreluzaRotForm::acceptNewKey(const std::string& key)
{
    // The name also names the preparation's three files.
    return acceptNameFor(NameUse::Preparation, key);
}

void TCadTreluzaRotForm::focusFields()
{
    values->RenPesMaskEdit->setFocus();
}

void TCadTreluzaRotForm::carryDelete(const std::string& key, Transaction& changes)
{
    deletePreparationFiles(m_context.baseFolder, m_table.name, key, changes);
}

void TCadTreluzaRotForm::carryRename(const std::string& oldKey, const std::string& newKey,
                                     Transaction& changes)
{
    movePreparationFiles(m_context.baseFolder, m_table.name, oldKey, newKey, changes);
}

void TCadTreluzaRotForm::DatPreMaskEditExit(QWidget*)
{
    const std::string text = DatPreMaskEdit->coreText();
    if (text == blankField(RecordKind::Index, IdxField::Date) || isValidPreparationDate(text))
        return;
    tell(QStringLiteral("Data inválida!"));
    DatPreMaskEdit->setFocus();
}

void TCadTreluzaRotForm::RenPesMaskEditExit(QWidget*)
{
    IndexFields f = editFields();
    leaveYield(f);
    showFields(f);
}

void TCadTreluzaRotForm::NumPorMaskEditExit(QWidget*)
{
    IndexFields f = editFields();
    DialogMessageSink messages;
    const bool accepted = leavePortions(f, messages);
    showFields(f);
    if (!accepted)
        values->NumPorMaskEdit->setFocus();
}

void TCadTreluzaRotForm::RenColSopMaskEditExit(QWidget*)
{
    IndexFields f = editFields();
    leaveTablespoon(f);
    showFields(f);
}

void TCadTreluzaRotForm::LimNomGruPreBitBtnClick()
{
    if (!ask(QStringLiteral("Limpa o campo \"Grupo da Treluza\"?")))
        return;
    if (NomGruPreComboBox->currentIndex() >= 0) {
        NomGruPreComboBox->setCurrentIndex(-1);
        markUnsaved();
    }
}

void TCadTreluzaRotForm::AltNomBitBtnClick()
{
    renameCurrent(QStringLiteral("Altera nome da preparação"),
                  QStringLiteral("Nome da preparação já existe!"));
}

bool TCadTreluzaRotForm::storeBeforeOpening()
{
    return !unsaved() || storeSilently(false);
}

void TCadTreluzaRotForm::IngBitBtnClick()
{
    if (!storeBeforeOpening())
        return;
    m_ingredients->handOver(m_table, NomPreMaskEdit->coreText(), cycleData(), m_groups);
    m_ingredients->openModal();
    // The index line now holds the whole-recipe values of the lines; the
    // shares follow them, and the index is written.
    cycleData().replaceCurrent(m_ingredients->indexLine());
    ShowCurrent();
    IndexFields f = editFields();
    ComputePerCapita(f);
    ComputePerTablespoon(f);
    showFields(f);
    storeSilently(false);
    ApplyMode();
    values->RenPesMaskEdit->setFocus();
}

void TCadTreluzaRotForm::RecBitBtnClick()
{
    if (!storeBeforeOpening())
        return;
    m_method->handOver(m_table.name, NomPreMaskEdit->coreText());
    m_method->openModal();
    ApplyMode();
}

void TCadTreluzaRotForm::ImpTreluzaBitBtnClick()
{
    if (!storeBeforeOpening())
        return;
    m_reports->handOver(cycleData().records()[cycleData().current()], m_table.name,
                        NomPreMaskEdit->coreText());
    m_reports->openModal();
    ApplyMode();
}

void TCadTreluzaRotForm::ImpRotBitBtnClick()
{
    if (!storeBeforeOpening())
        return;
    m_label->handOver(m_table.name, NomPreMaskEdit->coreText(), cycleData().records()[cycleData().current()]);
    m_label->openModal();
    ApplyMode();
}

} // namespace treluza

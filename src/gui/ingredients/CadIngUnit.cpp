#include "gui/ingredients/CadIngUnit.h"

#include "core/ingredients/IngredientEditing.h"
#include "core/records/IngredientRecord.h"
#include "core/store/Collation.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"
#include "core/tables/TableRegistry.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/DecimalEdit.h"
#include "gui/widgets/FormLayout.h"
#include "gui/widgets/GroupCombo.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/NameFilter.h"
#include "gui/widgets/QtText.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>

namespace treluza {

namespace {

constexpr int kColumnWidth = 320;
constexpr int kRowHeight = 50;
constexpr int kCaptionHeight = 15;
constexpr int kEditHeight = 22;

} // namespace

TCadIngForm::TCadIngForm(FormContext& context, QWidget* parent)
    : TRegisterForm(context, kIngredientRegister, parent)
{
    setUp({.name = "CadIngForm",
           .title = QStringLiteral("Cadastro de Ingredientes"),
           .points = 8,
           .width = 640,
           .height = 435});
    const int top = buildButtonRow(80, 35);
    buildValueRows(top);
    buildCostAndGroup(top);
    m_valueEdits = {kalMaskEdit, CHOMaskEdit, PTNMaskEdit,   LipMaskEdit, SATMaskEdit,
                    COLMaskEdit, FibMaskEdit, CalMaskEdit,   FerMaskEdit, SODMaskEdit,
                    FCMaskEdit,  FCCMaskEdit, CusUniMaskEdit};
    m_sourceEdits = {KALFonMaskEdit, CHOFonMaskEdit, PTNFonMaskEdit, LipFonMaskEdit, SatFonMaskEdit,
                     ColFonMaskEdit, FibFonMaskEdit, CalFonMaskEdit, FerFonMaskEdit, SodFonMaskEdit,
                     FCFonMaskEdit,  FCCFonMaskEdit, CusFonMaskEdit};
    connectEdits();
    setTabOrderOfFields();
    connectButtons();
    connect(AltNomBitBtn, &TBitBtn::clicked, this, &TCadIngForm::AltNomBitBtnClick);
    connect(LimNomGruBitBtn, &TBitBtn::clicked, this, &TCadIngForm::LimNomGruBitBtnClick);
    connect(IngMaskEdit, &TMaskEdit::Exit, this, &TCadIngForm::IngMaskEditExit);
    connect(DatCotMaskEdit, &TMaskEdit::Exit, this, &TCadIngForm::DatCotMaskEditExit);
}

QLabel* TCadIngForm::caption(const QString& text, int x, int y, int width, Qt::Alignment align)
{
    return placeCaption(this, text, QRect(x, y, width, kCaptionHeight), align);
}

TMaskEdit* TCadIngForm::edit(const char* name, const QString& mask, int x, int y, int width)
{
    return placeMaskEdit(this, name, mask, QRect(x, y, width, kEditHeight));
}

void TCadIngForm::buildValueRows(int top)
{
    IngLabel = caption(QStringLiteral("Ingrediente ( 100 gramas )"), 8, top + 3, 300);
    IngMaskEdit = edit("IngMaskEdit", qs(editMask(RecordKind::Ingredient, IngField::Name)), 8,
                       top + 3 + kCaptionHeight, 590);
    installNameFilter(*IngMaskEdit);
    AltNomBitBtn = new TBitBtn(QString(), glyph(QStringLiteral("altera")), this);
    AltNomBitBtn->setObjectName(QStringLiteral("AltNomBitBtn"));
    AltNomBitBtn->setToolTip(QStringLiteral("Altera nome do ingrediente"));
    AltNomBitBtn->setGeometry(604, top + 2 + kCaptionHeight, 28, 24);

    struct Row {
        TMaskEdit** value;
        const char* valueName;
        TMaskEdit** source;
        const char* sourceName;
        const char* caption;
        int field;
    };
    const Row rows[] = {
        {&kalMaskEdit, "kalMaskEdit", &KALFonMaskEdit, "KALFonMaskEdit", "Calorias (KCal)", IngField::Energy},
        {&CHOMaskEdit, "CHOMaskEdit", &CHOFonMaskEdit, "CHOFonMaskEdit", "Glicídios (g)",
         IngField::Carbohydrate},
        {&PTNMaskEdit, "PTNMaskEdit", &PTNFonMaskEdit, "PTNFonMaskEdit", "Proteínas (g)", IngField::Protein},
        {&LipMaskEdit, "LipMaskEdit", &LipFonMaskEdit, "LipFonMaskEdit", "Gordura total (g)",
         IngField::TotalFat},
        {&SATMaskEdit, "SATMaskEdit", &SatFonMaskEdit, "SatFonMaskEdit", "Gordura Saturada (g)",
         IngField::SaturatedFat},
        {&COLMaskEdit, "COLMaskEdit", &ColFonMaskEdit, "ColFonMaskEdit", "Colesterol (mg)",
         IngField::Cholesterol},
        {&FibMaskEdit, "FibMaskEdit", &FibFonMaskEdit, "FibFonMaskEdit", "Fibra (g)", IngField::Fibre},
        {&CalMaskEdit, "CalMaskEdit", &CalFonMaskEdit, "CalFonMaskEdit", "Cálcio (mg)", IngField::Calcium},
        {&FerMaskEdit, "FerMaskEdit", &FerFonMaskEdit, "FerFonMaskEdit", "Ferro (mg)", IngField::Iron},
        {&SODMaskEdit, "SODMaskEdit", &SodFonMaskEdit, "SodFonMaskEdit", "Sódio (mg)", IngField::Sodium},
        {&FCMaskEdit, "FCMaskEdit", &FCFonMaskEdit, "FCFonMaskEdit", "F.C", IngField::FC},
        {&FCCMaskEdit, "FCCMaskEdit", &FCCFonMaskEdit, "FCCFonMaskEdit", "F.C.C.", IngField::FCC},
    };
    const QFont numbers = fixedPitchFont(9);
    const int rowsTop = top + 49;
    // Seven rows on the left (energy to fibre), then the right column.
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        const int column = i < 7 ? 0 : 1;
        const int x = column * kColumnWidth + 8;
        const int y = rowsTop + static_cast<int>(column == 0 ? i : i - 7) * kRowHeight;
        caption(QString::fromUtf8(r.caption), x, y, 160);
        caption(QStringLiteral("Fonte do dado"), x + 160, y, 144, Qt::AlignRight);
        *r.value =
            edit(r.valueName, qs(editMask(RecordKind::Ingredient, r.field)), x, y + kCaptionHeight, 74);
        (*r.value)->setFont(numbers);
        *r.source = edit(r.sourceName, QString(), x + 78, y + kCaptionHeight, 226);
    }
}

void TCadIngForm::buildCostAndGroup(int top)
{
    const QFont numbers = fixedPitchFont(9);
    const int rowsTop = top + 49;
    // The unit cost with its date and source.
    const int x = kColumnWidth + 8;
    int y = rowsTop + 5 * kRowHeight;
    caption(QStringLiteral("Custo ($/1kg)"), x, y, 90);
    caption(QStringLiteral("Data cotação"), x + 86, y, 80);
    caption(QStringLiteral("Fonte do dado"), x + 160, y, 144, Qt::AlignRight);
    CusUniMaskEdit = edit("CusUniMaskEdit", qs(editMask(RecordKind::Ingredient, IngField::UnitCost)), x,
                          y + kCaptionHeight, 82);
    CusUniMaskEdit->setFont(numbers);
    DatCotMaskEdit = edit("DatCotMaskEdit", qs(editMask(RecordKind::Ingredient, IngField::QuoteDate)), x + 86,
                          y + kCaptionHeight, 72);
    DatCotMaskEdit->setFont(numbers);
    CusFonMaskEdit = edit("CusFonMaskEdit", QString(), x + 162, y + kCaptionHeight, 142);
    CusFonMaskEdit->setMaxLength(fieldWidth(RecordKind::Ingredient, IngField::LastSource));

    y += kRowHeight;
    caption(QStringLiteral("Grupo"), x, y, 160);
    NomGruComboBox = new QComboBox(this);
    NomGruComboBox->setObjectName(QStringLiteral("NomGruComboBox"));
    NomGruComboBox->setEditable(false);
    NomGruComboBox->setGeometry(x, y + kCaptionHeight, 230, kEditHeight + 2);
    LimNomGruBitBtn = new TBitBtn(QStringLiteral("X"), this);
    LimNomGruBitBtn->setObjectName(QStringLiteral("LimNomGruBitBtn"));
    LimNomGruBitBtn->setToolTip(QStringLiteral("Limpa campo Grupo"));
    LimNomGruBitBtn->setGeometry(x + 234, y + kCaptionHeight, 26, kEditHeight + 2);
}

void TCadIngForm::connectEdits()
{
    // The decimal behaviour first, so that the window's own exit handlers see
    // the normalised text.
    for (std::size_t i = 0; i < m_valueEdits.size(); ++i) {
        TMaskEdit* e = m_valueEdits[i];
        installDecimalBehaviour(*e);
        connect(e, &TMaskEdit::Change, this, [this] { markUnsaved(); });
        const int field = kValueFields[i];
        connect(e, &TMaskEdit::Exit, this,
                [this, e, field](QWidget*) { m_values.setCurrent(field, e->coreText()); });
    }
    connect(DatCotMaskEdit, &TMaskEdit::Change, this, [this] { markUnsaved(); });
    for (TMaskEdit* e : m_sourceEdits) {
        installNameFilter(*e);
        connect(e, &TMaskEdit::Change, this, [this] { markUnsaved(); });
    }
    connect(NomGruComboBox, &QComboBox::currentIndexChanged, this, [this] { markUnsaved(); });
}

void TCadIngForm::setTabOrderOfFields()
{
    // The order Enter and Tab follow.
    std::vector<QWidget*> order = {AltNomBitBtn, IngMaskEdit};
    for (std::size_t i = 0; i < 12; ++i) {
        order.push_back(m_valueEdits[i]);
        order.push_back(m_sourceEdits[i]);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{CusUniMaskEdit, DatCotMaskEdit, CusFonMaskEdit,
                                                      LimNomGruBitBtn, NomGruComboBox})
        order.push_back(w);
    chainTabOrderWithButtons(order);
}

void TCadIngForm::handOver(const ActiveTable& table)
{
    m_table = table;
}

void TCadIngForm::FormActivate()
{
    setWindowTitle(QStringLiteral("CADASTRO DE INGREDIENTES - TABELA ATIVA : ") +
                   qs(TrimTrailingSpaces(m_table.name)));
    if (!loadRegisterFile(
            [this] { return ensureFile(IngredientFilePath(m_context.baseFolder, m_table.name)); }, true))
        return;
    if (!loadGroups())
        return;
    // A table open for consultation only shows its first ingredient at once.
    start(m_table.editable ? RegisterMode::Empty : RegisterMode::Consulting);
}

bool TCadIngForm::loadGroups()
{
    const bool read = loadGroupCombo(*this, *NomGruComboBox, m_groups, [this] {
        return ensureFile(IngredientGroupFilePath(m_context.baseFolder, m_table.name));
    });
    if (!read)
        cycleData().release();
    return read;
}

IngredientFields TCadIngForm::editFields()
{
    // A value edit not left yet (a mnemonic pressed in it) is normalised as
    // leaving it would.
    for (TMaskEdit* e : m_valueEdits) {
        if (QApplication::focusWidget() == e)
            normaliseDecimalEdit(*e);
    }
    IngredientFields f;
    f[IngField::Name] = IngMaskEdit->coreText();
    for (std::size_t i = 0; i < m_valueEdits.size(); ++i)
        f[kValueFields[i]] = m_valueEdits[i]->coreText();
    const int group = NomGruComboBox->currentIndex();
    f[IngField::Group] =
        group >= 0 && group < static_cast<int>(m_groups.size()) ? m_groups[group] : std::string();
    f[IngField::QuoteDate] = DatCotMaskEdit->coreText();
    for (std::size_t i = 0; i < m_sourceEdits.size(); ++i)
        f[IngField::FirstSource + static_cast<int>(i)] = m_sourceEdits[i]->coreText();
    return f;
}

std::string TCadIngForm::MakeLine()
{
    const IngredientFields f = editFields();
    m_values.takeCurrent(f);
    return ingredientRecordLine(f);
}

void TCadIngForm::ShowCurrent()
{
    const int current = cycleData().current();
    if (current < 0 || current >= cycleData().count()) {
        ClearFields();
        return;
    }
    const IngredientFields f = readIngredient(cycleData().records()[current]);
    IngMaskEdit->setCoreText(f[IngField::Name]);
    for (std::size_t i = 0; i < m_valueEdits.size(); ++i)
        m_valueEdits[i]->setCoreText(f[kValueFields[i]]);
    NomGruComboBox->setCurrentIndex(entryOf(m_groups, f[IngField::Group]));
    DatCotMaskEdit->setCoreText(f[IngField::QuoteDate]);
    const auto sources = shownSources(f, m_table.editable, TrimTrailingSpaces(m_table.name));
    for (std::size_t i = 0; i < m_sourceEdits.size(); ++i)
        m_sourceEdits[i]->setCoreText(sources[i]);
    m_values.show(f);
    clearUnsaved();
}

void TCadIngForm::ClearFields()
{
    IngMaskEdit->clearText();
    for (TMaskEdit* e : m_valueEdits)
        e->clearText();
    DatCotMaskEdit->clearText();
    for (TMaskEdit* e : m_sourceEdits)
        e->clearText();
    NomGruComboBox->setCurrentIndex(-1);
    m_values.show(editFields());
    clearUnsaved();
}

void TCadIngForm::EnableValueFields(bool on)
{
    for (TMaskEdit* e : m_valueEdits)
        e->setEnabled(on);
    for (TMaskEdit* e : m_sourceEdits)
        e->setEnabled(on);
    DatCotMaskEdit->setEnabled(on);
    NomGruComboBox->setEnabled(on);
    LimNomGruBitBtn->setEnabled(on);
    AltNomBitBtn->setEnabled(on);
}

void TCadIngForm::ApplyMode()
{
    const bool open = mode() == RegisterMode::Inserting || mode() == RegisterMode::Showing;
    applyCommonMode();
    EnableValueFields(open);
    AltNomBitBtn->setEnabled(mode() == RegisterMode::Showing);
    if (open)
        kalMaskEdit->setFocus();
}

QString TCadIngForm::listCaption() const
{
    return QStringLiteral("LISTA DE INGREDIENTES");
}

std::optional<int> TCadIngForm::pickFromList()
{
    // An ingredient copied there is in the ingredient file when the browser
    // returns, and goes into the records here.
    const std::optional<int> picked = applyBrowse(
        cycleData().list(), m_context.browser.browse(m_table, cycleData().list(), cycleData().current()));
    if (!loadGroups()) // a copy may have added a group
        return std::nullopt;
    // With no row selected nothing valid was picked: the register goes Empty
    // (a copy may have moved the records, so the shown one is not kept).
    return picked.value_or(-1);
}

bool TCadIngForm::acceptNewKey(const std::string& key)
{
    // The name also names the ingredient's measure file.
    return acceptNameFor(NameUse::Ingredient, key);
}

bool TCadIngForm::refusedForConsultation()
{
    if (m_table.editable)
        return false;
    tellCore(consultationOnlyMessage(m_table.name));
    return true;
}

bool TCadIngForm::checkInsert()
{
    return !refusedForConsultation();
}

bool TCadIngForm::checkChange()
{
    if (refusedForConsultation())
        return false;
    // The warning only informs; the question follows whatever it found.
    m_context.usage.ScanIngredientUse(m_table.name, IngMaskEdit->coreText());
    return true;
}

bool TCadIngForm::checkDelete()
{
    return checkChange();
}

void TCadIngForm::focusFields()
{
    if (m_table.editable)
        kalMaskEdit->setFocus();
}

void TCadIngForm::carryChange(const RegisterData&, Transaction& changes)
{
    PropagateChange(m_context.baseFolder, m_table.name, m_values.change(IngMaskEdit->coreText()), changes,
                    progress());
}

void TCadIngForm::carryDelete(const std::string& key, Transaction& changes)
{
    PropagateDelete(m_context.baseFolder, m_table.name, key, changes, progress());
    deleteMeasureFile(m_context.baseFolder, m_table.name, key, changes);
}

void TCadIngForm::carryRename(const std::string& oldKey, const std::string& newKey, Transaction& changes)
{
    moveMeasureFile(m_context.baseFolder, m_table.name, oldKey, newKey, changes);
    carryIngredientRename(m_context.baseFolder, m_table.name, oldKey, newKey, changes, progress());
    // Values stored with the rename reach the preparations like a change.
    if (m_values.changed())
        PropagateChange(m_context.baseFolder, m_table.name, m_values.change(newKey), changes, progress());
}

void TCadIngForm::stored()
{
    m_values.markStored();
}

void TCadIngForm::DatCotMaskEditExit(QWidget*)
{
    const std::string text = DatCotMaskEdit->coreText();
    m_values.setCurrent(IngField::QuoteDate, text);
    if (text == blankField(RecordKind::Ingredient, IngField::QuoteDate) || isValidQuoteDate(text))
        return;
    tell(QStringLiteral("Data inválida!"));
    DatCotMaskEdit->setFocus();
}

void TCadIngForm::LimNomGruBitBtnClick()
{
    if (!ask(QStringLiteral("Limpa o campo \"Grupo\"?")))
        return;
    if (NomGruComboBox->currentIndex() >= 0) {
        NomGruComboBox->setCurrentIndex(-1);
        markUnsaved();
    }
}

void TCadIngForm::AltNomBitBtnClick()
{
    if (!m_table.editable)
        return;
    renameCurrent(QStringLiteral("Altera nome do ingrediente"),
                  QStringLiteral("Já existe um ingrediente com o novo nome!"));
}

} // namespace treluza

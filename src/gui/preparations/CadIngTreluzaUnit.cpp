#include "gui/preparations/CadIngTreluzaUnit.h"

#include "core/lists/ListSetup.h"
#include "core/preparations/PreparationLines.h"
#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/IniFile.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"
#include "gui/preparations/LinePanel.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/DecimalEdit.h"
#include "gui/widgets/FormLayout.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/QtText.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>

namespace treluza {

TCadIngTreluzaForm::TCadIngTreluzaForm(FormContext& context, QWidget* parent)
    : TRegisterForm(context, kPreparationLines, parent)
{
    setUp({.name = "CadIngTreluzaForm",
           .title = QStringLiteral("Ingredientes da Preparação"),
           .points = 8,
           .width = 812,
           .height = 664});
    const int top = buildButtonRow(80, 35);
    CopBitBtn = new TBitBtn(QStringLiteral("&Copia"), this);
    CopBitBtn->setObjectName(QStringLiteral("CopBitBtn"));
    CopBitBtn->setGeometry(640, 0, 80, 35);
    buildHead(top);
    linePanel = new TLinePanel(this);
    linePanel->setGeometry(0, top + 92, 812, 256);
    buildList(top + 350);
    setTabOrderOfFields();
    connectButtons();
    connect(linePanel, &TLinePanel::edited, this, [this] { markUnsaved(); });
    connect(linePanel, &TLinePanel::rawLeft, this, [this](QWidget* next) {
        // From the raw weight the focus goes to "&Grava", not into the list.
        if (next == IngTreluzaListBox)
            GraBitBtn->setFocus();
    });
    connect(NomIngComboBox, &QComboBox::activated, this, &TCadIngTreluzaForm::NomIngComboBoxClick);
    connect(TabBitBtn, &TBitBtn::clicked, this, &TCadIngTreluzaForm::TabBitBtnClick);
    connect(CopBitBtn, &TBitBtn::clicked, this, &TCadIngTreluzaForm::CopBitBtnClick);
    connect(IngTreluzaListBox, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { IngTreluzaListBoxClick(IngTreluzaListBox->row(item)); });
    connect(qApp, &QApplication::focusChanged, this, &TCadIngTreluzaForm::onFocusChanged);
}

TCadIngTreluzaForm::~TCadIngTreluzaForm()
{
    // The focus moves while the window takes its children down.
    disconnect(qApp, nullptr, this, nullptr);
}

void TCadIngTreluzaForm::buildHead(int top)
{
    placeCaption(this, QStringLiteral("Nome da Preparação"), QRect(8, top + 4, 200, 14));
    NomPreMaskEdit = placeMaskEdit(this, "NomPreMaskEdit", qs(editMask(RecordKind::Index, IdxField::Name)),
                                   QRect(8, top + 18, 360, 22));
    NomPreMaskEdit->setEnabled(false);
    placeCaption(this, QStringLiteral("Seleciona Ingrediente"), QRect(8, top + 46, 200, 14));
    TabBitBtn = new TBitBtn(QStringLiteral("..."), this);
    TabBitBtn->setObjectName(QStringLiteral("TabBitBtn"));
    TabBitBtn->setToolTip(QStringLiteral("Consulta Tabelas"));
    TabBitBtn->setGeometry(8, top + 60, 28, 24);
    NomIngComboBox = new QComboBox(this);
    NomIngComboBox->setObjectName(QStringLiteral("NomIngComboBox"));
    NomIngComboBox->setEditable(false);
    NomIngComboBox->setMaxVisibleItems(20);
    NomIngComboBox->setGeometry(40, top + 60, 520, 24);
}

void TCadIngTreluzaForm::buildList(int top)
{
    // The header, the rows and the totals in one fixed-pitch font, so that
    // the columns stand under one another.
    const QFont fixed = fixedPitchFont(8);
    constexpr int kTextInset = 4; // the list's frame and item margin
    CabLabel = placeCaption(this, qs(HeaderRow()), QRect(8 + kTextInset, top, 796 - kTextInset, 16));
    CabLabel->setFont(fixed);
    IngTreluzaListBox = new QListWidget(this);
    IngTreluzaListBox->setObjectName(QStringLiteral("IngTreluzaListBox"));
    IngTreluzaListBox->setFont(fixed);
    IngTreluzaListBox->setUniformItemSizes(true);
    IngTreluzaListBox->setGeometry(8, top + 16, 796, 240);
    RodLabel = placeCaption(this, QString(), QRect(8 + kTextInset, top + 258, 796 - kTextInset, 16));
    RodLabel->setFont(fixed);
    RodLabel->setObjectName(QStringLiteral("RodLabel"));
}

void TCadIngTreluzaForm::setTabOrderOfFields()
{
    // The order Enter and Tab follow: a quantity left turns into a net
    // weight, whose own chain runs when the net weight is left next.
    chainTabOrderWithButtons({TabBitBtn, NomIngComboBox, linePanel->LimNomMedCasBitBtn,
                              linePanel->NomMedCasComboBox, linePanel->QuaMedCasMaskEdit,
                              linePanel->PesLiqMaskEdit, linePanel->PesBruMaskEdit, linePanel->PesCozMaskEdit,
                              linePanel->PesCruMaskEdit, IngTreluzaListBox},
                             {CopBitBtn});
}

void TCadIngTreluzaForm::handOver(const ActiveTable& table, const std::string& preparation,
                                  const RegisterData& index, const std::vector<std::string>& groups)
{
    m_table = table;
    m_preparation = preparation;
    m_index = index;
    m_groups = groups;
}

const std::string& TCadIngTreluzaForm::indexLine() const
{
    return m_index.records()[m_index.current()];
}

void TCadIngTreluzaForm::FormActivate()
{
    setWindowTitle(QStringLiteral("INCLUSÃO DE INGREDIENTES NA PREPARAÇÃO - TABELA ATIVA : ") +
                   qs(TrimTrailingSpaces(m_table.name)));
    NomPreMaskEdit->setCoreText(m_preparation);
    if (!loadRegisterFile([this] {
            return ensureFile(PreparationFilePath(m_context.baseFolder, m_table.name, m_preparation));
        }))
        return;
    try {
        LoadScrambledFile(ensureFile(IngredientFilePath(m_context.baseFolder, m_table.name)), m_ingredients,
                          progress());
    } catch (const StoreError& e) {
        tellStoreError(e);
        close();
        return;
    }
    refillIngredients();
    // The whole-recipe values follow the lines as they are on disk.
    DialogMessageSink messages;
    std::string line = indexLine();
    m_totals = UpdateTotals(cycleData().records(), line, messages);
    m_index.replaceCurrent(line);
    refreshRows();
    start(RegisterMode::Empty);
}

QWidget* TCadIngTreluzaForm::keyControl()
{
    return NomIngComboBox;
}

std::string TCadIngTreluzaForm::keyText()
{
    return cs(NomIngComboBox->currentText());
}

IngredientFields TCadIngTreluzaForm::chosenIngredient() const
{
    if (m_chosenIngredient < 0 || m_chosenIngredient >= m_ingredients.count())
        return blankIngredient("");
    return readIngredient(m_ingredients[m_chosenIngredient]);
}

std::string TCadIngTreluzaForm::MakeLine()
{
    return joinFields(linePanel->edits(keyText()).line);
}

void TCadIngTreluzaForm::chooseLineIngredient()
{
    const int current = cycleData().current();
    if (current < 0 || current >= cycleData().count())
        return;
    m_chosenIngredient = m_ingredients.findKey(keyOf(cycleData().records()[current]));
    LoadIngredientDefaults();
}

void TCadIngTreluzaForm::ShowCurrent()
{
    const int current = cycleData().current();
    if (current < 0 || current >= cycleData().count()) {
        ClearFields();
        return;
    }
    chooseLineIngredient();
    LineEdits e;
    e.line = readLine(cycleData().records()[current]);
    m_showing = true;
    NomIngComboBox->setCurrentIndex(m_chosenIngredient);
    m_showing = false;
    // A stored measure that is no longer in the measure file shows as none.
    const int measure = linePanel->chooseMeasure(e.line[LineField::Measure]);
    if (measure < 0)
        e.line[LineField::Quantity] = blankField(RecordKind::Line, LineField::Quantity);
    e.measureWeight = linePanel->weightOfMeasure(measure);
    linePanel->show(e);
    // The rows stay as they are, so that the shown line's row stays selected.
    refreshTotalsRow();
    IngTreluzaListBox->setCurrentRow(current);
    clearUnsaved();
}

void TCadIngTreluzaForm::ClearFields()
{
    m_showing = true;
    IngTreluzaListBox->setCurrentRow(-1);
    NomIngComboBox->setCurrentIndex(-1);
    m_showing = false;
    m_chosenIngredient = -1;
    linePanel->clearAll();
    clearUnsaved();
}

void TCadIngTreluzaForm::LoadIngredientDefaults()
{
    const IngredientFields ingredient = chosenIngredient();
    KeyedRecords measures;
    try {
        measures = loadIngredientMeasures(m_context.baseFolder, m_table.name, ingredient[IngField::Name]);
    } catch (const StoreError&) {
        // A measure file that cannot be read offers no measures.
    }
    linePanel->setMeasures(std::move(measures));
    linePanel->setIngredient(ingredient);
    if (mode() == RegisterMode::Empty) {
        // A new line takes FC, FCC, unit cost and quotation date from the ingredient.
        LineEdits e = linePanel->edits(keyText());
        const LineEdits fresh = newLineEdits(ingredient);
        for (int n : {LineField::FC, LineField::FCC, LineField::UnitCost, LineField::QuoteDate})
            e.line[n] = fresh.line[n];
        linePanel->show(e);
    }
}

void TCadIngTreluzaForm::refillIngredients()
{
    fillCombo(*NomIngComboBox, m_ingredients.keys().lines());
    m_chosenIngredient = -1;
}

void TCadIngTreluzaForm::warnMissingValues()
{
    if (m_chosenIngredient < 0)
        return;
    DialogMessageSink messages;
    WarnMissingValues(chosenIngredient(), messages);
}

void TCadIngTreluzaForm::ApplyMode()
{
    if (mode() == RegisterMode::Deleting || mode() == RegisterMode::Changing)
        return;
    applyCommonMode();
    const bool empty = mode() == RegisterMode::Empty;
    TabBitBtn->setEnabled(empty);
    linePanel->enableFields(!empty);
    CopBitBtn->setEnabled(true);
    if (!empty)
        linePanel->NomMedCasComboBox->setFocus();
}

QString TCadIngTreluzaForm::listCaption() const
{
    return QStringLiteral("LISTA DE INGREDIENTES DA TRELUZA");
}

std::optional<int> TCadIngTreluzaForm::pickFromList()
{
    const std::optional<int> picked = TRegisterForm::pickFromList();
    if (picked && *picked >= 0 && *picked < cycleData().count()) {
        cycleData().setCurrent(*picked);
        chooseLineIngredient();
        warnMissingValues();
    }
    return picked;
}

void TCadIngTreluzaForm::recordBrowsed()
{
    IngTreluzaListBox->setCurrentRow(cycleData().current());
}

void TCadIngTreluzaForm::onFocusChanged(QWidget* old, QWidget* now)
{
    if (old == NomIngComboBox && isVisible() && now && now->window() == this)
        NomIngComboBoxExit(now);
}

void TCadIngTreluzaForm::NomIngComboBoxClick()
{
    m_chosenIngredient = NomIngComboBox->currentIndex();
    LoadIngredientDefaults();
}

void TCadIngTreluzaForm::NomIngComboBoxExit(QWidget* next)
{
    if (NomIngComboBox->currentIndex() < 0 || mode() != RegisterMode::Empty)
        return;
    if (next == RetBitBtn || next == LisBitBtn || next == NovBitBtn || next == AjuBitBtn || next == TabBitBtn)
        return;
    m_chosenIngredient = NomIngComboBox->currentIndex();
    LoadIngredientDefaults();
    warnMissingValues();
    // An ingredient is in a preparation once: choosing one that is there
    // shows its line, as a name typed in a register does.
    keyEditExit(next);
}

void TCadIngTreluzaForm::TabBitBtnClick()
{
    if (m_ingredients.empty()) {
        tell(QStringLiteral("Não existem registros no arquivo!"));
        return;
    }
    const std::optional<int> picked = applyBrowse(
        m_ingredients, m_context.browser.browse(m_table, m_ingredients, std::max(0, m_chosenIngredient)));
    refillIngredients(); // a copy may have added ingredients
    m_chosenIngredient = picked.value_or(m_chosenIngredient);
    m_showing = true;
    NomIngComboBox->setCurrentIndex(m_chosenIngredient);
    m_showing = false;
    NomIngComboBox->setFocus();
    LoadIngredientDefaults();
}

void TCadIngTreluzaForm::IngTreluzaListBoxClick(int row)
{
    if (!AskToSave() || row < 0 || row >= cycleData().count())
        return;
    cycleData().setCurrent(row);
    chooseLineIngredient();
    warnMissingValues();
    showAt(row);
}

bool TCadIngTreluzaForm::beforeLeave()
{
    m_ingredients.clear();
    linePanel->clearAll();
    return true;
}

void TCadIngTreluzaForm::focusFields()
{
    linePanel->PesBruMaskEdit->setFocus();
}

void TCadIngTreluzaForm::carryInsert(const RegisterData& lines, Transaction& changes)
{
    carryChange(lines, changes);
}

void TCadIngTreluzaForm::carryChange(const RegisterData& lines, Transaction& changes)
{
    DialogMessageSink messages;
    m_staged = stagePreparationTotals(m_context.baseFolder, m_table.name, lines.records(), m_index.records(),
                                      m_index.current(), messages, changes);
}

void TCadIngTreluzaForm::carryDelete(const std::string&, Transaction& changes)
{
    carryChange(cycleData(), changes);
}

void TCadIngTreluzaForm::stored()
{
    // The index line follows the lines once they are recorded.
    m_index.replaceCurrent(m_staged.indexLine);
    m_totals = m_staged.totals;
    refreshRows();
}

void TCadIngTreluzaForm::refreshRows()
{
    IngTreluzaListBox->clear();
    // A row shows the first letters of its ingredient; the whole name is its tip.
    for (const std::string& line : cycleData().records().lines()) {
        auto* item = new QListWidgetItem(qs(ListRow(line)), IngTreluzaListBox);
        item->setToolTip(qs(TrimTrailingSpaces(keyOf(line))));
    }
    // The line just stored stays selected, so the user sees which is current.
    const int current = cycleData().current();
    if (current >= 0 && current < cycleData().count())
        IngTreluzaListBox->setCurrentRow(current);
    refreshTotalsRow();
}

void TCadIngTreluzaForm::refreshTotalsRow()
{
    RodLabel->setText(qs(TotalsRow(m_totals, indexLine())));
}

void TCadIngTreluzaForm::CopBitBtnClick()
{
    if (m_index.empty()) {
        tell(QStringLiteral("Não existem registros no arquivo!"));
        return;
    }
    // "RENDIMENTO" stands in the width of a net weight here.
    const int source = m_context.viewer.showList(
        preparationListSetup(m_table.name, m_index.current(), m_groups, m_index.list(),
                             fieldWidth(RecordKind::Line, LineField::Net)));
    if (source < 0 || source >= m_index.count() || !ask(QStringLiteral("Confirma copia dos ingredientes?")))
        return;
    try {
        replaceRecords(keyedLines(readFileIfPresent(
            PreparationFilePath(m_context.baseFolder, m_table.name, keyOf(m_index.records()[source])))));
    } catch (const StoreError&) { // the source's lines could not be read
        tell(QStringLiteral("Erro durante a alteração!"));
    }
    start(RegisterMode::Empty);
}

} // namespace treluza

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
#include "gui/preparations/LineFields.h"
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

TCadIngTreluzaForm::TCadIngTreluzaForm(FormContext& context, QWidget* parent) : TRegisterForm(context, parent)
{
    setObjectName(QStringLiteral("CadIngTreluzaForm"));
    setWindowTitle(QStringLiteral("Ingredientes da Preparação"));
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    setClientSize(812, 664);
    setTracksUnsaved(true);
    const int top = buildButtonRow(80, 35);
    CopBitBtn = new TBitBtn(QStringLiteral("&Copia"), this);
    CopBitBtn->setObjectName(QStringLiteral("CopBitBtn"));
    CopBitBtn->setGeometry(640, 0, 80, 35);
    buildHead(top);
    fields = new TLineFields(this);
    fields->setGeometry(0, top + 92, 812, 256);
    takeFieldPointers();
    buildList(top + 350);
    setTabOrderOfFields();
    connectButtons();
    connect(fields, &TLineFields::edited, this, [this] { markUnsaved(); });
    connect(fields, &TLineFields::rawLeft, this, [this](QWidget* next) {
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

void TCadIngTreluzaForm::takeFieldPointers()
{
    LimNomMedCasBitBtn = fields->LimNomMedCasBitBtn;
    NomMedCasComboBox = fields->NomMedCasComboBox;
    QuaMedCasMaskEdit = fields->QuaMedCasMaskEdit;
    UmaMedCasMaskEdit = fields->UmaMedCasMaskEdit;
    PesBruMaskEdit = fields->PesBruMaskEdit;
    PesLiqMaskEdit = fields->PesLiqMaskEdit;
    PesCozMaskEdit = fields->PesCozMaskEdit;
    PesCruMaskEdit = fields->PesCruMaskEdit;
    FCMaskEdit = fields->FCMaskEdit;
    FCCMaskEdit = fields->FCCMaskEdit;
    CusUniMaskEdit = fields->CusUniMaskEdit;
    CusCalMaskEdit = fields->CusCalMaskEdit;
    DatCotMaskEdit = fields->DatCotMaskEdit;
    per100Edits = fields->per100Edits;
    perNetEdits = fields->perNetEdits;
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
    const std::vector<QWidget*> order = {
        TabBitBtn,      NomIngComboBox, LimNomMedCasBitBtn, NomMedCasComboBox, QuaMedCasMaskEdit,
        PesLiqMaskEdit, PesBruMaskEdit, PesCozMaskEdit,     PesCruMaskEdit,    IngTreluzaListBox,
        GraBitBtn,      NovBitBtn,      ExcBitBtn,          AntBitBtn,         ProBitBtn,
        LisBitBtn,      AjuBitBtn,      RetBitBtn,          CopBitBtn};
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void TCadIngTreluzaForm::handOver(const std::string& table, const std::string& preparation, RecordList& index,
                                  KeyList& indexKeys, int current, const std::vector<std::string>& groups)
{
    m_table = table;
    m_preparation = preparation;
    m_index = &index;
    m_indexKeys = &indexKeys;
    m_indexCurrent = current;
    m_groups = groups;
    setMode(RegisterMode::Empty);
}

void TCadIngTreluzaForm::FormActivate()
{
    clearUnsaved();
    setWindowTitle(QStringLiteral("INCLUSÃO DE INGREDIENTES NA PREPARAÇÃO - TABELA ATIVA : ") +
                   qs(TrimTrailingSpaces(m_table)));
    NomPreMaskEdit->setCoreText(m_preparation);
    if (!loadRegisterFile(
            [this] { return ensureFile(PreparationFilePath(m_context.baseFolder, m_table, m_preparation)); }))
        return;
    try {
        LoadScrambledFile(ensureFile(IngredientFilePath(m_context.baseFolder, m_table)), m_ingredients,
                          m_ingredientKeys, progress());
    } catch (const StoreError& e) {
        tellStoreError(e);
        close();
        return;
    }
    refillIngredients();
    // The whole-recipe values follow the lines as they are on disk.
    DialogMessageSink messages;
    m_totals = UpdateTotals(m_data.records(), *m_index, m_indexCurrent, messages);
    refreshRows();
    setMode(RegisterMode::Empty);
    ClearFields();
    ApplyMode();
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
    return joinFields(fields->edits(keyText()).line);
}

void TCadIngTreluzaForm::chooseLineIngredient()
{
    const int current = m_data.current();
    if (current < 0 || current >= m_data.count())
        return;
    m_chosenIngredient = m_ingredientKeys.find(keyOf(m_data.records()[current]));
    LoadIngredientDefaults();
}

void TCadIngTreluzaForm::ShowCurrent()
{
    const int current = m_data.current();
    if (current < 0 || current >= m_data.count()) {
        ClearFields();
        return;
    }
    chooseLineIngredient();
    LineEdits e;
    e.line = readLine(m_data.records()[current]);
    m_showing = true;
    NomIngComboBox->setCurrentIndex(m_chosenIngredient);
    m_showing = false;
    // A stored measure that is no longer in the measure file shows as none.
    const int measure = fields->chooseMeasure(e.line[LineField::Measure]);
    if (measure < 0)
        e.line[LineField::Quantity] = blankField(RecordKind::Line, LineField::Quantity);
    e.measureWeight = fields->weightOfMeasure(measure);
    fields->show(e);
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
    fields->clearAll();
    clearUnsaved();
}

void TCadIngTreluzaForm::LoadIngredientDefaults()
{
    const IngredientFields ingredient = chosenIngredient();
    RecordList measures(true);
    KeyList keys(true);
    try {
        loadIngredientMeasures(m_context.baseFolder, m_table, ingredient[IngField::Name], measures, keys);
    } catch (const StoreError&) {
        // A measure file that cannot be read offers no measures.
        measures.clear();
        keys.clear();
    }
    fields->setMeasures(measures, keys);
    fields->setIngredient(ingredient);
    if (mode() == RegisterMode::Empty) {
        // A new line takes FC, FCC, unit cost and quotation date from the ingredient.
        LineEdits e = fields->edits(keyText());
        const LineEdits fresh = newLineEdits(ingredient);
        for (int n : {LineField::FC, LineField::FCC, LineField::UnitCost, LineField::QuoteDate})
            e.line[n] = fresh.line[n];
        fields->show(e);
    }
}

void TCadIngTreluzaForm::refillIngredients()
{
    fillCombo(*NomIngComboBox, m_ingredientKeys.lines());
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
    TabBitBtn->setEnabled(empty && m_context.visLisIngForm);
    fields->enableFields(!empty);
    CopBitBtn->setEnabled(m_context.visLisForm);
    if (!empty)
        NomMedCasComboBox->setFocus();
}

QString TCadIngTreluzaForm::listCaption() const
{
    return QStringLiteral("LISTA DE INGREDIENTES DA TRELUZA");
}

std::optional<int> TCadIngTreluzaForm::pickFromList()
{
    const std::optional<int> picked = TRegisterForm::pickFromList();
    if (picked && *picked >= 0 && *picked < m_data.count()) {
        m_data.setCurrent(*picked);
        chooseLineIngredient();
        warnMissingValues();
    }
    return picked;
}

void TCadIngTreluzaForm::afterBrowse()
{
    IngTreluzaListBox->setCurrentRow(m_data.current());
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
    // shows its line.
    if (m_data.lookup(keyText())) {
        ShowCurrent();
        setMode(RegisterMode::Showing);
    } else {
        setMode(RegisterMode::Inserting);
        markUnsaved();
    }
    ApplyMode();
}

void TCadIngTreluzaForm::TabBitBtnClick()
{
    if (m_ingredients.empty()) {
        tell(QStringLiteral("Não existem registros no arquivo!"));
        return;
    }
    if (!m_context.visLisIngForm)
        return;
    const std::optional<int> picked =
        m_context.visLisIngForm->browse(m_table, m_context.activeTableEditable, m_ingredients,
                                        m_ingredientKeys, std::max(0, m_chosenIngredient));
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
    if (!AskToSave() || row < 0 || row >= m_data.count())
        return;
    m_data.setCurrent(row);
    chooseLineIngredient();
    warnMissingValues();
    ShowCurrent();
    setMode(RegisterMode::Showing);
    ApplyMode();
}

bool TCadIngTreluzaForm::beforeLeave()
{
    m_ingredients.clear();
    m_ingredientKeys.clear();
    fields->clearAll();
    return true;
}

void TCadIngTreluzaForm::insertDeclined()
{
    PesBruMaskEdit->setFocus();
}

void TCadIngTreluzaForm::changeDeclined()
{
    // The edits stay on screen, unsaved.
    PesBruMaskEdit->setFocus();
}

TRegisterForm::StoreReports TCadIngTreluzaForm::storeReports() const
{
    StoreReports reports;
    reports.modeAfterStore = RegisterMode::Showing;
    // The lines and the index change together or not at all.
    reports.keepFailedStores = false;
    reports.keepFailedDeletes = false;
    return reports;
}

void TCadIngTreluzaForm::saveLinesAndTotals()
{
    DialogMessageSink messages;
    m_totals =
        storePreparationLines(m_context.baseFolder, m_table, m_data, *m_index, m_indexCurrent, messages);
    refreshRows();
}

void TCadIngTreluzaForm::commitInsert(const std::string& line)
{
    m_data.insert(line);
    saveLinesAndTotals();
}

void TCadIngTreluzaForm::commitChange(const std::string& line)
{
    m_data.replaceCurrent(line);
    saveLinesAndTotals();
}

void TCadIngTreluzaForm::commitDelete()
{
    const int current = m_data.current();
    m_data.removeCurrent();
    m_data.setCurrent(current);
    saveLinesAndTotals();
}

void TCadIngTreluzaForm::refreshRows()
{
    IngTreluzaListBox->clear();
    // A row shows the first letters of its ingredient; the whole name is its tip.
    for (const std::string& line : m_data.records().lines()) {
        auto* item = new QListWidgetItem(qs(ListRow(line)), IngTreluzaListBox);
        item->setToolTip(qs(TrimTrailingSpaces(keyOf(line))));
    }
    // The line just stored stays selected, so the user sees which is current.
    const int current = m_data.current();
    if (current >= 0 && current < m_data.count())
        IngTreluzaListBox->setCurrentRow(current);
    refreshTotalsRow();
}

void TCadIngTreluzaForm::refreshTotalsRow()
{
    RodLabel->setText(qs(TotalsRow(m_totals, (*m_index)[m_indexCurrent])));
}

void TCadIngTreluzaForm::CopBitBtnClick()
{
    if (m_index->empty()) {
        tell(QStringLiteral("Não existem registros no arquivo!"));
        return;
    }
    if (!m_context.visLisForm)
        return;
    // "RENDIMENTO" stands in the width of a net weight here.
    const int source = m_context.visLisForm->showList(
        preparationListSetup(m_table, m_indexCurrent, m_groups, *m_indexKeys, *m_index,
                             fieldWidth(RecordKind::Line, LineField::Net)));
    if (source < 0 || source >= m_index->count() || !ask(QStringLiteral("Confirma copia dos ingredientes?")))
        return;
    const RegisterData before = m_data;
    try {
        RecordList lines(true);
        KeyList keys(true);
        lines.assign(splitLines(readFileIfPresent(
            PreparationFilePath(m_context.baseFolder, m_table, keyOf((*m_index)[source])))));
        rebuildKeyList(lines, keys);
        m_data.records() = lines;
        m_data.keys() = keys;
        m_data.setCurrent(0);
        saveLinesAndTotals();
    } catch (const ChangePendingError&) {
        refreshRows(); // recorded: the copied lines stay, as the files will hold them
        tell(QStringLiteral("Erro durante a alteração!"));
    } catch (const StoreError&) {
        m_data = before;
        tell(QStringLiteral("Erro durante a alteração!"));
    }
    setMode(RegisterMode::Empty);
    ApplyMode();
}

} // namespace treluza

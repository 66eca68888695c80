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

namespace {

constexpr int kEditHeight = 22;
constexpr int kCaptionHeight = 14;
constexpr int kColumn = 78; // the columns of the weights and of the nutrients

QFont fixedFont(int points)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSize(points);
    return font;
}

const char* const kNutrientHeadings[][2] = {
    {"Calorias", "(kcal)"}, {"Carboidrato", "(g)"}, {"Proteínas", "(g)"}, {"Gord.Total", "(g)"},
    {"Saturada", "(g)"},    {"Colesterol", "(mg)"}, {"Fibra", "(g)"},     {"Cálcio", "(mg)"},
    {"Ferro", "(mg)"},      {"Sódio", "(mg)"},
};
const char* const kPer100Names[] = {"KALMaskEdit", "CHOMaskEdit", "PTNMaskEdit", "LIPMaskEdit",
                                    "SATMaskEdit", "COLMaskEdit", "FIBMaskEdit", "CALMaskEdit",
                                    "FERMaskEdit", "SODMaskEdit"};
const char* const kPerNetNames[] = {
    "PesPorKalMaskEdit", "PesPorCHOMaskEdit", "PesPorPTNMaskEdit", "PesPorLipMaskEdit", "PesPorSATMaskEdit",
    "PesPorCOLMaskEdit", "PesPorFIBMaskEdit", "PesPorCALMaskEdit", "PesPorFERMaskEdit", "PesPorSODMaskEdit"};

QString lineMask(int field)
{
    return qs(editMask(RecordKind::Line, field));
}

} // namespace

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
    buildFields(top);
    buildNutrientRows(top + 210);
    buildList(top + 350);
    connectFields();
    setTabOrderOfFields();
    connectButtons();
    connect(qApp, &QApplication::focusChanged, this, &TCadIngTreluzaForm::onFocusChanged);
}

TCadIngTreluzaForm::~TCadIngTreluzaForm()
{
    // The focus moves while the window takes its children down.
    disconnect(qApp, nullptr, this, nullptr);
}

void TCadIngTreluzaForm::buildFields(int top)
{
    const QFont numbers = fixedFont(9);
    placeCaption(this, QStringLiteral("Nome da Preparação"), QRect(8, top + 4, 200, kCaptionHeight));
    NomPreMaskEdit = placeMaskEdit(this, "NomPreMaskEdit", qs(editMask(RecordKind::Index, IdxField::Name)),
                                   QRect(8, top + 18, 360, kEditHeight));
    NomPreMaskEdit->setEnabled(false);

    placeCaption(this, QStringLiteral("Seleciona Ingrediente"), QRect(8, top + 46, 200, kCaptionHeight));
    TabBitBtn = new TBitBtn(QStringLiteral("..."), this);
    TabBitBtn->setObjectName(QStringLiteral("TabBitBtn"));
    TabBitBtn->setToolTip(QStringLiteral("Consulta Tabelas"));
    TabBitBtn->setGeometry(8, top + 60, 28, kEditHeight + 2);
    NomIngComboBox = new QComboBox(this);
    NomIngComboBox->setObjectName(QStringLiteral("NomIngComboBox"));
    NomIngComboBox->setEditable(false);
    NomIngComboBox->setMaxVisibleItems(20);
    NomIngComboBox->setGeometry(40, top + 60, 520, kEditHeight + 2);

    // Measure, its quantity and weight, then the four weights.
    const int y = top + 92;
    placeCaption(this, QStringLiteral("Medida caseira"), QRect(8, y + kCaptionHeight, 160, kCaptionHeight));
    NomMedCasComboBox = new QComboBox(this);
    NomMedCasComboBox->setObjectName(QStringLiteral("NomMedCasComboBox"));
    NomMedCasComboBox->setEditable(false);
    NomMedCasComboBox->setGeometry(8, y + 28, 170, kEditHeight + 2);
    LimNomMedCasBitBtn = new TBitBtn(QStringLiteral("X"), this);
    LimNomMedCasBitBtn->setObjectName(QStringLiteral("LimNomMedCasBitBtn"));
    LimNomMedCasBitBtn->setToolTip(QStringLiteral("Limpa o campo \"Medida Caseira\""));
    LimNomMedCasBitBtn->setGeometry(180, y + 28, 26, kEditHeight + 2);
    const struct {
        TMaskEdit** edit;
        const char* name;
        const char* caption[2];
        QString mask;
    } row[] = {
        {&QuaMedCasMaskEdit,
         "QuaMedCasMaskEdit",
         {"Quantidade", "Med Caseira"},
         lineMask(LineField::Quantity)},
        {&UmaMedCasMaskEdit, "UmaMedCasMaskEdit", {"Uma Med.Cas.", " tem (g/ml)"}, lineMask(LineField::Net)},
        {&PesBruMaskEdit, "PesBruMaskEdit", {"", "Peso Bruto"}, lineMask(LineField::Gross)},
        {&PesLiqMaskEdit, "PesLiqMaskEdit", {"", "Peso Líquido"}, lineMask(LineField::Net)},
        {&PesCozMaskEdit, "PesCozMaskEdit", {"", "Peso Cozido"}, lineMask(LineField::Cooked)},
        {&PesCruMaskEdit, "PesCruMaskEdit", {"", "Peso Cru"}, lineMask(LineField::Raw)},
    };
    for (std::size_t i = 0; i < std::size(row); ++i) {
        const int x = 214 + static_cast<int>(i) * kColumn;
        placeCaption(this, QString::fromUtf8(row[i].caption[0]), QRect(x, y, kColumn - 4, kCaptionHeight));
        placeCaption(this, QString::fromUtf8(row[i].caption[1]),
                     QRect(x, y + kCaptionHeight, kColumn - 4, kCaptionHeight));
        *row[i].edit =
            placeMaskEdit(this, row[i].name, row[i].mask, QRect(x, y + 28, kColumn - 8, kEditHeight));
        (*row[i].edit)->setFont(numbers);
    }
    makeDisplayOnly(UmaMedCasMaskEdit);

    // The values copied from the ingredient or derived: factors, cost, date.
    const int y2 = y + 56;
    const struct {
        TMaskEdit** edit;
        const char* name;
        const char* caption[2];
        int field;
    } derived[] = {
        {&FCMaskEdit, "FCMaskEdit", {"", "F.C."}, LineField::FC},
        {&FCCMaskEdit, "FCCMaskEdit", {"", "F.C.C."}, LineField::FCC},
        {&CusUniMaskEdit, "CusUniMaskEdit", {"Custo P.B.", "($/1000g)"}, LineField::UnitCost},
        {&CusCalMaskEdit, "CusCalMaskEdit", {"Custo P.B.", "$"}, LineField::Cost},
        {&DatCotMaskEdit, "DatCotMaskEdit", {"Data", "Cotação"}, LineField::QuoteDate},
    };
    for (std::size_t i = 0; i < std::size(derived); ++i) {
        const int x = 214 + static_cast<int>(i + 1) * kColumn;
        placeCaption(this, QString::fromUtf8(derived[i].caption[0]),
                     QRect(x, y2, kColumn - 4, kCaptionHeight));
        placeCaption(this, QString::fromUtf8(derived[i].caption[1]),
                     QRect(x, y2 + kCaptionHeight, kColumn - 4, kCaptionHeight));
        *derived[i].edit = placeMaskEdit(this, derived[i].name, lineMask(derived[i].field),
                                         QRect(x, y2 + 28, kColumn - 8, kEditHeight));
        (*derived[i].edit)->setFont(numbers);
        makeDisplayOnly(*derived[i].edit);
    }
}

void TCadIngTreluzaForm::buildNutrientRows(int top)
{
    const QFont numbers = fixedFont(9);
    for (std::size_t k = 0; k < kNutrientCount; ++k) {
        const int x = 8 + static_cast<int>(k) * kColumn + 16;
        placeCaption(this, QString::fromUtf8(kNutrientHeadings[k][0]),
                     QRect(x, top, kColumn - 4, kCaptionHeight), Qt::AlignHCenter);
        placeCaption(this, QString::fromUtf8(kNutrientHeadings[k][1]),
                     QRect(x, top + kCaptionHeight, kColumn - 4, kCaptionHeight), Qt::AlignHCenter);
    }
    const char* const titles[] = {"Composição química para cada 100 gramas do ingrediente",
                                  "Composição química para o peso líquido do ingrediente"};
    for (int r = 0; r < 2; ++r) {
        const int y = top + 30 + r * 52;
        QLabel* title = placeCaption(this, QString::fromUtf8(titles[r]), QRect(8, y, 500, kCaptionHeight));
        QFont bold = title->font();
        bold.setBold(true);
        title->setFont(bold);
        auto& edits = r == 0 ? per100Edits : perNetEdits;
        for (std::size_t k = 0; k < kNutrientCount; ++k) {
            const QString mask = r == 0 ? qs(editMask(RecordKind::Ingredient, kRecipeValues[k].ingredient))
                                        : lineMask(kRecipeValues[k].line);
            edits[k] = placeMaskEdit(
                this, r == 0 ? kPer100Names[k] : kPerNetNames[k], mask,
                QRect(8 + static_cast<int>(k) * kColumn + 16, y + 16, kColumn - 6, kEditHeight));
            edits[k]->setFont(numbers);
            makeDisplayOnly(edits[k]);
        }
    }
}

void TCadIngTreluzaForm::buildList(int top)
{
    // The header, the rows and the totals in one fixed-pitch font, so that
    // the columns stand under one another.
    const QFont fixed = fixedFont(8);
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

void TCadIngTreluzaForm::connectFields()
{
    for (TMaskEdit* e : {QuaMedCasMaskEdit, PesBruMaskEdit, PesLiqMaskEdit, PesCozMaskEdit, PesCruMaskEdit}) {
        installDecimalBehaviour(*e);
        connect(e, &TMaskEdit::Change, this, [this] {
            if (!m_showing)
                markUnsaved();
        });
    }
    for (TMaskEdit* e : {PesBruMaskEdit, PesLiqMaskEdit, PesCozMaskEdit, PesCruMaskEdit})
        connect(e, &TMaskEdit::Exit, this, [this, e](QWidget* next) { leaveWeight(e, next); });
    connect(QuaMedCasMaskEdit, &TMaskEdit::Exit, this, [this](QWidget*) { leaveQuantity(); });
    connect(NomIngComboBox, &QComboBox::activated, this, &TCadIngTreluzaForm::NomIngComboBoxClick);
    connect(NomMedCasComboBox, &QComboBox::currentIndexChanged, this,
            &TCadIngTreluzaForm::NomMedCasComboBoxChange);
    connect(LimNomMedCasBitBtn, &TBitBtn::clicked, this, &TCadIngTreluzaForm::LimNomMedCasBitBtnClick);
    connect(TabBitBtn, &TBitBtn::clicked, this, &TCadIngTreluzaForm::TabBitBtnClick);
    connect(CopBitBtn, &TBitBtn::clicked, this, &TCadIngTreluzaForm::CopBitBtnClick);
    connect(IngTreluzaListBox, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { IngTreluzaListBoxClick(IngTreluzaListBox->row(item)); });
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
            [this] { return PreparationFilePath(m_context.baseFolder, m_table, m_preparation); }))
        return;
    try {
        LoadScrambledFile(IngredientFilePath(m_context.baseFolder, m_table), m_ingredients, m_ingredientKeys,
                          progress());
    } catch (const StoreError& e) {
        tellStoreError(e);
        close();
        return;
    }
    m_showing = true;
    NomIngComboBox->clear();
    for (const std::string& key : m_ingredientKeys.lines())
        NomIngComboBox->addItem(qs(key));
    NomIngComboBox->setCurrentIndex(-1);
    m_showing = false;
    m_chosenIngredient = -1;
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

LineEdits TCadIngTreluzaForm::lineEdits() const
{
    LineEdits e;
    e.line[LineField::Name] = cs(NomIngComboBox->currentText());
    const TMaskEdit* edits[] = {nullptr,        nullptr,    PesBruMaskEdit,   PesLiqMaskEdit, PesCozMaskEdit,
                                PesCruMaskEdit, FCMaskEdit, FCCMaskEdit,      CusUniMaskEdit, CusCalMaskEdit,
                                DatCotMaskEdit, nullptr,    QuaMedCasMaskEdit};
    for (int n = LineField::Gross; n <= LineField::Quantity; ++n) {
        if (edits[n])
            e.line[n] = edits[n]->coreText();
    }
    e.line[LineField::Measure] = m_chosenMeasure >= 0 ? cs(NomMedCasComboBox->currentText()) : std::string();
    for (std::size_t k = 0; k < kNutrientCount; ++k)
        e.line[kRecipeValues[k].line] = perNetEdits[k]->coreText();
    e.measureWeight = UmaMedCasMaskEdit->coreText();
    return e;
}

void TCadIngTreluzaForm::showLineEdits(const LineEdits& e)
{
    m_showing = true;
    TMaskEdit* const edits[] = {PesBruMaskEdit, PesLiqMaskEdit, PesCozMaskEdit, PesCruMaskEdit, FCMaskEdit,
                                FCCMaskEdit,    CusUniMaskEdit, CusCalMaskEdit, DatCotMaskEdit};
    for (int n = LineField::Gross; n <= LineField::QuoteDate; ++n)
        edits[n - LineField::Gross]->setCoreText(e.line[n]);
    QuaMedCasMaskEdit->setCoreText(e.line[LineField::Quantity]);
    UmaMedCasMaskEdit->setCoreText(e.measureWeight);
    for (std::size_t k = 0; k < kNutrientCount; ++k)
        perNetEdits[k]->setCoreText(e.line[kRecipeValues[k].line]);
    m_showing = false;
}

IngredientFields TCadIngTreluzaForm::chosenIngredient() const
{
    if (m_chosenIngredient < 0 || m_chosenIngredient >= m_ingredients.count())
        return blankIngredient("");
    return readIngredient(m_ingredients[m_chosenIngredient]);
}

std::string TCadIngTreluzaForm::MakeLine()
{
    return treluza::MakeLine(lineEdits().line);
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
    const int measure =
        e.line[LineField::Measure].empty() ? -1 : m_measureKeys.find(e.line[LineField::Measure]);
    NomMedCasComboBox->setCurrentIndex(measure);
    m_showing = false;
    selectMeasure(measure);
    if (measure < 0)
        e.line[LineField::Quantity] = blankField(RecordKind::Line, LineField::Quantity);
    e.measureWeight =
        measure < 0 ? blankField(RecordKind::Line, LineField::Net) : FieldOf(2, m_measures[measure]);
    showLineEdits(e);
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
    NomMedCasComboBox->clear();
    m_showing = false;
    m_chosenIngredient = -1;
    m_measures.clear();
    m_measureKeys.clear();
    selectMeasure(-1);
    LineEdits e{blankLine(""), blankField(RecordKind::Line, LineField::Net)};
    showLineEdits(e);
    m_showing = true;
    for (TMaskEdit* p : per100Edits)
        p->clearText();
    m_showing = false;
    clearUnsaved();
}

void TCadIngTreluzaForm::LoadIngredientDefaults()
{
    m_showing = true;
    selectMeasure(-1);
    NomMedCasComboBox->clear();
    m_measures.clear();
    m_measureKeys.clear();
    const IngredientFields ingredient = chosenIngredient();
    try {
        loadIngredientMeasures(m_context.baseFolder, m_table, ingredient[IngField::Name], m_measures,
                               m_measureKeys);
    } catch (const StoreError&) {
        // A measure file that cannot be read offers no measures.
        m_measures.clear();
        m_measureKeys.clear();
    }
    for (const std::string& key : m_measureKeys.lines())
        NomMedCasComboBox->addItem(qs(key));
    NomMedCasComboBox->setCurrentIndex(-1);
    for (std::size_t k = 0; k < kNutrientCount; ++k)
        per100Edits[k]->setCoreText(ingredient[kRecipeValues[k].ingredient]);
    m_showing = false;
    if (mode() == RegisterMode::Empty) {
        LineEdits e = lineEdits();
        const LineEdits fresh = newLineEdits(ingredient);
        for (int n : {LineField::FC, LineField::FCC, LineField::UnitCost, LineField::QuoteDate})
            e.line[n] = fresh.line[n];
        showLineEdits(e);
    }
}

void TCadIngTreluzaForm::warnMissingValues()
{
    if (m_chosenIngredient < 0)
        return;
    DialogMessageSink messages;
    WarnMissingValues(chosenIngredient(), messages);
}

void TCadIngTreluzaForm::EnableRecordFields(bool on)
{
    for (QWidget* w : std::initializer_list<QWidget*>{PesBruMaskEdit, PesLiqMaskEdit, PesCozMaskEdit,
                                                      PesCruMaskEdit, LimNomMedCasBitBtn, NomMedCasComboBox})
        w->setEnabled(on);
}

void TCadIngTreluzaForm::selectMeasure(int index)
{
    m_chosenMeasure = index;
    QuaMedCasMaskEdit->setEnabled(index >= 0 && mode() != RegisterMode::Empty);
}

void TCadIngTreluzaForm::ApplyMode()
{
    if (mode() == RegisterMode::Deleting || mode() == RegisterMode::Changing)
        return;
    applyCommonMode();
    const bool empty = mode() == RegisterMode::Empty;
    TabBitBtn->setEnabled(empty && m_context.visLisIngForm);
    EnableRecordFields(!empty);
    QuaMedCasMaskEdit->setEnabled(!empty && m_chosenMeasure >= 0);
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
    // A copy may have added ingredients.
    m_showing = true;
    NomIngComboBox->clear();
    for (const std::string& key : m_ingredientKeys.lines())
        NomIngComboBox->addItem(qs(key));
    m_chosenIngredient = picked.value_or(m_chosenIngredient);
    NomIngComboBox->setCurrentIndex(m_chosenIngredient);
    m_showing = false;
    NomIngComboBox->setFocus();
    LoadIngredientDefaults();
}

void TCadIngTreluzaForm::NomMedCasComboBoxChange()
{
    if (m_showing)
        return;
    markUnsaved();
    const int index = NomMedCasComboBox->currentIndex() >= 0
                          ? m_measureKeys.find(cs(NomMedCasComboBox->currentText()))
                          : -1;
    selectMeasure(index);
    if (index >= 0) {
        m_showing = true;
        UmaMedCasMaskEdit->setCoreText(FieldOf(2, m_measures[index]));
        m_showing = false;
    }
}

void TCadIngTreluzaForm::LimNomMedCasBitBtnClick()
{
    if (!ask(QStringLiteral("Limpa o campo \"Medida Caseira\"?")) || m_chosenMeasure < 0)
        return;
    m_showing = true;
    NomMedCasComboBox->setCurrentIndex(-1);
    UmaMedCasMaskEdit->setCoreText(blankField(RecordKind::Line, LineField::Net));
    QuaMedCasMaskEdit->setCoreText(blankField(RecordKind::Line, LineField::Quantity));
    m_showing = false;
    selectMeasure(-1);
    markUnsaved();
}

void TCadIngTreluzaForm::leaveWeight(TMaskEdit* edit, QWidget* next)
{
    if (!isVisible() || mode() == RegisterMode::Empty)
        return;
    LineEdits e = lineEdits();
    const IngredientFields ingredient = chosenIngredient();
    DialogMessageSink messages;
    if (edit == PesBruMaskEdit)
        leaveGross(e, ingredient, messages);
    else if (edit == PesLiqMaskEdit)
        leaveNet(e, ingredient, messages);
    else if (edit == PesCozMaskEdit)
        leaveCooked(e, ingredient);
    else
        leaveRaw(e, ingredient);
    showLineEdits(e);
    if (edit == PesCruMaskEdit && next == IngTreluzaListBox)
        GraBitBtn->setFocus();
}

void TCadIngTreluzaForm::leaveQuantity()
{
    if (!isVisible() || mode() == RegisterMode::Empty)
        return;
    LineEdits e = lineEdits();
    const bool blank = treluza::leaveQuantity(e, chosenIngredient());
    showLineEdits(e);
    if (!blank || m_chosenMeasure < 0)
        return;
    if (ask(QStringLiteral("Deseja manter descrição da medida caseira?")))
        return;
    m_showing = true;
    NomMedCasComboBox->setCurrentIndex(-1);
    UmaMedCasMaskEdit->clearText();
    QuaMedCasMaskEdit->clearText();
    m_showing = false;
    selectMeasure(-1);
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
    m_measures.clear();
    m_measureKeys.clear();
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
    for (const std::string& line : m_data.records().lines())
        IngTreluzaListBox->addItem(qs(ListRow(line)));
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
        LoadRecordFile(PreparationFilePath(m_context.baseFolder, m_table, keyOf((*m_index)[source])), lines,
                       keys);
        m_data.records() = lines;
        m_data.keys() = keys;
        m_data.setCurrent(0);
        saveLinesAndTotals();
    } catch (const StoreError&) {
        m_data = before;
        tell(QStringLiteral("Erro durante a alteração!"));
    }
    setMode(RegisterMode::Empty);
    ApplyMode();
}

} // namespace treluza

#include "gui/preparations/LinePanel.h"

#include "core/records/RecordLayouts.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/DecimalEdit.h"
#include "gui/widgets/FormLayout.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/QtText.h"

#include <QComboBox>
#include <QLabel>

namespace treluza {

namespace {

constexpr int kEditHeight = 22;
constexpr int kCaptionHeight = 14;
constexpr int kColumn = 78; // the columns of the weights and of the nutrients

QString lineMask(int field)
{
    return qs(editMask(RecordKind::Line, field));
}

/** One column of a row of line fields: two caption lines over an edit. */
struct CaptionedField {
    TMaskEdit** edit;
    const char* name;
    const char* caption[2];
    int field;
};

/** Places the columns side by side from x, every edit of its field's mask;
 *  display-only ones take no input. */
template <std::size_t N>
void placeRow(QWidget* parent, const CaptionedField (&row)[N], int x, int top, bool displayOnly)
{
    for (const CaptionedField& c : row) {
        placeCaption(parent, QString::fromUtf8(c.caption[0]), QRect(x, top, kColumn - 4, kCaptionHeight));
        placeCaption(parent, QString::fromUtf8(c.caption[1]),
                     QRect(x, top + kCaptionHeight, kColumn - 4, kCaptionHeight));
        *c.edit =
            placeMaskEdit(parent, c.name, lineMask(c.field), QRect(x, top + 28, kColumn - 8, kEditHeight));
        (*c.edit)->setFont(fixedPitchFont(9));
        if (displayOnly)
            (*c.edit)->setDisplayOnly();
        x += kColumn;
    }
}

} // namespace

TLinePanel::TLinePanel(QWidget* parent) : QWidget(parent)
{
    buildMeasureRow(0);
    buildDerivedRow(56);
    buildNutrientRows(118);
    connectFields();
}

void TLinePanel::buildMeasureRow(int top)
{
    placeCaption(this, QStringLiteral("Medida caseira"), QRect(8, top + kCaptionHeight, 160, kCaptionHeight));
    NomMedCasComboBox = new QComboBox(this);
    NomMedCasComboBox->setObjectName(QStringLiteral("NomMedCasComboBox"));
    NomMedCasComboBox->setEditable(false);
    NomMedCasComboBox->setGeometry(8, top + 28, 170, kEditHeight + 2);
    LimNomMedCasBitBtn = new TBitBtn(QStringLiteral("X"), this);
    LimNomMedCasBitBtn->setObjectName(QStringLiteral("LimNomMedCasBitBtn"));
    LimNomMedCasBitBtn->setToolTip(QStringLiteral("Limpa o campo \"Medida Caseira\""));
    LimNomMedCasBitBtn->setGeometry(180, top + 28, 26, kEditHeight + 2);
    const CaptionedField row[] = {
        {&QuaMedCasMaskEdit, "QuaMedCasMaskEdit", {"Quantidade", "Med Caseira"}, LineField::Quantity},
        {&UmaMedCasMaskEdit, "UmaMedCasMaskEdit", {"Uma Med.Cas.", " tem (g/ml)"}, LineField::Net},
        {&PesBruMaskEdit, "PesBruMaskEdit", {"", "Peso Bruto"}, LineField::Gross},
        {&PesLiqMaskEdit, "PesLiqMaskEdit", {"", "Peso Líquido"}, LineField::Net},
        {&PesCozMaskEdit, "PesCozMaskEdit", {"", "Peso Cozido"}, LineField::Cooked},
        {&PesCruMaskEdit, "PesCruMaskEdit", {"", "Peso Cru"}, LineField::Raw},
    };
    placeRow(this, row, 214, top, false);
    UmaMedCasMaskEdit->setDisplayOnly();
}

void TLinePanel::buildDerivedRow(int top)
{
    // The values copied from the ingredient or derived: factors, cost, date.
    const CaptionedField row[] = {
        {&FCMaskEdit, "FCMaskEdit", {"", "F.C."}, LineField::FC},
        {&FCCMaskEdit, "FCCMaskEdit", {"", "F.C.C."}, LineField::FCC},
        {&CusUniMaskEdit, "CusUniMaskEdit", {"Custo P.B.", "($/1000g)"}, LineField::UnitCost},
        {&CusCalMaskEdit, "CusCalMaskEdit", {"Custo P.B.", "$"}, LineField::Cost},
        {&DatCotMaskEdit, "DatCotMaskEdit", {"Data", "Cotação"}, LineField::QuoteDate},
    };
    placeRow(this, row, 214 + kColumn, top, true);
}

void TLinePanel::buildNutrientRows(int top)
{
    static const char* const headings[][2] = {
        {"Calorias", "(kcal)"}, {"Carboidrato", "(g)"}, {"Proteínas", "(g)"}, {"Gord.Total", "(g)"},
        {"Saturada", "(g)"},    {"Colesterol", "(mg)"}, {"Fibra", "(g)"},     {"Cálcio", "(mg)"},
        {"Ferro", "(mg)"},      {"Sódio", "(mg)"},
    };
    static const char* const names[2][10] = {
        {"KALMaskEdit", "CHOMaskEdit", "PTNMaskEdit", "LIPMaskEdit", "SATMaskEdit", "COLMaskEdit",
         "FIBMaskEdit", "CALMaskEdit", "FERMaskEdit", "SODMaskEdit"},
        {"PesPorKalMaskEdit", "PesPorCHOMaskEdit", "PesPorPTNMaskEdit", "PesPorLipMaskEdit",
         "PesPorSATMaskEdit", "PesPorCOLMaskEdit", "PesPorFIBMaskEdit", "PesPorCALMaskEdit",
         "PesPorFERMaskEdit", "PesPorSODMaskEdit"}};
    const char* const titles[] = {"Composição química para cada 100 gramas do ingrediente",
                                  "Composição química para o peso líquido do ingrediente"};
    for (std::size_t k = 0; k < kNutrientCount; ++k) {
        const int x = 24 + static_cast<int>(k) * kColumn;
        placeCaption(this, QString::fromUtf8(headings[k][0]), QRect(x, top, kColumn - 4, kCaptionHeight),
                     Qt::AlignHCenter);
        placeCaption(this, QString::fromUtf8(headings[k][1]),
                     QRect(x, top + kCaptionHeight, kColumn - 4, kCaptionHeight), Qt::AlignHCenter);
    }
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
            edits[k] =
                placeMaskEdit(this, names[r][k], mask,
                              QRect(24 + static_cast<int>(k) * kColumn, y + 16, kColumn - 6, kEditHeight));
            edits[k]->setFont(fixedPitchFont(9));
            edits[k]->setDisplayOnly();
        }
    }
}

void TLinePanel::connectFields()
{
    for (TMaskEdit* e : {QuaMedCasMaskEdit, PesBruMaskEdit, PesLiqMaskEdit, PesCozMaskEdit, PesCruMaskEdit}) {
        installDecimalBehaviour(*e);
        connect(e, &TMaskEdit::Change, this, [this] {
            if (!m_showing)
                emit edited();
        });
    }
    for (TMaskEdit* e : {PesBruMaskEdit, PesLiqMaskEdit, PesCozMaskEdit, PesCruMaskEdit})
        connect(e, &TMaskEdit::Exit, this, [this, e](QWidget* next) {
            leaveWeight(e);
            if (e == PesCruMaskEdit)
                emit rawLeft(next);
        });
    connect(QuaMedCasMaskEdit, &TMaskEdit::Exit, this, [this](QWidget*) { leaveQuantity(); });
    connect(NomMedCasComboBox, &QComboBox::currentIndexChanged, this, &TLinePanel::NomMedCasComboBoxChange);
    connect(LimNomMedCasBitBtn, &TBitBtn::clicked, this, &TLinePanel::LimNomMedCasBitBtnClick);
}

void TLinePanel::setIngredient(const IngredientFields& ingredient)
{
    m_ingredient = ingredient;
    m_showing = true;
    for (std::size_t k = 0; k < kNutrientCount; ++k)
        per100Edits[k]->setCoreText(ingredient[kRecipeValues[k].ingredient]);
    m_showing = false;
}

void TLinePanel::setMeasures(KeyedRecords measures)
{
    m_measures = std::move(measures);
    fillCombo(*NomMedCasComboBox, m_measures.keys().lines());
    selectMeasure(-1);
}

int TLinePanel::chooseMeasure(const std::string& name)
{
    const int index = name.empty() ? -1 : m_measures.findKey(name);
    m_showing = true;
    NomMedCasComboBox->setCurrentIndex(index);
    m_showing = false;
    selectMeasure(index);
    return index;
}

std::string TLinePanel::weightOfMeasure(int index) const
{
    if (index < 0 || index >= m_measures.count())
        return blankField(RecordKind::Line, LineField::Net);
    return std::string(FieldOf(MeasureField::Quantity, m_measures[index]));
}

void TLinePanel::selectMeasure(int index)
{
    m_chosenMeasure = index;
    QuaMedCasMaskEdit->setEnabled(index >= 0 && m_enabled);
}

LineEdits TLinePanel::edits(const std::string& ingredientKey) const
{
    LineEdits e;
    e.line[LineField::Name] = ingredientKey;
    const TMaskEdit* const fields[] = {PesBruMaskEdit, PesLiqMaskEdit, PesCozMaskEdit,
                                       PesCruMaskEdit, FCMaskEdit,     FCCMaskEdit,
                                       CusUniMaskEdit, CusCalMaskEdit, DatCotMaskEdit};
    for (int n = LineField::Gross; n <= LineField::QuoteDate; ++n)
        e.line[n] = fields[n - LineField::Gross]->coreText();
    e.line[LineField::Measure] = m_chosenMeasure >= 0 ? m_measures.keys()[m_chosenMeasure] : std::string();
    e.line[LineField::Quantity] = QuaMedCasMaskEdit->coreText();
    for (std::size_t k = 0; k < kNutrientCount; ++k)
        e.line[kRecipeValues[k].line] = perNetEdits[k]->coreText();
    e.measureWeight = UmaMedCasMaskEdit->coreText();
    return e;
}

void TLinePanel::show(const LineEdits& e)
{
    m_showing = true;
    TMaskEdit* const fields[] = {PesBruMaskEdit, PesLiqMaskEdit, PesCozMaskEdit, PesCruMaskEdit, FCMaskEdit,
                                 FCCMaskEdit,    CusUniMaskEdit, CusCalMaskEdit, DatCotMaskEdit};
    for (int n = LineField::Gross; n <= LineField::QuoteDate; ++n)
        fields[n - LineField::Gross]->setCoreText(e.line[n]);
    QuaMedCasMaskEdit->setCoreText(e.line[LineField::Quantity]);
    UmaMedCasMaskEdit->setCoreText(e.measureWeight);
    for (std::size_t k = 0; k < kNutrientCount; ++k)
        perNetEdits[k]->setCoreText(e.line[kRecipeValues[k].line]);
    m_showing = false;
}

void TLinePanel::clearAll()
{
    setIngredient(blankIngredient(""));
    setMeasures(KeyedRecords());
    show(LineEdits{blankLine(""), blankField(RecordKind::Line, LineField::Net)});
}

void TLinePanel::enableFields(bool on)
{
    m_enabled = on;
    for (QWidget* w : std::initializer_list<QWidget*>{PesBruMaskEdit, PesLiqMaskEdit, PesCozMaskEdit,
                                                      PesCruMaskEdit, LimNomMedCasBitBtn, NomMedCasComboBox})
        w->setEnabled(on);
    QuaMedCasMaskEdit->setEnabled(on && m_chosenMeasure >= 0);
}

void TLinePanel::NomMedCasComboBoxChange()
{
    if (m_showing)
        return;
    emit edited();
    const int index = NomMedCasComboBox->currentIndex() >= 0
                          ? m_measures.findKey(cs(NomMedCasComboBox->currentText()))
                          : -1;
    selectMeasure(index);
    if (index >= 0) {
        m_showing = true;
        UmaMedCasMaskEdit->setCoreText(weightOfMeasure(index));
        m_showing = false;
    }
}

void TLinePanel::LimNomMedCasBitBtnClick()
{
    if (!ask(QStringLiteral("Limpa o campo \"Medida Caseira\"?")) || m_chosenMeasure < 0)
        return;
    m_showing = true;
    NomMedCasComboBox->setCurrentIndex(-1);
    UmaMedCasMaskEdit->setCoreText(blankField(RecordKind::Line, LineField::Net));
    QuaMedCasMaskEdit->setCoreText(blankField(RecordKind::Line, LineField::Quantity));
    m_showing = false;
    selectMeasure(-1);
    emit edited();
}

void TLinePanel::leaveWeight(TMaskEdit* edit)
{
    if (!isVisible() || !m_enabled)
        return;
    LineEdits e = edits(std::string());
    DialogMessageSink messages;
    if (edit == PesBruMaskEdit)
        leaveGross(e, m_ingredient, messages);
    else if (edit == PesLiqMaskEdit)
        leaveNet(e, m_ingredient, messages);
    else if (edit == PesCozMaskEdit)
        leaveCooked(e, m_ingredient);
    else
        leaveRaw(e, m_ingredient);
    show(e);
}

void TLinePanel::leaveQuantity()
{
    if (!isVisible() || !m_enabled)
        return;
    LineEdits e = edits(std::string());
    const bool blank = treluza::leaveQuantity(e, m_ingredient);
    show(e);
    if (!blank || m_chosenMeasure < 0 || ask(QStringLiteral("Deseja manter descrição da medida caseira?")))
        return;
    m_showing = true;
    NomMedCasComboBox->setCurrentIndex(-1);
    UmaMedCasMaskEdit->clearText();
    QuaMedCasMaskEdit->clearText();
    m_showing = false;
    selectMeasure(-1);
}

} // namespace treluza

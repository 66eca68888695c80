#include "gui/preparations/RecipeValues.h"

#include "gui/widgets/FormLayout.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/QtText.h"

#include <QLabel>

namespace treluza {

namespace {

constexpr int kLabelWidth = 124; // the row captions
constexpr int kWholeWidth = 62;  // yield, portions, tablespoon
constexpr int kValueWidth = 70;  // the eleven values of a row
constexpr int kValueStep = 72;
constexpr int kEditHeight = 22;
constexpr int kRowHeight = 46;

// The headings of the value columns: energy to sodium, then the cost.
const char* const kHeadings[][2] = {
    {"Calorias", "(kcal)"}, {"Glicídios", "(g)"},   {"Proteínas", "(g)"}, {"Lipídios", "(g)"},
    {"Saturada", "(g)"},    {"Colesterol", "(mg)"}, {"Fibra", "(g)"},     {"Cálcio", "(mg)"},
    {"Ferro", "(mg)"},      {"Sódio", "(mg)"},      {"Custo", "($)"},
};

// The edits of a value row, in kRecipeValues order (energy to sodium, cost).
const char* const kRowNames[3][11] = {
    {"KALPesMaskEdit", "CHOPesMaskEdit", "PTNPesMaskEdit", "LIPPesMaskEdit", "SATPesMaskEdit",
     "COLPesMaskEdit", "FIBPesMaskEdit", "CALPesMaskEdit", "FERPesMaskEdit", "SODPesMaskEdit",
     "CusPesMaskEdit"},
    {"KALPorMaskEdit", "CHOPorMaskEdit", "PTNPorMaskEdit", "LIPPorMaskEdit", "SATPorMaskEdit",
     "COLPorMaskEdit", "FIBPorMaskEdit", "CALPorMaskEdit", "FERPorMaskEdit", "SODPorMaskEdit",
     "CUSPorMaskEdit"},
    {"KALColSopMaskEdit", "CHOColSopMaskEdit", "PTNColSopMaskEdit", "LIPColSopMaskEdit", "SATColSopMaskEdit",
     "COLColSopMaskEdit", "FIBColSopMaskEdit", "CALColSopMaskEdit", "FERColSopMaskEdit", "SODColSopMaskEdit",
     "CUSColSopMaskEdit"},
};

QString indexMask(int field)
{
    return qs(editMask(RecordKind::Index, field));
}

} // namespace

TRecipeValues::TRecipeValues(QWidget* parent) : QWidget(parent)
{
    const int top = 0;
    const QFont numbers = fixedPitchFont(9);
    const int valuesLeft = 8 + kLabelWidth + 2 * (kWholeWidth + 4);
    for (std::size_t k = 0; k < std::size(kHeadings); ++k) {
        const int x = valuesLeft + static_cast<int>(k) * kValueStep;
        placeCaption(this, QString::fromUtf8(kHeadings[k][0]), QRect(x, top, kValueWidth, 14),
                     Qt::AlignHCenter);
        placeCaption(this, QString::fromUtf8(kHeadings[k][1]), QRect(x, top + 14, kValueWidth, 14),
                     Qt::AlignHCenter);
    }
    const char* const rowCaptions[] = {"RECEITA", "PORÇÃO PER CAPITA", "COLHER DE SOPA"};
    int RecipeValueFields::*const shares[] = {&RecipeValueFields::index, &RecipeValueFields::perCapita,
                                              &RecipeValueFields::perSpoon};
    for (int r = 0; r < 3; ++r) {
        const int y = top + 32 + r * kRowHeight;
        QLabel* caption =
            placeCaption(this, QString::fromUtf8(rowCaptions[r]), QRect(8, y + 14, kLabelWidth, 22));
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        for (std::size_t k = 0; k < kRecipeValues.size(); ++k) {
            const int field = kRecipeValues[k].*shares[r];
            TMaskEdit* e = placeMaskEdit(
                this, kRowNames[r][k], indexMask(field),
                QRect(valuesLeft + static_cast<int>(k) * kValueStep, y + 14, kValueWidth, kEditHeight));
            e->setFont(numbers);
            e->setDisplayOnly();
            m_edits[static_cast<std::size_t>(field)] = e;
        }
    }
    // The entered numbers of each row, with the per-capita yield beside the
    // number of portions.
    const struct {
        TMaskEdit** edit;
        const char* name;
        const char* caption;
        int field;
        int row;
        int column;
    } whole[] = {{&RenPesMaskEdit, "RenPesMaskEdit", "Rendimento (g,ml) :", IdxField::Yield, 0, 0},
                 {&NumPorMaskEdit, "NumPorMaskEdit", "Número de porções", IdxField::Portions, 1, 0},
                 {&RenPorMaskEdit, "RenPorMaskEdit", "Porção (g,ml)", IdxField::PortionYield, 1, 1},
                 {&RenColSopMaskEdit, "RenColSopMaskEdit", "Colher (g,ml)", IdxField::Tablespoon, 2, 0}};
    for (const auto& w : whole) {
        const int x = 8 + kLabelWidth + w.column * (kWholeWidth + 4);
        const int y = top + 32 + w.row * kRowHeight;
        placeCaption(this, QString::fromUtf8(w.caption),
                     QRect(x - (w.column == 0 ? 40 : 0), y, kWholeWidth + 40, 14),
                     w.column == 0 ? Qt::AlignRight : Qt::AlignLeft);
        *w.edit = placeMaskEdit(this, w.name, indexMask(w.field), QRect(x, y + 14, kWholeWidth, kEditHeight));
        (*w.edit)->setFont(numbers);
        m_edits[static_cast<std::size_t>(w.field)] = *w.edit;
    }
    RenPorMaskEdit->setDisplayOnly();
}

TMaskEdit* TRecipeValues::edit(int field) const
{
    return field >= 1 && field <= IdxField::Count ? m_edits[static_cast<std::size_t>(field)] : nullptr;
}

int TRecipeValues::fullWidth()
{
    return 8 + kLabelWidth + 2 * (kWholeWidth + 4) + kValueStep * static_cast<int>(kRecipeValues.size()) + 6;
}

} // namespace treluza

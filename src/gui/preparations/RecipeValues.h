#pragma once
// TRecipeValues: the three value rows of the preparation register, "RECEITA",
// "PORÇÃO PER CAPITA" and "COLHER DE SOPA", under the headings of their
// columns: the numbers the user types (yield, number of portions, tablespoon
// weight), the per-capita yield, and the eleven values of each row (energy,
// the nine nutrients and the cost), which only the program writes.
#include "core/records/RecordLayouts.h"

#include <QWidget>

#include <array>

namespace treluza {

class TMaskEdit;

class TRecipeValues : public QWidget {
    Q_OBJECT
public:
    explicit TRecipeValues(QWidget* parent);

    TMaskEdit* RenPesMaskEdit = nullptr;    // yield (field 2)
    TMaskEdit* NumPorMaskEdit = nullptr;    // number of portions (14)
    TMaskEdit* RenPorMaskEdit = nullptr;    // per-capita yield (15)
    TMaskEdit* RenColSopMaskEdit = nullptr; // tablespoon weight (27)

    /** The edit of index field 2 to 38 (null for a field without one). */
    TMaskEdit* edit(int field) const;

    /** The width the rows need. */
    static int fullWidth();

private:
    std::array<TMaskEdit*, IdxField::Count + 1> m_edits{};
};

} // namespace treluza

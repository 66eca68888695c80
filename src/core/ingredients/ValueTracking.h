#pragma once
#include "core/ingredients/IngredientPropagation.h"
#include "core/records/IngredientRecord.h"

#include <string>
#include <string_view>

namespace treluza {

/** The values of an ingredient whose change the register carries into the
 *  preparations (the ten nutrients, the unit cost and the quotation date),
 *  each as two texts: as shown when the record was shown or last stored, and
 *  as current when its edit was last left. A value counts as changed when the
 *  two differ; FC, FCC, the group and the sources are not tracked. */
class IngredientValueTracker {
public:
    /** Whether the register tracks this ingredient field. */
    static bool tracks(int field);

    /** A record shown (or the fields cleared): shown and current values both
     *  become its texts. */
    void show(const IngredientFields& record);
    /** An edit left: its text becomes the field's current value (untracked
     *  fields are ignored). */
    void setCurrent(int field, std::string_view text);
    /** Every tracked field's current value from the texts of the edits. */
    void takeCurrent(const IngredientFields& edits);
    /** The record was stored: the current values become the shown ones. */
    void markStored();

    bool changed() const;
    /** The change to carry, under the given 60-character name. */
    IngredientChange change(std::string_view name) const;

private:
    TrackedValue* slot(int field);

    IngredientChange m_values;
};

} // namespace treluza

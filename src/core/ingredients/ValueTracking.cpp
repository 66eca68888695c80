#include "core/ingredients/ValueTracking.h"

#include <algorithm>

namespace treluza {

bool IngredientValueTracker::tracks(int field)
{
    return recipeValueOfIngredientField(field) >= 0 || field == IngField::UnitCost ||
           field == IngField::QuoteDate;
}

TrackedValue* IngredientValueTracker::slot(int field)
{
    if (field == IngField::UnitCost)
        return &m_values.unitCost;
    if (field == IngField::QuoteDate)
        return &m_values.date;
    const int k = recipeValueOfIngredientField(field);
    return k < 0 ? nullptr : &m_values.nutrients[static_cast<std::size_t>(k)];
}

void IngredientValueTracker::show(const IngredientFields& record)
{
    takeCurrent(record);
    markStored();
}

void IngredientValueTracker::setCurrent(int field, std::string_view text)
{
    if (TrackedValue* v = slot(field))
        v->current = std::string(text);
}

void IngredientValueTracker::takeCurrent(const IngredientFields& edits)
{
    for (int field = 1; field <= IngField::Count; ++field)
        setCurrent(field, edits[field]);
}

void IngredientValueTracker::markStored()
{
    for (TrackedValue& v : m_values.nutrients)
        v.shown = v.current;
    m_values.unitCost.shown = m_values.unitCost.current;
    m_values.date.shown = m_values.date.current;
}

bool IngredientValueTracker::changed() const
{
    return m_values.unitCost.changed() || m_values.date.changed() ||
           std::any_of(m_values.nutrients.begin(), m_values.nutrients.end(),
                       [](const TrackedValue& v) { return v.changed(); });
}

IngredientChange IngredientValueTracker::change(std::string_view name) const
{
    IngredientChange c = m_values;
    c.name = std::string(name);
    return c;
}

} // namespace treluza

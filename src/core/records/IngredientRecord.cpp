#include "core/records/IngredientRecord.h"

#include "core/store/DecimalField.h"
#include "core/store/StrUnit.h"

namespace treluza {

std::string_view ingredientFieldMask(int field)
{
    switch (field) {
    case IngField::Name:
        return kIngredientNameMask;
    case IngField::Sodium:
        return kSodiumMask;
    case IngField::FC:
    case IngField::FCC:
        return kFactorMask;
    case IngField::UnitCost:
        return kUnitCostMask;
    case IngField::QuoteDate:
        return kQuoteDateMask;
    default:
        if (field >= IngField::Energy && field <= IngField::Iron)
            return kNutrientMask;
        return {};
    }
}

int ingredientFieldWidth(int field)
{
    if (field == IngField::Group)
        return kGroupNameWidth;
    if (field == IngField::LastSource)
        return kCostSourceWidth;
    return static_cast<int>(ingredientFieldMask(field).size());
}

std::string ingredientBlankField(int field)
{
    if (field == IngField::Name)
        return {};
    return BlankTemplate(ingredientFieldMask(field));
}

IngredientFields blankIngredient(std::string_view name)
{
    IngredientFields fields;
    for (int n = 1; n <= IngField::Count; ++n)
        fields[n] = ingredientBlankField(n);
    fields[IngField::Name] = std::string(name);
    return fields;
}

std::string MakeLine(const IngredientFields& edits)
{
    IngredientFields line = edits;
    line[IngField::Reserved].clear();
    return joinFields(line);
}

IngredientFields readIngredient(std::string_view line)
{
    return SplitFields<IngField::Count>(line);
}

std::array<std::string, 13> shownSources(const IngredientFields& record, bool editable,
                                         std::string_view tableName)
{
    std::array<std::string, 13> sources;
    for (std::size_t i = 0; i < sources.size(); ++i) {
        const int source = IngField::FirstSource + static_cast<int>(i);
        const int value = kValueFields[i];
        if (editable)
            sources[i] = record[source];
        else if (!isBlankField(record[value], ingredientFieldMask(value)))
            sources[i] = std::string(tableName);
    }
    return sources;
}

} // namespace treluza

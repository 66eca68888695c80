#include "core/records/IngredientRecord.h"

#include "core/store/DecimalField.h"
#include "core/store/StrUnit.h"

namespace treluza {

IngredientFields blankIngredient(std::string_view name)
{
    IngredientFields fields;
    for (int n = 1; n <= IngField::Count; ++n)
        fields[n] = blankField(RecordKind::Ingredient, n);
    fields[IngField::Name] = std::string(name);
    return fields;
}

std::string ingredientRecordLine(const IngredientFields& edits)
{
    IngredientFields line = edits;
    line[IngField::Reserved].clear();
    return joinFields(line);
}

IngredientFields readIngredient(std::string_view line)
{
    return splitFields<IngField::Count>(line);
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
        else if (!isBlankField(record[value], fieldMask(RecordKind::Ingredient, value)))
            sources[i] = std::string(tableName);
    }
    return sources;
}

} // namespace treluza

#include "core/ingredients/IngredientList.h"

#include "core/lists/Keywords.h"
#include "core/lists/ListRows.h"
#include "core/records/FieldTexts.h"
#include "core/records/IngredientRecord.h"
#include "core/store/Cp1252.h"
#include "core/store/StrUnit.h"

namespace treluza {

std::string ingredientListHeader()
{
    std::string header = CenterText("INGREDIENTE", fieldWidth(RecordKind::Ingredient, IngField::Name)) + "|";
    const int width = static_cast<int>(kNutrientMask.size());
    for (const char* title : {"KCAL", "CHO", "PTN", "G.TOTAL", "G.SATUR", "COLESTE"})
        header += CenterText(title, width) + "|";
    return header;
}

const std::vector<std::string>& ingredientOrderItems()
{
    static const std::vector<std::string> items = {
        cp("INGREDIENTE"),    cp("CALORIAS - KCAL"), cp("CARBOIDRATOS - CHO"), cp("PROTEINAS - PTN"),
        cp("LIPÍDIOS - LIP"), cp("SATURADA - SAT"),  cp("COLESTEROL - COL"),   cp("FIBRA - FIB"),
        cp("CÁLCIO - Ca"),    cp("FERRO - Fe"),      cp("SÓDIO - SOD")};
    return items;
}

std::vector<int> BuildList(const std::vector<std::string>& lines, const IngredientQuery& query)
{
    const bool keywordsOn = query.keywordFilter && !query.keywords.empty();
    if (!query.groupFilter && !keywordsOn)
        return orderedRows(lines, {}, query.orderField);
    return orderedRows(
        lines,
        [&query, keywordsOn](std::string_view line) {
            if (query.groupFilter && FieldOf(IngField::Group, line) != query.group)
                return false;
            return !keywordsOn || MatchKeywords(FieldOf(IngField::Name, line), query.keywords);
        },
        query.orderField);
}

} // namespace treluza

#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

// The ingredient browser's list: each row is an ingredient record line as it
// is stored. The name and the first value fields have fixed widths, so in a
// fixed-pitch font the rows read as a table under the header.

/** The header over the rows: "INGREDIENTE" centred in the 60 columns of the
 *  name, then the titles of energy, carbohydrate, protein, total fat,
 *  saturated fat and cholesterol centred in their 7 columns, each followed by
 *  "|" as the fields are. */
std::string ingredientListHeader();

/** The entries of the ordering combo; entry i orders by record field i + 1. */
const std::vector<std::string>& ingredientOrderItems();

/** The filters and the ordering of the browser. */
struct IngredientQuery {
    /** Only ingredients whose group (field 13) is exactly group, trailing
     *  blanks and letter case included. */
    bool groupFilter = false;
    std::string group;
    /** Only ingredients whose name holds every keyword (MatchKeywords). */
    bool keywordFilter = false;
    std::vector<std::string> keywords;
    /** The record field to order by (1 to 11), 0 for the order of the file. */
    int orderField = 0;
};

/** The indexes of the ingredient lines the browser shows, in their order. */
std::vector<int> BuildList(const std::vector<std::string>& lines, const IngredientQuery& query);

} // namespace treluza

#pragma once
#include "core/records/FieldTexts.h"

#include <string>
#include <string_view>

namespace treluza {

/** Field numbers of a preparation index line (40 fields). Whole-recipe values
 *  are sums over the preparation's ingredient lines; per-capita and
 *  per-tablespoon values are derived from them. */
namespace IdxField {
constexpr int Name = 1;   // the key, 40 characters, trailing blanks kept
constexpr int Yield = 2;  // g or ml of the whole recipe, entered
constexpr int Energy = 3; // 3 to 12: energy and nine nutrients of the recipe
constexpr int Sodium = 12;
constexpr int Cost = 13;            // cost of the whole recipe
constexpr int Portions = 14;        // number of portions, entered
constexpr int PortionYield = 15;    // yield / portions, whole number
constexpr int PerCapitaEnergy = 16; // 16 to 25: per capita, order of 3 to 12
constexpr int PerCapitaCost = 26;
constexpr int Tablespoon = 27;  // weight of one tablespoon, entered
constexpr int SpoonEnergy = 28; // 28 to 37: per tablespoon, order of 3 to 12
constexpr int SpoonCost = 38;
constexpr int Group = 39; // a preparation group key, or empty
constexpr int Date = 40;  // dd/mm/yyyy
constexpr int Count = 40;
} // namespace IdxField

/** Field numbers of an ingredient line of a preparation (22 fields). */
namespace LineField {
constexpr int Name = 1;       // the ingredient's 60-character key
constexpr int Gross = 2;      // gross weight, g
constexpr int Net = 3;        // net weight, g
constexpr int Cooked = 4;     // cooked weight, g
constexpr int Raw = 5;        // raw weight, g
constexpr int FC = 6;         // gross / net
constexpr int FCC = 7;        // cooked / raw
constexpr int UnitCost = 8;   // money per 1000 g, copied from the ingredient
constexpr int Cost = 9;       // gross x unit cost / 1000
constexpr int QuoteDate = 10; // dd/mm/yy, copied from the ingredient
constexpr int Measure = 11;   // household measure name (20 characters) or empty
constexpr int Quantity = 12;  // number of household measures
constexpr int Energy = 13;    // 13 to 22: energy and nine nutrients in the net weight
constexpr int Sodium = 22;
constexpr int Count = 22;
} // namespace LineField

constexpr std::string_view kPreparationNameMask = "cccccccccccccccccccccccccccccccccccccccc";
constexpr int kPreparationNameWidth = 40;
constexpr std::string_view kWholeMask = "999999";     // yield, portions, portion yield, tablespoon
constexpr std::string_view kAmountMask = "999999,99"; // values and costs of index and lines
constexpr std::string_view kPreparationDateMask = "99/99/9999";
constexpr std::string_view kWeightMask = "999999,9";   // line weights, weight of one measure
constexpr std::string_view kLineFactorMask = "999,99"; // FC, FCC
constexpr std::string_view kQuantityMask = "999,99";
constexpr std::string_view kLineDateMask = "99/99/99";
constexpr int kMeasureNameWidth = 20;

/** The edit mask of an index field; empty for the group. */
std::string_view indexFieldMask(int field);
/** The width of an index field's text (20 for the group, whose names are keys
 *  of the group file). */
int indexFieldWidth(int field);
/** What an empty index field holds: the blank template of its mask (empty for
 *  the name and the group). */
std::string indexBlankField(int field);

/** The edit mask of an ingredient-line field; empty for the measure name. */
std::string_view lineFieldMask(int field);
/** The width of an ingredient-line field's text. */
int lineFieldWidth(int field);
/** What an empty ingredient-line field holds (empty for the names). */
std::string lineBlankField(int field);

/** The texts of an index line, as the preparation register's fields hold them. */
using IndexFields = FieldTexts<IdxField::Count>;
/** The texts of an ingredient line, as the ingredient window's fields hold them. */
using LineFields = FieldTexts<LineField::Count>;

/** A preparation with the given name and every other field empty. */
IndexFields blankIndex(std::string_view name);
/** An ingredient line with the given ingredient and every other field empty. */
LineFields blankLine(std::string_view ingredient);

/** The index line of the fields 1 to 40, each followed by "|", as they are. */
std::string MakeLine(const IndexFields& fields);
/** The ingredient line of the fields 1 to 22, each followed by "|", as they are. */
std::string MakeLine(const LineFields& fields);

/** The fields of a stored index line; missing fields read as the empty text. */
IndexFields readIndex(std::string_view line);
/** The fields of a stored ingredient line; missing fields read as the empty text. */
LineFields readLine(std::string_view line);

} // namespace treluza

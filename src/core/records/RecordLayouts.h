#pragma once
// The record layouts of every data file, in one place: the field numbers of
// each record kind, the edit mask and width of each field, what an empty
// field holds, and which fields of the different kinds hold the same value.
// Everything else reads its field numbers, masks and widths from here.
#include <array>
#include <string>
#include <string_view>

namespace treluza {

/** The kinds of record line, one per kind of data file. */
enum class RecordKind {
    Ingredient,       // ingredient file, 30 fields
    Index,            // preparation index, 40 fields
    Line,             // ingredient line of a preparation, 22 fields
    IngredientGroup,  // ingredient group file, 1 field
    PreparationGroup, // preparation group file, 1 field
    Measure,          // household measure file of an ingredient, 2 fields
    Registry,         // table registry, 3 fields
    Label,            // label file of a preparation, 13 fields
};

/** Field numbers of an ingredient record. Values are per 100 g of the
 *  ingredient; the unit cost is per 1000 g. */
namespace IngField {
constexpr int Name = 1;         // the key
constexpr int Energy = 2;       // kcal
constexpr int Carbohydrate = 3; // g
constexpr int Protein = 4;      // g
constexpr int TotalFat = 5;     // g
constexpr int SaturatedFat = 6; // g
constexpr int Cholesterol = 7;  // mg
constexpr int Fibre = 8;        // g
constexpr int Calcium = 9;      // mg
constexpr int Iron = 10;        // mg
constexpr int Sodium = 11;      // mg
constexpr int Reserved = 12;    // always written empty
constexpr int Group = 13;       // an ingredient group key or empty
constexpr int FC = 14;          // correction factor, gross over net weight
constexpr int FCC = 15;         // cooking factor, cooked over raw weight
constexpr int UnitCost = 16;    // money per 1000 g
constexpr int QuoteDate = 17;   // date of the unit cost, dd/mm/yy
constexpr int FirstSource = 18; // the source of the first value field; the sources follow kValueFields
constexpr int LastSource = 30;  // the source of the unit cost
constexpr int Count = 30;
} // namespace IngField

/** Field numbers of a preparation index line. Whole-recipe values are sums
 *  over the preparation's ingredient lines; per-capita and per-tablespoon
 *  values are derived from them. */
namespace IdxField {
constexpr int Name = 1;   // the key
constexpr int Yield = 2;  // g or ml of the whole recipe, entered
constexpr int Energy = 3; // 3 to 12: energy and nine nutrients of the recipe
constexpr int Sodium = 12;
constexpr int Cost = 13;            // cost of the whole recipe
constexpr int Portions = 14;        // number of portions, entered
constexpr int PortionYield = 15;    // yield / portions, whole number
constexpr int PerCapitaEnergy = 16; // 16 to 25: per capita, in the order of 3 to 12
constexpr int PerCapitaCost = 26;
constexpr int Tablespoon = 27;  // weight of one tablespoon, entered
constexpr int SpoonEnergy = 28; // 28 to 37: per tablespoon, in the order of 3 to 12
constexpr int SpoonCost = 38;
constexpr int Group = 39; // a preparation group key, or empty
constexpr int Date = 40;  // dd/mm/yyyy
constexpr int Count = 40;
} // namespace IdxField

/** Field numbers of an ingredient line of a preparation. */
namespace LineField {
constexpr int Name = 1;       // the ingredient's key
constexpr int Gross = 2;      // gross weight, g
constexpr int Net = 3;        // net weight, g
constexpr int Cooked = 4;     // cooked weight, g
constexpr int Raw = 5;        // raw weight, g
constexpr int FC = 6;         // gross / net
constexpr int FCC = 7;        // cooked / raw
constexpr int UnitCost = 8;   // money per 1000 g, copied from the ingredient
constexpr int Cost = 9;       // gross x unit cost / 1000
constexpr int QuoteDate = 10; // dd/mm/yy, copied from the ingredient
constexpr int Measure = 11;   // household measure key or empty
constexpr int Quantity = 12;  // number of household measures
constexpr int Energy = 13;    // 13 to 22: energy and nine nutrients in the net weight
constexpr int Sodium = 22;
constexpr int Count = 22;
} // namespace LineField

/** The one field of a group line (both group files). */
namespace GroupField {
constexpr int Name = 1;
constexpr int Count = 1;
} // namespace GroupField

/** Fields of a household measure line. */
namespace MeasureField {
constexpr int Name = 1;
constexpr int Quantity = 2; // grams or millilitres of one measure
constexpr int Count = 2;
} // namespace MeasureField

/** Fields of a table registry line. */
namespace RegistryField {
constexpr int Name = 1;
constexpr int Description = 2;
constexpr int Flag = 3; // "1": the table may be changed; anything else: consultation only
constexpr int Count = 3;
} // namespace RegistryField

/** Fields of the one line of a preparation's label file: what the user types
 *  for its nutrition label. Amounts are of the whole recipe; a blank amount is
 *  not typed yet (0 is a value). Switches are "1" (on) or "0" (off). */
namespace LabelField {
constexpr int Unit = 1;                // "g" for a solid, "ml" for a liquid
constexpr int Portion = 2;             // g or ml of one portion, whole, or blank
constexpr int Measure = 3;             // the portion's household measure, free text
constexpr int PerPackage = 4;          // portions per package, whole, or blank
constexpr int About = 5;               // switch: "Cerca de" before the portions per package
constexpr int TotalSugars = 6;         // g, or blank
constexpr int AddedSugars = 7;         // g, or blank
constexpr int TransFat = 8;            // g, or blank
constexpr int FibreInCarbohydrate = 9; // switch: the table's carbohydrate includes dietary fibre
constexpr int Cholesterol = 10;        // switch: the cholesterol line is shown
constexpr int Calcium = 11;            // switch: the calcium line is shown when it counts
constexpr int Iron = 12;               // switch: the iron line is shown when it counts
constexpr int Exempt = 13;             // switch: the food carries no front mark
constexpr int Count = 13;
} // namespace LabelField

// The masks of the numeric and date fields (the part of an edit mask before
// ";"): "9" places take a digit or stay blank, "," and "/" are kept.
inline constexpr std::string_view kNutrientMask = "9999,99"; // ingredient values per 100 g
inline constexpr std::string_view kSodiumMask = "99999,99";  // ingredient sodium per 100 g
inline constexpr std::string_view kFactorMask = "999,99";    // FC and FCC
inline constexpr std::string_view kQuantityMask = "999,99";  // number of household measures
inline constexpr std::string_view kAmountMask = "999999,99"; // money, line values and recipe values
inline constexpr std::string_view kWeightMask = "999999,9";  // weights, weight of one measure
inline constexpr std::string_view kWholeMask = "999999";     // yield, portions, tablespoon weight
inline constexpr std::string_view kShortDateMask = "99/99/99";
inline constexpr std::string_view kLongDateMask = "99/99/9999";

/** One field of a record layout: the edit mask of its text (its part before
 *  ";"; "c" places take any character, "9" places digits or a blank), or no
 *  mask for free text; and the width of the text in characters (the mask's
 *  length, or for free text the longest text it holds, 0 when unbounded). */
struct FieldLayout {
    std::string_view mask;
    int width = 0;
};

/** Number of fields of a record kind. */
int fieldCount(RecordKind kind);

/** The layout of field n (1-based) of a record kind; throws std::out_of_range
 *  for a field number the kind does not have. */
FieldLayout fieldLayout(RecordKind kind, int n);

std::string_view fieldMask(RecordKind kind, int n);
int fieldWidth(RecordKind kind, int n);

/** What an empty field holds: the blank template of a numeric or date mask
 *  ("    ,  ", "  /  /  "); the empty text for names and free text. */
std::string blankField(RecordKind kind, int n);

/** The mask of an edit that holds the field, with its literals kept and "_"
 *  shown in empty places ("9999,99;1;_", 20 "c" then ";1;_" for a group
 *  name); empty for free text. */
std::string editMask(RecordKind kind, int n);

/** The fields that hold one of the values a preparation adds up: in the
 *  ingredient (per 100 g; 0 for the cost, which comes from the unit cost), in
 *  an ingredient line, and in the index line for the whole recipe, one
 *  portion and one tablespoon. */
struct RecipeValueFields {
    int ingredient;
    int line;
    int index;
    int perCapita;
    int perSpoon;
};

/** Energy and the nine nutrients in field order, then the cost. */
inline constexpr std::array<RecipeValueFields, 11> kRecipeValues{{
    {IngField::Energy, 13, 3, 16, 28},
    {IngField::Carbohydrate, 14, 4, 17, 29},
    {IngField::Protein, 15, 5, 18, 30},
    {IngField::TotalFat, 16, 6, 19, 31},
    {IngField::SaturatedFat, 17, 7, 20, 32},
    {IngField::Cholesterol, 18, 8, 21, 33},
    {IngField::Fibre, 19, 9, 22, 34},
    {IngField::Calcium, 20, 10, 23, 35},
    {IngField::Iron, 21, 11, 24, 36},
    {IngField::Sodium, LineField::Sodium, IdxField::Sodium, 25, 37},
    {0, LineField::Cost, IdxField::Cost, IdxField::PerCapitaCost, IdxField::SpoonCost},
}};

/** The ten nutrient rows of kRecipeValues (energy to sodium). */
inline constexpr std::size_t kNutrientCount = 10;

/** The place in kRecipeValues of the row whose line field is n, or -1. */
int recipeValueOfLineField(int n);
/** The place in kRecipeValues of the row whose ingredient field is a, or -1. */
int recipeValueOfIngredientField(int a);

/** The thirteen value fields of an ingredient, in the order of their source
 *  fields (IngField::FirstSource to IngField::LastSource). */
inline constexpr std::array<int, 13> kValueFields = {
    IngField::Energy,       IngField::Carbohydrate, IngField::Protein, IngField::TotalFat,
    IngField::SaturatedFat, IngField::Cholesterol,  IngField::Fibre,   IngField::Calcium,
    IngField::Iron,         IngField::Sodium,       IngField::FC,      IngField::FCC,
    IngField::UnitCost};

} // namespace treluza

#pragma once
#include "core/records/FieldTexts.h"

#include <array>
#include <string>
#include <string_view>

namespace treluza {

/** Field numbers of an ingredient record line (30 fields, each followed by "|").
 *  Values are per 100 g of the ingredient; the unit cost is per 1000 g. */
namespace IngField {
constexpr int Name = 1;         // the key, 60 characters, trailing blanks kept
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
constexpr int Group = 13;       // a group key (20 characters) or empty
constexpr int FC = 14;          // correction factor, gross over net weight
constexpr int FCC = 15;         // cooking factor, cooked over raw weight
constexpr int UnitCost = 16;    // money per 1000 g
constexpr int QuoteDate = 17;   // date of the unit cost, dd/mm/yy
constexpr int FirstSource = 18; // the source of field 2; 18 to 30 follow kValueFields
constexpr int LastSource = 30;  // the source of the unit cost
constexpr int Count = 30;
} // namespace IngField

/** The ten nutrient fields, energy to sodium, in field order. */
constexpr std::array<int, 10> kNutrientFields = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11};

/** The thirteen value fields, in the order of their source fields 18 to 30. */
constexpr std::array<int, 13> kValueFields = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 14, 15, 16};

constexpr std::string_view kIngredientNameMask =
    "cccccccccccccccccccccccccccccccccccccccccccccccccccccccccccc";
constexpr int kIngredientNameWidth = 60;
constexpr std::string_view kNutrientMask = "9999,99"; // fields 2 to 10
constexpr std::string_view kSodiumMask = "99999,99";  // field 11
constexpr std::string_view kFactorMask = "999,99";    // FC and FCC
constexpr std::string_view kUnitCostMask = "999999,99";
constexpr std::string_view kQuoteDateMask = "99/99/99";
constexpr int kGroupNameWidth = 20;
constexpr int kCostSourceWidth = 33; // the source of the unit cost; other sources are free

/** The edit mask of an ingredient field: the name mask for field 1, the numeric
 *  or date mask of a value field or the date, and the empty text for the group,
 *  the reserved field and the sources. */
std::string_view ingredientFieldMask(int field);

/** The width of an ingredient field's text: 60 for the name, the mask's width
 *  for values and the date, 20 for the group, 33 for the cost source, 0 for the
 *  reserved field and the free source texts. */
int ingredientFieldWidth(int field);

/** What an empty ingredient field holds: its mask's blank template for values
 *  and the date ("    ,  ", "  /  /  "), the empty text otherwise. */
std::string ingredientBlankField(int field);

/** The texts of an ingredient record, as the register's edits hold them. */
using IngredientFields = FieldTexts<IngField::Count>;

/** An ingredient with the given name and nothing typed: every value and the date
 *  their blank templates, group, reserved field and sources empty. */
IngredientFields blankIngredient(std::string_view name);

/** The record line of the edits, in field order, each followed by "|". The
 *  texts go in as they are (no trimming, check or conversion), except the
 *  reserved field 12, which is always empty. */
std::string MakeLine(const IngredientFields& edits);

/** The fields of a stored ingredient line; fields missing from a short line
 *  read as the empty text. */
IngredientFields readIngredient(std::string_view line);

/** What the 13 source edits show (in the order of fields 18 to 30). In an
 *  editable table they are the stored fields 18 to 30. In a table open only for
 *  consultation the stored sources are not read: a source shows the table's
 *  name when its value field holds anything but its blank template, and the
 *  empty text otherwise. */
std::array<std::string, 13> shownSources(const IngredientFields& record, bool editable,
                                         std::string_view tableName);

} // namespace treluza

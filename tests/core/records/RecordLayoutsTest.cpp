#include "core/records/RecordLayouts.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

struct SharedField {
    const char* what;
    RecordKind kindA;
    int fieldA;
    RecordKind kindB;
    int fieldB;
};

// A key or value written by one file into another must fit the same way in
// both: the preparation group field once held 20 characters while the
// preparation group file writes 30.
TEST(RecordLayouts, FieldsThatHoldTheSameTextHaveTheSameWidthAndMask)
{
    const SharedField shared[] = {
        {"ingredient key in a line", RecordKind::Ingredient, IngField::Name, RecordKind::Line,
         LineField::Name},
        {"ingredient group key", RecordKind::IngredientGroup, GroupField::Name, RecordKind::Ingredient,
         IngField::Group},
        {"preparation group key", RecordKind::PreparationGroup, GroupField::Name, RecordKind::Index,
         IdxField::Group},
        {"measure key in a line", RecordKind::Measure, MeasureField::Name, RecordKind::Line,
         LineField::Measure},
        {"FC copied into a line", RecordKind::Ingredient, IngField::FC, RecordKind::Line, LineField::FC},
        {"FCC copied into a line", RecordKind::Ingredient, IngField::FCC, RecordKind::Line, LineField::FCC},
        {"unit cost copied into a line", RecordKind::Ingredient, IngField::UnitCost, RecordKind::Line,
         LineField::UnitCost},
        {"quotation date copied into a line", RecordKind::Ingredient, IngField::QuoteDate, RecordKind::Line,
         LineField::QuoteDate},
        {"weight of one measure", RecordKind::Measure, MeasureField::Quantity, RecordKind::Line,
         LineField::Net},
    };
    for (const auto& f : shared) {
        EXPECT_EQ(fieldWidth(f.kindA, f.fieldA), fieldWidth(f.kindB, f.fieldB)) << f.what;
        EXPECT_GT(fieldWidth(f.kindA, f.fieldA), 0) << f.what;
        const std::string_view a = fieldMask(f.kindA, f.fieldA);
        const std::string_view b = fieldMask(f.kindB, f.fieldB);
        if (a.find('9') != std::string_view::npos || b.find('9') != std::string_view::npos) {
            EXPECT_EQ(a, b) << f.what;
        }
    }
}

// Every recipe value: the line's value, the recipe's sum and its shares are
// written with one mask, so a sum of lines fits the index as the lines do.
TEST(RecordLayouts, RecipeValuesShareOneMaskFromLineToShares)
{
    for (std::size_t k = 0; k < kRecipeValues.size(); ++k) {
        const RecipeValueFields& v = kRecipeValues[k];
        const std::string_view line = fieldMask(RecordKind::Line, v.line);
        EXPECT_EQ(fieldMask(RecordKind::Index, v.index), line) << k;
        EXPECT_EQ(fieldMask(RecordKind::Index, v.perCapita), line) << k;
        EXPECT_EQ(fieldMask(RecordKind::Index, v.perSpoon), line) << k;
        EXPECT_EQ(recipeValueOfLineField(v.line), static_cast<int>(k));
        if (k < kNutrientCount) {
            EXPECT_NE(fieldMask(RecordKind::Ingredient, v.ingredient).find(','), std::string_view::npos) << k;
            EXPECT_EQ(recipeValueOfIngredientField(v.ingredient), static_cast<int>(k));
        }
    }
    EXPECT_EQ(recipeValueOfLineField(LineField::Gross), -1);
    EXPECT_EQ(recipeValueOfIngredientField(IngField::FC), -1);
}

TEST(RecordLayouts, BlanksAndEditMasks)
{
    EXPECT_EQ(blankField(RecordKind::Ingredient, IngField::Energy), "    ,  ");
    EXPECT_EQ(blankField(RecordKind::Index, IdxField::Date), "  /  /    ");
    EXPECT_EQ(blankField(RecordKind::Line, LineField::Gross), "      , ");
    EXPECT_EQ(blankField(RecordKind::Index, IdxField::Yield), "      ");
    // Names, keys and free texts are empty when nothing is typed.
    EXPECT_EQ(blankField(RecordKind::Index, IdxField::Name), "");
    EXPECT_EQ(blankField(RecordKind::Index, IdxField::Group), "");
    EXPECT_EQ(blankField(RecordKind::Ingredient, IngField::LastSource), "");
    EXPECT_EQ(editMask(RecordKind::Measure, MeasureField::Name), std::string(20, 'c') + ";1;_");
    EXPECT_EQ(editMask(RecordKind::Measure, MeasureField::Quantity), "999999,9;1;_");
    EXPECT_EQ(editMask(RecordKind::Ingredient, IngField::FirstSource), "");
    EXPECT_THROW(fieldLayout(RecordKind::Line, LineField::Count + 1), std::out_of_range);
    EXPECT_THROW(fieldLayout(RecordKind::Registry, 0), std::out_of_range);
    EXPECT_EQ(fieldCount(RecordKind::Ingredient), IngField::Count);
    EXPECT_EQ(fieldCount(RecordKind::Index), IdxField::Count);
    EXPECT_EQ(fieldCount(RecordKind::Line), LineField::Count);
}

} // namespace
} // namespace treluza

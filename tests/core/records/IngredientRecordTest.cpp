#include "core/records/IngredientRecord.h"

#include "core/store/StrUnit.h"

#include "support/RecipeLines.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace treluza {
namespace {

using testing::line;
using testing::name40;
using testing::name60;

TEST(IngredientRecord, NothingTypedIsStoredAsBlankTemplates)
{
    const std::string name = name60("Arroz, tipo 1, cru");
    const std::string expected = name + "|" + RepeatText("    ,  |", 9) + "     ,  |" + "|" + "|" +
                                 "   ,  |   ,  |" + "      ,  |" + "  /  /  |" + RepeatText("|", 13);
    EXPECT_EQ(ingredientRecordLine(blankIngredient(name)), expected);
    EXPECT_EQ(std::count(expected.begin(), expected.end(), '|'), 30);
}

TEST(IngredientRecord, LineIsBuiltFromTheEditsAsTheyAre)
{
    IngredientFields edits = blankIngredient(name60("P\xE3o/queijo"));
    edits[IngField::Energy] = " 358,00";
    edits[IngField::Sodium] = " 1234,50";
    edits[IngField::Reserved] = "junk"; // never stored
    edits[IngField::Group] = "Cereais             ";
    edits[IngField::FC] = "  1,20";
    edits[IngField::FirstSource] = " TACO ";
    edits[IngField::LastSource] = "feira";
    const std::string line = ingredientRecordLine(edits);
    EXPECT_EQ(FieldOf(IngField::Energy, line), " 358,00");
    EXPECT_EQ(FieldOf(IngField::Sodium, line), " 1234,50");
    EXPECT_EQ(line.substr(line.find(" 1234,50|") + 9, 1), "|") << "the reserved field stays empty";
    EXPECT_EQ(FieldOf(IngField::Group, line), "Cereais             ");
    EXPECT_EQ(FieldOf(IngField::FirstSource, line), " TACO ");
    EXPECT_EQ(readIngredient(line)[IngField::Name], name60("P\xE3o/queijo"));
    EXPECT_EQ(readIngredient(line)[IngField::Reserved], "");
}

TEST(IngredientRecord, ShortLinesReadMissingFieldsAsEmptyAndAreWrittenWhole)
{
    std::string line = name60("Feij\xE3o") + "|";
    for (int n = 2; n <= 17; ++n)
        line += blankField(RecordKind::Ingredient, n) + "|";
    const IngredientFields record = readIngredient(line);
    for (int n = IngField::FirstSource; n <= IngField::LastSource; ++n)
        EXPECT_EQ(record[n], "");
    const std::string saved = ingredientRecordLine(record);
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '|'), 30);
    EXPECT_EQ(saved, ingredientRecordLine(blankIngredient(name60("Feij\xE3o"))));

    // A last field without its bar is still read; nothing past the 30th is kept.
    EXPECT_EQ(readIngredient("Sal| 12,00")[IngField::Energy], " 12,00");
    EXPECT_EQ(readIngredient("Sal| 12,00")[IngField::Carbohydrate], "");
    EXPECT_EQ(readIngredient(RepeatText("x|", 35))[IngField::LastSource], "x");
    EXPECT_EQ(readIngredient("")[IngField::Name], "");
}

TEST(IngredientRecord, SourcesShownDependOnWhetherTheTableIsEditable)
{
    IngredientFields record = blankIngredient(name60("Arroz"));
    record[IngField::Energy] = " 358,00";
    record[IngField::UnitCost] = "     4,50";
    for (int n = IngField::FirstSource; n <= IngField::LastSource; ++n)
        record[n] = "fonte " + std::to_string(n);

    const auto editable = shownSources(record, true, "Tabela B");
    for (int i = 0; i < 13; ++i)
        EXPECT_EQ(editable[std::size_t(i)], "fonte " + std::to_string(IngField::FirstSource + i));

    const auto consulting = shownSources(record, false, "Tabela B            ");
    EXPECT_EQ(consulting[0], "Tabela B            ");  // energy holds 358,00
    EXPECT_EQ(consulting[1], "");                      // carbohydrate is blank
    EXPECT_EQ(consulting[12], "Tabela B            "); // unit cost
    EXPECT_EQ(std::count(consulting.begin(), consulting.end(), ""), 11);
}

} // namespace
} // namespace treluza

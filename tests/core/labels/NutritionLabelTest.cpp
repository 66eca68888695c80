// The numbers of the nutrition label: rounding, amounts declared as zero,
// energy and daily values from the declared amounts, calcium and iron, the
// front mark, what stops a label, and one whole label of TACO foods.
#include "core/labels/NutritionLabel.h"

#include "core/store/Cp1252.h"

#include "support/TacoPreparation.h"

#include <gtest/gtest.h>

#include <map>

namespace treluza {
namespace {

/** A preparation whose whole-recipe values are given per ingredient field. */
IndexFields recipe(const std::map<int, std::string>& values, const std::string& yield = "   100")
{
    IndexFields index = blankIndex("Teste");
    index[IdxField::Yield] = yield;
    for (const auto& [field, text] : values)
        index[kRecipeValues.at(static_cast<std::size_t>(recipeValueOfIngredientField(field))).index] = text;
    return index;
}

/** A complete label: a solid, the portion given, no sugars, no trans fat. */
LabelFields inputs(const std::string& portion = "100", std::map<int, std::string> changes = {})
{
    LabelFields f = defaultLabel(blankIndex(""));
    f[LabelField::Portion] = portion;
    f[LabelField::Measure] = "1 prato";
    f[LabelField::TotalSugars] = "0";
    f[LabelField::AddedSugars] = "0";
    f[LabelField::TransFat] = "0";
    for (const auto& [n, text] : changes)
        f[n] = text;
    return f;
}

const LabelRow& rowOf(const NutritionLabel& label, std::string_view utf8Name)
{
    for (const LabelRow& r : label.rows)
        if (r.name == cp(utf8Name))
            return r;
    throw std::out_of_range("no row " + std::string(utf8Name));
}

TEST(NutritionLabel, RoundingTakesItsRangeFromTheUnroundedAmount)
{
    const struct {
        const char* amount;
        Mass mass;
        const char* text;
    } cases[] = {
        {"0,94", Mass::Gram, "0,9"},       {"0,95", Mass::Gram, "1,0"},
        {"0,04", Mass::Gram, "0,0"},       {"1", Mass::Gram, "1"},
        {"1,04", Mass::Gram, "1"},         {"1,05", Mass::Gram, "1,1"},
        {"9,94", Mass::Gram, "9,9"},       {"9,95", Mass::Gram, "10"},
        {"9,96", Mass::Gram, "10"},        {"10", Mass::Gram, "10"},
        {"10,5", Mass::Gram, "11"},        {"2345,4999", Mass::Milligram, "2345"},
        {"0,995", Mass::Milligram, "1,0"}, {"0,994", Mass::Milligram, "0,99"},
        {"0,5", Mass::Milligram, "0,5"},   {"0,045", Mass::Milligram, "0,05"},
        {"1,95", Mass::Milligram, "2"},    {"-3", Mass::Gram, "0,0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(declareAmount(readNumber(c.amount), c.mass).text, c.text) << c.amount;
    // The value that energy and daily values use is the rounded one.
    EXPECT_EQ(declareAmount(readNumber("0,995"), Mass::Milligram).value, Exact::units(1, 0));
    EXPECT_EQ(declareAmount(readNumber("9,94"), Mass::Gram).value, Exact::units(99, 1));
}

TEST(NutritionLabel, AmountsAtTheirLimitInBothColumnsAreZero)
{
    namespace F = IngField;
    namespace L = LabelField;
    const struct {
        const char* name; // of the case
        std::map<int, std::string> values;
        std::map<int, std::string> label;
        const char* row;
        const char* per100;
        const char* perPortion;
        const char* portion = "100";
    } cases[] = {
        {"proteins at 0,5", {{F::Protein, "0,50"}}, {}, "Proteínas (g)", "0", "0"},
        {"proteins above", {{F::Protein, "0,51"}}, {}, "Proteínas (g)", "0,5", "0,5"},
        {"proteins, the portion above", {{F::Protein, "0,50"}}, {}, "Proteínas (g)", "0,5", "1", "200"},
        {"proteins, 100 g above", {{F::Protein, "0,60"}}, {}, "Proteínas (g)", "0,6", "0,3", "50"},
        {"carbohydrates at 0,5", {{F::Carbohydrate, "0,50"}}, {}, "Carboidratos (g)", "0", "0"},
        {"carbohydrates with sugars",
         {{F::Carbohydrate, "0,50"}},
         {{L::TotalSugars, "0,60"}},
         "Carboidratos (g)",
         "0,5",
         "0,5"},
        {"total sugars at 0,5", {}, {{L::TotalSugars, "0,50"}}, "Açúcares totais (g)", "0", "0"},
        {"total sugars with added",
         {},
         {{L::TotalSugars, "0,50"}, {L::AddedSugars, "0,01"}},
         "Açúcares totais (g)",
         "0,5",
         "0,5"},
        {"added sugars typed as 0",
         {},
         {{L::TotalSugars, "1"}, {L::AddedSugars, "0"}},
         "Açúcares adicionados (g)",
         "0",
         "0"},
        {"added sugars typed above 0",
         {},
         {{L::TotalSugars, "1"}, {L::AddedSugars, "0,01"}},
         "Açúcares adicionados (g)",
         "0,0",
         "0,0"},
        {"total fat at 0,5",
         {{F::TotalFat, "0,50"}, {F::SaturatedFat, "0,10"}},
         {{L::TransFat, "0,10"}},
         "Gorduras totais (g)",
         "0",
         "0"},
        {"total fat with saturated",
         {{F::TotalFat, "0,50"}, {F::SaturatedFat, "0,11"}},
         {},
         "Gorduras totais (g)",
         "0,5",
         "0,5"},
        {"total fat with trans",
         {{F::TotalFat, "0,50"}},
         {{L::TransFat, "0,11"}},
         "Gorduras totais (g)",
         "0,5",
         "0,5"},
        {"total fat with cholesterol shown",
         {{F::TotalFat, "0,50"}, {F::Cholesterol, "5,01"}},
         {{L::Cholesterol, "1"}},
         "Gorduras totais (g)",
         "0,5",
         "0,5"},
        {"total fat, cholesterol not shown",
         {{F::TotalFat, "0,50"}, {F::Cholesterol, "5,01"}},
         {},
         "Gorduras totais (g)",
         "0",
         "0"},
        {"saturated at 0,1", {{F::SaturatedFat, "0,10"}}, {}, "Gorduras saturadas (g)", "0", "0"},
        {"saturated above", {{F::SaturatedFat, "0,11"}}, {}, "Gorduras saturadas (g)", "0,1", "0,1"},
        {"trans at 0,1", {}, {{L::TransFat, "0,10"}}, "Gorduras trans (g)", "0", "0"},
        {"trans above", {}, {{L::TransFat, "0,11"}}, "Gorduras trans (g)", "0,1", "0,1"},
        {"cholesterol at 5",
         {{F::Cholesterol, "5,00"}},
         {{L::Cholesterol, "1"}},
         "Colesterol (mg)",
         "0",
         "0"},
        {"cholesterol above",
         {{F::Cholesterol, "5,01"}},
         {{L::Cholesterol, "1"}},
         "Colesterol (mg)",
         "5",
         "5"},
        {"fibre at 0,5",
         {{F::Fibre, "0,50"}},
         {{L::FibreInCarbohydrate, "0"}},
         "Fibras alimentares (g)",
         "0",
         "0"},
        {"fibre above",
         {{F::Fibre, "0,51"}},
         {{L::FibreInCarbohydrate, "0"}},
         "Fibras alimentares (g)",
         "0,5",
         "0,5"},
        {"sodium at 5", {{F::Sodium, "5,00"}}, {}, "Sódio (mg)", "0", "0"},
        {"sodium above", {{F::Sodium, "5,01"}}, {}, "Sódio (mg)", "5", "5"},
        {"sodium, the portion above", {{F::Sodium, "5,00"}}, {}, "Sódio (mg)", "5", "10", "200"},
        // Carbohydrate less its fibre, when the table's includes it; never below 0.
        {"fibre taken off", {{F::Carbohydrate, "10"}, {F::Fibre, "3"}}, {}, "Carboidratos (g)", "7", "7"},
        {"fibre not taken off",
         {{F::Carbohydrate, "10"}, {F::Fibre, "3"}},
         {{L::FibreInCarbohydrate, "0"}},
         "Carboidratos (g)",
         "10",
         "10"},
        {"more fibre than carbohydrate",
         {{F::Carbohydrate, "2"}, {F::Fibre, "3"}},
         {},
         "Carboidratos (g)",
         "0",
         "0"},
    };
    for (const auto& c : cases) {
        const IndexFields index = recipe(c.values);
        const LabelFields label = inputs(c.portion, c.label);
        ASSERT_EQ(labelProblem(index, label), std::nullopt) << c.name;
        const NutritionLabel made = makeLabel(index, label);
        const LabelRow& row = rowOf(made, c.row);
        EXPECT_EQ(row.per100, c.per100) << c.name;
        EXPECT_EQ(row.perPortion, c.perPortion) << c.name;
    }
}

TEST(NutritionLabel, EnergyAndDailyValuesComeFromTheDeclaredAmounts)
{
    namespace F = IngField;
    const struct {
        const char* name;
        std::map<int, std::string> values;
        const char* portion;
        const char* energy100;
        const char* energyPortion;
        const char* row;
        const char* dailyValue;
    } cases[] = {
        // 4 x 1 + 4 x 1 + 9 x 1 = 17; the unrounded amounts would give 17,68.
        {"rounded amounts",
         {{F::Carbohydrate, "1,04"}, {F::Protein, "1,04"}, {F::TotalFat, "1,04"}},
         "100",
         "17",
         "17",
         "Valor energético (kcal)",
         "1"},
        // 4 x 0,6 = 2,4 kcal in both columns.
        {"4 kcal or less", {{F::Carbohydrate, "0,60"}}, "100", "0", "0", "Valor energético (kcal)", "0"},
        // 2,4 per 100 g, 4 x 1,2 = 4,8 in the portion.
        {"more in the portion", {{F::Carbohydrate, "0,60"}}, "200", "2", "5", "Valor energético (kcal)", "0"},
        // 12,44 g declared 12: 24 %, where 12,44 would give 25 %.
        {"proteins", {{F::Protein, "12,44"}}, "100", "48", "48", "Proteínas (g)", "24"},
        // Halves up: 2,5 g of 20 g is 12,5 %, and 10 mg of 2000 mg 0,5 %.
        {"saturated", {{F::SaturatedFat, "2,50"}}, "100", "0", "0", "Gorduras saturadas (g)", "13"},
        {"sodium", {{F::Sodium, "10"}}, "100", "0", "0", "Sódio (mg)", "1"},
    };
    for (const auto& c : cases) {
        const NutritionLabel label = makeLabel(recipe(c.values), inputs(c.portion));
        const LabelRow& energy = rowOf(label, "Valor energético (kcal)");
        EXPECT_EQ(energy.per100, c.energy100) << c.name;
        EXPECT_EQ(energy.perPortion, c.energyPortion) << c.name;
        EXPECT_EQ(rowOf(label, c.row).dailyValue, c.dailyValue) << c.name;
    }
    // Trans fat: 0,13 g is declared 0,1, which is 5 % of 2 g (6,5 % unrounded).
    const NutritionLabel trans = makeLabel(recipe({}), inputs("100", {{LabelField::TransFat, "0,13"}}));
    EXPECT_EQ(rowOf(trans, "Gorduras trans (g)").dailyValue, "5");
    // Total sugars have no daily value.
    EXPECT_EQ(rowOf(trans, "Açúcares totais (g)").dailyValue, "");
}

TEST(NutritionLabel, CalciumAndIronCountFromFivePercentOfTheirReference)
{
    namespace F = IngField;
    const LabelFields chosen =
        inputs("100", {{LabelField::Calcium, "1"}, {LabelField::Iron, "1"}, {LabelField::Cholesterol, "1"}});
    const NutritionLabel counted = makeLabel(recipe({{F::Calcium, "50"}, {F::Iron, "0,70"}}), chosen);
    ASSERT_GE(counted.rows.size(), 2u);
    EXPECT_EQ(counted.rows[counted.rows.size() - 2].name, cp("Cálcio (mg)"));
    EXPECT_EQ(counted.rows.back().name, "Ferro (mg)");
    EXPECT_EQ(counted.rows.back().perPortion, "0,7");
    EXPECT_EQ(counted.rows.back().dailyValue, "5");
    EXPECT_TRUE(counted.notes.empty());

    const NutritionLabel left = makeLabel(recipe({{F::Calcium, "49,99"}, {F::Iron, "0,69"}}), chosen);
    EXPECT_EQ(left.rows.back().name, cp("Sódio (mg)"));
    ASSERT_EQ(left.notes.size(), 2u);
    EXPECT_EQ(left.notes[0], cp("Cálcio não declarado: a porção fornece menos de 5% do valor diário."));

    // The rows in their order, with the cholesterol line.
    std::vector<std::string> names;
    for (const LabelRow& r : counted.rows)
        names.push_back(r.name + "/" + std::to_string(r.indent));
    const std::vector<std::string> expected{cp("Valor energético (kcal)/0"),
                                            "Carboidratos (g)/0",
                                            cp("Açúcares totais (g)/1"),
                                            cp("Açúcares adicionados (g)/2"),
                                            cp("Proteínas (g)/0"),
                                            "Gorduras totais (g)/0",
                                            "Gorduras saturadas (g)/1",
                                            "Gorduras trans (g)/1",
                                            "Colesterol (mg)/1",
                                            "Fibras alimentares (g)/0",
                                            cp("Sódio (mg)/0"),
                                            cp("Cálcio (mg)/0"),
                                            "Ferro (mg)/0"};
    EXPECT_EQ(names, expected);
}

TEST(NutritionLabel, TheFrontMarkNamesWhatReachesItsLimitPer100)
{
    namespace F = IngField;
    namespace L = LabelField;
    using M = MarkNutrient;
    const struct {
        const char* name;
        std::map<int, std::string> values;
        std::map<int, std::string> label;
        std::vector<MarkNutrient> mark;
    } cases[] = {
        {"solid, sugar below", {}, {{L::TotalSugars, "14,99"}, {L::AddedSugars, "14,99"}}, {}},
        {"solid, sugar at", {}, {{L::TotalSugars, "15"}, {L::AddedSugars, "15"}}, {M::AddedSugars}},
        {"liquid, sugar below",
         {},
         {{L::Unit, "ml"}, {L::TotalSugars, "7,49"}, {L::AddedSugars, "7,49"}},
         {}},
        {"liquid, sugar at",
         {},
         {{L::Unit, "ml"}, {L::TotalSugars, "7,50"}, {L::AddedSugars, "7,50"}},
         {M::AddedSugars}},
        {"solid, saturated", {{F::SaturatedFat, "5,99"}}, {}, {}},
        {"solid, saturated at", {{F::SaturatedFat, "6"}}, {}, {M::SaturatedFat}},
        {"liquid, saturated at", {{F::SaturatedFat, "3"}}, {{L::Unit, "ml"}}, {M::SaturatedFat}},
        {"solid, sodium", {{F::Sodium, "599,99"}}, {}, {}},
        {"liquid, sodium at", {{F::Sodium, "300"}}, {{L::Unit, "ml"}}, {M::Sodium}},
        {"all three, in order",
         {{F::Sodium, "600"}, {F::SaturatedFat, "6"}},
         {{L::TotalSugars, "15"}, {L::AddedSugars, "15"}},
         {M::AddedSugars, M::SaturatedFat, M::Sodium}},
        {"exempt", {{F::Sodium, "600"}}, {{L::Exempt, "1"}}, {}},
    };
    for (const auto& c : cases) {
        // The portion does not count: 50 g of a food with 15 g per 100 g is marked.
        const NutritionLabel label = makeLabel(recipe(c.values), inputs("50", c.label));
        EXPECT_EQ(label.mark, c.mark) << c.name;
    }
    EXPECT_EQ(markText(M::AddedSugars), cp("AÇÚCAR ADICIONADO"));
}

TEST(NutritionLabel, WhatIsMissingIsNamedBeforeAnything)
{
    LabelFields empty = defaultLabel(blankIndex(""));
    EXPECT_EQ(labelProblem(recipe({}), empty),
              cp("Faltam dados do rótulo: porção, medida caseira, açúcares totais, açúcares adicionados e "
                 "gorduras trans!"));
    // 0 is a value, blank is not; a portion of 0 is none.
    EXPECT_EQ(labelProblem(recipe({}), inputs("0", {{LabelField::TransFat, "         "}})),
              cp("Faltam dados do rótulo: porção e gorduras trans!"));
    for (const char* yield : {"      ", "     0", "    -5", "abc"})
        EXPECT_EQ(labelProblem(recipe({}, yield), inputs()),
                  cp("O rendimento da preparação deve ser maior que zero!"))
            << yield;
    EXPECT_EQ(labelProblem(recipe({}),
                           inputs("100", {{LabelField::TotalSugars, "2"}, {LabelField::AddedSugars, "3"}})),
              cp("Os açúcares adicionados não podem ser maiores que os açúcares totais!"));
    EXPECT_EQ(labelProblem(recipe({}), inputs("100", {{LabelField::PerPackage, "     0"}})),
              cp("O número de porções por embalagem deve ser maior que zero!"));
    EXPECT_THROW(makeLabel(recipe({}), empty), std::logic_error);
}

TEST(NutritionLabel, HeadsAndPortionLines)
{
    NutritionLabel label = makeLabel(recipe({}), inputs("   200", {{LabelField::Unit, "ml"}}));
    EXPECT_EQ(label.perPackage, "");
    EXPECT_EQ(label.portion, cp("Porção: 200 ml (1 prato)"));
    EXPECT_EQ(label.per100Head, "100 ml");
    EXPECT_EQ(label.portionHead, "200 ml");
    label = makeLabel(recipe({}), inputs("30", {{LabelField::PerPackage, "    12"}}));
    EXPECT_EQ(label.perPackage, cp("Porções por embalagem: 12"));
    label = makeLabel(recipe({}), inputs("30", {{LabelField::PerPackage, "12"}, {LabelField::About, "1"}}));
    EXPECT_EQ(label.perPackage, cp("Porções por embalagem: Cerca de 12"));
}

// "Arroz/feijão com frango" of TACO foods: 1000 g in four portions of 250 g.
// Its whole-recipe values are the sums of the eight lines (net weight x the
// food's value per 100 g / 100):
//   carbohydrate 157,60 + 91,80 + 0 + 0 + 7,12 + 2,39 + 3,72 + 7,70 = 270,33 g
//   fibre        3,20 + 27,60 + 0 + 0 + 1,76 + 0,43 + 1,44 + 3,20  =  37,63 g
//   protein      14,40 + 30 + 86 + 0 + 1,36 + 0,70 + 1,32 + 1,30   = 135,08 g
//   total fat    0,60 + 1,95 + 12 + 20 + 0,08 + 0,02 + 0,24 + 0,20 =  35,09 g
// The label types 12 g of total sugars, no added sugars and no trans fat.
//
// Carboidratos: TACO's carbohydrate includes fibre, so 270,33 - 37,63 =
// 232,70 g. Per 100 g: 232,70 x 100 / 1000 = 23,27, 10 or more, "23". Per
// portion: 232,70 x 250 / 1000 = 58,175, "58". %VD: 58 / 300 x 100 = 19,33,
// "19".
// Valor energético: per 100 g proteins are 13,508, "14", total fat 3,509,
// one decimal, "3,5"; 4 x 23 + 4 x 14 + 9 x 3,5 = 92 + 56 + 31,5 = 179,5,
// "180". Per portion proteins 33,77, "34", total fat 8,7725, "8,8";
// 4 x 58 + 4 x 34 + 9 x 8,8 = 232 + 136 + 79,2 = 447,2, "447". %VD:
// 447 / 2000 x 100 = 22,35, "22".
TEST(NutritionLabel, AWholeLabelOfTacoFoods)
{
    const testing::TacoPreparation taco = testing::tacoPreparation();
    const IndexFields index = readIndex(taco.indexLine);
    LabelFields label = defaultLabel(index);
    EXPECT_EQ(label[LabelField::Portion], "   250");
    label[LabelField::Measure] = "1 prato raso";
    label[LabelField::TotalSugars] = "    12,00";
    label[LabelField::AddedSugars] = "     0,00";
    label[LabelField::TransFat] = "     0,00";
    label[LabelField::Calcium] = "1";
    label[LabelField::Iron] = "1";
    ASSERT_EQ(labelProblem(index, label), std::nullopt);
    const NutritionLabel made = makeLabel(index, label);
    EXPECT_EQ(made.portion, cp("Porção: 250 g (1 prato raso)"));
    std::vector<std::vector<std::string>> rows;
    for (const LabelRow& r : made.rows)
        rows.push_back({r.name, r.per100, r.perPortion, r.dailyValue});
    const std::vector<std::vector<std::string>> expected{
        {cp("Valor energético (kcal)"), "180", "447", "22"},
        {"Carboidratos (g)", "23", "58", "19"},
        {cp("Açúcares totais (g)"), "1,2", "3", ""},
        {cp("Açúcares adicionados (g)"), "0", "0", "0"},
        {cp("Proteínas (g)"), "14", "34", "68"},
        {"Gorduras totais (g)", "3,5", "8,8", "14"},
        {"Gorduras saturadas (g)", "0,8", "2", "10"},
        {"Gorduras trans (g)", "0", "0", "0"},
        {"Fibras alimentares (g)", "3,8", "9,4", "38"},
        {cp("Sódio (mg)"), "23", "58", "3"},
        {cp("Cálcio (mg)"), "26", "66", "7"},
        {"Ferro (mg)", "1,6", "3,9", "28"},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_TRUE(made.mark.empty());
}

} // namespace
} // namespace treluza

#include "core/preparations/LineCalculations.h"

#include "core/store/StrUnit.h"
#include "support/RecipeLines.h"
#include "support/RecordingSinks.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

using testing::line;
using testing::name40;
using testing::name60;

using testing::RecordingMessages;

// An ingredient with the given per-100 g values (energy to sodium, "" for no
// value), FC, FCC and unit cost, all as the register stores them.
IngredientFields ingredient(const std::string& name, const std::vector<std::string>& nutrients,
                            const std::string& fc = "  1,00", const std::string& fcc = "  1,00",
                            const std::string& cost = "      ,  ")
{
    IngredientFields f = blankIngredient(name60(name));
    for (std::size_t i = 0; i < nutrients.size(); ++i) {
        const int field = kRecipeValues[i].ingredient;
        if (!nutrients[i].empty())
            f[field] = FitRight(nutrients[i], fieldWidth(RecordKind::Ingredient, field));
    }
    f[IngField::FC] = fc;
    f[IngField::FCC] = fcc;
    f[IngField::UnitCost] = cost;
    f[IngField::QuoteDate] = "01/03/24";
    return f;
}

std::array<std::string, 10> nutrients(const LineEdits& e)
{
    std::array<std::string, 10> n;
    for (int k = 0; k < 10; ++k)
        n[std::size_t(k)] = e.line[LineField::Energy + k];
    return n;
}

TEST(LineCalculations, NewLineTakesFactorsCostAndDateFromTheIngredient)
{
    const IngredientFields rice = ingredient("Arroz", {"358,00"}, "  1,05", "  2,50", "     6,50");
    const LineEdits e = newLineEdits(rice);
    EXPECT_EQ(e.line[LineField::Name], name60("Arroz"));
    EXPECT_EQ(e.line[LineField::FC], "  1,05");
    EXPECT_EQ(e.line[LineField::FCC], "  2,50");
    EXPECT_EQ(e.line[LineField::UnitCost], "     6,50");
    EXPECT_EQ(e.line[LineField::QuoteDate], "01/03/24");
    EXPECT_EQ(e.line[LineField::Gross], "      , ");
    EXPECT_EQ(e.line[LineField::Quantity], "   ,  ");
    EXPECT_EQ(e.measureWeight, "      , ");
}

TEST(LineCalculations, GrossWithFactorGivesNetAndFactorBack)
{
    const IngredientFields potato = ingredient("Batata", {}, "  1,20");
    RecordingMessages messages;
    LineEdits e = newLineEdits(potato);
    e.line[LineField::Gross] = "120   , "; // typed, not yet aligned
    leaveGross(e, potato, messages);
    EXPECT_EQ(e.line[LineField::Gross], "   120,0");
    EXPECT_EQ(e.line[LineField::Net], "   100,0");
    EXPECT_EQ(e.line[LineField::FC], "  1,20");
    // No value per 100 g: the line nutrients stay blank, and no unit cost: no cost.
    EXPECT_EQ(e.line[LineField::Energy], "      ,  ");
    EXPECT_EQ(e.line[LineField::Cost], "      ,  ");
    EXPECT_TRUE(messages.texts.empty());
}

TEST(LineCalculations, AWeightTypedWhileTheOtherIsPresentOnlyChangesTheFactor)
{
    const IngredientFields potato = ingredient("Batata", {"64,00"}, "  1,20");
    RecordingMessages messages;
    LineEdits e = newLineEdits(potato);
    e.line[LineField::Gross] = "   130,0";
    e.line[LineField::Net] = "   100,0";
    leaveGross(e, potato, messages);
    EXPECT_EQ(e.line[LineField::Net], "   100,0");
    EXPECT_EQ(e.line[LineField::FC], "  1,30");
    e.line[LineField::Net] = "   104,0";
    leaveNet(e, potato, messages);
    EXPECT_EQ(e.line[LineField::Gross], "   130,0");
    EXPECT_EQ(e.line[LineField::FC], "  1,25");
    EXPECT_EQ(e.line[LineField::Energy], "    66,56");
}

TEST(LineCalculations, BlankNetWeightPutsTheIngredientsFactorBackAndClearsNutrients)
{
    const IngredientFields potato = ingredient("Batata", {"64,00", "14,70"}, "  1,20");
    RecordingMessages messages;
    LineEdits e = newLineEdits(potato);
    e.line[LineField::Net] = "50    , ";
    leaveNet(e, potato, messages);
    EXPECT_EQ(e.line[LineField::Gross], "    60,0");
    EXPECT_EQ(e.line[LineField::Energy], "    32,00");
    e.line[LineField::Gross] = "    80,0";
    leaveGross(e, potato, messages);
    EXPECT_EQ(e.line[LineField::FC], "  1,60");

    e.line[LineField::Net] = "      , ";
    leaveNet(e, potato, messages);
    EXPECT_EQ(e.line[LineField::FC], "  1,20");
    for (const auto& n : nutrients(e))
        EXPECT_EQ(n, "      ,  ");
    EXPECT_EQ(e.line[LineField::Quantity], "   ,  ");
}

TEST(LineCalculations, LineNutrientIsValueTimesNetOver100)
{
    const IngredientFields beans = ingredient("Feij\xE3o", {"350,00"});
    RecordingMessages messages;
    LineEdits e = newLineEdits(beans);
    e.line[LineField::Net] = "   100,0";
    LineNutrient(e, beans, IngField::Energy, messages);
    EXPECT_EQ(e.line[LineField::Energy], "   350,00");
    e.line[LineField::Net] = "     0,5";
    LineNutrient(e, beans, IngField::Energy, messages);
    EXPECT_EQ(e.line[LineField::Energy], "     1,75");
    // 1,4 g at 22,50 per 100 g is 0,315, whose half rounds up; binary floating
    // point computes 0,3149999... and would write 0,31.
    const IngredientFields herb = ingredient("Salsa", {"22,50"});
    e.line[LineField::Net] = "     1,4";
    LineNutrient(e, herb, IngField::Energy, messages);
    EXPECT_EQ(e.line[LineField::Energy], "     0,32");
    EXPECT_TRUE(messages.texts.empty());
}

TEST(LineCalculations, LineNutrientOverTheLimitIsReportedInFieldOrderAndCapped)
{
    // 300 kg of an ingredient with 400 kcal and 5000 mg of sodium per 100 g.
    const IngredientFields sugar = ingredient("A\xE7\xFA"
                                              "car",
                                              {"400,00", "99,50", "", "", "", "", "", "", "", "5000,00"});
    RecordingMessages messages;
    LineEdits e = newLineEdits(sugar);
    e.line[LineField::Net] = "300000,0";
    lineNutrients(e, sugar, messages);
    EXPECT_EQ(e.line[LineField::Energy], "999999,99");
    EXPECT_EQ(e.line[LineField::Energy + 1], "298500,00");
    EXPECT_EQ(e.line[LineField::Sodium], "999999,99");
    const std::string solution = "Solução : diminua os pesos de todos os ingredientes na mesma proporção!";
    EXPECT_EQ(messages.texts, (std::vector<std::string>{
                                  "ERRO! Quantidade de Calorias para o peso líquido maior que 999999,99!",
                                  solution,
                                  "ERRO! Quantidade de Sódio para o peso líquido maior que 999999,99!",
                                  solution,
                              }));
    EXPECT_EQ(messages.kinds[0], MessageKind::Message);

    // Exactly the limit is not over it: 99999,9 g at 1000,00 per 100 g is 999999,00.
    messages.texts.clear();
    const IngredientFields limit = ingredient("Mel", {"1000,00"});
    e.line[LineField::Net] = " 99999,9";
    LineNutrient(e, limit, IngField::Energy, messages);
    EXPECT_EQ(e.line[LineField::Energy], "999999,00");
    EXPECT_TRUE(messages.texts.empty());
}

TEST(LineCalculations, MissingValuesAreWarnedOneByOneAndGiveBlankLineValues)
{
    const IngredientFields oil =
        ingredient("\xD3leo", {"884,00", "0,00", "", "100,00", "15,20", "", "0,00", "", "0,10", "0,00"});
    RecordingMessages messages;
    WarnMissingValues(oil, messages);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Atenção para ausência do valor das Proteinas!",
                                                        "Atenção para ausência do valor do Colesterol!",
                                                        "Atenção para ausência do valor do Cálcio!"}));
    LineEdits e = newLineEdits(oil);
    e.line[LineField::Net] = "    10,0";
    lineNutrients(e, oil, messages);
    EXPECT_EQ(e.line[LineField::Energy + 2], "      ,  ");
    EXPECT_EQ(e.line[LineField::Energy + 5], "      ,  ");
    EXPECT_EQ(e.line[LineField::Energy + 1], "     0,00");

    messages.texts.clear();
    WarnMissingValues(ingredient("Nada", {}), messages);
    EXPECT_EQ(messages.texts.size(), 10u);
    EXPECT_EQ(messages.texts.front(), "Atenção para ausência do valor das Calorias!");
    EXPECT_EQ(messages.texts.back(), "Atenção para ausência do valor do Sódio!");
}

TEST(LineCalculations, CostIsGrossTimesUnitCostOver1000)
{
    const IngredientFields meat = ingredient("Carne", {}, "  1,00", "  1,00", "    12,00");
    RecordingMessages messages;
    LineEdits e = newLineEdits(meat);
    e.line[LineField::Gross] = "   250,0";
    leaveGross(e, meat, messages);
    EXPECT_EQ(e.line[LineField::Cost], "     3,00");
    e.line[LineField::UnitCost] = "      ,  ";
    computeLineCost(e);
    EXPECT_EQ(e.line[LineField::Cost], "      ,  ");
    // A cost wider than its field takes the field's largest value.
    e.line[LineField::Gross] = "999999,9";
    e.line[LineField::UnitCost] = "999999,99";
    computeLineCost(e);
    EXPECT_EQ(e.line[LineField::Cost], "999999,99");
}

TEST(LineCalculations, HouseholdMeasureQuantityAndNetWeight)
{
    const IngredientFields garlic = ingredient("Alho", {"113,00"}, "  1,25");
    RecordingMessages messages;
    LineEdits e = newLineEdits(garlic);
    e.line[LineField::Measure] = "dente               ";
    e.measureWeight = "     5,0";
    e.line[LineField::Quantity] = "  3,  ";
    EXPECT_FALSE(leaveQuantity(e, garlic));
    EXPECT_EQ(e.line[LineField::Quantity], "  3,00");
    EXPECT_EQ(e.line[LineField::Net], "    15,0");
    EXPECT_EQ(e.line[LineField::FC], "  1,25"); // no gross weight yet

    // The other way: a net weight gives the quantity.
    e.line[LineField::Net] = "    12,0";
    leaveNet(e, garlic, messages);
    EXPECT_EQ(e.line[LineField::Quantity], "  2,40");

    // A blank quantity asks about the measure and computes nothing.
    e.line[LineField::Quantity] = "   ,  ";
    EXPECT_TRUE(leaveQuantity(e, garlic));
    EXPECT_EQ(e.line[LineField::Net], "    12,0");
}

TEST(LineCalculations, MeasureOfWeightZeroGivesNoQuantity)
{
    const IngredientFields salt = ingredient("Sal", {"0,00"});
    RecordingMessages messages;
    LineEdits e = newLineEdits(salt);
    e.measureWeight = "     0,0";
    e.line[LineField::Net] = "     4,0";
    leaveNet(e, salt, messages);
    EXPECT_EQ(e.line[LineField::Quantity], "   ,  ");
    netFromGross(e); // net present: nothing
    EXPECT_EQ(e.line[LineField::Net], "     4,0");
    // A quantity of a weightless measure weighs nothing.
    e.line[LineField::Quantity] = "  2,00";
    EXPECT_FALSE(leaveQuantity(e, salt));
    EXPECT_EQ(e.line[LineField::Net], "     0,0");
    EXPECT_EQ(e.line[LineField::FC], "  1,00");
    // A measure with no weight at all.
    e.measureWeight = "      , ";
    quantityFromNet(e);
    EXPECT_EQ(e.line[LineField::Quantity], "   ,  ");
}

TEST(LineCalculations, ZeroFactorsDivideNothing)
{
    const IngredientFields odd = ingredient("Estranho", {"10,00"}, "  0,00", "  0,00");
    RecordingMessages messages;
    LineEdits e = newLineEdits(odd);
    e.line[LineField::Gross] = "   100,0";
    leaveGross(e, odd, messages);
    EXPECT_EQ(e.line[LineField::Net], "      , ");
    EXPECT_EQ(e.line[LineField::FC], "  0,00");
    e.line[LineField::Cooked] = "   100,0";
    leaveCooked(e, odd);
    EXPECT_EQ(e.line[LineField::Raw], "      , ");
    EXPECT_EQ(e.line[LineField::FCC], "  0,00");
    // A factor too wide for its field takes its largest value: 1000 g from 0,5 g.
    e.line[LineField::Gross] = "  1000,0";
    e.line[LineField::Net] = "     0,5";
    computeFC(e, odd);
    EXPECT_EQ(e.line[LineField::FC], "999,99");
}

TEST(LineCalculations, RawAndCookedWeightsWithTheCookingFactor)
{
    const IngredientFields pasta = ingredient("Macarr\xE3o", {}, "  1,00", "  2,20");
    LineEdits e = newLineEdits(pasta);
    e.line[LineField::Raw] = "250   , ";
    leaveRaw(e, pasta);
    EXPECT_EQ(e.line[LineField::Raw], "   250,0");
    EXPECT_EQ(e.line[LineField::Cooked], "   550,0");
    EXPECT_EQ(e.line[LineField::FCC], "  2,20");

    // Weighed after cooking: the factor follows the weights.
    e.line[LineField::Cooked] = "   600,0";
    leaveCooked(e, pasta);
    EXPECT_EQ(e.line[LineField::FCC], "  2,40");

    // Only the cooked weight known: the raw weight from the factor.
    LineEdits c = newLineEdits(pasta);
    c.line[LineField::Cooked] = "   330,0";
    leaveCooked(c, pasta);
    EXPECT_EQ(c.line[LineField::Raw], "   150,0");
    EXPECT_EQ(c.line[LineField::FCC], "  2,20");

    // Leaving a blank raw weight: the ingredient's factor, then raw from cooked.
    c.line[LineField::Raw] = "      , ";
    leaveRaw(c, pasta);
    EXPECT_EQ(c.line[LineField::FCC], "  2,20");
    EXPECT_EQ(c.line[LineField::Raw], "   150,0");
}

TEST(LineCalculations, FactorAsStoredWhenTheIngredientHasNone)
{
    IngredientFields bare = ingredient("Sem fator", {});
    bare[IngField::FC] = ""; // a short record
    LineEdits e = newLineEdits(bare);
    EXPECT_EQ(e.line[LineField::FC], "   ,  ");
    e.line[LineField::Gross] = "    10,0";
    RecordingMessages messages;
    leaveGross(e, bare, messages);
    EXPECT_EQ(e.line[LineField::Net], "      , ");
    EXPECT_EQ(e.line[LineField::FC], "   ,  ");
}

} // namespace
} // namespace treluza

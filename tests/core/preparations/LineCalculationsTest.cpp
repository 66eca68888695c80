#include "preparations/LineCalculations.h"

#include "RecordingSinks.h"
#include "RecipeLines.h"
#include "TempFolder.h"
#include "store/StrUnit.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

using testing::Line;
using testing::Name40;
using testing::Name60;

using testing::RecordingMessages;

// An ingredient with the given per-100 g values (energy to sodium, "" for no
// value), FC, FCC and unit cost, all as the register stores them.
IngredientFields Ingredient(const std::string& name, const std::vector<std::string>& nutrients,
                            const std::string& fc = "  1,00", const std::string& fcc = "  1,00",
                            const std::string& cost = "      ,  ")
{
    IngredientFields f = BlankIngredient(Name60(name));
    for (std::size_t i = 0; i < nutrients.size(); ++i) {
        const int field = kNutrientFields[i];
        if (!nutrients[i].empty())
            f[field] = FitRight(nutrients[i], IngredientFieldWidth(field));
    }
    f[IngField::FC] = fc;
    f[IngField::FCC] = fcc;
    f[IngField::UnitCost] = cost;
    f[IngField::QuoteDate] = "01/03/24";
    return f;
}

std::array<std::string, 10> Nutrients(const LineEdits& e)
{
    std::array<std::string, 10> n;
    for (int k = 0; k < 10; ++k)
        n[std::size_t(k)] = e.line[LineField::Energy + k];
    return n;
}

TEST(LineCalculations, NewLineTakesFactorsCostAndDateFromTheIngredient)
{
    const IngredientFields rice = Ingredient("Arroz", {"358,00"}, "  1,05", "  2,50", "     6,50");
    const LineEdits e = NewLineEdits(rice);
    EXPECT_EQ(e.line[LineField::Name], Name60("Arroz"));
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
    const IngredientFields potato = Ingredient("Batata", {}, "  1,20");
    RecordingMessages messages;
    LineEdits e = NewLineEdits(potato);
    e.line[LineField::Gross] = "120   , "; // typed, not yet aligned
    LeaveGross(e, potato, messages);
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
    const IngredientFields potato = Ingredient("Batata", {"64,00"}, "  1,20");
    RecordingMessages messages;
    LineEdits e = NewLineEdits(potato);
    e.line[LineField::Gross] = "   130,0";
    e.line[LineField::Net] = "   100,0";
    LeaveGross(e, potato, messages);
    EXPECT_EQ(e.line[LineField::Net], "   100,0");
    EXPECT_EQ(e.line[LineField::FC], "  1,30");
    e.line[LineField::Net] = "   104,0";
    LeaveNet(e, potato, messages);
    EXPECT_EQ(e.line[LineField::Gross], "   130,0");
    EXPECT_EQ(e.line[LineField::FC], "  1,25");
    EXPECT_EQ(e.line[LineField::Energy], "    66,56");
}

TEST(LineCalculations, BlankNetWeightPutsTheIngredientsFactorBackAndClearsNutrients)
{
    const IngredientFields potato = Ingredient("Batata", {"64,00", "14,70"}, "  1,20");
    RecordingMessages messages;
    LineEdits e = NewLineEdits(potato);
    e.line[LineField::Net] = "50    , ";
    LeaveNet(e, potato, messages);
    EXPECT_EQ(e.line[LineField::Gross], "    60,0");
    EXPECT_EQ(e.line[LineField::Energy], "    32,00");
    e.line[LineField::Gross] = "    80,0";
    LeaveGross(e, potato, messages);
    EXPECT_EQ(e.line[LineField::FC], "  1,60");

    e.line[LineField::Net] = "      , ";
    LeaveNet(e, potato, messages);
    EXPECT_EQ(e.line[LineField::FC], "  1,20");
    for (const auto& n : Nutrients(e))
        EXPECT_EQ(n, "      ,  ");
    EXPECT_EQ(e.line[LineField::Quantity], "   ,  ");
}

TEST(LineCalculations, LineNutrientIsValueTimesNetOver100)
{
    const IngredientFields beans = Ingredient("Feij\xE3o", {"350,00"});
    RecordingMessages messages;
    LineEdits e = NewLineEdits(beans);
    e.line[LineField::Net] = "   100,0";
    LineNutrient(e, beans, IngField::Energy, messages);
    EXPECT_EQ(e.line[LineField::Energy], "   350,00");
    e.line[LineField::Net] = "     0,5";
    LineNutrient(e, beans, IngField::Energy, messages);
    EXPECT_EQ(e.line[LineField::Energy], "     1,75");
    // 1,4 g at 22,50 per 100 g is 0,315, whose half rounds up; binary floating
    // point computes 0,3149999... and would write 0,31.
    const IngredientFields herb = Ingredient("Salsa", {"22,50"});
    e.line[LineField::Net] = "     1,4";
    LineNutrient(e, herb, IngField::Energy, messages);
    EXPECT_EQ(e.line[LineField::Energy], "     0,32");
    EXPECT_TRUE(messages.texts.empty());
}

TEST(LineCalculations, LineNutrientOverTheLimitIsReportedInFieldOrderAndCapped)
{
    // 300 kg of an ingredient with 400 kcal and 5000 mg of sodium per 100 g.
    const IngredientFields sugar = Ingredient("A\xE7\xFA"
                                              "car",
                                              {"400,00", "99,50", "", "", "", "", "", "", "", "5000,00"});
    RecordingMessages messages;
    LineEdits e = NewLineEdits(sugar);
    e.line[LineField::Net] = "300000,0";
    LineNutrients(e, sugar, messages);
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
    const IngredientFields limit = Ingredient("Mel", {"1000,00"});
    e.line[LineField::Net] = " 99999,9";
    LineNutrient(e, limit, IngField::Energy, messages);
    EXPECT_EQ(e.line[LineField::Energy], "999999,00");
    EXPECT_TRUE(messages.texts.empty());
}

TEST(LineCalculations, MissingValuesAreWarnedOneByOneAndGiveBlankLineValues)
{
    const IngredientFields oil =
        Ingredient("\xD3leo", {"884,00", "0,00", "", "100,00", "15,20", "", "0,00", "", "0,10", "0,00"});
    RecordingMessages messages;
    WarnMissingValues(oil, messages);
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Atenção para ausência do valor das Proteinas!",
                                                        "Atenção para ausência do valor do Colesterol!",
                                                        "Atenção para ausência do valor do Cálcio!"}));
    LineEdits e = NewLineEdits(oil);
    e.line[LineField::Net] = "    10,0";
    LineNutrients(e, oil, messages);
    EXPECT_EQ(e.line[LineField::Energy + 2], "      ,  ");
    EXPECT_EQ(e.line[LineField::Energy + 5], "      ,  ");
    EXPECT_EQ(e.line[LineField::Energy + 1], "     0,00");

    messages.texts.clear();
    WarnMissingValues(Ingredient("Nada", {}), messages);
    EXPECT_EQ(messages.texts.size(), 10u);
    EXPECT_EQ(messages.texts.front(), "Atenção para ausência do valor das Calorias!");
    EXPECT_EQ(messages.texts.back(), "Atenção para ausência do valor do Sódio!");
}

TEST(LineCalculations, CostIsGrossTimesUnitCostOver1000)
{
    const IngredientFields meat = Ingredient("Carne", {}, "  1,00", "  1,00", "    12,00");
    RecordingMessages messages;
    LineEdits e = NewLineEdits(meat);
    e.line[LineField::Gross] = "   250,0";
    LeaveGross(e, meat, messages);
    EXPECT_EQ(e.line[LineField::Cost], "     3,00");
    e.line[LineField::UnitCost] = "      ,  ";
    ComputeLineCost(e);
    EXPECT_EQ(e.line[LineField::Cost], "      ,  ");
    // A cost wider than its field takes the field's largest value.
    e.line[LineField::Gross] = "999999,9";
    e.line[LineField::UnitCost] = "999999,99";
    ComputeLineCost(e);
    EXPECT_EQ(e.line[LineField::Cost], "999999,99");
}

TEST(LineCalculations, HouseholdMeasureQuantityAndNetWeight)
{
    const IngredientFields garlic = Ingredient("Alho", {"113,00"}, "  1,25");
    RecordingMessages messages;
    LineEdits e = NewLineEdits(garlic);
    e.line[LineField::Measure] = "dente               ";
    e.measureWeight = "     5,0";
    e.line[LineField::Quantity] = "  3,  ";
    EXPECT_FALSE(LeaveQuantity(e, garlic));
    EXPECT_EQ(e.line[LineField::Quantity], "  3,00");
    EXPECT_EQ(e.line[LineField::Net], "    15,0");
    EXPECT_EQ(e.line[LineField::FC], "  1,25"); // no gross weight yet

    // The other way: a net weight gives the quantity.
    e.line[LineField::Net] = "    12,0";
    LeaveNet(e, garlic, messages);
    EXPECT_EQ(e.line[LineField::Quantity], "  2,40");

    // A blank quantity asks about the measure and computes nothing.
    e.line[LineField::Quantity] = "   ,  ";
    EXPECT_TRUE(LeaveQuantity(e, garlic));
    EXPECT_EQ(e.line[LineField::Net], "    12,0");
}

TEST(LineCalculations, MeasureOfWeightZeroGivesNoQuantity)
{
    const IngredientFields salt = Ingredient("Sal", {"0,00"});
    RecordingMessages messages;
    LineEdits e = NewLineEdits(salt);
    e.measureWeight = "     0,0";
    e.line[LineField::Net] = "     4,0";
    LeaveNet(e, salt, messages);
    EXPECT_EQ(e.line[LineField::Quantity], "   ,  ");
    NetFromGross(e); // net present: nothing
    EXPECT_EQ(e.line[LineField::Net], "     4,0");
    // A quantity of a weightless measure weighs nothing.
    e.line[LineField::Quantity] = "  2,00";
    EXPECT_FALSE(LeaveQuantity(e, salt));
    EXPECT_EQ(e.line[LineField::Net], "     0,0");
    EXPECT_EQ(e.line[LineField::FC], "  1,00");
    // A measure with no weight at all.
    e.measureWeight = "      , ";
    QuantityFromNet(e);
    EXPECT_EQ(e.line[LineField::Quantity], "   ,  ");
}

TEST(LineCalculations, ZeroFactorsDivideNothing)
{
    const IngredientFields odd = Ingredient("Estranho", {"10,00"}, "  0,00", "  0,00");
    RecordingMessages messages;
    LineEdits e = NewLineEdits(odd);
    e.line[LineField::Gross] = "   100,0";
    LeaveGross(e, odd, messages);
    EXPECT_EQ(e.line[LineField::Net], "      , ");
    EXPECT_EQ(e.line[LineField::FC], "  0,00");
    e.line[LineField::Cooked] = "   100,0";
    LeaveCooked(e, odd);
    EXPECT_EQ(e.line[LineField::Raw], "      , ");
    EXPECT_EQ(e.line[LineField::FCC], "  0,00");
    // A factor too wide for its field takes its largest value: 1000 g from 0,5 g.
    e.line[LineField::Gross] = "  1000,0";
    e.line[LineField::Net] = "     0,5";
    ComputeFC(e, odd);
    EXPECT_EQ(e.line[LineField::FC], "999,99");
}

TEST(LineCalculations, RawAndCookedWeightsWithTheCookingFactor)
{
    const IngredientFields pasta = Ingredient("Macarr\xE3o", {}, "  1,00", "  2,20");
    LineEdits e = NewLineEdits(pasta);
    e.line[LineField::Raw] = "250   , ";
    LeaveRaw(e, pasta);
    EXPECT_EQ(e.line[LineField::Raw], "   250,0");
    EXPECT_EQ(e.line[LineField::Cooked], "   550,0");
    EXPECT_EQ(e.line[LineField::FCC], "  2,20");

    // Weighed after cooking: the factor follows the weights.
    e.line[LineField::Cooked] = "   600,0";
    LeaveCooked(e, pasta);
    EXPECT_EQ(e.line[LineField::FCC], "  2,40");

    // Only the cooked weight known: the raw weight from the factor.
    LineEdits c = NewLineEdits(pasta);
    c.line[LineField::Cooked] = "   330,0";
    LeaveCooked(c, pasta);
    EXPECT_EQ(c.line[LineField::Raw], "   150,0");
    EXPECT_EQ(c.line[LineField::FCC], "  2,20");

    // Leaving a blank raw weight: the ingredient's factor, then raw from cooked.
    c.line[LineField::Raw] = "      , ";
    LeaveRaw(c, pasta);
    EXPECT_EQ(c.line[LineField::FCC], "  2,20");
    EXPECT_EQ(c.line[LineField::Raw], "   150,0");
}

TEST(LineCalculations, FactorAsStoredWhenTheIngredientHasNone)
{
    IngredientFields bare = Ingredient("Sem fator", {});
    bare[IngField::FC] = ""; // a short record
    LineEdits e = NewLineEdits(bare);
    EXPECT_EQ(e.line[LineField::FC], "   ,  ");
    e.line[LineField::Gross] = "    10,0";
    RecordingMessages messages;
    LeaveGross(e, bare, messages);
    EXPECT_EQ(e.line[LineField::Net], "      , ");
    EXPECT_EQ(e.line[LineField::FC], "   ,  ");
}

} // namespace
} // namespace treluza

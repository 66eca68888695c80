#include "core/preparations/PreparationTotals.h"

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

RecordList listOf(std::initializer_list<std::string> lines)
{
    RecordList list(true);
    for (const auto& l : lines)
        list.add(l);
    return list;
}

TEST(PreparationTotals, SumsAreExactSoTheLimitItselfIsNotOverIt)
{
    // In binary floating point this sum comes out above 999999,99.
    EXPECT_GT(943048.06 + 56951.93, 999999.99);
    RecordingMessages messages;
    const RecordList lines = listOf({line("A", {{13, "943048,06"}}), line("B", {{13, " 56951,93"}})});
    EXPECT_EQ(fieldText(SumField(lines, 13, messages), kAmountMask), "999999,99");
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_EQ(fieldText(CappedFieldSum(lines, 13), kAmountMask), "999999,99");

    // One hundredth more is over it.
    const RecordList over = listOf({line("A", {{13, "943048,07"}}), line("B", {{13, " 56951,93"}})});
    EXPECT_EQ(SumField(over, 13, messages), lineLimit());
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{
                  "ERRO! Somatório do Calorias maior que 999999,99!",
                  "Solução : diminua os pesos de todos os ingredientes na mesma proporção!"}));
    EXPECT_EQ(CappedFieldSum(over, 13), lineLimit());
    // Ten tenths make one, not 0,9999999.
    RecordList tenths(false);
    for (int i = 0; i < 10; ++i)
        tenths.add(line("X" + std::to_string(i), {{3, "     0,1"}}));
    EXPECT_EQ(SumField(tenths, 3, messages), Exact::whole(1));
}

TEST(PreparationTotals, UpdateTotalsWritesTheWholeRecipeIntoTheRegistersLine)
{
    RecordList index(true);
    index.add(joinFields(blankIndex(name40("Arroz"))));
    IndexFields torta = blankIndex(name40("Torta"));
    torta[IdxField::Yield] = "  1000";
    index.add(joinFields(torta));
    RecordingMessages messages;
    const RecordList lines = listOf({
        line("Farinha",
             {{2, "   210,0"}, {3, "   200,0"}, {9, "     1,05"}, {13, "   720,00"}, {22, "     2,00"}}),
        line("Ovo",
             {{2, "   110,0"}, {3, "   100,0"}, {9, "     0,95"}, {13, "   146,00"}, {18, "   356,00"}}),
    });
    std::string tortaLine = index[1];
    const WindowTotals totals = UpdateTotals(lines, tortaLine, messages);
    ReplaceRecord(index, 1, tortaLine);
    EXPECT_EQ(totals.gross, Exact::whole(320));
    EXPECT_EQ(totals.net, Exact::whole(300));
    const IndexFields stored = readIndex(index[1]);
    EXPECT_EQ(stored[IdxField::Name], name40("Torta"));
    EXPECT_EQ(stored[IdxField::Energy], "   866,00");
    EXPECT_EQ(stored[IdxField::Energy + 5], "   356,00"); // cholesterol
    EXPECT_EQ(stored[IdxField::Energy + 1], "     0,00"); // no line has carbohydrate
    EXPECT_EQ(stored[IdxField::Sodium], "     2,00");
    EXPECT_EQ(stored[IdxField::Cost], "     2,00");
    EXPECT_EQ(stored[IdxField::Yield], "  1000");
    EXPECT_EQ(readIndex(index[0]), blankIndex(name40("Arroz")));
    EXPECT_TRUE(messages.texts.empty());

    EXPECT_EQ(TotalsRow(totals, index[1]),
              "Som|   300,0|   866,00|     0,00|     0,00|     0,00|     0,00|   356,00|     0,00|"
              "     0,00|     0,00|     2,00|");

    // No lines left: every whole-recipe value is 0,00.
    const WindowTotals none = UpdateTotals(RecordList(true), tortaLine, messages);
    ReplaceRecord(index, 1, tortaLine);
    EXPECT_EQ(none.net, Exact());
    for (int n = IdxField::Energy; n <= IdxField::Cost; ++n)
        EXPECT_EQ(FieldOf(n, index[1]), "     0,00");
    EXPECT_EQ(TotalsRow(none, index[1]).substr(0, 13), "Som|     0,0|");
}

TEST(PreparationTotals, OverLimitSumsAreReportedInOrderAndStoredAsTheLimit)
{
    RecordList index(true);
    index.add(joinFields(blankIndex(name40("Banquete"))));
    const RecordList lines = listOf({
        line("A", {{2, "900000,0"}, {3, "800000,0"}, {13, "999999,99"}}),
        line("B", {{2, "200000,0"}, {3, "300000,0"}, {13, "     0,01"}, {9, "999999,99"}}),
        line("C", {{9, "     0,01"}}),
    });
    RecordingMessages messages;
    std::string indexLine = index[0];
    const WindowTotals totals = UpdateTotals(lines, indexLine, messages);
    ReplaceRecord(index, 0, indexLine);
    const std::string solution = "Solução : diminua os pesos de todos os ingredientes na mesma proporção!";
    EXPECT_EQ(messages.texts, (std::vector<std::string>{
                                  "ERRO! Somatório do Peso Bruto maior que 999999,99!",
                                  solution,
                                  "ERRO! Somatório do Peso líquido maior que 999999,99!",
                                  solution,
                                  "ERRO! Somatório do Calorias maior que 999999,99!",
                                  solution,
                                  "ERRO! Somatório do Custo Calculado maior que 999999,99!",
                                  solution,
                              }));
    EXPECT_EQ(FieldOf(IdxField::Energy, index[0]), "999999,99");
    EXPECT_EQ(FieldOf(IdxField::Cost, index[0]), "999999,99");
    // The net total row has one decimal: the capped sum shows as 999999,9, not cut to "1000000,".
    EXPECT_EQ(TotalsRow(totals, index[0]).substr(0, 13), "Som|999999,9|");
}

IndexFields recipe(const std::string& yield, const std::string& portions, const std::string& spoon)
{
    IndexFields f = blankIndex(name40("Bolo"));
    f[IdxField::Yield] = yield;
    f[IdxField::Portions] = portions;
    f[IdxField::Tablespoon] = spoon;
    f[IdxField::Energy] = "  2000,00";
    f[IdxField::Cost] = "    15,00";
    return f;
}

TEST(PreparationTotals, PerCapitaUsesTheRoundedPortionYield)
{
    IndexFields f = recipe("  1000", "     3", "      ");
    leaveYield(f);
    EXPECT_EQ(f[IdxField::PortionYield], "   333");
    // 2000 x 333 / 1000, not 2000 / 3.
    EXPECT_EQ(f[IdxField::PerCapitaEnergy], "   666,00");
    EXPECT_EQ(f[IdxField::PerCapitaCost], "     5,00");       // 4,995 rounds up
    EXPECT_EQ(f[IdxField::PerCapitaEnergy + 1], "      ,  "); // no whole-recipe value
    EXPECT_EQ(f[IdxField::SpoonEnergy], "      ,  ");         // no tablespoon weight

    f[IdxField::Tablespoon] = "15    ";
    leaveTablespoon(f);
    EXPECT_EQ(f[IdxField::Tablespoon], "    15");
    EXPECT_EQ(f[IdxField::SpoonEnergy], "    30,00");
    EXPECT_EQ(f[IdxField::SpoonCost], "     0,23"); // 0,225 rounds up
}

TEST(PreparationTotals, RegisterClearingRules)
{
    IndexFields f = recipe("  1000", "     4", "    15");
    leaveYield(f);
    ASSERT_EQ(f[IdxField::PerCapitaEnergy], "   500,00");
    ASSERT_EQ(f[IdxField::SpoonEnergy], "    30,00");

    // A blank tablespoon weight clears the per-tablespoon values only.
    f[IdxField::Tablespoon] = "      ";
    leaveTablespoon(f);
    EXPECT_EQ(f[IdxField::SpoonEnergy], "      ,  ");
    EXPECT_EQ(f[IdxField::PerCapitaEnergy], "   500,00");

    // A blank number of portions clears the per-capita values only.
    RecordingMessages messages;
    f[IdxField::Portions] = "      ";
    EXPECT_TRUE(leavePortions(f, messages));
    EXPECT_EQ(f[IdxField::PortionYield], "      ");
    EXPECT_EQ(f[IdxField::PerCapitaEnergy], "      ,  ");
    EXPECT_EQ(f[IdxField::PerCapitaCost], "      ,  ");

    // A blank yield clears portions, tablespoon and everything derived.
    IndexFields g = recipe("  1000", "     4", "    15");
    leaveYield(g);
    g[IdxField::Yield] = "      ";
    leaveYield(g);
    EXPECT_EQ(g[IdxField::Portions], "      ");
    EXPECT_EQ(g[IdxField::PortionYield], "      ");
    EXPECT_EQ(g[IdxField::Tablespoon], "      ");
    for (int n = IdxField::PerCapitaEnergy; n <= IdxField::PerCapitaCost; ++n)
        EXPECT_EQ(g[n], "      ,  ");
    for (int n = IdxField::SpoonEnergy; n <= IdxField::SpoonCost; ++n)
        EXPECT_EQ(g[n], "      ,  ");
    EXPECT_EQ(g[IdxField::Energy], "  2000,00");
    EXPECT_TRUE(messages.texts.empty());
}

TEST(PreparationTotals, ZeroPortionsAreRefusedTypedAndGiveNoYieldStored)
{
    RecordingMessages messages;
    IndexFields f = recipe("  1000", "0     ", "      ");
    EXPECT_FALSE(leavePortions(f, messages));
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Número de porções deve ser maior que zero!"}));
    EXPECT_EQ(f[IdxField::Portions], "     0");
    EXPECT_EQ(f[IdxField::PortionYield], "      ");
    EXPECT_EQ(f[IdxField::PerCapitaEnergy], "      ,  ");

    // A stored count of 0 reaches the computation through the yield: no division.
    IndexFields g = recipe("  1000", "     0", "      ");
    g[IdxField::PortionYield] = "   250";
    leaveYield(g);
    EXPECT_EQ(g[IdxField::PortionYield], "      ");
    EXPECT_EQ(g[IdxField::PerCapitaEnergy], "      ,  ");
}

TEST(PreparationTotals, ZeroOrBlankYieldComputesNothingPerCapita)
{
    IndexFields f = recipe("     0", "     2", "    15");
    f[IdxField::PerCapitaEnergy] = "    99,00";
    leaveYield(f);
    EXPECT_EQ(f[IdxField::PortionYield], "     0");
    EXPECT_EQ(f[IdxField::PerCapitaEnergy], "    99,00"); // untouched
    EXPECT_EQ(f[IdxField::SpoonEnergy], "      ,  ");
    ComputePerTablespoon(f);
    EXPECT_EQ(f[IdxField::SpoonEnergy], "      ,  ");
}

TEST(PreparationTotals, TablespoonHeavierThanTheYieldIsCappedNotCut)
{
    IndexFields f = recipe("    10", "      ", "  2000");
    f[IdxField::Energy] = "999999,99";
    ComputePerTablespoon(f);
    // 999999,99 x 2000 / 10 = 199999998,00; cut to 9 characters it would read 199999998.
    EXPECT_EQ(f[IdxField::SpoonEnergy], "999999,99");
    EXPECT_EQ(f[IdxField::SpoonCost], "  3000,00");
}

// A rice dish of three ingredients, computed by hand:
//
//   Arroz (per 100 g: 358 kcal, CHO 78,80, PTN 7,20, LIP 0,30, SAT 0,10, COL -, FIB 1,60,
//          CAL 4,00, FER 0,70, SOD 1,00; FC 1,00; FCC 2,50; 6,50 per kg)
//     gross 500,0 typed; net = 500,0 / 1,00 = 500,0; FC = 500,0 / 500,0 = 1,00
//     energy 500 x 358 / 100 = 1790,00; CHO 394,00; PTN 36,00; LIP 1,50; SAT 0,50;
//     COL blank; FIB 8,00; CAL 20,00; FER 3,50; SOD 5,00; cost 500 x 6,50 / 1000 = 3,25
//     raw 500,0 typed; cooked = 500,0 x 2,50 = 1250,0
//   Cebola (39 kcal, CHO 8,90, PTN 1,70, LIP 0,10, SAT -, COL -, FIB 2,20, CAL 14,00,
//           FER 0,20, SOD 1,00; FC 1,15; 4,80 per kg)
//     net 60,0 typed; gross = 60,0 x 1,15 = 69,0; FC = 69 / 60 = 1,15
//     cost 69 x 4,80 / 1000 = 0,3312 -> 0,33; energy 60 x 39 / 100 = 23,40; CHO 5,34;
//     PTN 1,02; LIP 0,06; FIB 1,32; CAL 8,40; FER 0,12; SOD 0,60
//   Alho (113 kcal, CHO 23,90, PTN 7,00, LIP 0,20, FIB 4,30, CAL 14,00, FER 0,80,
//         SOD 5,00; FC 1,25; 30,00 per kg), measured in "dente" of 5,0 g
//     quantity 2 typed: net = 2,00 x 5,0 = 10,0; then leaving the net weight:
//     gross = 10,0 x 1,25 = 12,5; FC 1,25; cost 12,5 x 30 / 1000 = 0,375 -> 0,38;
//     energy 11,30; CHO 2,39; PTN 0,70; LIP 0,02; FIB 0,43; CAL 1,40; FER 0,08;
//     SOD 0,50; quantity back from net: 10,0 / 5,0 = 2,00
//   Whole recipe: energy 1790,00 + 23,40 + 11,30 = 1824,70; CHO 394,00 + 5,34 + 2,39
//     = 401,73; cost 3,25 + 0,33 + 0,38 = 3,96; net total 570,0
//   Yield 1500 g in 7 portions: per-capita yield 1500 / 7 = 214,28 -> 214
//     energy 1824,70 x 214 / 1500 = 260,3239 -> 260,32; CHO 401,73 x 214 / 1500
//     = 57,3135 -> 57,31; cost 3,96 x 214 / 1500 = 0,56496 -> 0,56
//   Tablespoon 25 g: energy 1824,70 x 25 / 1500 = 30,4117 -> 30,41;
//     cost 3,96 x 25 / 1500 = 0,066 -> 0,07
TEST(PreparationTotals, WorkedRecipeOfThreeIngredients)
{
    auto ingredient = [](const std::string& name, std::vector<std::string> values, const std::string& fc,
                         const std::string& fcc, const std::string& cost) {
        IngredientFields f = blankIngredient(name60(name));
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (!values[i].empty())
                f[kRecipeValues[i].ingredient] =
                    FitRight(values[i], fieldWidth(RecordKind::Ingredient, kRecipeValues[i].ingredient));
        }
        f[IngField::FC] = fc;
        f[IngField::FCC] = fcc;
        f[IngField::UnitCost] = cost;
        return f;
    };
    const IngredientFields rice =
        ingredient("Arroz", {"358,00", "78,80", "7,20", "0,30", "0,10", "", "1,60", "4,00", "0,70", "1,00"},
                   "  1,00", "  2,50", "     6,50");
    const IngredientFields onion =
        ingredient("Cebola", {"39,00", "8,90", "1,70", "0,10", "", "", "2,20", "14,00", "0,20", "1,00"},
                   "  1,15", "  1,00", "     4,80");
    const IngredientFields garlic =
        ingredient("Alho", {"113,00", "23,90", "7,00", "0,20", "", "", "4,30", "14,00", "0,80", "5,00"},
                   "  1,25", "  1,00", "    30,00");
    RecordingMessages messages;

    LineEdits a = newLineEdits(rice);
    a.line[LineField::Gross] = "500   , ";
    leaveGross(a, rice, messages);
    a.line[LineField::Raw] = "500   , ";
    leaveRaw(a, rice);
    EXPECT_EQ(joinFields(a.line),
              name60("Arroz") + "|   500,0|   500,0|  1250,0|   500,0|  1,00|  2,50|     6,50|     3,25|"
                                "  /  /  ||   ,  |  1790,00|   394,00|    36,00|     1,50|     0,50|"
                                "      ,  |     8,00|    20,00|     3,50|     5,00|");

    LineEdits b = newLineEdits(onion);
    b.line[LineField::Net] = "60    , ";
    leaveNet(b, onion, messages);
    EXPECT_EQ(b.line[LineField::Gross], "    69,0");
    EXPECT_EQ(b.line[LineField::FC], "  1,15");
    EXPECT_EQ(b.line[LineField::Cost], "     0,33");
    EXPECT_EQ(b.line[LineField::Energy], "    23,40");
    EXPECT_EQ(b.line[LineField::Energy + 1], "     5,34");
    EXPECT_EQ(b.line[LineField::Energy + 4], "      ,  ");

    LineEdits c = newLineEdits(garlic);
    c.line[LineField::Measure] = "dente               ";
    c.measureWeight = "     5,0";
    c.line[LineField::Quantity] = "2  ,  ";
    EXPECT_FALSE(leaveQuantity(c, garlic));
    EXPECT_EQ(c.line[LineField::Net], "    10,0");
    leaveNet(c, garlic, messages);
    EXPECT_EQ(c.line[LineField::Gross], "    12,5");
    EXPECT_EQ(c.line[LineField::Cost], "     0,38");
    EXPECT_EQ(c.line[LineField::Energy], "    11,30");
    EXPECT_EQ(c.line[LineField::Quantity], "  2,00");

    // Warnings: rice lacks cholesterol, onion and garlic saturated fat and cholesterol.
    WarnMissingValues(rice, messages);
    WarnMissingValues(onion, messages);
    EXPECT_EQ(messages.texts.size(), 3u);

    RecordList lines(true);
    for (const LineEdits* e : {&a, &b, &c})
        lines.add(joinFields(e->line));
    RecordList index(true);
    index.add(joinFields(blankIndex(name40("Arroz refogado"))));
    std::string indexLine = index[0];
    const WindowTotals totals = UpdateTotals(lines, indexLine, messages);
    ReplaceRecord(index, 0, indexLine);
    EXPECT_EQ(messages.texts.size(), 3u);
    EXPECT_EQ(TotalsRow(totals, index[0]),
              "Som|   570,0|  1824,70|   401,73|    37,72|     1,58|     0,50|     0,00|     9,75|"
              "    29,80|     3,70|     6,10|");

    IndexFields f = readIndex(index[0]);
    EXPECT_EQ(f[IdxField::Cost], "     3,96");
    f[IdxField::Yield] = "1500  ";
    leaveYield(f);
    f[IdxField::Portions] = "7     ";
    EXPECT_TRUE(leavePortions(f, messages));
    f[IdxField::Tablespoon] = "25    ";
    leaveTablespoon(f);
    EXPECT_EQ(f[IdxField::PortionYield], "   214");
    EXPECT_EQ(f[IdxField::PerCapitaEnergy], "   260,32");
    EXPECT_EQ(f[IdxField::PerCapitaEnergy + 1], "    57,31");
    EXPECT_EQ(f[IdxField::PerCapitaEnergy + 5], "     0,00");
    EXPECT_EQ(f[IdxField::PerCapitaCost], "     0,56");
    EXPECT_EQ(f[IdxField::SpoonEnergy], "    30,41");
    EXPECT_EQ(f[IdxField::SpoonCost], "     0,07");
    const std::string stored = joinFields(f);
    EXPECT_EQ(std::count(stored.begin(), stored.end(), '|'), 40);
}

} // namespace
} // namespace treluza

#include "preparations/DecimalField.h"

#include "store/StrUnit.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

TEST(DecimalField, ReadsFieldTextsExactly)
{
    EXPECT_EQ(ReadNumber("      ,  "), Exact());
    EXPECT_EQ(ReadNumber(""), Exact());
    EXPECT_EQ(ReadNumber("abc"), Exact());
    EXPECT_EQ(ReadNumber("   12,50"), Exact::Units(125, 1));
    EXPECT_EQ(ReadNumber("  0,1") + ReadNumber("  0,2"), ReadNumber("0,3"));
    EXPECT_EQ(ReadNumber("5,"), Exact::Whole(5));
    EXPECT_EQ(ReadNumber(",5"), Exact::Units(5, 1));
    EXPECT_EQ(ReadNumber("-3,25"), Exact::Units(-325, 2));
    EXPECT_EQ(ReadNumber("1,5e2"), Exact::Whole(150));
    // Past the fourth decimal the value is rounded; beyond 1e9 it is bounded.
    EXPECT_EQ(ReadNumber("0,00005"), Exact::Units(1, 4));
    EXPECT_EQ(ReadNumber("123456789012345678901234567890"), Exact::Whole(1'000'000'000));
    EXPECT_EQ(ReadNumber("1e300"), Exact::Whole(1'000'000'000));
}

TEST(DecimalField, ComparesWithoutOverflow)
{
    const Exact third = Exact::Whole(1) / Exact::Whole(3);
    EXPECT_LT(Exact::Units(3333, 4), third);
    EXPECT_GT(Exact::Units(3334, 4), third);
    EXPECT_EQ(third * Exact::Whole(3), Exact::Whole(1));
    EXPECT_LT(Exact::Units(-5, 1), Exact());
    EXPECT_LT(Exact::Whole(-2), Exact::Whole(-1));
    const Exact big = Exact::Whole(999'999'999) / Exact::Whole(999'999'997);
    EXPECT_GT(big, Exact::Whole(999'999'998) / Exact::Whole(999'999'997));
    EXPECT_THROW(Exact::Whole(1) / Exact(), std::domain_error);
}

TEST(DecimalField, BlankAndNormalise)
{
    EXPECT_TRUE(IsBlankField("      ,  ", "999999,99"));
    EXPECT_TRUE(IsBlankField("", "999999,99"));
    EXPECT_TRUE(IsBlankField("  /  /    ", "99/99/9999"));
    EXPECT_FALSE(IsBlankField("     0,00", "999999,99"));
    EXPECT_FALSE(IsBlankField("  ,5", "99,99"));
    EXPECT_EQ(NormaliseField("12    ,5 ", "999999,99"), "    12,50");
    EXPECT_EQ(NormaliseField("      ,  ", "999999,99"), "      ,  ");
    EXPECT_EQ(NormaliseField("   0,  ", "9999,99"), "   0,00");
    EXPECT_EQ(NormaliseField("3     ", "999999"), "     3");
}

TEST(DecimalField, WritesRightAlignedWithDecimalComma)
{
    EXPECT_EQ(FieldText(Exact::Units(125, 1), "999999,99"), "    12,50");
    EXPECT_EQ(FieldText(Exact::Units(1005, 1), "999999,9"), "   100,5");
    EXPECT_EQ(FieldText(Exact::Whole(1000) / Exact::Whole(3), "999999"), "   333");
    EXPECT_EQ(FieldText(Exact::Units(5, 1), "999999"), "     1");
    EXPECT_EQ(FieldText(Exact::Units(-5, 3), "999999,99"), "    -0,01");
    EXPECT_EQ(FieldText(Exact::Units(-4, 3), "999999,99"), "     0,00");
}

TEST(DecimalField, HalvesRoundAwayFromZeroWhereBinaryFloatingPointDoesNot)
{
    // 1,4 g of an ingredient with 22,50 kcal per 100 g holds 0,315 kcal: 0,32.
    // In binary floating point 1.4 * 22.5 / 100 is 0.31499999999999995, which
    // prints as 0,31.
    const Exact energy = ReadNumber("     1,4") * ReadNumber("  22,50") / Exact::Whole(100);
    EXPECT_EQ(FieldText(energy, "999999,99"), "     0,32");
    EXPECT_EQ(FormatDecimal(2, 9, 1.4 * 22.5 / 100), "     0,31");
    // 4,6 g at 25,00 per 1000 g costs 0,115: 0,12.
    EXPECT_EQ(FieldText(ReadNumber("4,6") * ReadNumber("25,00") / Exact::Whole(1000), "999999,99"),
              "     0,12");
}

TEST(DecimalField, TooWideValuesTakeTheLargestValueInsteadOfBeingCut)
{
    // Cut on the right, 1234567,89 would read as 123456,7: ten times too small.
    EXPECT_EQ(FieldText(Exact::Units(123456789, 2), "999999,99"), "999999,99");
    EXPECT_EQ(FieldText(Exact::Units(99999999, 2), "999999,99"), "999999,99");
    // Rounding up past the largest value is capped too.
    EXPECT_EQ(FieldText(Exact::Units(9999999996, 4), "999999,99"), "999999,99");
    EXPECT_EQ(FieldText(Exact::Whole(5000), "999,99"), "999,99");
    EXPECT_EQ(FieldText(Exact::Whole(2'000'000), "999999,9"), "999999,9");
    EXPECT_EQ(FieldText(Exact::Whole(-2'000'000), "999999,99"), "-99999,99");
    EXPECT_EQ(MaskMaximum("999999,99"), Exact::Units(99999999, 2));
    EXPECT_EQ(MaskMaximum("999999"), Exact::Whole(999999));
}

} // namespace
} // namespace treluza

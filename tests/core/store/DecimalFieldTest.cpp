#include "core/store/DecimalField.h"

#include "core/store/StrUnit.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

TEST(DecimalField, ReadsFieldTextsExactly)
{
    EXPECT_EQ(readNumber("      ,  "), Exact());
    EXPECT_EQ(readNumber(""), Exact());
    EXPECT_EQ(readNumber("abc"), Exact());
    EXPECT_EQ(readNumber("   12,50"), Exact::units(125, 1));
    EXPECT_EQ(readNumber("  0,1") + readNumber("  0,2"), readNumber("0,3"));
    EXPECT_EQ(readNumber("5,"), Exact::whole(5));
    EXPECT_EQ(readNumber(",5"), Exact::units(5, 1));
    EXPECT_EQ(readNumber("-3,25"), Exact::units(-325, 2));
    EXPECT_EQ(readNumber("1,5e2"), Exact::whole(150));
    // Past the fourth decimal the value is rounded; beyond 1e9 it is bounded.
    EXPECT_EQ(readNumber("0,00005"), Exact::units(1, 4));
    EXPECT_EQ(readNumber("123456789012345678901234567890"), Exact::whole(1'000'000'000));
    EXPECT_EQ(readNumber("1e300"), Exact::whole(1'000'000'000));
}

TEST(DecimalField, ComparesWithoutOverflow)
{
    const Exact third = Exact::whole(1) / Exact::whole(3);
    EXPECT_LT(Exact::units(3333, 4), third);
    EXPECT_GT(Exact::units(3334, 4), third);
    EXPECT_EQ(third * Exact::whole(3), Exact::whole(1));
    EXPECT_LT(Exact::units(-5, 1), Exact());
    EXPECT_LT(Exact::whole(-2), Exact::whole(-1));
    const Exact big = Exact::whole(999'999'999) / Exact::whole(999'999'997);
    EXPECT_GT(big, Exact::whole(999'999'998) / Exact::whole(999'999'997));
    EXPECT_THROW(Exact::whole(1) / Exact(), std::domain_error);
}

TEST(DecimalField, WellFormedNumbers)
{
    // Blanks around a number are alignment; blanks between its digits would be
    // read as another number.
    const std::pair<const char*, bool> cases[] = {
        {"      ,  ", true}, {"    12,50", true}, {"12    ,5 ", true}, {"   8,0", true},
        {"1 ,5", true},      {"3     ", true},    {"", true},          {"15   8,0", false},
        {"1 2,00", false},   {"8, 5", false},     {"12,5 1", false},   {"1    3", false},
    };
    for (const auto& [text, wellFormed] : cases)
        EXPECT_EQ(isWellFormedNumber(text), wellFormed) << '"' << text << '"';
}

TEST(DecimalField, BlankAndNormalise)
{
    EXPECT_TRUE(isBlankField("      ,  ", "999999,99"));
    EXPECT_TRUE(isBlankField("", "999999,99"));
    EXPECT_TRUE(isBlankField("  /  /    ", "99/99/9999"));
    EXPECT_FALSE(isBlankField("     0,00", "999999,99"));
    EXPECT_FALSE(isBlankField("  ,5", "99,99"));
    EXPECT_EQ(normaliseField("12    ,5 ", "999999,99"), "    12,50");
    EXPECT_EQ(normaliseField("      ,  ", "999999,99"), "      ,  ");
    EXPECT_EQ(normaliseField("   0,  ", "9999,99"), "   0,00");
    EXPECT_EQ(normaliseField("3     ", "999999"), "     3");
}

TEST(DecimalField, WritesRightAlignedWithDecimalComma)
{
    EXPECT_EQ(fieldText(Exact::units(125, 1), "999999,99"), "    12,50");
    EXPECT_EQ(fieldText(Exact::units(1005, 1), "999999,9"), "   100,5");
    EXPECT_EQ(fieldText(Exact::whole(1000) / Exact::whole(3), "999999"), "   333");
    EXPECT_EQ(fieldText(Exact::units(5, 1), "999999"), "     1");
    EXPECT_EQ(fieldText(Exact::units(-5, 3), "999999,99"), "    -0,01");
    EXPECT_EQ(fieldText(Exact::units(-4, 3), "999999,99"), "     0,00");
}

TEST(DecimalField, HalvesRoundAwayFromZeroWhereBinaryFloatingPointDoesNot)
{
    // 1,4 g of an ingredient with 22,50 kcal per 100 g holds 0,315 kcal: 0,32.
    // In binary floating point 1.4 * 22.5 / 100 is 0.31499999999999995, which
    // prints as 0,31.
    const Exact energy = readNumber("     1,4") * readNumber("  22,50") / Exact::whole(100);
    EXPECT_EQ(fieldText(energy, "999999,99"), "     0,32");
    EXPECT_EQ(FormatDecimal(2, 9, 1.4 * 22.5 / 100), "     0,31");
    // 4,6 g at 25,00 per 1000 g costs 0,115: 0,12.
    EXPECT_EQ(fieldText(readNumber("4,6") * readNumber("25,00") / Exact::whole(1000), "999999,99"),
              "     0,12");
}

TEST(DecimalField, TooWideValuesTakeTheLargestValueInsteadOfBeingCut)
{
    // Cut on the right, 1234567,89 would read as 123456,7: ten times too small.
    EXPECT_EQ(fieldText(Exact::units(123456789, 2), "999999,99"), "999999,99");
    EXPECT_EQ(fieldText(Exact::units(99999999, 2), "999999,99"), "999999,99");
    // Rounding up past the largest value is capped too.
    EXPECT_EQ(fieldText(Exact::units(9999999996, 4), "999999,99"), "999999,99");
    EXPECT_EQ(fieldText(Exact::whole(5000), "999,99"), "999,99");
    EXPECT_EQ(fieldText(Exact::whole(2'000'000), "999999,9"), "999999,9");
    EXPECT_EQ(fieldText(Exact::whole(-2'000'000), "999999,99"), "-99999,99");
    EXPECT_EQ(maskMaximum("999999,99"), Exact::units(99999999, 2));
    EXPECT_EQ(maskMaximum("999999"), Exact::whole(999999));
}

} // namespace
} // namespace treluza

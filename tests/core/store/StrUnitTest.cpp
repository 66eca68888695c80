#include "core/store/StrUnit.h"

#include <gtest/gtest.h>

#include <clocale>

namespace treluza {
namespace {

TEST(StrUnit, TextBuilding)
{
    EXPECT_EQ(RepeatText("ab", 3), "ababab");
    EXPECT_EQ(RepeatText("ab", 0), "");
    EXPECT_EQ(RepeatText("ab", -1), "");
    EXPECT_EQ(RemoveText("aab", "ab"), "b");
    EXPECT_EQ(RemoveText("xaaabx", "ab"), "xbx");
    EXPECT_EQ(RemoveText("abc", ""), "abc"); // an empty pattern must not loop
    EXPECT_EQ(RemoveText("aaaa", "aa"), "a");
    EXPECT_EQ(RemoveSpaces(" a b  c "), "abc");
    EXPECT_EQ(TrimTrailingSpaces("  ab  "), "  ab");
    EXPECT_EQ(TrimTrailingSpaces("ab\t"), "ab\t");
    EXPECT_EQ(TrimTrailingSpaces("   "), "");
    EXPECT_EQ(ReplaceChar('_', '/', "a/b/c"), "a_b_c");
}

TEST(StrUnit, ColumnFitting)
{
    EXPECT_EQ(CenterText("abc", 8), "  abc   ");
    EXPECT_EQ(CenterText("abc", 7), "  abc  ");
    EXPECT_EQ(CenterText("abcdef", 4), "abcd");
    EXPECT_EQ(CenterText("abcd", 4), "abcd");
    EXPECT_EQ(FitRight("ab", 5), "   ab");
    EXPECT_EQ(FitRight("abcdef", 4), "abcd");
    EXPECT_EQ(FitRight("abc", 0), "");
}

TEST(StrUnit, FieldAlignment)
{
    EXPECT_EQ(AlignIntegerField("12   "), "   12");
    EXPECT_EQ(AlignIntegerField("     "), "    0");
    EXPECT_EQ(AlignIntegerField(" 1 2 "), "  1 2");
    EXPECT_EQ(AlignDecimalField("12    ,5 "), "    12,5 ");
    EXPECT_EQ(ZeroFillDecimals(AlignDecimalField("12    ,5 ")), "    12,50");
    EXPECT_EQ(AlignDecimalField("      ,  "), "     0,  ");
    EXPECT_EQ(AlignDecimalField("  7   , 5"), "     7, 5");
    EXPECT_EQ(AlignDecimalField("3   "), "   3"); // no comma: integer alignment
    EXPECT_EQ(ZeroFillDecimals("  12"), "  12");
    EXPECT_EQ(ZeroFillDecimals("     0,  "), "     0,00");
}

TEST(StrUnit, ParseDecimal)
{
    EXPECT_EQ(ParseDecimal("      ,  "), 0.0);
    EXPECT_EQ(ParseDecimal("    12,50"), 12.5);
    EXPECT_EQ(ParseDecimal("abc"), 0.0);
    EXPECT_EQ(ParseDecimal(""), 0.0);
    EXPECT_EQ(ParseDecimal("-3,25 "), -3.25);
    EXPECT_EQ(ParseDecimal("+7"), 7.0);
    EXPECT_EQ(ParseDecimal(",5"), 0.5);
    EXPECT_EQ(ParseDecimal("12,"), 12.0);
    EXPECT_EQ(ParseDecimal("1 2"), 0.0);
    EXPECT_EQ(ParseDecimal("1.000"), 0.0); // no thousands separators, no point
    EXPECT_EQ(ParseDecimal("1e999"), 0.0);
    EXPECT_EQ(ParseDecimal("nan"), 0.0);
    EXPECT_EQ(ParseDecimal("2,5E2"), 250.0);
    EXPECT_FALSE(isDecimalText("      ,  "));
    EXPECT_TRUE(isDecimalText("     0,00"));
}

TEST(StrUnit, FormatDecimal)
{
    EXPECT_EQ(FormatDecimal(2, 9, 12.5), "    12,50");
    EXPECT_EQ(FormatDecimal(0, 5, 3), "    3");
    EXPECT_EQ(FormatDecimal(2, 4, 123.456), "123,");
    EXPECT_EQ(FormatDecimal(2, 9, -4.5), "    -4,50");
    EXPECT_EQ(FormatDecimal(2, 9, 2.675), "     2,68"); // binary 2.67499999... is still 2,68
    EXPECT_EQ(FormatDecimal(2, 9, 1.005), "     1,01");
    EXPECT_EQ(FormatDecimal(1, 9, 0.05), "      0,1");
    EXPECT_EQ(FormatDecimal(2, 9, 999999.995), "1000000,0");
    EXPECT_EQ(FormatDecimal(2, 9, 9.999), "    10,00");
    EXPECT_EQ(FormatDecimal(2, 9, -0.001), "     0,00"); // no negative zero
    EXPECT_EQ(FormatDecimal(0, 3, 2.5), "  3");
    EXPECT_EQ(FormatDecimal(2, 9, 0.1 + 0.2), "     0,30");
    EXPECT_EQ(FormatDecimal(2, 9, 1e-300), "     0,00");
    EXPECT_EQ(FormatDecimal(2, 9, 1.0 / 0.0), "         ");
    EXPECT_EQ(FormatDecimal(2, 12, 943048.06 + 56951.93), "   999999,99");
}

TEST(StrUnit, NumbersIgnoreTheProcessLocale)
{
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "pt_BR.UTF-8"))
        std::setlocale(LC_NUMERIC, "C.UTF-8");
    EXPECT_EQ(ParseDecimal("12,5"), 12.5);
    EXPECT_EQ(FormatDecimal(2, 6, 12.5), " 12,50");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(StrUnit, Masks)
{
    EXPECT_EQ(MaskDecimals("999999,99;1;_"), 2);
    EXPECT_EQ(MaskDecimals("9999;1;_"), 0);
    EXPECT_EQ(MaskDecimals("99,9"), 1);
    EXPECT_EQ(BlankTemplate("999999,99;1;_"), "      ,  ");
    EXPECT_EQ(BlankTemplate("99/99/99;1;_"), "  /  /  ");
}

} // namespace
} // namespace treluza

#include "core/store/Cp1252.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

TEST(Cp1252, PortugueseLettersBothWays)
{
    // Every letter Portuguese writes, in both cases, with its Windows-1252 byte.
    const struct {
        const char* utf8;
        unsigned char byte;
    } letters[] = {
        {"á", 0xE1}, {"à", 0xE0}, {"â", 0xE2}, {"ã", 0xE3}, {"é", 0xE9}, {"ê", 0xEA}, {"í", 0xED},
        {"ó", 0xF3}, {"ô", 0xF4}, {"õ", 0xF5}, {"ú", 0xFA}, {"ü", 0xFC}, {"ç", 0xE7}, {"Á", 0xC1},
        {"À", 0xC0}, {"Â", 0xC2}, {"Ã", 0xC3}, {"É", 0xC9}, {"Ê", 0xCA}, {"Í", 0xCD}, {"Ó", 0xD3},
        {"Ô", 0xD4}, {"Õ", 0xD5}, {"Ú", 0xDA}, {"Ü", 0xDC}, {"Ç", 0xC7}, {"º", 0xBA}, {"ª", 0xAA},
    };
    for (const auto& l : letters) {
        const std::string cp = fromUtf8(l.utf8);
        ASSERT_EQ(cp.size(), 1u) << l.utf8;
        EXPECT_EQ(static_cast<unsigned char>(cp[0]), l.byte) << l.utf8;
        EXPECT_EQ(toUtf8(cp), l.utf8);
    }
    EXPECT_EQ(fromUtf8("Pão de queijo"), "P\xE3o de queijo");
    EXPECT_EQ(toUtf8("A\xE7\xFA"
                     "car"),
              "Açúcar");
}

TEST(Cp1252, EveryByteSurvivesARoundTrip)
{
    std::string all;
    for (int c = 0; c < 256; ++c)
        all += static_cast<char>(c);
    EXPECT_EQ(fromUtf8(toUtf8(all)), all);
}

TEST(Cp1252, HighRangeAndMissingForms)
{
    EXPECT_EQ(fromUtf8("€"), "\x80");
    EXPECT_EQ(fromUtf8("“x”"), "\x93x\x94");
    EXPECT_EQ(toUtf8("\x9C"), "œ");
    EXPECT_EQ(cp1252FromCodePoint(0x4E2D), -1); // a CJK ideograph has no form
    EXPECT_EQ(fromUtf8("a中b"), "a?b");
    EXPECT_EQ(fromUtf8("😀"), "?");
    // Malformed sequences do not swallow what follows.
    EXPECT_EQ(fromUtf8("\xC3"), "?");
    EXPECT_EQ(fromUtf8("\xC3x"), "?x");
    EXPECT_EQ(fromUtf8("\xFFz"), "?z");
}

} // namespace
} // namespace treluza

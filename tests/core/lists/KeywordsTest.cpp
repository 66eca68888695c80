#include "core/lists/Keywords.h"
#include "core/store/Cp1252.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

TEST(Keywords, FoldAccentsFoldsThePortugueseLettersOnly)
{
    EXPECT_EQ(toUtf8(FoldAccents(cp("AÇÚCAR, maçã, pão, CAFÉ, Limão, ÓLEO, Pêssego, Ôsso, Ìtem, àvila"))),
              "ACUCAR, maca, pao, CAFE, Limao, OLEO, Pessego, Osso, Item, avila");
    // Letters outside Portuguese spelling stay, as do signs and digits.
    EXPECT_EQ(toUtf8(FoldAccents(cp("Müller Ñandu Äpfel Îles ü ñ 1/2-3,5%"))),
              "Müller Ñandu Äpfel Îles ü ñ 1/2-3,5%");
}

TEST(Keywords, SplitCutsAtEveryBlankAfterTrimming)
{
    using List = std::vector<std::string>;
    EXPECT_EQ(SplitKeywords("ARROZ BRANCO        "), (List{"ARROZ", "BRANCO"}));
    EXPECT_EQ(SplitKeywords("ARROZ  BRANCO"), (List{"ARROZ", "", "BRANCO"}));
    EXPECT_EQ(SplitKeywords(" ARROZ"), (List{"", "ARROZ"}));
    EXPECT_EQ(SplitKeywords("ARROZ-BRANCO"), (List{"ARROZ-BRANCO"}));
    EXPECT_EQ(SplitKeywords("                    "), List{});
    EXPECT_EQ(SplitKeywords(""), List{});
}

TEST(Keywords, MatchFindsEveryKeywordInTheFoldedName)
{
    struct Case {
        const char* typed; // keyword text as confirmed (accents folded, as "Ok" does)
        const char* name;
        bool found;
    };
    const Case cases[] = {
        {"AÇUCAR", "Açúcar, refinado", true},
        {"ACUCAR REFINADO", "Açúcar, refinado", true},
        {"ARROZ BRANCO", "Arroz branco, cozido", true},
        {"ARROZ BRANCO", "Arroz, tipo 1, branco", true}, // anywhere in the name
        {"BRANCO ARROZ", "Arroz, tipo 1, branco", true}, // in any order
        {"ARROZ BRANCO", "Feijão, branco, cru", false},  // every keyword must occur
        {"ARROZ-BRANCO", "Arroz branco, cozido", true},  // a blank of the name reads as "-"
        {"ARROZ-BRANCO", "Arroz, branco", false},        // the comma keeps the words apart
        {"ARROZ  BRANCO", "Arroz branco", false},        // two blanks: an empty keyword
        {"PAO", "Pão de queijo", true},
        {"MULLER", "Müller", false}, // Ü is not folded
        {"", "Arroz branco", true},  // no keyword lets everything through
    };
    for (const Case& c : cases) {
        const auto keywords = SplitKeywords(FoldAccents(cp(c.typed)));
        EXPECT_EQ(MatchKeywords(cp(c.name), keywords), c.found) << c.typed << " / " << c.name;
    }
    // A keyword is used as stored: lower case finds nothing in the upper-cased name.
    EXPECT_FALSE(MatchKeywords(cp("Arroz branco"), {"arroz"}));
}

} // namespace
} // namespace treluza

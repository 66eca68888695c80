#include "core/store/Collation.h"
#include "core/store/Cp1252.h"
#include "core/store/KeyedRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace treluza {
namespace {

int cmp(const char* a, const char* b)
{
    return compareText(cp(a), cp(b));
}

TEST(Collation, CaseIgnoredAccentsJustAfterTheirLetter)
{
    EXPECT_EQ(cmp("abc", "ABC"), 0);
    EXPECT_EQ(cmp("Ção", "ção"), 0);
    EXPECT_EQ(cmp("ÉDEN", "éden"), 0);
    EXPECT_LT(cmp("pao", "pão"), 0);
    // One pass: the first differing place decides, so "pab" (a) comes before
    // "pão" (ã), and "pão" before "pb".
    EXPECT_LT(cmp("pab", "pão"), 0);
    EXPECT_LT(cmp("pão", "pb"), 0);
    EXPECT_LT(cmp("PÃO", "pb"), 0);
    EXPECT_LT(cmp("caca", "caça"), 0);
    EXPECT_LT(cmp("caça", "cada"), 0);
    EXPECT_LT(cmp("e", "é"), 0);
    EXPECT_LT(cmp("é", "ê"), 0);
    EXPECT_LT(cmp("ê", "f"), 0);
}

TEST(Collation, BarBlankPunctuationDigitsLetters)
{
    EXPECT_LT(cmp("a|", "a "), 0);
    EXPECT_LT(cmp("a|", "a\t"), 0);
    EXPECT_LT(cmp("a ", "a-"), 0);
    EXPECT_LT(cmp("a-", "a0"), 0);
    EXPECT_LT(cmp("a9", "aa"), 0);
    EXPECT_LT(cmp("a", "a|"), 0); // a prefix comes first
    // The order is the same on every machine: a fixed table, not the locale.
    for (int c = 1; c < 256; ++c) {
        if (c != '|') {
            EXPECT_LT(collationWeight('|'), collationWeight(static_cast<unsigned char>(c))) << c;
        }
    }
}

// The record list and the key list are index for index only if ordering the
// lines orders their keys the same way: shuffle names that differ only in
// accents, case and trailing parts, and compare the two orders.
TEST(Collation, RecordOrderEqualsKeyOrder)
{
    std::vector<std::string> names = {
        "pao",        "pão",  "pab",  "Pão de queijo", "pão doce",     "PAO",
        "Açaí",       "acai", "açai", "Acaí",          "maçã",         "maca",
        "Maçã verde", "ovo",  "ôvo",  "óvo",           "Ovo cozido",   "a",
        "a b",        "a-b",  "a1",   "Feijão",        "feijao preto", "FEIJÃO CARIOCA",
        "e",          "é",    "ê"};
    std::mt19937 rng(7);
    for (int round = 0; round < 20; ++round) {
        std::shuffle(names.begin(), names.end(), rng);
        KeyedRecords list;
        for (const auto& n : names)
            list.add(cp(n.c_str()) + "|" + std::to_string(round) + "|x|");
        const RecordList& keys = list.keys();
        RecordList direct(true);
        for (const auto& n : names)
            direct.add(cp(n.c_str()));
        ASSERT_EQ(keys.count(), direct.count());
        for (int i = 0; i < keys.count(); ++i) {
            EXPECT_EQ(keys[i], direct[i]);
            EXPECT_EQ(keyOf(list[i]), keys[i]);
        }
        for (int i = 0; i < keys.count(); ++i)
            EXPECT_EQ(list.records().find(list[i]), i);
    }
}

} // namespace
} // namespace treluza

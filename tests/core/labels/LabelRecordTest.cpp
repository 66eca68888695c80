// The label file: the defaults of a preparation without a label, the round
// trip of a label line, and files that cannot be read whole.
#include "core/labels/LabelRecord.h"

#include "core/store/FileIo.h"
#include "core/store/Paths.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

using namespace std::string_literals;

IndexFields preparation(const std::string& yield, const std::string& portions)
{
    IndexFields index = blankIndex("Sopa");
    index[IdxField::Yield] = yield;
    index[IdxField::Portions] = portions;
    return index;
}

// The line of a label without anything typed: a solid, a portion of 1000 g
// over 3 portions, carbohydrate with fibre.
const std::string kDefaultLine = "g|   333||      |0|      ,  |      ,  |      ,  |1|0|0|0|0|";

TEST(LabelRecord, AnEmptyFileOpensWithTheDefaults)
{
    const IndexFields index = preparation("  1000", "     3");
    for (const char* bytes : {"", "\r\n", "\r\n\r\n"}) {
        const LabelRead read = readLabel(bytes, index);
        EXPECT_FALSE(read.damaged);
        EXPECT_EQ(labelBytes(read.fields), kDefaultLine + "\r\n");
    }
    // 1000 / 6 = 166,67: whole grams, halves up; no portion without portions.
    EXPECT_EQ(defaultLabel(preparation("  1000", "     6"))[LabelField::Portion], "   167");
    EXPECT_EQ(defaultLabel(preparation("  1000", "      "))[LabelField::Portion], "      ");
    EXPECT_EQ(defaultLabel(preparation("      ", "     2"))[LabelField::Portion], "      ");
    EXPECT_EQ(defaultLabel(preparation("     1", "     3"))[LabelField::Portion], "      ");
}

TEST(LabelRecord, WhatIsWrittenReadsBackByteForByte)
{
    TempFolder folder;
    const auto path = LabelFilePath(folder.path(), "Casa", "Sopa");
    const IndexFields index = preparation("  1000", "     4");
    LabelFields f = defaultLabel(index);
    f[LabelField::Unit] = "ml";
    f[LabelField::Measure] = "1 concha m\xE9"
                             "dia (200 ml)";
    f[LabelField::PerPackage] = "     5";
    f[LabelField::About] = "1";
    f[LabelField::TotalSugars] = "    12,50";
    f[LabelField::AddedSugars] = "     0,00";
    f[LabelField::TransFat] = "     0,10";
    f[LabelField::FibreInCarbohydrate] = "0";
    f[LabelField::Calcium] = "1";
    f[LabelField::Exempt] = "1";
    saveLabelFile(folder.path(), "Casa", "Sopa", f);
    const std::string bytes = readWholeFile(path);
    EXPECT_EQ(bytes, "ml|   250|1 concha m\xE9"
                     "dia (200 ml)|     5|1|    12,50|     0,00|     0,10|0|0|1|0|1|\r\n");
    const LabelRead read = loadLabelFile(path, preparation("   500", "     1"));
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.fields, f);
    EXPECT_EQ(labelBytes(read.fields), bytes);
}

TEST(LabelRecord, WhatCannotBeReadTakesItsDefaultAndTheFileCountsAsDamaged)
{
    const IndexFields index = preparation("  1000", "     3");
    const std::string good = "ml|   200|1 copo|      |0|    10,00|     5,00|     0,00|1|1|0|0|0|";
    const struct {
        const char* name;
        std::string bytes;
        std::string line; // what is read
    } cases[] = {
        {"a short number is aligned", "ml|200|1 copo||0|10|5|0|1|1|0|0|0|\r\n", good},
        {"garbage", "\x01\xFF garbage", kDefaultLine},
        {"a NUL inside", "ml|   200|1 copo|      |0|  \0|"s,
         "ml|   200|1 copo|      |0|      ,  |      ,  |      ,  |1|0|0|0|0|"},
        {"a NUL after the line", good + "\r\n\0\0"s, good},
        {"a missing field", "ml|   200|1 copo|      |0|    10,00|     5,00|     0,00|1|1|0|0|\r\n",
         "ml|   200|1 copo|      |0|    10,00|     5,00|     0,00|1|1|0|0|0|"},
        {"a field too many", good + "x|\r\n", good},
        {"a second line", good + "\r\n" + good + "\r\n", good},
        {"a bad unit and switch", "kg|   200|1 copo|      |2|    10,00|     5,00|     0,00|1|1|0|0|0|",
         "g|   200|1 copo|      |0|    10,00|     5,00|     0,00|1|1|0|0|0|"},
        {"bad numbers", "ml|  -200|1 copo|   2,5|0|  1234567|   5,001|abc|1|1|0|0|0|",
         "ml|   333|1 copo|      |0|      ,  |      ,  |      ,  |1|1|0|0|0|"},
        {"a measure too long",
         "ml|   200|" + std::string(31, 'x') + "|      |0|    10,00|     5,00|     0,00|1|1|0|0|0|",
         "ml|   200||      |0|    10,00|     5,00|     0,00|1|1|0|0|0|"},
        {"a huge line", std::string(100000, 'z'), kDefaultLine},
    };
    for (const auto& c : cases) {
        const LabelRead read = readLabel(c.bytes, index);
        EXPECT_EQ(read.damaged, std::string(c.name) != "a short number is aligned") << c.name;
        EXPECT_EQ(joinFields(read.fields), c.line) << c.name;
    }
}

TEST(LabelRecord, AFileLargerThanAnyLabelIsNotRead)
{
    TempFolder folder;
    const auto path = folder.write("big.eti", std::string(1 << 20, 'z'));
    const LabelRead read = loadLabelFile(path, preparation("  1000", "     3"));
    EXPECT_TRUE(read.damaged);
    EXPECT_EQ(joinFields(read.fields), kDefaultLine);
    EXPECT_THROW(loadLabelFile(folder.path() / "none.eti", blankIndex("")), FileReadError);
}

} // namespace
} // namespace treluza

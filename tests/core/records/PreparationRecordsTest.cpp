#include "core/records/PreparationRecords.h"

#include "core/store/StrUnit.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace treluza {
namespace {

TEST(PreparationRecords, BlankLinesHaveEveryFieldAndTheGroupAndMeasureEmpty)
{
    const std::string name = "P\xE3o/queijo" + std::string(30, ' ');
    const std::string index = joinFields(blankIndex(name));
    EXPECT_EQ(std::count(index.begin(), index.end(), '|'), 40);
    EXPECT_EQ(index.substr(0, 41), name + "|");
    // No group: two bars in a row before the blank date.
    EXPECT_EQ(index.substr(index.size() - 13), "||  /  /    |");
    EXPECT_EQ(readIndex(index), blankIndex(name));

    const std::string line = joinFields(blankLine(std::string(60, 'a')));
    EXPECT_EQ(std::count(line.begin(), line.end(), '|'), 22);
    // A measure never chosen: empty field 11 and a blank quantity.
    EXPECT_NE(line.find("|  /  /  ||   ,  |"), std::string::npos);
    EXPECT_EQ(readLine(line), blankLine(std::string(60, 'a')));
    EXPECT_EQ(readLine("x|    12,0")[LineField::Gross], "    12,0");
    EXPECT_EQ(readLine("x|    12,0")[LineField::Sodium], "");
    EXPECT_THROW(readLine("x")[23], std::out_of_range);
}

} // namespace
} // namespace treluza

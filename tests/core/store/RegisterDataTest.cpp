#include "core/store/RegisterData.h"
#include "core/store/FileIo.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

TEST(RegisterData, LookupGivesThePlaceFoundOrToBe)
{
    TempFolder dir;
    const auto path = dir.write("r.dad", "b|2|\r\nd|4|\r\n");
    RegisterData data;
    data.load(path);
    EXPECT_TRUE(data.lookup("B"));
    EXPECT_EQ(data.current(), 0);
    EXPECT_EQ(data.field(2), "2");
    EXPECT_FALSE(data.lookup("c"));
    EXPECT_EQ(data.current(), 1);
    EXPECT_FALSE(data.lookup("z"));
    EXPECT_EQ(data.current(), 2);
    EXPECT_EQ(data.field(1), missingRecordText()); // past the end is no record
}

TEST(RegisterData, EditsKeepBothListsInStepAndSaveWhole)
{
    TempFolder dir;
    const auto path = dir.write("r.dad", "b|2|\r\nd|4|\r\n");
    RegisterData data;
    data.load(path);
    data.insert("c|3|");
    EXPECT_EQ(data.current(), 1);
    EXPECT_EQ(data.keys().lines(), (std::vector<std::string>{"b", "c", "d"}));
    data.lookup("b");
    data.replaceCurrent("b|22|");
    EXPECT_EQ(data.field(2), "22");
    data.lookup("d");
    data.replaceCurrent("a|4|"); // a rename: the key follows the line
    EXPECT_EQ(data.currentKey(), "a");
    EXPECT_EQ(data.keys().lines(), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(data.field(2), "4");
    data.save();
    EXPECT_EQ(readWholeFile(path), "a|4|\r\nb|22|\r\nc|3|\r\n");
    data.lookup("c");
    data.removeCurrent();
    EXPECT_EQ(data.current(), 0);
    EXPECT_EQ(data.keys().lines(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(data.count(), 2);
    data.release();
    EXPECT_TRUE(data.empty());
    EXPECT_TRUE(data.keys().empty());
    // After a release (or a failed load) a save cannot reach the old file.
    data.insert("z|9|");
    EXPECT_THROW(data.save(), FileWriteError);
    EXPECT_EQ(readWholeFile(path), "a|4|\r\nb|22|\r\nc|3|\r\n");
}

} // namespace
} // namespace treluza

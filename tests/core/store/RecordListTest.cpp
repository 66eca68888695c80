#include "core/records/FieldTexts.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/KeyedRecords.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>

namespace treluza {
namespace {

// FieldOf and the record readers read a field by one rule: a field the line
// does not have is empty, a last field without its "|" is still read.
TEST(FieldOf, FieldsAsTheRecordReadersReadThem)
{
    const struct {
        const char* line;
        int n;
        const char* field;
    } cases[] = {
        {"a|b|", 1, "a"}, {"a|b|", 2, "b"}, {"a|b|", 3, ""},  {"a|b|c", 3, "c"}, {"a|b|c", 4, ""},
        {"a|b|c", 5, ""}, {"a|b|", 0, ""},  {"a|b|", -2, ""}, {"abc", 1, "abc"}, {"abc", 2, ""},
        {"||x|", 2, ""},  {"||x|", 3, "x"}, {"", 1, ""},      {"|", 1, ""},      {"|", 2, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FieldOf(c.n, c.line), c.field) << c.line << " " << c.n;
        if (c.n >= 1) {
            EXPECT_EQ(splitFields<5>(c.line)[c.n], c.field) << c.line << " " << c.n;
        }
    }
    // A field far past the last of a long line is found in one pass over it.
    const std::string line = "a|" + std::string(5'000'000, 'x');
    EXPECT_EQ(FieldOf(2, line).size(), line.size() - 2);
    EXPECT_EQ(FieldOf(100'001, line), "");
}

TEST(SetFieldOf, Fields)
{
    const struct {
        const char* line;
        int n;
        const char* value;
        const char* result;
    } cases[] = {
        {"a|b|", 4, "x", "a|b||x|"}, {"a|b", 2, "y", "a|y|"}, {"a|b|", 1, "z", "z|b|"},
        {"a|b|c|", 2, "", "a||c|"},  {"", 1, "k", "k|"},      {"a|b|c|", 3, "long", "a|b|long|"},
        {"a|b|", 0, "q", "q|b|"},
    };
    for (const auto& c : cases) {
        std::string line = c.line;
        SetFieldOf(c.n, line, c.value);
        EXPECT_EQ(line, c.result) << c.line << " " << c.n;
    }
    // A value with a field separator or a line break would make another record.
    for (const char* bad : {"a|b", "a\rb", "a\nb", "|"}) {
        std::string line = "k|v|";
        EXPECT_THROW(SetFieldOf(1, line, bad), UnusableNameError) << bad;
        EXPECT_EQ(line, "k|v|");
    }
}

TEST(RecordList, SortedAddKeepsOneOfEqualLinesAndReturnsItsIndex)
{
    RecordList list(true);
    EXPECT_EQ(list.add("b|"), 0);
    EXPECT_EQ(list.add("a|"), 0);
    EXPECT_EQ(list.add("c|"), 2);
    EXPECT_EQ(list.add("B|"), 1); // equal ignoring case: not added
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list[1], "b|");
    EXPECT_EQ(list.find("A|"), 0);
    EXPECT_EQ(list.find("d|"), -1);
}

TEST(RecordList, ReplaceOnlyWhileUnsortedAndResortMovesTheLine)
{
    RecordList list(true);
    list.add("a|1|");
    list.add("b|2|");
    list.add("c|3|");
    EXPECT_THROW(list.replace(0, "z|"), std::logic_error);
    EXPECT_THROW(list.insert(0, "z|"), std::logic_error);
    list.setSorted(false);
    list.replace(0, "d|1|");
    EXPECT_EQ(list[0], "d|1|"); // order kept while unsorted
    list.setSorted(true);
    EXPECT_EQ(list[2], "d|1|");
    EXPECT_THROW(list.at(3), std::out_of_range);
    EXPECT_THROW(list.at(-1), std::out_of_range);
}

TEST(RecordList, UnsortedAddAppendsDuplicates)
{
    RecordList list;
    list.add("b|");
    list.add("a|");
    list.add("b|");
    EXPECT_EQ(list.count(), 3);
    list.setSorted(true); // sorting keeps every line
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list[0], "a|");
}

TEST(RecordList, GetAndSetRecordField)
{
    RecordList list(true);
    list.add("a|x|");
    list.add("m|y|");
    EXPECT_EQ(GetRecordField(list, -1, 2), cp("Erro! Codigo não existe!"));
    EXPECT_EQ(GetRecordField(list, 1, 2), "y");
    SetRecordField(list, -1, 2, "nothing");
    SetRecordField(list, 0, 2, "new");
    EXPECT_TRUE(list.sorted());
    EXPECT_EQ(list[0], "a|new|");
    // A change that moves the line moves it to its sorted place.
    SetRecordField(list, 0, 1, "z");
    EXPECT_EQ(list[1], "z|new|");
}

TEST(RecordList, KeysOfCaseTwinsAndLinesWithoutBar)
{
    KeyedRecords list;
    list.assign({"Abc|1|", "abc|2|", "nobar"});
    EXPECT_EQ(list.count(), 3);
    // The key list keeps one of the twins; the line without a bar has the
    // empty key, which sorts first, so from here the two lists no longer
    // correspond index for index.
    EXPECT_EQ(list.keys().lines(), (std::vector<std::string>{"", "Abc"}));
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"Abc|1|", "abc|2|", "nobar"}));
}

TEST(KeyedRecords, AddsReplacesAndRemovesKeepTheKeysInStep)
{
    // Random adds, renames, changes and deletes of distinct keys: after each
    // one the key at i is the key of line i, and the keys are sorted.
    std::mt19937 rng(11);
    KeyedRecords list;
    int next = 0;
    for (int step = 0; step < 2000; ++step) {
        const int op = static_cast<int>(rng() % 4);
        const int at = list.empty() ? -1 : static_cast<int>(rng() % static_cast<unsigned>(list.count()));
        if (op == 0 || at < 0) {
            list.add("k" + std::to_string(rng() % 100000) + "-" + std::to_string(next++) + "|v|");
        } else if (op == 1) {
            const int moved = list.replace(at, "r" + std::to_string(next++) + "|w|");
            ASSERT_EQ(keyOf(list[moved]), list.keys()[moved]);
        } else if (op == 2) {
            std::string line = list[at];
            line.back() = 'x';
            line += "|";
            EXPECT_EQ(list.replace(at, line), at) << "a change of another field keeps the place";
        } else {
            list.remove(at);
        }
        ASSERT_EQ(list.keys().count(), list.count());
        for (int i = 0; i < list.count(); ++i)
            ASSERT_EQ(list.keys()[i], keyOf(list[i])) << "step " << step;
    }
    bool found = false;
    EXPECT_EQ(list.keyPosition(list.keys()[0], found), 0);
    EXPECT_TRUE(found);
    EXPECT_EQ(list.findKey("nada"), -1);
}

TEST(LineSplitting, AllBreaksAndTheNul)
{
    EXPECT_EQ(splitLines(""), std::vector<std::string>{});
    EXPECT_EQ(splitLines("a"), std::vector<std::string>{"a"});
    EXPECT_EQ(splitLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(splitLines("a\rb\nc"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(splitLines("a\n\rb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(splitLines(std::string("a\r\nb\0c\r\nd", 10)), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(splitLines("\r\n"), std::vector<std::string>{""});
}

TEST(RecordFile, LoadAndSave)
{
    TempFolder dir;
    const auto path = dir.path() / "x.dad";
    dir.write("x.dad", "c|3|\r\nA|1|\nb|2|"); // last line without a break
    KeyedRecords list;
    LoadRecordFile(path, list);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.keys().lines(), (std::vector<std::string>{"A", "b", "c"}));
    SaveRecordFile(path, list.records());
    EXPECT_EQ(readWholeFile(path), "A|1|\r\nb|2|\r\nc|3|\r\n");

    dir.write("empty.dad", "");
    LoadRecordFile(dir.path() / "empty.dad", list);
    EXPECT_TRUE(list.empty());
    EXPECT_TRUE(list.keys().empty());
    SaveRecordFile(dir.path() / "empty.dad", list.records());
    EXPECT_EQ(readWholeFile(dir.path() / "empty.dad"), "");
}

TEST(RecordFile, BadFilesNeverCrash)
{
    TempFolder dir;
    std::mt19937 rng(42);
    std::string garbage(200000, '\0');
    for (auto& c : garbage)
        c = static_cast<char>(rng());
    garbage[0] = 'x'; // so the NUL cut leaves something in most runs
    dir.write("garbage.dad", garbage);
    KeyedRecords list;
    LoadRecordFile(dir.path() / "garbage.dad", list);
    for (int i = 0; i < list.count(); ++i)
        (void)FieldOf(30, list[i]);

    std::string noBars;
    for (int i = 0; i < 1000; ++i)
        noBars += "linha sem barra \xE9\xE7\xFF\r\n";
    dir.write("nobars.dad", noBars);
    LoadRecordFile(dir.path() / "nobars.dad", list);
    EXPECT_EQ(list.count(), 1000);
    EXPECT_EQ(list.keys().count(), 1);

    const std::string huge(10 * 1024 * 1024, 'a');
    dir.write("huge.dad", "k|" + huge + "|\r\nb|");
    LoadRecordFile(dir.path() / "huge.dad", list);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(FieldOf(2, list[1]).size(), huge.size());

    EXPECT_THROW(LoadRecordFile(dir.path() / "missing.dad", list), FileReadError);
    EXPECT_THROW(LoadRecordFile(dir.path(), list), FileReadError);
}

TEST(RecordFile, FailedSaveLeavesFileAndListAlone)
{
    TempFolder dir;
    RecordList list(true);
    list.add("new|");
    // A folder where a file should be, a missing folder, a file in place of a
    // folder: each write fails with its typed error and changes nothing.
    std::filesystem::create_directories(dir.path() / "afolder.dad");
    EXPECT_THROW(SaveRecordFile(dir.path() / "afolder.dad", list), FileWriteError);
    EXPECT_THROW(SaveRecordFile(dir.path() / "no" / "folder.dad", list), FileWriteError);
    dir.write("plain", "x");
    EXPECT_THROW(SaveRecordFile(dir.path() / "plain" / "x.dad", list), FileWriteError);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list[0], "new|");
    EXPECT_EQ(readWholeFile(dir.path() / "plain"), "x");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2); // no leftovers

    const auto path = dir.write("x.dad", "old|\r\n");
    dir.makeReadOnly();
    if (!dir.writable()) {
        EXPECT_THROW(SaveRecordFile(path, list), FileWriteError);
        EXPECT_EQ(readWholeFile(path), "old|\r\n");
    }
}

} // namespace
} // namespace treluza

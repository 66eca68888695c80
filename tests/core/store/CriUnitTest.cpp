#include "core/store/CriUnit.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <set>

namespace treluza {
namespace {

TEST(Scramble, TablesArePermutationsThatKeepLinesWhole)
{
    std::set<std::string> distinct;
    for (int n = 1; n <= 5; ++n) {
        const std::string t = scrambleTable(n);
        ASSERT_EQ(t.size(), 256u);
        distinct.insert(t);
        std::array<int, 256> seen{};
        for (int c = 0; c < 256; ++c) {
            const auto to = static_cast<unsigned char>(t[static_cast<std::size_t>(c)]);
            ++seen[to];
            const bool special = c == 0 || c == 10 || c == 13;
            // No byte but the line-breaking ones maps to NUL, LF or CR: a TAB
            // or any other control code can never turn into a line break.
            if (!special) {
                EXPECT_TRUE(to != 0 && to != 10 && to != 13) << "table " << n << " code " << c;
            }
        }
        for (int c = 0; c < 256; ++c)
            EXPECT_EQ(seen[static_cast<std::size_t>(c)], 1) << "table " << n << " code " << c;
    }
    EXPECT_EQ(distinct.size(), 5u);
}

TEST(Scramble, TableChoiceByPosition)
{
    const int expected[] = {1, 2, 3, 4, 5, 3, 1, 4, 3, 5, 1, 4, 1, 2, 5, 4, 1, 3, 1, 5};
    for (int p = 1; p <= 20; ++p)
        EXPECT_EQ(scrambleTableFor(static_cast<std::size_t>(p)), expected[p - 1]) << p;
    for (std::size_t p = 1; p < 200; ++p)
        EXPECT_EQ(scrambleTableFor(p), scrambleTableFor(p + 60));
    // Position 1 of line 0 goes through table 1.
    const std::string t1 = scrambleTable(1);
    EXPECT_EQ(ScrambleLine(0, "A")[0], t1[static_cast<unsigned char>('A')]);
    EXPECT_EQ(ScrambleLine(4, "A")[0], scrambleTable(5)[static_cast<unsigned char>('A')]);
}

TEST(Scramble, RoundTripOfEveryPrintableCodeAtManyIndexes)
{
    std::string all;
    for (int c = 32; c < 256; ++c)
        all += static_cast<char>(c);
    for (std::size_t i = 0; i < 5000; i += 7) {
        const std::string s = ScrambleLine(i, all);
        ASSERT_EQ(s.size(), all.size());
        EXPECT_EQ(s.find_first_of(std::string("\0\n\r", 3)), std::string::npos);
        ASSERT_EQ(UnscrambleLine(i, s), all) << i;
    }
    EXPECT_EQ(ScrambleLine(3, ""), "");
    EXPECT_EQ(UnscrambleLine(3, ""), "");
    EXPECT_NE(ScrambleLine(0, "Arroz"), ScrambleLine(1, "Arroz"));
    EXPECT_NE(UnscrambleLine(1, ScrambleLine(0, "Arroz")), "Arroz");
}

// The committed file was scrambled with the frozen tables: if a table ever
// changes, every ingredient file written before can no longer be read.
TEST(Scramble, FixtureDecodesToItsKnownLines)
{
    KeyedRecords list;
    NullProgress progress;
    LoadScrambledFile(std::filesystem::path(TRELUZA_TEST_DATA) / "scrambled.dad", list, progress);
    const std::vector<std::string> expected = {
        cp("Abacate, cru|96,00|Tabela Treluza|"),
        cp("Açúcar, cristal|386,52|Tabela Treluza|"),
        cp("Feijão, carioca, cozido|76,42|Tabela Treluza|"),
        cp("Óleo, de soja|884,00|Tabela Treluza|"),
        cp("Pão, trigo, francês|299,81|Tabela Treluza|"),
    };
    EXPECT_EQ(list.lines(), expected);
    EXPECT_EQ(list.keys().count(), 5);
}

class RecordingProgress : public ProgressSink {
public:
    void begin(int maximum) override { events.push_back(-maximum); }
    void position(int value) override { events.push_back(value); }
    void end() override { events.push_back(-1); }
    std::vector<int> events;
};

TEST(Scramble, SaveThenLoadGivesTheSameListWhateverItsOrder)
{
    TempFolder dir;
    const auto path = dir.path() / "ArqIng.dad";
    RecordList list; // unsorted, in an arbitrary order
    std::mt19937 rng(3);
    for (int i = 0; i < 300; ++i) {
        std::string line = "Ingrediente " + std::to_string(rng() % 100000) + "|";
        for (int k = 0; k < 10; ++k)
            line += std::to_string(rng() % 1000) + ",5\xE7\t|";
        list.add(line);
    }
    RecordingProgress progress;
    SaveScrambledFile(path, list, progress);
    EXPECT_TRUE(list.sorted());
    EXPECT_EQ(progress.events.front(), -100);
    EXPECT_EQ(progress.events.back(), -1);

    const std::string bytes = readWholeFile(path);
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
    EXPECT_EQ(splitLines(bytes).size(), 300u); // the TAB never became a break

    KeyedRecords loaded;
    LoadScrambledFile(path, loaded, progress);
    EXPECT_EQ(loaded.lines(), list.lines());
    EXPECT_EQ(loaded.keys().count(), loaded.count());
}

TEST(Scramble, FailedSaveLeavesTheListPlainAndSorted)
{
    TempFolder dir;
    RecordList list;
    list.add("b|2|");
    list.add("a|1|");
    NullProgress progress;
    std::filesystem::create_directories(dir.path() / "ArqIng.dad");
    EXPECT_THROW(SaveScrambledFile(dir.path() / "ArqIng.dad", list, progress), FileWriteError);
    EXPECT_TRUE(list.sorted());
    EXPECT_EQ(list.lines(), (std::vector<std::string>{"a|1|", "b|2|"}));
}

TEST(Scramble, GarbageFilesLoadWithoutHarm)
{
    TempFolder dir;
    std::mt19937 rng(11);
    std::string garbage(100000, 'x');
    for (auto& c : garbage)
        c = static_cast<char>(rng() | 1); // no NUL, so every line gets decoded
    dir.write("g.dad", garbage + "\r\n" + std::string(10 * 1024 * 1024, 'q'));
    KeyedRecords list;
    NullProgress progress;
    LoadScrambledFile(dir.path() / "g.dad", list, progress);
    EXPECT_GT(list.count(), 1);
}

} // namespace
} // namespace treluza

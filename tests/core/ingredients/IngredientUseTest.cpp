#include "core/ingredients/IngredientUse.h"

#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"

#include "support/Names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace treluza {
namespace {

namespace fs = std::filesystem;

using testing::pad;

// An ingredient line of a preparation: the ingredient's 60-character key and
// a few of the other 21 fields.
std::string ingredientLine(const std::string& ingredient)
{
    return pad(ingredient, 60) + "|   100,0|    90,0|" + std::string(19 * 2, '|');
}

std::string indexLine(const std::string& preparation)
{
    return pad(preparation, 40) + "|   500|" + std::string(38, '|');
}

class RecordingProgress final : public ProgressSink {
public:
    void begin(int maximum) override { events.push_back("begin " + std::to_string(maximum)); }
    void position(int value) override { events.push_back(std::to_string(value)); }
    void end() override { events.push_back("end"); }
    std::vector<std::string> events;
};

class IngredientUseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_base = fs::temp_directory_path() /
                 ("treluza-use-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_base);
        fs::create_directories(m_base);
    }
    void TearDown() override { fs::remove_all(m_base); }

    void writeIndex(const std::vector<std::string>& lines)
    {
        SaveLines(ensureFile(PreparationIndexPath(m_base, kTable)), lines);
    }
    void writePreparation(const std::string& name, const std::vector<std::string>& lines)
    {
        SaveLines(ensureFile(PreparationFilePath(m_base, kTable, name)), lines);
    }

    const std::string kTable = pad("Tabela 1", 20);
    fs::path m_base;
};

TEST_F(IngredientUseTest, ListsUsersInIndexOrderOncePerLine)
{
    // The index is read in file order: Torta before Arroz here.
    writeIndex({indexLine("Torta"), indexLine(cp("Arroz/feijão")), indexLine("Salada")});
    writePreparation(pad("Torta", 40), {ingredientLine("Farinha"), ingredientLine("Ovo")});
    writePreparation(pad(cp("Arroz/feijão"), 40), {ingredientLine("Ovo"), ingredientLine("Ovo cozido")});
    writePreparation(pad("Salada", 40), {ingredientLine("Alface")});
    RecordingProgress progress;
    const auto users = ScanIngredientUse(m_base, kTable, pad("Ovo", 60), progress);
    // "Ovo" padded to 60 does not match "Ovo cozido"; the slash preparation's file is Arroz_feijão.dad.
    EXPECT_EQ(users, (std::vector<std::string>{pad("Torta", 40), pad(cp("Arroz/feijão"), 40)}));
    EXPECT_EQ(progress.events, (std::vector<std::string>{"begin 3", "0", "1", "2", "end"}));
    EXPECT_TRUE(fs::exists(m_base / "Dados" / "Tabela 1" / "Treluza" / namePath(cp("Arroz_feijão.dad"))));
}

TEST_F(IngredientUseTest, UnpaddedNameMatchesAnywhereInALineAndRepeatsPerLine)
{
    writeIndex({indexLine("Bolo")});
    writePreparation(pad("Bolo", 40), {ingredientLine("Leite"), ingredientLine("Leite condensado")});
    NullProgress progress;
    EXPECT_EQ(ScanIngredientUse(m_base, kTable, "Leite", progress),
              (std::vector<std::string>{pad("Bolo", 40), pad("Bolo", 40)}));
}

TEST_F(IngredientUseTest, MissingPreparationFileReadsAsEmptyAndIsNotCreated)
{
    writeIndex({indexLine("Sopa")});
    RecordingProgress progress;
    EXPECT_TRUE(ScanIngredientUse(m_base, kTable, pad("Sal", 60), progress).empty());
    EXPECT_FALSE(fs::exists(m_base / "Dados" / "Tabela 1" / "Treluza" / "Sopa.dad"));
}

TEST_F(IngredientUseTest, TableWithoutPreparationsOpensAndClosesTheBar)
{
    RecordingProgress progress;
    EXPECT_TRUE(ScanIngredientUse(m_base, kTable, pad("Sal", 60), progress).empty());
    EXPECT_EQ(progress.events, (std::vector<std::string>{"begin 0", "end"}));
}

TEST_F(IngredientUseTest, BadIndexLinesAndEmptyNamesDoNotCrash)
{
    // A line without "|", an empty name, a name of dots, garbage bytes and a NUL.
    std::string garbage = "\xFF\xFE\x01|";
    writeIndex({"", "   |", "..|", garbage, indexLine("Bolo")});
    std::ofstream(PreparationIndexPath(m_base, kTable), std::ios::app | std::ios::binary)
        << std::string("No\0me|", 6) << "\r\n";
    writePreparation(pad("Bolo", 40), {ingredientLine("Sal")});
    NullProgress progress;
    EXPECT_EQ(ScanIngredientUse(m_base, kTable, pad("Sal", 60), progress),
              (std::vector<std::string>{pad("Bolo", 40)}));
    EXPECT_TRUE(ScanIngredientUse(m_base, kTable, "", progress).empty());
}

TEST(IngredientUseMessage, SplitsIntoThreeLinesAndTheSeparator)
{
    const auto lines = messageLines(ingredientUseMessage(pad("Arroz", 60)));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "AVISO : ");
    EXPECT_EQ(lines[1], " O ingrediente <<<Arroz>>>");
    EXPECT_EQ(lines[2], cp(" está sendo utilizado pelas preparações listadas abaixo."));
    EXPECT_EQ(lines[3], std::string(73, '='));
}

TEST(IngredientUseMessage, MessageLinesEdgeCases)
{
    EXPECT_EQ(messageLines(""), (std::vector<std::string>{std::string(73, '=')}));
    EXPECT_EQ(messageLines("a//"), (std::vector<std::string>{"a", std::string(73, '=')}));
    EXPECT_EQ(messageLines("a////b"), (std::vector<std::string>{"a", "", "b", std::string(73, '=')}));
    EXPECT_EQ(messageLines("sem marca"), (std::vector<std::string>{"sem marca", std::string(73, '=')}));
}

} // namespace
} // namespace treluza

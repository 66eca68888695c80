#include "core/ingredients/IngredientPropagation.h"

#include "core/records/PreparationRecords.h"
#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"

#include "support/RecipeLines.h"
#include "support/RecordingSinks.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace treluza {
namespace {

using testing::line;
using testing::name40;
using testing::name60;

namespace fs = std::filesystem;
using testing::RecordingProgress;

// The inode of a file: a whole-file write replaces it, so an unchanged inode
// means the file was not written.
ino_t inode(const fs::path& path)
{
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

class IngredientPropagation : public ::testing::Test {
protected:
    const fs::path& base() const { return m_temp.path(); }
    fs::path indexPath() const { return PreparationIndexPath(base(), "Tab"); }
    fs::path linesPath(const std::string& preparation) const
    {
        return PreparationFilePath(base(), "Tab", name40(preparation));
    }

    // Adds a preparation to the index (in the order of the calls) with its lines.
    void addPreparation(const std::string& name, const std::string& yield, const std::string& portionYield,
                        const std::string& spoon, const std::vector<std::string>& lines)
    {
        IndexFields f = blankIndex(name40(name));
        f[IdxField::Yield] = yield;
        f[IdxField::PortionYield] = portionYield;
        f[IdxField::Tablespoon] = spoon;
        m_index.push_back(joinFields(f));
        SaveLines(ensureFile(indexPath()), m_index);
        SaveLines(ensureFile(linesPath(name)), lines);
    }

    IngredientChange change(const std::string& name) const
    {
        IngredientChange c;
        c.name = name60(name);
        for (auto& n : c.nutrients)
            n.shown = n.current = "    ,  ";
        c.unitCost.shown = c.unitCost.current = "     5,00";
        c.date.shown = c.date.current = "01/02/24";
        return c;
    }

    std::string indexField(int preparation, int n) const
    {
        return std::string(FieldOf(n, loadLines(indexPath()).at(std::size_t(preparation))));
    }

    TempFolder m_temp;
    std::vector<std::string> m_index;
    RecordingProgress m_progress;
};

TEST_F(IngredientPropagation, ChangedEnergyIsCarriedIntoLineTotalAndPerCapita)
{
    addPreparation("Sopa", "   500", "   100", "     0",
                   {line("Cenoura", {{2, "    60,0"}, {3, "    50,0"}, {13, "    50,00"}}),
                    line("Sal", {{3, "     5,0"}, {13, "    30,00"}, {22, "  1950,00"}})});
    IngredientChange c = change("Cenoura");
    c.nutrients[0] = {"  100,00", "  200,00"};
    EXPECT_EQ(PropagateChange(base(), "Tab", c, m_progress), 1);

    const auto lines = loadLines(linesPath("Sopa"));
    EXPECT_EQ(FieldOf(LineField::Energy, lines[0]), "   100,00");
    EXPECT_EQ(FieldOf(LineField::Energy, lines[1]), "    30,00");
    EXPECT_EQ(indexField(0, IdxField::Energy), "   130,00");
    EXPECT_EQ(indexField(0, IdxField::PerCapitaEnergy), "    26,00"); // 130 / 500 x 100
    EXPECT_EQ(indexField(0, IdxField::SpoonEnergy), "      ,  ");     // no tablespoon weight
    // Nothing else moved: sodium was not changed, so its sum is not recomputed.
    EXPECT_EQ(indexField(0, IdxField::Sodium), "      ,  ");
    EXPECT_EQ(m_progress.calls, (std::vector<std::string>{"begin 1", "position 0", "end"}));
}

TEST_F(IngredientPropagation, OnlyPreparationsHoldingTheIngredientAreWritten)
{
    addPreparation("Arroz doce", "  1000", "   250", "    20",
                   {line("Arroz", {{3, "   200,0"}}), line("Leite", {{2, "  1000,0"}, {3, "  1000,0"}})});
    addPreparation("Feijoada", "  3000", "   300", "    15", {line("Feij\xE3o", {{3, "   500,0"}})});
    addPreparation("Pudim", "   800", "   100", "    20",
                   {line("Leite", {{2, "   500,0"}, {3, "   500,0"}, {8, "     4,00"}, {9, "     2,00"}}),
                    line("Ovo", {{9, "     1,50"}})});
    const ino_t untouched = inode(linesPath("Feijoada"));
    const std::string feijoada = m_index[1];

    IngredientChange c = change("LEITE"); // the lookup ignores letter case
    c.nutrients[3] = {"   3,00", "   3,25"};
    c.date = {"01/02/24", "15/03/24"};
    c.unitCost = {"     4,00", "     5,00"};
    EXPECT_EQ(PropagateChange(base(), "Tab", c, m_progress), 2);
    EXPECT_EQ(inode(linesPath("Feijoada")), untouched);
    EXPECT_EQ(loadLines(indexPath())[1], feijoada);

    const auto pudim = loadLines(linesPath("Pudim"));
    EXPECT_EQ(FieldOf(LineField::Energy + 3, pudim[0]), "    16,25"); // 500 x 3,25 / 100
    EXPECT_EQ(FieldOf(LineField::QuoteDate, pudim[0]), "15/03/24");
    EXPECT_EQ(FieldOf(LineField::UnitCost, pudim[0]), "     5,00");
    EXPECT_EQ(FieldOf(LineField::Cost, pudim[0]), "     2,50"); // 500 x 5 / 1000
    EXPECT_EQ(FieldOf(LineField::Cost, pudim[1]), "     1,50");
    EXPECT_EQ(indexField(2, IdxField::Energy + 3), "    16,25");
    EXPECT_EQ(indexField(2, IdxField::Cost), "     4,00");
    EXPECT_EQ(indexField(2, IdxField::PerCapitaCost), "     0,50"); // 4 / 800 x 100
    EXPECT_EQ(indexField(2, IdxField::SpoonCost), "     0,10");     // 4 / 800 x 20
    EXPECT_EQ(indexField(0, IdxField::Energy + 3), "    32,50");
    EXPECT_EQ(indexField(0, IdxField::PerCapitaEnergy + 3), "     8,13"); // 8,125 rounds up
    EXPECT_EQ(indexField(0, IdxField::SpoonEnergy + 3), "     0,65");
    EXPECT_EQ(m_progress.calls.front(), "begin 3");
    EXPECT_EQ(m_progress.calls[3], "position 2");
}

TEST_F(IngredientPropagation, UnchangedValuesWriteNothing)
{
    addPreparation("Sopa", "   500", "   100", "    10",
                   {line("Cenoura", {{3, "    50,0"}, {13, "    20,50"}})});
    const ino_t lines = inode(linesPath("Sopa"));
    const ino_t index = inode(indexPath());
    // FC, FCC, group and sources are not tracked: a change of only those is no change here.
    EXPECT_EQ(PropagateChange(base(), "Tab", change("Cenoura"), m_progress), 0);
    EXPECT_EQ(inode(linesPath("Sopa")), lines);
    EXPECT_EQ(inode(indexPath()), index);
}

TEST_F(IngredientPropagation, CarriedValuesWiderThanTheFieldAreCapped)
{
    addPreparation("Doce", "    10", "     5", "  2000",
                   {line("Mel", {{2, " 99999,9"}, {3, " 99999,9"}, {13, "100000,00"}})});
    IngredientChange c = change("Mel");
    c.nutrients[0] = {" 100,00", "2000,00"}; // 99999,9 g x 2000 / 100 = 1999998
    c.unitCost = {"     5,00", "999999,99"};
    PropagateChange(base(), "Tab", c, m_progress);
    const auto lines = loadLines(linesPath("Doce"));
    EXPECT_EQ(FieldOf(LineField::Energy, lines[0]), "999999,99");
    EXPECT_EQ(FieldOf(LineField::Cost, lines[0]), "999999,99");
    EXPECT_EQ(indexField(0, IdxField::Energy), "999999,99");
    EXPECT_EQ(indexField(0, IdxField::PerCapitaEnergy), "500000,00"); // 999999,99 / 10 x 5 = 499999,995
    EXPECT_EQ(indexField(0, IdxField::SpoonEnergy), "999999,99");     // a tablespoon heavier than the yield
}

TEST_F(IngredientPropagation, DeleteRemovesTheLineAndRecomputesEveryTotal)
{
    addPreparation(
        "Bolo", "  1000", "   100", "    10",
        {line("Farinha", {{3, "   500,0"}, {9, "     3,00"}, {13, "  1800,00"}, {22, "     5,00"}}),
         line("Ovo", {{3, "   100,0"}, {9, "     1,00"}, {13, "   146,00"}, {18, "   356,00"}})});
    addPreparation("Pao", "     0", "   100", "    10",
                   {line("Farinha", {{13, "   100,00"}}), line("Sal", {})});
    addPreparation("Omelete", "   200", "   200", "      ", {line("Ovo", {{13, "   146,00"}})});
    const ino_t omelete = inode(linesPath("Omelete"));

    EXPECT_EQ(PropagateDelete(base(), "Tab", name60("farinha"), m_progress), 2);
    EXPECT_EQ(loadLines(linesPath("Bolo")),
              (std::vector<std::string>{
                  line("Ovo", {{3, "   100,0"}, {9, "     1,00"}, {13, "   146,00"}, {18, "   356,00"}})}));
    EXPECT_EQ(indexField(0, IdxField::Energy), "   146,00");
    EXPECT_EQ(indexField(0, IdxField::Energy + 5), "   356,00");
    EXPECT_EQ(indexField(0, IdxField::Sodium), "     0,00");
    EXPECT_EQ(indexField(0, IdxField::Cost), "     1,00");
    EXPECT_EQ(indexField(0, IdxField::PerCapitaEnergy), "    14,60");
    EXPECT_EQ(indexField(0, IdxField::PerCapitaCost), "     0,10");
    EXPECT_EQ(indexField(0, IdxField::SpoonEnergy + 5), "     3,56");
    // A yield of 0 leaves the per-capita fields as they were.
    EXPECT_EQ(loadLines(linesPath("Pao")), (std::vector<std::string>{line("Sal", {})}));
    EXPECT_EQ(indexField(1, IdxField::Energy), "     0,00");
    EXPECT_EQ(indexField(1, IdxField::PerCapitaEnergy), "      ,  ");
    EXPECT_EQ(inode(linesPath("Omelete")), omelete);

    // An ingredient in no preparation rewrites nothing.
    const ino_t index = inode(indexPath());
    EXPECT_EQ(PropagateDelete(base(), "Tab", name60("Chocolate"), m_progress), 0);
    EXPECT_EQ(inode(indexPath()), index);
}

TEST_F(IngredientPropagation, RenameReplacesTheExactNameAndKeepsLinesInPlace)
{
    const std::string other = line("Abacaxi", {{3, "    10,0"}});
    const std::string shout = line("ARROZ", {{3, "    20,0"}});
    addPreparation("Risoto", "   500", "      ", "      ",
                   {other, line("Arroz", {{3, "   200,0"}, {13, "   716,00"}}), shout});
    addPreparation("Salada", "   300", "      ", "      ", {other});
    const ino_t salada = inode(linesPath("Salada"));
    const std::string index = readWholeFile(indexPath());

    EXPECT_EQ(carryIngredientRename(base(), "Tab", name60("Arroz"), name60("Zimbro"), m_progress), 1);
    EXPECT_EQ(loadLines(linesPath("Risoto")),
              (std::vector<std::string>{other, line("Zimbro", {{3, "   200,0"}, {13, "   716,00"}}), shout}));
    EXPECT_EQ(inode(linesPath("Salada")), salada);
    EXPECT_EQ(readWholeFile(indexPath()), index);
    EXPECT_EQ(m_progress.calls, (std::vector<std::string>{"begin 2", "position 0", "position 1", "end"}));
    EXPECT_EQ(carryIngredientRename(base(), "Tab", "", name60("X"), m_progress), 0);
}

TEST_F(IngredientPropagation, AFailedPreparationChangesNothing)
{
    addPreparation("Arroz doce", "  1000", "      ", "      ",
                   {line("Leite", {{3, "   100,0"}, {13, "    60,00"}})});
    addPreparation("Bolo", "  1000", "      ", "      ",
                   {line("Leite", {{3, "   100,0"}, {13, "    60,00"}})});
    addPreparation("Creme", "  1000", "      ", "      ",
                   {line("Leite", {{3, "   100,0"}, {13, "    60,00"}})});
    // The second preparation's file cannot be read: a folder has its name.
    const fs::path bolo = linesPath("Bolo");
    fs::remove(bolo);
    fs::create_directory(bolo);
    const std::string index = readWholeFile(indexPath());
    const std::string arroz = readWholeFile(linesPath("Arroz doce"));
    IngredientChange c = change("Leite");
    c.nutrients[0] = {"  60,00", "  70,00"};
    EXPECT_THROW(PropagateChange(base(), "Tab", c, m_progress), FileReadError);
    EXPECT_EQ(m_progress.calls.back(), "end");
    EXPECT_EQ(readWholeFile(linesPath("Arroz doce")), arroz);
    EXPECT_EQ(readWholeFile(indexPath()), index);
}

// A register puts its own file in the carry's transaction; carries staged one
// after the other read what the earlier ones staged, and nothing reaches the
// disk before the commit.
TEST_F(IngredientPropagation, CarriesStagedInOneTransactionSeeEachOther)
{
    addPreparation("Sopa", "   500", "   100", "      ",
                   {line("Cenoura", {{2, "    60,0"}, {3, "    50,0"}, {13, "    50,00"}})});
    const std::string before = readWholeFile(linesPath("Sopa"));
    Transaction changes = Transaction::forTable(base(), "Tab");
    changes.write(base() / "Dados" / "Tab" / "Ingrediente" / "ArqIng.dad", "arquivo do cadastro");
    EXPECT_EQ(carryIngredientRename(base(), "Tab", name60("Cenoura"), name60("Nabo"), changes, m_progress),
              1);
    IngredientChange c = change("Nabo");
    c.nutrients[0] = {"  100,00", "  200,00"};
    EXPECT_EQ(PropagateChange(base(), "Tab", c, changes, m_progress), 1);
    EXPECT_EQ(readWholeFile(linesPath("Sopa")), before);

    changes.commit();
    EXPECT_EQ(
        loadLines(linesPath("Sopa")),
        (std::vector<std::string>{line("Nabo", {{2, "    60,0"}, {3, "    50,0"}, {13, "   100,00"}})}));
    EXPECT_EQ(indexField(0, IdxField::Energy), "   100,00");
    EXPECT_EQ(readWholeFile(base() / "Dados" / "Tab" / "Ingrediente" / "ArqIng.dad"), "arquivo do cadastro");
}

TEST_F(IngredientPropagation, DamagedFilesDoNotStopTheWalk)
{
    addPreparation(
        "Sopa", "   500", "   100", "      ",
        {"Cenoura", std::string("\x01\xFF|||") + "|", line("Cenoura", {{3, "    50,0"}, {13, "      abc"}})});
    m_index.push_back(""); // an empty index line names no file
    m_index.push_back("no bars here");
    SaveLines(indexPath(), m_index);
    IngredientChange c = change("Cenoura");
    c.nutrients[9] = {"   ,  ", "  10,00"};
    EXPECT_EQ(PropagateChange(base(), "Tab", c, m_progress), 1);
    EXPECT_EQ(indexField(0, IdxField::Sodium), "     5,00");
}

} // namespace
} // namespace treluza

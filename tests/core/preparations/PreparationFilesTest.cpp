#include "core/preparations/PreparationFiles.h"

#include "core/store/FileIo.h"
#include "core/store/Paths.h"

#include "support/RecipeLines.h"
#include "support/RecordingSinks.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

using testing::line;
using testing::name40;
using testing::name60;

namespace fs = std::filesystem;

class PreparationFiles : public ::testing::Test {
protected:
    fs::path tableFolder() const { return base() / "Dados" / "Tab"; }
    const fs::path& base() const { return m_temp.path(); }
    std::string indexBytes() const { return readWholeFile(tableFolder() / "Treluza" / "ArqTreluza.dad"); }

    IndexFields preparation(const std::string& name)
    {
        IndexFields f = blankIndex(name40(name));
        f[IdxField::Yield] = "   500";
        f[IdxField::PortionYield] = "   100";
        f[IdxField::PerCapitaEnergy] = "    12,00";
        return f;
    }

    TempFolder m_temp;
    RecordList m_index{true};
    KeyList m_keys{true};
};

TEST_F(PreparationFiles, CreationKeepsTheIndexSortedOnDisk)
{
    EXPECT_EQ(createPreparation(base(), "Tab", m_index, m_keys, preparation("Torta")), 0);
    EXPECT_EQ(createPreparation(base(), "Tab", m_index, m_keys, preparation("Arroz")), 0);
    EXPECT_EQ(m_keys.count(), 2);
    EXPECT_EQ(m_keys[1], name40("Torta"));
    EXPECT_EQ(indexBytes(),
              joinFields(preparation("Arroz")) + "\r\n" + joinFields(preparation("Torta")) + "\r\n");
    // No other file of the preparation exists until a window that keeps it opens.
    EXPECT_FALSE(fs::exists(tableFolder() / "Treluza" / "Torta.dad"));
}

TEST_F(PreparationFiles, RenameMovesTheThreeFilesInOrderAndKeepsTheOtherFields)
{
    createPreparation(base(), "Tab", m_index, m_keys, preparation("Arroz"));
    const int at = createPreparation(base(), "Tab", m_index, m_keys, preparation("P\xE3o/queijo"));
    SaveLines(ensureFile(PreparationFilePath(base(), "Tab", name40("P\xE3o/queijo"))),
              {"linha 1|", "linha 2|"});
    // No method text yet; a stale label under the new name is replaced.
    SaveLines(ensureFile(LabelFilePath(base(), "Tab", name40("Rosca"))), {"velho"});

    IndexFields renamed = preparation("Rosca");
    renamed[IdxField::Portions] = "     5"; // an unsaved edit of another field goes in too
    const int moved = renamePreparation(base(), "Tab", m_index, m_keys, at, renamed);
    EXPECT_EQ(moved, 1);
    EXPECT_EQ(m_keys[moved], name40("Rosca"));
    EXPECT_EQ(indexBytes(), joinFields(preparation("Arroz")) + "\r\n" + joinFields(renamed) + "\r\n");
    EXPECT_EQ(FieldOf(IdxField::PerCapitaEnergy, m_index[moved]), "    12,00");

    const fs::path t = tableFolder();
    EXPECT_EQ(loadLines(t / "Treluza" / "Rosca.dad"), (std::vector<std::string>{"linha 1|", "linha 2|"}));
    EXPECT_EQ(fs::file_size(t / "Receita" / "Rosca.rec"), 0u);
    EXPECT_EQ(fs::file_size(t / "Etiqueta" / "Rosca.eti"), 0u);
    for (const char* old :
         {"Treluza/P\xC3\xA3o_queijo.dad", "Receita/P\xC3\xA3o_queijo.rec", "Etiqueta/P\xC3\xA3o_queijo.eti"})
        EXPECT_FALSE(fs::exists(t / old)) << old;
}

TEST_F(PreparationFiles, RenameToAnExistingNameChangesNothing)
{
    createPreparation(base(), "Tab", m_index, m_keys, preparation("Arroz"));
    createPreparation(base(), "Tab", m_index, m_keys, preparation("Torta"));
    const std::string before = indexBytes();
    EXPECT_EQ(renamePreparation(base(), "Tab", m_index, m_keys, 1, preparation("ARROZ")), -1);
    EXPECT_EQ(renamePreparation(base(), "Tab", m_index, m_keys, 1, preparation("Torta")), -1);
    EXPECT_EQ(indexBytes(), before);
    EXPECT_EQ(m_index.count(), 2);
    EXPECT_FALSE(fs::exists(tableFolder() / "Treluza" / "ARROZ.dad"));
}

TEST_F(PreparationFiles, FilesOfTheSameStemAreNotDeletedByTheirOwnRename)
{
    SaveLines(ensureFile(PreparationFilePath(base(), "Tab", "Sopa")), {"conte\xFA"
                                                                       "do|"});
    movePreparationFiles(base(), "Tab", name40("Sopa"), "Sopa");
    EXPECT_EQ(loadLines(tableFolder() / "Treluza" / "Sopa.dad"), (std::vector<std::string>{"conte\xFA"
                                                                                           "do|"}));
}

TEST_F(PreparationFiles, DeleteRemovesTheLineThenTheFiles)
{
    createPreparation(base(), "Tab", m_index, m_keys, preparation("Arroz"));
    createPreparation(base(), "Tab", m_index, m_keys, preparation("Torta"));
    SaveLines(ensureFile(PreparationFilePath(base(), "Tab", name40("Torta"))), {"x|"});
    deletePreparation(base(), "Tab", m_index, m_keys, 1);
    EXPECT_EQ(indexBytes(), joinFields(preparation("Arroz")) + "\r\n");
    EXPECT_EQ(m_keys.count(), 1);
    const fs::path t = tableFolder();
    EXPECT_FALSE(fs::exists(t / "Treluza" / "Torta.dad"));
    EXPECT_FALSE(fs::exists(t / "Receita" / "Torta.rec"));
    EXPECT_FALSE(fs::exists(t / "Etiqueta" / "Torta.eti"));
    EXPECT_TRUE(fs::is_directory(t / "Receita"));
    EXPECT_TRUE(fs::is_directory(t / "Etiqueta"));
}

TEST_F(PreparationFiles, FailuresAreThrownAndKeepTheListsAndFiles)
{
    createPreparation(base(), "Tab", m_index, m_keys, preparation("Arroz"));
    SaveLines(ensureFile(PreparationFilePath(base(), "Tab", name40("Arroz"))), {"x|"});
    // The index can no longer be written: its path is taken by a folder.
    const fs::path indexPath = tableFolder() / "Treluza" / "ArqTreluza.dad";
    fs::remove(indexPath);
    fs::create_directory(indexPath);

    EXPECT_THROW(createPreparation(base(), "Tab", m_index, m_keys, preparation("Torta")), FileWriteError);
    EXPECT_EQ(m_index.count(), 2) << "the new line stays in memory";

    EXPECT_THROW(deletePreparation(base(), "Tab", m_index, m_keys, 0), FileWriteError);
    EXPECT_TRUE(fs::exists(tableFolder() / "Treluza" / "Arroz.dad")) << "no file is deleted";

    EXPECT_THROW(renamePreparation(base(), "Tab", m_index, m_keys, 0, preparation("Bolo")), FileWriteError);
    EXPECT_TRUE(fs::exists(tableFolder() / "Treluza" / "Arroz.dad")) << "no file is moved";
}

TEST_F(PreparationFiles, AMoveThatCannotBeMadeMovesNothing)
{
    SaveLines(ensureFile(PreparationFilePath(base(), "Tab", "Sopa")), {"a|"});
    SaveLines(ensureFile(LabelFilePath(base(), "Tab", "Sopa")), {"r"});
    // The method text cannot take the new name: a folder with content holds it.
    fs::create_directories(tableFolder() / "Receita" / "Caldo.rec" / "x");
    EXPECT_THROW(movePreparationFiles(base(), "Tab", "Sopa", "Caldo"), FileWriteError);
    EXPECT_EQ(loadLines(tableFolder() / "Treluza" / "Sopa.dad"), (std::vector<std::string>{"a|"}));
    EXPECT_EQ(loadLines(tableFolder() / "Etiqueta" / "Sopa.eti"), (std::vector<std::string>{"r"}));
    EXPECT_TRUE(fs::exists(tableFolder() / "Receita" / "Sopa.rec"));
}

} // namespace
} // namespace treluza

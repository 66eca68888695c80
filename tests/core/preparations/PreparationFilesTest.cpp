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

    TempFolder m_temp;
};

TEST_F(PreparationFiles, RenameMovesTheThreeFilesAndLeavesNoneUnderTheOldName)
{
    SaveLines(ensureFile(PreparationFilePath(base(), "Tab", name40("P\xE3o/queijo"))),
              {"linha 1|", "linha 2|"});
    // No method text yet; a stale label under the new name is replaced.
    SaveLines(ensureFile(LabelFilePath(base(), "Tab", name40("Rosca"))), {"velho"});

    movePreparationFiles(base(), "Tab", name40("P\xE3o/queijo"), name40("Rosca"));

    const fs::path t = tableFolder();
    EXPECT_EQ(loadLines(t / "Treluza" / "Rosca.dad"), (std::vector<std::string>{"linha 1|", "linha 2|"}));
    EXPECT_EQ(fs::file_size(t / "Receita" / "Rosca.rec"), 0u);
    EXPECT_EQ(fs::file_size(t / "Etiqueta" / "Rosca.eti"), 0u);
    for (const char* old :
         {"Treluza/P\xC3\xA3o_queijo.dad", "Receita/P\xC3\xA3o_queijo.rec", "Etiqueta/P\xC3\xA3o_queijo.eti"})
        EXPECT_FALSE(fs::exists(t / old)) << old;
}

TEST_F(PreparationFiles, FilesOfTheSameStemAreNotDeletedByTheirOwnRename)
{
    SaveLines(ensureFile(PreparationFilePath(base(), "Tab", "Sopa")), {"conte\xFA"
                                                                       "do|"});
    movePreparationFiles(base(), "Tab", name40("Sopa"), "Sopa");
    EXPECT_EQ(loadLines(tableFolder() / "Treluza" / "Sopa.dad"), (std::vector<std::string>{"conte\xFA"
                                                                                           "do|"}));
}

TEST_F(PreparationFiles, DeleteRemovesTheThreeFilesAndKeepsTheirFolders)
{
    SaveLines(ensureFile(PreparationFilePath(base(), "Tab", name40("Torta"))), {"x|"});
    deletePreparationFiles(base(), "Tab", name40("Torta"));
    const fs::path t = tableFolder();
    EXPECT_FALSE(fs::exists(t / "Treluza" / "Torta.dad"));
    EXPECT_FALSE(fs::exists(t / "Receita" / "Torta.rec"));
    EXPECT_FALSE(fs::exists(t / "Etiqueta" / "Torta.eti"));
    EXPECT_TRUE(fs::is_directory(t / "Receita"));
    EXPECT_TRUE(fs::is_directory(t / "Etiqueta"));
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

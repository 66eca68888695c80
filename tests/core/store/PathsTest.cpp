#include "core/store/Paths.h"
#include "core/store/Cp1252.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <sstream>
#include <string>

namespace treluza {
namespace {

namespace fs = std::filesystem;

TEST(Paths, NameTransforms)
{
    EXPECT_EQ(TableFolderName("Tabela 2008/09  "), "Tabela 2008_09");
    EXPECT_EQ(SafeFileStem(cp("  Arroz/feijão ")), "  Arroz_feij\xE3o");
    EXPECT_TRUE(isUsableName("Tabela 1            "));
    EXPECT_TRUE(isUsableName(".oculto"));
    EXPECT_TRUE(isUsableName("a.."));
    EXPECT_TRUE(isUsableName("/")); // becomes "_"
    for (const char* bad : {"", "   ", ".", "..", ". .", "...  ", " .. "})
        EXPECT_FALSE(isUsableName(bad)) << '"' << bad << '"';
    EXPECT_FALSE(isUsableName(std::string("a\0b", 3)));
    EXPECT_TRUE(isUsableName(std::string(251, 'a')));
    EXPECT_FALSE(isUsableName(std::string(252, 'a')));
    EXPECT_FALSE(isUsableName(std::string(200, '\xE3'))); // two bytes each on disk
}

// Every builder gives its path and creates nothing: not the data root, not a
// table folder, not a file.
TEST(Paths, BuildersOnlyBuildPaths)
{
    TempFolder base;
    const fs::path& b = base.path();
    const std::string table = cp("Tabela 2008/09  ");
    const std::string prep = cp("Pão/queijo ");
    const fs::path t = b / "Dados" / "Tabela 2008_09";
    const struct {
        const char* builder;
        fs::path built;
        fs::path expected;
    } cases[] = {
        {"TableRegistryPath", TableRegistryPath(b), b / "Dados" / "ArqTab.dad"},
        {"tableFolderPath", tableFolderPath(b, table), t},
        {"IngredientFilePath", IngredientFilePath(b, table), t / "Ingrediente" / "ArqIng.dad"},
        {"IngredientGroupFilePath", IngredientGroupFilePath(b, table), t / "ArqGruIng.dad"},
        {"PreparationGroupFilePath", PreparationGroupFilePath(b, table), t / "ArqGruPre.dad"},
        {"PreparationIndexPath", PreparationIndexPath(b, table), t / "Treluza" / "ArqTreluza.dad"},
        {"PreparationFilePath", PreparationFilePath(b, table, prep), t / "Treluza" / "Pão_queijo.dad"},
        {"LabelFilePath", LabelFilePath(b, table, prep), t / "Etiqueta" / "Pão_queijo.eti"},
        {"MethodFilePath", MethodFilePath(b, table, prep), t / "Receita" / "Pão_queijo.rec"},
        {"MeasureFilePath", MeasureFilePath(b, table, cp("Maçã/verde")), t / "Medidas" / "Maçã_verde.med"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.built, c.expected) << c.builder;
    EXPECT_TRUE(fs::is_empty(b));
}

TEST(Paths, EnsureFileMakesFoldersAndAnEmptyFileAndLeavesAFileAlone)
{
    TempFolder base;
    const fs::path prep = PreparationFilePath(base.path(), "T", "Sopa");
    EXPECT_EQ(ensureFile(prep), prep);
    EXPECT_TRUE(fs::is_regular_file(prep));
    EXPECT_EQ(fs::file_size(prep), 0u);

    base.write("Dados/T/ArqGruIng.dad", "Frutas|\r\n");
    ensureFile(IngredientGroupFilePath(base.path(), "T"));
    EXPECT_EQ(fs::file_size(base.path() / "Dados" / "T" / "ArqGruIng.dad"), 9u);

    const fs::path label = LabelFilePath(base.path(), "U", "Sopa");
    ensureFolderOf(label);
    EXPECT_TRUE(fs::is_directory(label.parent_path()));
    EXPECT_FALSE(fs::exists(label));
}

TEST(Paths, NamesThatWouldNameOrLeaveTheDataRootAreRefused)
{
    TempFolder base;
    EXPECT_THROW(IngredientFilePath(base.path(), ".."), UnusableNameError);
    EXPECT_THROW(IngredientGroupFilePath(base.path(), ""), UnusableNameError);
    EXPECT_THROW(PreparationFilePath(base.path(), "T", ". "), UnusableNameError);
    EXPECT_THROW(MeasureFilePath(base.path(), "..", "x"), UnusableNameError);
    EXPECT_FALSE(fs::exists(base.path() / "Ingrediente"));
    EXPECT_FALSE(fs::exists(base.path() / "Dados" / "ArqGruIng.dad"));
}

// No name gives a path of the program's own files, a temporary or a journal:
// in the folder of each use, in any letter case.
TEST(Paths, NamesOfTheProgramsOwnFilesAreRefused)
{
    const struct {
        NameUse use;
        const char* name;
        bool usable;
    } cases[] = {
        {NameUse::Preparation, "ArqTreluza", false},
        {NameUse::Preparation, "arqtreluza  ", false},
        {NameUse::Preparation, "ArqTreluza.dad", true},
        {NameUse::Preparation, "ArqTreluz", true},
        {NameUse::Preparation, "Sopa|x", false},
        {NameUse::Preparation, "Sopa\r\n", false},
        {NameUse::Table, "ArqTab.dad", false},
        {NameUse::Table, "ARQTAB.DAD.tmp", false},
        {NameUse::Table, "Transacao.jnl", false},
        {NameUse::Table, "transacao.jnl.tmp", false},
        {NameUse::Table, "Transacao.jnl.1.recusado", false},
        {NameUse::Table, "Treluza.lck", false},
        {NameUse::Table, "Tabela.tmp", false},
        {NameUse::Table, "Transacao", true},
        {NameUse::Table, "ArqTreluza", true},
        {NameUse::Table, "TACO", true},
        {NameUse::Ingredient, "ArqTreluza", true},
        {NameUse::Ingredient, "Sal|", false},
    };
    TempFolder base;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isUsableNameFor(c.use, c.name), c.usable);
        const auto build = [&] {
            switch (c.use) {
            case NameUse::Table:
                return tableFolderPath(base.path(), c.name);
            case NameUse::Preparation:
                MethodFilePath(base.path(), "T", c.name);
                LabelFilePath(base.path(), "T", c.name);
                return PreparationFilePath(base.path(), "T", c.name);
            case NameUse::Ingredient:
                return MeasureFilePath(base.path(), "T", c.name);
            }
            return fs::path();
        };
        if (c.usable)
            EXPECT_NO_THROW(build());
        else
            EXPECT_THROW(build(), UnusableNameError);
    }
}

TEST(Paths, ConfigFileIsInTheConfigFolder)
{
    EXPECT_EQ(ConfigFilePath("/home/u/.config/TRELUZA"), fs::path("/home/u/.config/TRELUZA/CfgTreluza.ini"));
}

TEST(Paths, ProgramFoldersOfABuildTreeAndOfAnInstalledProgram)
{
    // Paths under a fresh root: the folders made there (separated by blanks),
    // the executable's folder, whether it is made read-only, and the folders
    // expected ("user" is the per-user data folder).
    struct Case {
        const char* name;
        const char* folders;
        const char* executable;
        bool readOnly;
        const char* resources;
        const char* base;
    };
    const Case cases[] = {
        {"build tree", "build/src", "build/src", false, "build/src", "build/src"},
        {"read-only build tree", "build/src", "build/src", true, "build/src", "user"},
        {"executable's folder gone", "", "build/src", false, "build/src", "user"},
        {"installed, writable", "usr/bin usr/share/treluza", "usr/bin", false, "usr/share/treluza", "user"},
        {"installed, read-only", "usr/bin usr/share/treluza", "usr/bin", true, "usr/share/treluza", "user"},
        {"trailing separator", "opt/bin opt/share/treluza", "opt/bin/", false, "opt/share/treluza", "user"},
        {"share of other programs", "usr/bin usr/share/other", "usr/bin", false, "usr/bin", "usr/bin"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder root;
        std::istringstream made(c.folders);
        for (std::string folder; made >> folder;)
            fs::create_directories(root.path() / folder);
        const fs::path executable = root.path() / c.executable;
        const fs::path user = root.path() / "home/.local/share/TRELUZA";
        if (c.readOnly) {
            fs::permissions(executable,
                            fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                            fs::perm_options::remove);
            // Permissions do not bind root: the row says nothing then.
            if (::access(executable.c_str(), W_OK) == 0)
                continue;
        }
        const ProgramFolders folders = resolveProgramFolders(executable, user);
        EXPECT_EQ(folders.resources.lexically_normal(), (root.path() / c.resources).lexically_normal());
        const fs::path base = std::string(c.base) == "user" ? user : root.path() / c.base;
        EXPECT_EQ(folders.base.lexically_normal(), base.lexically_normal());
        // The per-user folder is made only when it is the base folder.
        EXPECT_EQ(fs::is_directory(user), base == user);
    }
}

} // namespace
} // namespace treluza

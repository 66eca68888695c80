#include "core/store/Paths.h"
#include "core/store/Cp1252.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

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

TEST(Paths, BuildersCreateFoldersAndEmptyFiles)
{
    TempFolder base;
    const std::string table = cp("Tabela 2008/09  ");
    const fs::path t = base.path() / "Dados" / "Tabela 2008_09";
    EXPECT_EQ(TableRegistryPath(base.path()), base.path() / "Dados" / "ArqTab.dad");
    EXPECT_EQ(IngredientFilePath(base.path(), table), t / "Ingrediente" / "ArqIng.dad");
    EXPECT_EQ(IngredientGroupFilePath(base.path(), table), t / "ArqGruIng.dad");
    EXPECT_EQ(PreparationGroupFilePath(base.path(), table), t / "ArqGruPre.dad");
    EXPECT_EQ(PreparationIndexPath(base.path(), table), t / "Treluza" / "ArqTreluza.dad");
    const std::string prep = cp("Pão/queijo ");
    EXPECT_EQ(PreparationFilePath(base.path(), table, prep), t / "Treluza" / "Pão_queijo.dad");
    EXPECT_EQ(LabelFilePath(base.path(), table, prep), t / "Etiqueta" / "Pão_queijo.eti");
    EXPECT_EQ(MethodFilePath(base.path(), table, prep), t / "Receita" / "Pão_queijo.rec");
    for (const auto& p : {t / "Ingrediente" / "ArqIng.dad", t / "ArqGruIng.dad",
                          t / "Treluza" / "Pão_queijo.dad", t / "Etiqueta" / "Pão_queijo.eti",
                          t / "Receita" / "Pão_queijo.rec", base.path() / "Dados" / "ArqTab.dad"}) {
        EXPECT_TRUE(fs::is_regular_file(p)) << p;
        EXPECT_EQ(fs::file_size(p), 0u) << p;
    }
}

TEST(Paths, MeasureFileOnlyCreatedWhenAsked)
{
    TempFolder base;
    const fs::path p = MeasureFilePath(base.path(), "T", cp("Maçã"), false);
    EXPECT_EQ(p, base.path() / "Dados" / "T" / "Medidas" / "Maçã.med");
    EXPECT_TRUE(fs::is_directory(p.parent_path()));
    EXPECT_FALSE(fs::exists(p));
    MeasureFilePath(base.path(), "T", cp("Maçã"), true);
    EXPECT_TRUE(fs::exists(p));
}

TEST(Paths, ExistingFilesAreLeftAlone)
{
    TempFolder base;
    base.write("Dados/T/ArqGruIng.dad", "Frutas|\r\n");
    IngredientGroupFilePath(base.path(), "T");
    EXPECT_EQ(fs::file_size(base.path() / "Dados" / "T" / "ArqGruIng.dad"), 9u);
}

TEST(Paths, NamesThatWouldNameOrLeaveTheDataRootAreRefused)
{
    TempFolder base;
    EXPECT_THROW(IngredientFilePath(base.path(), ".."), UnusableNameError);
    EXPECT_THROW(IngredientGroupFilePath(base.path(), ""), UnusableNameError);
    EXPECT_THROW(PreparationFilePath(base.path(), "T", ". "), UnusableNameError);
    EXPECT_THROW(MeasureFilePath(base.path(), "..", "x", true), UnusableNameError);
    EXPECT_FALSE(fs::exists(base.path() / "Ingrediente"));
    EXPECT_FALSE(fs::exists(base.path() / "Dados" / "ArqGruIng.dad"));
}

TEST(Paths, BaseFolderAndConfigFile)
{
    TempFolder exe;
    TempFolder user;
    EXPECT_EQ(resolveBaseFolder(exe.path(), user.path() / "d"), exe.path());
    EXPECT_EQ(ConfigFilePath(user.path()), user.path() / "CfgTreluza.ini");
    ensureDataRoot(exe.path());
    EXPECT_TRUE(fs::is_directory(exe.path() / "Dados"));
    exe.makeReadOnly();
    if (!exe.writable()) {
        EXPECT_EQ(resolveBaseFolder(exe.path(), user.path() / "d"), user.path() / "d");
    }
    EXPECT_EQ(resolveBaseFolder(exe.path() / "missing", user.path() / "d"), user.path() / "d");
    EXPECT_TRUE(fs::is_directory(user.path() / "d"));
}

} // namespace
} // namespace treluza

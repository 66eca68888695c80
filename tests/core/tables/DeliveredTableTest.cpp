// Start-up with the tables delivered with the program: what it writes, byte
// for byte, into a data folder, and what it leaves alone.
#include "core/tables/DeliveredTable.h"

#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"

#include "support/FolderSnapshot.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <map>

namespace treluza {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Snapshot = testing::FolderSnapshot;
using testing::folderSnapshot;

const fs::path kDelivered = TRELUZA_DELIVERED_TABLES;
const std::string kTaco = "Dados/TACO 4ª edição/";

std::string delivered(const char* file)
{
    return readWholeFile(kDelivered / "TACO" / file);
}

std::string tacoLine()
{
    return delivered("ArqTab.dad");
}

/** What start-up adds for the delivered table to a data folder that has its root. */
Snapshot withTaco(Snapshot files)
{
    files[kTaco] = "";
    files[kTaco + "ArqGruIng.dad"] = delivered("ArqGruIng.dad");
    files[kTaco + "Ingrediente/"] = "";
    files[kTaco + "Ingrediente/ArqIng.dad"] = delivered("ArqIng.dad");
    return files;
}

std::vector<DeliveredTableResult> startUp(const TempFolder& base)
{
    return installDeliveredTables(base.path(), kDelivered);
}

DeliveredTableStatus onlyStatus(const std::vector<DeliveredTableResult>& results)
{
    EXPECT_EQ(results.size(), 1u);
    EXPECT_EQ(results.empty() ? "" : results[0].folder, "TACO");
    return results.empty() ? DeliveredTableStatus::Failed : results[0].status;
}

TEST(DeliveredTable, FirstStartInAnEmptyBaseFolder)
{
    TempFolder base;
    EXPECT_EQ(onlyStatus(startUp(base)), DeliveredTableStatus::Installed);
    Snapshot expected = withTaco({{"Dados/", ""}});
    expected["Dados/ArqTab.dad"] = tacoLine();
    EXPECT_EQ(folderSnapshot(base.path()), expected);

    // The next start finds the table and writes nothing.
    EXPECT_EQ(onlyStatus(startUp(base)), DeliveredTableStatus::AlreadyPresent);
    EXPECT_EQ(folderSnapshot(base.path()), expected);
}

TEST(DeliveredTable, UserTablesStayAsTheyAre)
{
    TempFolder base;
    // A registry out of order and without its last line break, as an editor may leave it.
    base.write("Dados/ArqTab.dad", "Zeta                |Minha tabela|1|\r\nAlfa                |Outra|1|");
    base.write("Dados/Alfa/ArqGruIng.dad", "Frutas              |\r\n");
    base.write("Dados/Alfa/Ingrediente/ArqIng.dad", "\x8a\xf1\x03 scrambled\r\n");
    base.write("Dados/Zeta/Medidas/" + toUtf8(cp("Maçã")) + ".med", "Colher              |    15,0|\r\n");
    const Snapshot before = folderSnapshot(base.path());

    EXPECT_EQ(onlyStatus(startUp(base)), DeliveredTableStatus::Installed);
    Snapshot expected = withTaco(before);
    expected["Dados/ArqTab.dad"] =
        "Alfa                |Outra|1|\r\n" + tacoLine() + "Zeta                |Minha tabela|1|\r\n";
    EXPECT_EQ(folderSnapshot(base.path()), expected);
}

// A data folder start-up must leave exactly as it is.
TEST(DeliveredTable, LeavesAloneWhatIsThere)
{
    const std::string edited = "Frutas do pomar     |\r\n";
    struct Case {
        const char* what;
        std::map<std::string, std::string> files;
        DeliveredTableStatus status;
    };
    const Case cases[] = {
        {"the table edited by hand, in other letter case",
         {{"Dados/ArqTab.dad", cp("taco 4ª EDIÇÃO      |Minha descrição|1|\r\n")},
          {kTaco + "ArqGruIng.dad", edited}},
         DeliveredTableStatus::AlreadyPresent},
        {"the table's name without its padding",
         {{"Dados/ArqTab.dad", cp("TACO 4ª edição|TACO|0|\r\n")}},
         DeliveredTableStatus::AlreadyPresent},
        {"a removed user table of the same name",
         {{"Dados/ArqTab.dad", "Alfa                |Outra|1|\r\n"},
          {kTaco + "Medidas/Arroz.med", "Colher              |    15,0|\r\n"}},
         DeliveredTableStatus::FolderInUse},
        {"a removed user table with another ingredient file",
         {{"Dados/ArqTab.dad", ""}, {kTaco + "Ingrediente/ArqIng.dad", "x|\r\n"}},
         DeliveredTableStatus::FolderInUse},
        {"a registry holding a NUL",
         {{"Dados/ArqTab.dad", "Alfa                |Outra|1|\r\n\0Beta|x|1|\r\n"s}},
         DeliveredTableStatus::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder base;
        for (const auto& [path, bytes] : c.files)
            base.write(path, bytes);
        const Snapshot before = folderSnapshot(base.path());
        EXPECT_EQ(onlyStatus(startUp(base)), c.status);
        EXPECT_EQ(folderSnapshot(base.path()), before);
    }
}

// An install cut short before the registry was written left copies of the
// delivered files and empty files: the next start completes it.
TEST(DeliveredTable, CompletesAnInterruptedInstall)
{
    TempFolder base;
    base.write("Dados/ArqTab.dad", "");
    base.write(kTaco + "Ingrediente/ArqIng.dad", delivered("ArqIng.dad"));
    base.write(kTaco + "ArqGruIng.dad", "");
    EXPECT_EQ(onlyStatus(startUp(base)), DeliveredTableStatus::Installed);
    Snapshot expected = withTaco({{"Dados/", ""}});
    expected["Dados/ArqTab.dad"] = tacoLine();
    EXPECT_EQ(folderSnapshot(base.path()), expected);
}

TEST(DeliveredTable, DamagedOrMissingDeliveredFolders)
{
    TempFolder base;
    EXPECT_TRUE(installDeliveredTables(base.path(), base.path() / "Tabelas").empty());

    TempFolder tables;
    tables.write("TACO/ArqTab.dad", tacoLine());
    tables.write("TACO/ArqGruIng.dad", delivered("ArqGruIng.dad"));
    tables.write("Vazia/ArqTab.dad", "");
    const auto results = installDeliveredTables(base.path(), tables.path());
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0].folder, "TACO"); // no ingredient file
    EXPECT_EQ(results[0].status, DeliveredTableStatus::Failed);
    EXPECT_EQ(results[1].folder, "Vazia"); // no registry line
    EXPECT_EQ(results[1].status, DeliveredTableStatus::Failed);
    EXPECT_EQ(folderSnapshot(base.path()), Snapshot{});
}

TEST(DeliveredTable, ReadOnlyBaseFolder)
{
    TempFolder empty;
    empty.makeReadOnly();
    if (empty.writable())
        GTEST_SKIP() << "permissions are not enforced for this user";
    EXPECT_EQ(onlyStatus(startUp(empty)), DeliveredTableStatus::Failed);
    EXPECT_EQ(folderSnapshot(empty.path()), Snapshot{});

    TempFolder used;
    used.write("Dados/ArqTab.dad", "Alfa                |Outra|1|\r\n");
    const Snapshot before = folderSnapshot(used.path());
    fs::permissions(used.path() / "Dados",
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_EQ(onlyStatus(startUp(used)), DeliveredTableStatus::Failed);
    EXPECT_EQ(folderSnapshot(used.path()), before);
    fs::permissions(used.path() / "Dados", fs::perms::owner_all, fs::perm_options::add);
}

} // namespace
} // namespace treluza

#include "core/store/DataFolder.h"

#include "core/store/FileIo.h"
#include "core/store/Paths.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

namespace fs = std::filesystem;

// One run at a time on a data folder: a second one gets nothing and touches
// no file (the first run's journal and temporaries stay); once the first
// ends, however it ends, the folder is taken over.
TEST(DataFolder, OneRunAtATimeAndTheSecondTouchesNothing)
{
    TempFolder base;
    std::optional<OpenedDataFolder> first = openDataFolder(base.path());
    ASSERT_TRUE(first);
    const fs::path table = dataRoot(base.path()) / "Tab";
    const std::string journal =
        encodeJournal("Tab", {{"ArqGruIng.dad", false, "a|\r\n"}, {"x.dad", true, ""}});
    base.write("Dados/Tab/Transacao.jnl", journal);
    base.write("Dados/Tab/ArqGruIng.dad.tmp", "half");

    EXPECT_FALSE(openDataFolder(base.path()));
    EXPECT_FALSE(DataFolderLock::take(base.path()));
    EXPECT_EQ(readWholeFile(journalPath(table)), journal);
    EXPECT_TRUE(fs::exists(table / "ArqGruIng.dad.tmp"));

    first.reset();
    std::optional<OpenedDataFolder> next = openDataFolder(base.path());
    ASSERT_TRUE(next);
    EXPECT_EQ(next->report.completed, 1);
    EXPECT_EQ(readWholeFile(table / "ArqGruIng.dad"), "a|\r\n");
    EXPECT_FALSE(fs::exists(table / "ArqGruIng.dad.tmp"));
}

} // namespace
} // namespace treluza

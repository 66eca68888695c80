// Reads that only look at a table (the usage scans, the report input, the
// table choices) create nothing under the data folder: no file the index
// names, no missing index, ingredient or group file, no folder.
#include "core/groups/GroupUsage.h"
#include "core/ingredients/IngredientUse.h"
#include "core/measures/MeasureUsage.h"
#include "core/records/PreparationRecords.h"
#include "core/reports/ReportLayouts.h"
#include "core/store/FileIo.h"
#include "core/store/IniFile.h"
#include "core/store/Paths.h"
#include "core/tables/ActiveTable.h"

#include "support/FolderSnapshot.h"
#include "support/Names.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>

namespace treluza {
namespace {

namespace fs = std::filesystem;
using testing::name20;
using testing::name30;
using testing::name40;
using testing::name60;

const std::string kTable = "Tabela 1            ";

TEST(TableReads, LeaveTheDataFolderAsItWas)
{
    // An index naming two preparations, only one of which has its file; no
    // ingredient, group, measure, method or label file.
    const auto indexOnly = [](const TempFolder& base) {
        const fs::path index = PreparationIndexPath(base.path(), kTable);
        ensureFolderOf(index);
        SaveLines(index, {joinFields(blankIndex(name40("Sopa"))), joinFields(blankIndex(name40("Bolo")))});
        SaveLines(PreparationFilePath(base.path(), kTable, name40("Bolo")), {name60("Sal") + "|"});
    };
    const struct {
        const char* name;
        std::function<void(const TempFolder&)> make;
    } folders[] = {
        {"no data folder", [](const TempFolder&) {}},
        {"empty table folder",
         [](const TempFolder& base) { fs::create_directories(tableFolderPath(base.path(), kTable)); }},
        {"index without files", indexOnly},
    };

    NullProgress progress;
    const IniFile ini = IniFile::fromBytes("");
    const struct {
        const char* name;
        std::function<void(const fs::path&)> read;
    } reads[] = {
        {"ingredient use",
         [&](const fs::path& base) { ScanIngredientUse(base, kTable, name60("Sal"), progress); }},
        {"measure use",
         [&](const fs::path& base) {
             scanMeasureUse(base, kTable, name60("Sal"), name20("Colher"), MeasureOperation::Delete,
                            progress);
         }},
        {"ingredient group use",
         [&](const fs::path& base) {
             scanGroupUse(base, kTable, GroupKind::Ingredient, name20("Frutas"), progress);
         }},
        {"preparation group use",
         [&](const fs::path& base) {
             scanGroupUse(base, kTable, GroupKind::Preparation, name30("Doces"), progress);
         }},
        {"report input",
         [&](const fs::path& base) {
             loadReportInput(base, kTable, name40("Sopa"), joinFields(blankIndex(name40("Sopa"))),
                             ReportLayout::Treluza, ini);
         }},
        {"table choices", [](const fs::path& base) { EXPECT_TRUE(loadTableChoices(base).names.empty()); }},
    };

    for (const auto& folder : folders) {
        for (const auto& read : reads) {
            SCOPED_TRACE(std::string(folder.name) + ", " + read.name);
            TempFolder base;
            folder.make(base);
            const auto before = testing::folderSnapshot(base.path());
            EXPECT_NO_THROW(read.read(base.path()));
            EXPECT_EQ(testing::folderSnapshot(base.path()), before);
        }
    }
}

} // namespace
} // namespace treluza

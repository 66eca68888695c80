#include "core/groups/GroupUsage.h"
#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/KeyedRecords.h"
#include "core/store/Paths.h"

#include "support/TempFolder.h"

#include "support/Names.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

using testing::pad;

std::string record(int fields, int groupField, const std::string& key, const std::string& group)
{
    std::string line;
    for (int f = 1; f <= fields; ++f)
        SetFieldOf(f, line, std::to_string(f));
    SetFieldOf(1, line, key);
    SetFieldOf(groupField, line, group);
    return line;
}

TEST(GroupUsage, IngredientGroupsScanAndRenameThroughTheScrambledFile)
{
    TempFolder base;
    NullProgress progress;
    const std::string fruits = pad("Frutas", 20);
    const std::string others = pad("Outros", 20);
    RecordList list(true);
    list.add(record(30, 13, pad("Banana", 60), fruits));
    list.add(record(30, 13, pad(cp("Maçã"), 60), fruits));
    list.add(record(30, 13, pad("Sal", 60), others));
    const auto path = ensureFile(IngredientFilePath(base.path(), "T"));
    SaveScrambledFile(path, list, progress);

    EXPECT_EQ(scanGroupUse(base.path(), "T", GroupKind::Ingredient, fruits, progress),
              (std::vector<std::string>{pad("Banana", 60), pad(cp("Maçã"), 60)}));
    EXPECT_TRUE(scanGroupUse(base.path(), "T", GroupKind::Ingredient, pad("Carnes", 20), progress).empty());

    const std::string fresh = pad("Frutas frescas", 20);
    EXPECT_EQ(carryGroupRename(base.path(), "T", GroupKind::Ingredient, fruits, fresh, progress), 2);
    KeyedRecords after;
    LoadScrambledFile(path, after, progress);
    ASSERT_EQ(after.count(), 3);
    EXPECT_EQ(after[0], record(30, 13, pad("Banana", 60), fresh));
    EXPECT_EQ(after[1], record(30, 13, pad(cp("Maçã"), 60), fresh));
    EXPECT_EQ(after[2], list[2]);
}

// The group register stages its own file with the carry; the carry reads the
// ingredient file as the transaction already holds it.
TEST(GroupUsage, ARenameStagedWithTheRegistersFileIsOneChange)
{
    TempFolder base;
    NullProgress progress;
    const std::string fruits = pad("Frutas", 20);
    const std::string fresh = pad("Frutas frescas", 20);
    RecordList list(true);
    list.add(record(30, 13, pad("Banana", 60), fruits));
    const auto path = ensureFile(IngredientFilePath(base.path(), "T"));
    SaveScrambledFile(path, list, progress);
    const std::string before = readWholeFile(path);

    Transaction changes = Transaction::forTable(base.path(), "T");
    list.add(record(30, 13, pad("Uva", 60), fruits)); // an ingredient staged by its register
    changes.write(path, scrambledFileBytes(list, progress));
    changes.write(IngredientGroupFilePath(base.path(), "T"), fresh + "|\r\n");
    EXPECT_EQ(carryGroupRename(base.path(), "T", GroupKind::Ingredient, fruits, fresh, changes, progress), 2);
    EXPECT_EQ(readWholeFile(path), before);
    changes.commit();

    KeyedRecords after;
    LoadScrambledFile(path, after, progress);
    EXPECT_EQ(after.lines(), (std::vector<std::string>{record(30, 13, pad("Banana", 60), fresh),
                                                       record(30, 13, pad("Uva", 60), fresh)}));
    EXPECT_EQ(readWholeFile(IngredientGroupFilePath(base.path(), "T")), fresh + "|\r\n");
}

TEST(GroupUsage, PreparationGroupsLiveInFieldThirtyNineOfTheIndex)
{
    TempFolder base;
    NullProgress progress;
    const std::string sweets = pad("Sobremesas", 30);
    // The group name also appears in another field of one line: the scan
    // counts the whole line, the rename only touches the group field.
    const std::string odd = record(40, 39, pad("Bolo", 40), pad("Massas", 30));
    std::string oddWithName = odd;
    SetFieldOf(2, oddWithName, sweets);
    const std::vector<std::string> index = {oddWithName, record(40, 39, pad("Pudim", 40), sweets)};
    const auto path = ensureFile(PreparationIndexPath(base.path(), "T"));
    SaveLines(path, index);

    EXPECT_EQ(scanGroupUse(base.path(), "T", GroupKind::Preparation, sweets, progress),
              (std::vector<std::string>{pad("Bolo", 40), pad("Pudim", 40)}));
    EXPECT_EQ(carryGroupRename(base.path(), "T", GroupKind::Preparation, sweets, pad("Doces", 30), progress),
              1);
    const auto after = loadLines(path);
    EXPECT_EQ(after[0], oddWithName);
    EXPECT_EQ(after[1], record(40, 39, pad("Pudim", 40), pad("Doces", 30)));
}

TEST(GroupUsage, Messages)
{
    const std::string m = groupInUseMessage(GroupKind::Preparation, pad("Doces", 30));
    EXPECT_EQ(m.substr(0, 34), cp(" O grupo de preparação <<<Doces>>>"));
    EXPECT_EQ(m.substr(m.size() - 10), "e a lista."); // the last line has no "//"
    EXPECT_EQ(groupInUseMessage(GroupKind::Ingredient, pad("Frutas", 20)).substr(0, 38),
              cp(" O grupo de ingrediente <<<Frutas>>>//"));
}

} // namespace
} // namespace treluza

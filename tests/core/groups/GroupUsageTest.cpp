#include "groups/GroupUsage.h"
#include "store/Cp1252.h"
#include "store/CriUnit.h"
#include "store/FileIo.h"
#include "store/Paths.h"
#include "store/RecordList.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

std::string Pad(const std::string& s, int width) { return s + std::string(static_cast<std::size_t>(width) - s.size(), ' '); }

std::string Record(int fields, int groupField, const std::string& key, const std::string& group)
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
    const std::string fruits = Pad("Frutas", 20);
    const std::string others = Pad("Outros", 20);
    RecordList list(true);
    list.add(Record(30, 13, Pad("Banana", 60), fruits));
    list.add(Record(30, 13, Pad(Cp("Maçã"), 60), fruits));
    list.add(Record(30, 13, Pad("Sal", 60), others));
    const auto path = IngredientFilePath(base.path(), "T");
    SaveScrambledFile(path, list, progress);

    EXPECT_EQ(ScanGroupUse(base.path(), "T", GroupKind::Ingredient, fruits, progress),
              (std::vector<std::string>{Pad("Banana", 60), Pad(Cp("Maçã"), 60)}));
    EXPECT_TRUE(ScanGroupUse(base.path(), "T", GroupKind::Ingredient, Pad("Carnes", 20), progress).empty());

    const std::string fresh = Pad("Frutas frescas", 20);
    EXPECT_EQ(CarryGroupRename(base.path(), "T", GroupKind::Ingredient, fruits, fresh, progress), 2);
    RecordList after;
    KeyList keys;
    LoadScrambledFile(path, after, keys, progress);
    ASSERT_EQ(after.count(), 3);
    EXPECT_EQ(after[0], Record(30, 13, Pad("Banana", 60), fresh));
    EXPECT_EQ(after[1], Record(30, 13, Pad(Cp("Maçã"), 60), fresh));
    EXPECT_EQ(after[2], list[2]);
}

TEST(GroupUsage, PreparationGroupsLiveInFieldThirtyNineOfTheIndex)
{
    TempFolder base;
    NullProgress progress;
    const std::string sweets = Pad("Sobremesas", 30);
    // The group name also appears in another field of one line: the scan
    // counts the whole line, the rename only touches the group field.
    const std::string odd = Record(40, 39, Pad("Bolo", 40), Pad("Massas", 30));
    std::string oddWithName = odd;
    SetFieldOf(2, oddWithName, sweets);
    const std::vector<std::string> index = {oddWithName, Record(40, 39, Pad("Pudim", 40), sweets)};
    const auto path = PreparationIndexPath(base.path(), "T");
    SaveLines(path, index);

    EXPECT_EQ(ScanGroupUse(base.path(), "T", GroupKind::Preparation, sweets, progress),
              (std::vector<std::string>{Pad("Bolo", 40), Pad("Pudim", 40)}));
    EXPECT_EQ(CarryGroupRename(base.path(), "T", GroupKind::Preparation, sweets, Pad("Doces", 30), progress), 1);
    const auto after = LoadLines(path);
    EXPECT_EQ(after[0], oddWithName);
    EXPECT_EQ(after[1], Record(40, 39, Pad("Pudim", 40), Pad("Doces", 30)));
}

TEST(GroupUsage, Messages)
{
    const std::string m = GroupInUseMessage(GroupKind::Preparation, Pad("Doces", 30));
    EXPECT_EQ(m.substr(0, 34), Cp(" O grupo de preparação <<<Doces>>>"));
    EXPECT_EQ(m.substr(m.size() - 10), "e a lista.");  // the last line has no "//"
    EXPECT_EQ(GroupInUseMessage(GroupKind::Ingredient, Pad("Frutas", 20)).substr(0, 38),
              Cp(" O grupo de ingrediente <<<Frutas>>>//"));
}

}  // namespace
}  // namespace treluza

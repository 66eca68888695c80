#include "core/groups/GroupUsage.h"

#include "core/preparations/PreparationWalk.h"
#include "core/records/RecordLayouts.h"
#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"
#include "core/store/StrUnit.h"

namespace treluza {

namespace {

struct GroupRecords {
    std::filesystem::path path;
    RecordList records{true};
};

// The records that name groups, read from disk or, given a transaction,
// through it (so a carry sees what was staged before it).
GroupRecords loadGroupUsers(const std::filesystem::path& base, std::string_view table, GroupKind kind,
                            ProgressSink& progress, const Transaction* changes = nullptr)
{
    GroupRecords r;
    r.path =
        kind == GroupKind::Ingredient ? IngredientFilePath(base, table) : PreparationIndexPath(base, table);
    const std::string bytes = changes ? changes->readIfPresent(r.path) : readFileIfPresent(r.path);
    r.records.assign(kind == GroupKind::Ingredient ? unscrambledLines(bytes, progress) : splitLines(bytes));
    return r;
}

} // namespace

RecordKind groupRecordKind(GroupKind kind)
{
    return kind == GroupKind::Ingredient ? RecordKind::IngredientGroup : RecordKind::PreparationGroup;
}

std::vector<std::string> scanGroupUse(const std::filesystem::path& base, std::string_view table,
                                      GroupKind kind, std::string_view paddedName, ProgressSink& progress)
{
    GroupRecords r = loadGroupUsers(base, table, kind, progress);
    const int name = kind == GroupKind::Ingredient ? IngField::Name : IdxField::Name;
    std::vector<std::string> users;
    ProgressScope bar(progress, r.records.count());
    for (int i = 0; i < r.records.count(); ++i) {
        bar.position(i);
        if (!paddedName.empty() && r.records[i].find(paddedName) != std::string::npos)
            users.emplace_back(FieldOf(name, r.records[i]));
    }
    return users;
}

int carryGroupRename(const std::filesystem::path& base, std::string_view table, GroupKind kind,
                     std::string_view oldPadded, std::string_view newPadded, Transaction& changes,
                     ProgressSink& progress)
{
    GroupRecords r = loadGroupUsers(base, table, kind, progress, &changes);
    const int field = kind == GroupKind::Ingredient ? IngField::Group : IdxField::Group;
    int changed = 0;
    {
        ProgressScope bar(progress, r.records.count());
        // The group field never decides the order (keys are unique), so the
        // lines are replaced in place and the list is sorted once at the end.
        r.records.setSorted(false);
        for (int i = 0; i < r.records.count(); ++i) {
            bar.position(i);
            std::string line = r.records[i];
            if (replaceInField(line, field, oldPadded, newPadded)) {
                r.records.replace(i, std::move(line));
                ++changed;
            }
        }
        r.records.setSorted(true);
    }
    if (changed > 0) {
        changes.write(r.path, kind == GroupKind::Ingredient ? scrambledFileBytes(r.records, progress)
                                                            : joinLines(r.records.lines()));
    }
    return changed;
}

int carryGroupRename(const std::filesystem::path& base, std::string_view table, GroupKind kind,
                     std::string_view oldPadded, std::string_view newPadded, ProgressSink& progress)
{
    return inTableTransaction(base, table, [&](Transaction& changes) {
        return carryGroupRename(base, table, kind, oldPadded, newPadded, changes, progress);
    });
}

std::string groupInUseMessage(GroupKind kind, std::string_view paddedName)
{
    const std::string name = TrimTrailingSpaces(std::string(paddedName));
    if (kind == GroupKind::Ingredient) {
        return cp(" O grupo de ingrediente <<<") + name + ">>>//" +
               cp(" não pode ser excluido porque é o grupo definido para os//") +
               cp(" ingredientes listados abaixo. Se realmente deseja excluí-lo,//") +
               cp(" você deve alterar o grupo dos ingredientes da lista.//") +
               cp(" Para facilitar seu trabalho imprima ou salve a lista.//");
    }
    return cp(" O grupo de preparação <<<") + name + ">>>//" +
           cp(" não pode ser excluido porque é o grupo definido para as//") +
           cp(" preparações listadas abaixo. Se realmente deseja excluí-lo,//") +
           cp(" você deve alterar o grupo das preparações da lista.//") +
           cp(" Para facilitar seu trabalho imprima ou salve a lista.");
}

} // namespace treluza

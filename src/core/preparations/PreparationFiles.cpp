#include "core/preparations/PreparationFiles.h"

#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"

#include <functional>

namespace treluza {

namespace fs = std::filesystem;

namespace {

using PathBuilder = std::function<fs::path(const fs::path&, std::string_view, std::string_view)>;

// Creates the ingredient-line file, the method text and the label file of a
// preparation, empty, where they are missing (with their folders): a rename
// and a delete of a preparation start from its three files.
void ensurePreparationFiles(const fs::path& base, std::string_view table, std::string_view name)
{
    for (const auto& build : {PreparationFilePath, MethodFilePath, LabelFilePath})
        EnsureFileExists(build(base, table, name));
}

} // namespace

void stagePreparationIndex(const fs::path& base, std::string_view table, const RecordList& index,
                           Transaction& changes)
{
    changes.write(PreparationIndexPath(base, table), joinLines(index.lines()));
}

void movePreparationFiles(const fs::path& base, std::string_view table, std::string_view oldName,
                          std::string_view newName, Transaction& changes)
{
    if (!isUsableNameFor(NameUse::Preparation, newName))
        throw UnusableNameError(std::string(newName));
    ensurePreparationFiles(base, table, oldName);
    const PathBuilder builders[] = {PreparationFilePath, MethodFilePath, LabelFilePath};
    for (const auto& build : builders) {
        const fs::path from = build(base, table, oldName);
        // The new name's file, beside the old one, comes into being with the
        // commit: a rename that fails leaves no empty files under a name that
        // no preparation has.
        fs::path to = from;
        fs::path name = namePath(SafeFileStem(newName));
        name += from.extension();
        to.replace_filename(name);
        changes.move(from, to);
    }
}

void movePreparationFiles(const fs::path& base, std::string_view table, std::string_view oldName,
                          std::string_view newName)
{
    inTableTransaction(base, table, [&](Transaction& changes) {
        movePreparationFiles(base, table, oldName, newName, changes);
        return 0;
    });
}

void deletePreparationFiles(const fs::path& base, std::string_view table, std::string_view name,
                            Transaction& changes)
{
    ensurePreparationFiles(base, table, name);
    const PathBuilder builders[] = {MethodFilePath, PreparationFilePath, LabelFilePath};
    for (const auto& build : builders)
        changes.remove(build(base, table, name));
}

void deletePreparationFiles(const fs::path& base, std::string_view table, std::string_view name)
{
    inTableTransaction(base, table, [&](Transaction& changes) {
        deletePreparationFiles(base, table, name, changes);
        return 0;
    });
}

} // namespace treluza

#include "core/tables/DeliveredTable.h"

#include "core/store/Collation.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"
#include "core/store/StrUnit.h"

#include <algorithm>

namespace treluza {

namespace fs = std::filesystem;

namespace {

/** The registry line of a delivered folder, or the empty text when the folder
 *  does not hold exactly one line naming a usable table. */
std::string deliveredLine(const fs::path& folder)
{
    const std::vector<std::string> lines = loadLines(folder / kDeliveredRegistryFile);
    if (lines.size() != 1 || lines.front().find('|') == std::string::npos ||
        !isUsableNameFor(NameUse::Table, keyOf(lines.front())))
        return {};
    return lines.front();
}

/** Whether a registry key names the table. Keys compare as the key list
 *  compares them (letter case ignored); trailing blanks are ignored as well,
 *  because a name padded differently by hand still names the same table folder. */
bool namesTable(const std::string& key, const std::string& table)
{
    return compareText(TrimTrailingSpaces(key), TrimTrailingSpaces(table)) == 0;
}

/** Whether the table folder holds anything besides empty files and copies of
 *  the delivered files (which an install stopped before the registry was
 *  written leaves behind). Anything else belongs to the user. */
bool folderInUse(const fs::path& folder, const std::string& ingredients, const std::string& groups)
{
    std::error_code ec;
    if (!fs::exists(folder, ec))
        return ec.value() != 0;
    if (!fs::is_directory(folder, ec))
        return true;
    fs::recursive_directory_iterator it(folder, ec);
    for (; !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (it->is_directory(ec))
            continue;
        if (!it->is_regular_file(ec))
            return true;
        if (it->file_size(ec) == 0 && !ec)
            continue;
        const std::string bytes = readWholeFile(it->path());
        if (bytes != ingredients && bytes != groups)
            return true;
    }
    return ec.value() != 0;
}

} // namespace

DeliveredTableStatus installDeliveredTable(const fs::path& base, const fs::path& tableFolder)
{
    try {
        const std::string line = deliveredLine(tableFolder);
        std::error_code ec;
        if (line.empty() || !fs::is_regular_file(tableFolder / kDeliveredIngredientFile, ec) ||
            !fs::is_regular_file(tableFolder / kDeliveredGroupFile, ec))
            return DeliveredTableStatus::Failed;
        const std::string table = keyOf(line);

        const fs::path registryPath = TableRegistryPath(base);
        const std::string registryBytes = readFileIfPresent(registryPath);
        // A NUL ends the text of a record file: rewriting the registry would
        // lose every line after it.
        if (registryBytes.find('\0') != std::string::npos)
            return DeliveredTableStatus::Failed;
        RecordList registry(true);
        registry.assign(splitLines(registryBytes));
        for (const std::string& entry : registry.lines()) {
            if (namesTable(keyOf(entry), table))
                return DeliveredTableStatus::AlreadyPresent;
        }

        const std::string ingredients = readWholeFile(tableFolder / kDeliveredIngredientFile);
        const std::string groups = readWholeFile(tableFolder / kDeliveredGroupFile);
        const fs::path folder = tableFolderPath(base, table);
        if (folderInUse(folder, ingredients, groups))
            return DeliveredTableStatus::FolderInUse;

        // The files come first and the registry line last: a registry line is
        // never left pointing at a table without its files.
        const bool folderExisted = fs::exists(folder, ec);
        try {
            // The ingredient file's folder is the deepest: making it makes the
            // table folder and the data root as well.
            const fs::path ingredientFile = IngredientFilePath(base, table);
            ensureFolderOf(ingredientFile);
            writeFileAtomic(ingredientFile, ingredients);
            writeFileAtomic(IngredientGroupFilePath(base, table), groups);
            registry.add(line);
            SaveRecordFile(registryPath, registry);
        } catch (...) {
            // A folder that existed held only empty files or these same files.
            if (!folderExisted)
                fs::remove_all(folder, ec);
            throw;
        }
        return DeliveredTableStatus::Installed;
    } catch (const std::exception&) {
        return DeliveredTableStatus::Failed;
    }
}

std::vector<DeliveredTableResult> installDeliveredTables(const fs::path& base,
                                                         const fs::path& deliveredFolder)
{
    std::vector<DeliveredTableResult> results;
    try {
        std::vector<fs::path> folders;
        std::error_code ec;
        for (fs::directory_iterator it(deliveredFolder, ec); !ec && it != fs::directory_iterator();
             it.increment(ec)) {
            if (it->is_directory(ec))
                folders.push_back(it->path());
        }
        std::sort(folders.begin(), folders.end());
        for (const fs::path& folder : folders)
            results.push_back({folder.filename().string(), installDeliveredTable(base, folder)});
    } catch (const std::exception&) {
        // Start-up goes on with what was installed.
    }
    return results;
}

} // namespace treluza

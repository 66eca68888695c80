#pragma once
// Tables delivered with the program. Each one is a folder among the program's
// read-only files (beside it in a build folder, in share/treluza once
// installed) holding the table's registry line and its ready-made ingredient
// and ingredient group files; on start-up a table the registry does not name
// yet is registered and its files are copied into its table folder.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** The files of a delivered table folder: the registry line (one line), the
 *  ingredient file as stored (scrambled) and the ingredient group file. */
inline constexpr std::string_view kDeliveredRegistryFile = "ArqTab.dad";
inline constexpr std::string_view kDeliveredIngredientFile = "ArqIng.dad";
inline constexpr std::string_view kDeliveredGroupFile = "ArqGruIng.dad";

enum class DeliveredTableStatus {
    /** The registry line was added and the table's files written. */
    Installed,
    /** The registry already names the table (in any letter case, even with a
     *  changed padding, description or flag): nothing was touched. */
    AlreadyPresent,
    /** The registry does not name the table but its table folder holds other
     *  files (a table of the same name that was removed from the registry):
     *  nothing was touched. */
    FolderInUse,
    /** Something could not be read or written (a read-only data folder, a
     *  damaged delivered folder, a registry holding a NUL): the registry and
     *  the user's files are as they were, and a table folder made for the
     *  install was removed again. */
    Failed,
};

struct DeliveredTableResult {
    /** The delivered folder's name. */
    std::string folder;
    DeliveredTableStatus status = DeliveredTableStatus::Failed;
};

/** Installs the table of one delivered folder into the data folder of the base
 *  folder when the registry does not name it: the table's files are written
 *  first, each atomically, then the registry line is added (the registry stays
 *  sorted); when the registry cannot be written, the files written are removed
 *  again. The user's tables and files are never changed. Never throws. */
DeliveredTableStatus installDeliveredTable(const std::filesystem::path& base,
                                           const std::filesystem::path& tableFolder);

/** Installs every delivered table folder under deliveredFolder, in name order.
 *  A missing delivered folder installs nothing. Never throws; the results may
 *  be ignored (start-up goes on whatever they say). */
std::vector<DeliveredTableResult> installDeliveredTables(const std::filesystem::path& base,
                                                         const std::filesystem::path& deliveredFolder);

} // namespace treluza

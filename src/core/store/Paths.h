#pragma once
#include "core/store/StoreError.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace treluza {

/** The folder name of a table: trailing blanks removed, every "/" turned into
 *  "_". (The separator after it is the platform's and is added by the builders.) */
std::string TableFolderName(std::string_view table);

/** The file stem of a preparation or ingredient name: trailing blanks removed,
 *  every "/" turned into "_". */
std::string SafeFileStem(std::string_view name);

/** Whether a name can be used as a table, preparation or ingredient name on disk. */
bool isUsableName(std::string_view name);

/** What a name names on disk: a table's folder in the data root, beside the
 *  registry; a preparation's lines, method text and label files, beside the
 *  preparation index; an ingredient's measure file. */
enum class NameUse { Table, Preparation, Ingredient };

/** Whether a name can be used for that on disk: a usable name whose file or
 *  folder is none of the program's own (the registry, the preparation index,
 *  a journal, the lock), nor a temporary name of the program, in any letter
 *  case (the disk may ignore it). */
bool isUsableNameFor(NameUse use, std::string_view name);

/** Creates the folder of path with all missing parents, and the file empty when
 *  missing. Errors are not reported: the following load or save reports them. */
void EnsureFileExists(const std::filesystem::path& path);

/** EnsureFileExists, then the path: for a window that loads its file when it
 *  opens and keeps it in being from then on (a register, the method text). */
std::filesystem::path ensureFile(std::filesystem::path path);

/** Creates the folder of a file with all missing parents, for a write that
 *  replaces the file whole (the file itself is not created). Errors are not
 *  reported: the following write reports them. */
void ensureFolderOf(const std::filesystem::path& path);

/** The lock file of a data folder, in its data root (DataFolderLock). */
inline constexpr std::string_view kLockFileName = "Treluza.lck";

/** The data root "Dados" under the base folder. */
std::filesystem::path dataRoot(const std::filesystem::path& base);

/** Creates the data root (one level only; the result is ignored). */
void ensureDataRoot(const std::filesystem::path& base);

/** A Windows-1252 name as a path component in the platform's encoding. */
std::filesystem::path namePath(std::string_view cp1252Name);

// Path builders. Each only builds its path: it creates no folder and no file
// (ensureFile and ensureFolderOf do, where a caller needs them). Those taking
// names throw UnusableNameError for a name isUsableNameFor refuses.
std::filesystem::path ConfigFilePath(const std::filesystem::path& configFolder);
std::filesystem::path TableRegistryPath(const std::filesystem::path& base);
std::filesystem::path tableFolderPath(const std::filesystem::path& base, std::string_view table);
std::filesystem::path IngredientFilePath(const std::filesystem::path& base, std::string_view table);
std::filesystem::path IngredientGroupFilePath(const std::filesystem::path& base, std::string_view table);
std::filesystem::path PreparationGroupFilePath(const std::filesystem::path& base, std::string_view table);
std::filesystem::path PreparationIndexPath(const std::filesystem::path& base, std::string_view table);
std::filesystem::path PreparationFilePath(const std::filesystem::path& base, std::string_view table,
                                          std::string_view preparation);
std::filesystem::path LabelFilePath(const std::filesystem::path& base, std::string_view table,
                                    std::string_view preparation);
std::filesystem::path MethodFilePath(const std::filesystem::path& base, std::string_view table,
                                     std::string_view preparation);
std::filesystem::path MeasureFilePath(const std::filesystem::path& base, std::string_view table,
                                      std::string_view ingredient);

/** Where the program reads the files delivered with it and keeps its data. */
struct ProgramFolders {
    /** The read-only files: the help text and the folder of delivered tables. */
    std::filesystem::path resources;
    /** The base folder, which holds the data root. */
    std::filesystem::path base;

    std::filesystem::path helpFile() const { return resources / "Ajuda.hlp"; }
    std::filesystem::path deliveredTables() const { return resources / "Tabelas"; }
};

/** The folder of an installed program's read-only files, relative to the
 *  folder of its executable. */
inline constexpr std::string_view kInstalledResources = "../share/treluza";

/** The folders of the program whose executable is in executableFolder.
 *  Installed (its read-only files in kInstalledResources), the base folder is
 *  always the per-user data folder: nothing is written under the installation
 *  prefix, even by a user who could. Otherwise (a build tree, its read-only
 *  files beside the executable) the base folder is the executable's folder
 *  when files can be written there, else the per-user data folder. The
 *  per-user folder is created when it is chosen. */
ProgramFolders resolveProgramFolders(const std::filesystem::path& executableFolder,
                                     const std::filesystem::path& userDataFolder);

} // namespace treluza

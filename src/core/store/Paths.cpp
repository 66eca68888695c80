#include "core/store/Paths.h"

#include "core/store/Collation.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/StrUnit.h"

#include <fstream>
#include <unistd.h>

namespace treluza {

namespace fs = std::filesystem;

UnusableNameError::UnusableNameError(const std::string& name)
    : StoreError("unusable name: \"" + toUtf8(name) + "\"")
{
}

std::string TableFolderName(std::string_view table)
{
    return SafeFileStem(table);
}

std::string SafeFileStem(std::string_view name)
{
    return ReplaceChar('_', '/', TrimTrailingSpaces(std::string(name)));
}

bool isUsableName(std::string_view name)
{
    // A NUL ends a file name; "|", CR and LF would break the record that
    // holds the name.
    if (name.find_first_of(std::string_view("\0|\r\n", 4)) != std::string_view::npos)
        return false;
    const std::string stem = SafeFileStem(name);
    // File names hold 255 bytes; the longest extension added is four.
    constexpr std::size_t kLongestStem = 255 - 4;
    return stem.find_first_not_of(". ") != std::string::npos && toUtf8(stem).size() <= kLongestStem;
}

namespace {

// Letter case ignored: the disk may ignore it.
bool sameLetters(std::string_view a, std::string_view b)
{
    return compareText(a, b) == 0;
}

bool startsWithLetters(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && sameLetters(text.substr(0, prefix.size()), prefix);
}

} // namespace

bool isUsableNameFor(NameUse use, std::string_view name)
{
    if (!isUsableName(name))
        return false;
    const std::string stem = SafeFileStem(name);
    switch (use) {
    case NameUse::Table:
        // Beside the registry, its temporary, the journal of the data root and
        // the journals set aside, and the lock; a temporary name would be
        // taken for one.
        return !startsWithLetters(stem, "ArqTab.dad") && !startsWithLetters(stem, "Transacao.jnl") &&
               !sameLetters(stem, kLockFileName) && !isTemporaryName(stem);
    case NameUse::Preparation:
        // The lines file would be the preparation index.
        return !sameLetters(stem, "ArqTreluza");
    case NameUse::Ingredient:
        return true;
    }
    return false;
}

void ensureFolderOf(const fs::path& path)
{
    std::error_code ec;
    if (path.has_parent_path() && !fs::is_directory(path.parent_path(), ec))
        fs::create_directories(path.parent_path(), ec);
}

void EnsureFileExists(const fs::path& path)
{
    ensureFolderOf(path);
    std::error_code ec;
    if (!fs::exists(path, ec))
        std::ofstream(path, std::ios::binary);
}

fs::path ensureFile(fs::path path)
{
    EnsureFileExists(path);
    return path;
}

fs::path dataRoot(const fs::path& base)
{
    return base / "Dados";
}

void ensureDataRoot(const fs::path& base)
{
    std::error_code ec;
    fs::create_directory(dataRoot(base), ec);
}

fs::path namePath(std::string_view cp1252Name)
{
    return fs::path(toUtf8(cp1252Name));
}

namespace {

fs::path stem(std::string_view name, NameUse use)
{
    if (!isUsableNameFor(use, name))
        throw UnusableNameError(std::string(name));
    return namePath(SafeFileStem(name));
}

fs::path inTable(const fs::path& base, std::string_view table, std::string_view folder,
                 std::string_view preparation, const char* extension)
{
    return tableFolderPath(base, table) / folder /
           (stem(preparation, NameUse::Preparation).string() + extension);
}

} // namespace

fs::path ConfigFilePath(const fs::path& configFolder)
{
    return configFolder / "CfgTreluza.ini";
}

fs::path TableRegistryPath(const fs::path& base)
{
    return dataRoot(base) / "ArqTab.dad";
}

fs::path tableFolderPath(const fs::path& base, std::string_view table)
{
    return dataRoot(base) / stem(table, NameUse::Table);
}

fs::path IngredientFilePath(const fs::path& base, std::string_view table)
{
    return tableFolderPath(base, table) / "Ingrediente" / "ArqIng.dad";
}

fs::path IngredientGroupFilePath(const fs::path& base, std::string_view table)
{
    return tableFolderPath(base, table) / "ArqGruIng.dad";
}

fs::path PreparationGroupFilePath(const fs::path& base, std::string_view table)
{
    return tableFolderPath(base, table) / "ArqGruPre.dad";
}

fs::path PreparationIndexPath(const fs::path& base, std::string_view table)
{
    return tableFolderPath(base, table) / "Treluza" / "ArqTreluza.dad";
}

fs::path PreparationFilePath(const fs::path& base, std::string_view table, std::string_view preparation)
{
    return inTable(base, table, "Treluza", preparation, ".dad");
}

fs::path LabelFilePath(const fs::path& base, std::string_view table, std::string_view preparation)
{
    return inTable(base, table, "Etiqueta", preparation, ".eti");
}

fs::path MethodFilePath(const fs::path& base, std::string_view table, std::string_view preparation)
{
    return inTable(base, table, "Receita", preparation, ".rec");
}

fs::path MeasureFilePath(const fs::path& base, std::string_view table, std::string_view ingredient)
{
    return tableFolderPath(base, table) / "Medidas" /
           (stem(ingredient, NameUse::Ingredient).string() + ".med");
}

ProgramFolders resolveProgramFolders(const fs::path& executableFolder, const fs::path& userDataFolder)
{
    std::error_code ec;
    const fs::path installed = (executableFolder / kInstalledResources).lexically_normal();
    const bool isInstalled = fs::is_directory(installed, ec);
    ProgramFolders folders{isInstalled ? installed : executableFolder, executableFolder};
    if (isInstalled || ::access(executableFolder.c_str(), W_OK) != 0) {
        fs::create_directories(userDataFolder, ec);
        folders.base = userDataFolder;
    }
    return folders;
}

} // namespace treluza

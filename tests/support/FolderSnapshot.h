#pragma once
// What a folder holds, to compare a folder before and after an operation.
#include "core/store/FileIo.h"

#include <filesystem>
#include <map>
#include <string>

namespace treluza::testing {

/** Relative path (UTF-8) of every folder and file under a folder, with the
 *  bytes of each file; folders end in "/" and hold the empty text. */
using FolderSnapshot = std::map<std::string, std::string>;

inline FolderSnapshot folderSnapshot(const std::filesystem::path& folder)
{
    FolderSnapshot entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string relative = std::filesystem::relative(entry.path(), folder).string();
        if (entry.is_directory())
            entries[relative + "/"] = "";
        else
            entries[relative] = readWholeFile(entry.path());
    }
    return entries;
}

} // namespace treluza::testing

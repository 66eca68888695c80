#pragma once
#include "core/store/Sinks.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** One preparation met by WalkPreparations. */
struct WalkedPreparation {
    int index = 0;                  ///< place of its line in the index file
    std::string name;               ///< field 1 of its index line, as stored
    std::filesystem::path file;     ///< its ingredient-line file (empty for an unusable name)
    std::vector<std::string> lines; ///< the lines of that file, in file order
};

/** Walks the preparations of a table in the order of its index file: for each
 *  index line reads the preparation's ingredient-line file (created empty when
 *  missing) and hands it to visit. Progress runs from 0 to the number of index
 *  lines. An index line whose name cannot name a file is handed over with no
 *  lines and an empty path. Throws FileReadError when a file cannot be read. */
void walkPreparations(const std::filesystem::path& base, std::string_view table, ProgressSink& progress,
                      const std::function<void(WalkedPreparation&)>& visit);

/** Replaces the first occurrence of from in field n of the line by to (exact,
 *  case-sensitive); returns whether the line changed. */
bool replaceInField(std::string& line, int n, std::string_view from, std::string_view to);

/** The separator line of the usage lists: 73 characters c. */
std::string separatorLine(char c);

} // namespace treluza

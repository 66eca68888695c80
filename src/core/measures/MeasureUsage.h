#pragma once
#include "core/store/Sinks.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** What the measure is about to undergo; a change is blocked only by lines of
 *  the same ingredient, a delete by any line. */
enum class MeasureOperation { Change, Delete };

/** The usage list of a household measure: for each ingredient line of each
 *  preparation (index order, file order) that holds the padded measure name
 *  (and, for a change, also the ingredient name), three lines: the
 *  preparation, the line's ingredient, and 73 "-". */
std::vector<std::string> scanMeasureUse(const std::filesystem::path& base, std::string_view table,
                                        std::string_view ingredient, std::string_view paddedMeasure,
                                        MeasureOperation operation, ProgressSink& progress);

/** Writes the new measure name into field 11 of every ingredient line of this
 *  ingredient (a line that holds the ingredient name) in every preparation,
 *  replacing the first occurrence of the old padded name (case-sensitive);
 *  lines keep their place and only changed files are written. Returns the
 *  number of lines changed. Throws FileReadError or FileWriteError. */
int carryMeasureRename(const std::filesystem::path& base, std::string_view table, std::string_view ingredient,
                       std::string_view oldPadded, std::string_view newPadded, ProgressSink& progress);

/** The message of the usage warning of a measure that cannot be changed or deleted. */
std::string measureInUseMessage(MeasureOperation operation, std::string_view paddedMeasure);

} // namespace treluza

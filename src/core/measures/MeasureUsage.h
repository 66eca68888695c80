#pragma once
#include "core/store/Sinks.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

class Transaction;

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
 *  lines keep their place and only changed files are staged in the
 *  transaction, where the measure register stages its own measure file before
 *  it commits. Returns the number of lines changed. Throws FileReadError. */
int carryMeasureRename(const std::filesystem::path& base, std::string_view table, std::string_view ingredient,
                       std::string_view oldPadded, std::string_view newPadded, Transaction& changes,
                       ProgressSink& progress);
/** The same in a transaction of its own, committed at once (FileWriteError). */
int carryMeasureRename(const std::filesystem::path& base, std::string_view table, std::string_view ingredient,
                       std::string_view oldPadded, std::string_view newPadded, ProgressSink& progress);

/** The message of the usage warning of a measure that cannot be changed or deleted. */
std::string measureInUseMessage(MeasureOperation operation, std::string_view paddedMeasure);

} // namespace treluza

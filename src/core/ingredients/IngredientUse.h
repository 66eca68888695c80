#pragma once
#include "core/store/Sinks.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** The preparations of a table whose ingredient lines hold the ingredient name
 *  (with its padding) anywhere in a line, in the order of the preparation
 *  index file; a preparation is listed once per such line. Each entry is
 *  field 1 of the preparation's index line. The progress runs from 0 to the
 *  number of index lines. A preparation whose name cannot name a file uses
 *  nothing; an empty ingredient name is used by nothing. Throws FileReadError
 *  when the index or a preparation's file cannot be read, and
 *  UnusableNameError for a table name that cannot name a folder. */
std::vector<std::string> ScanIngredientUse(const std::filesystem::path& base, std::string_view table,
                                           std::string_view ingredient, ProgressSink& progress);

/** The warning shown above the list of preparations that use an ingredient
 *  (the same for a change and a delete), with "//" between its lines. */
std::string ingredientUseMessage(std::string_view ingredient);

/** The lines of a message: the parts between "//", then the separator line. */
std::vector<std::string> messageLines(std::string_view text);

/** The line of 73 "=" that closes a message in the list. */
std::string messageSeparator();

} // namespace treluza

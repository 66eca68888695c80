#pragma once
#include "core/preparations/PreparationTotals.h"
#include "core/store/RecordList.h"
#include "core/store/RegisterData.h"
#include "core/store/Sinks.h"

#include <filesystem>
#include <string_view>

namespace treluza {

/** Stores the ingredient lines of the preparation at position current of the
 *  index: its whole-recipe values (fields 3 to 13) become the sums of the
 *  lines (UpdateTotals, with its limit messages), its per-capita and
 *  per-tablespoon values follow them, and the lines file and the whole index
 *  are written in one transaction, so that on disk the index always agrees
 *  with the lines. Returns the window totals. When the write fails the index
 *  line is put back as it was and the FileWriteError thrown. */
WindowTotals storePreparationLines(const std::filesystem::path& base, std::string_view table,
                                   const RegisterData& lines, RecordList& index, int current,
                                   MessageSink& messages);

/** The household measures of an ingredient: its measure file when there is
 *  one (the path is built without creating the file), otherwise none. */
void loadIngredientMeasures(const std::filesystem::path& base, std::string_view table,
                            std::string_view ingredient, RecordList& measures, KeyList& keys);

} // namespace treluza

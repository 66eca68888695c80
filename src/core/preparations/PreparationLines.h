#pragma once
#include "core/preparations/PreparationTotals.h"
#include "core/store/Journal.h"
#include "core/store/RecordList.h"
#include "core/store/RegisterData.h"
#include "core/store/Sinks.h"

#include <filesystem>
#include <string_view>

namespace treluza {

/** The index line of the preparation at position current of the index once
 *  its lines are stored, and the window totals of those lines. */
struct StagedTotals {
    WindowTotals totals;
    std::string indexLine;
};

/** Stages the index for a store of the ingredient lines of the preparation at
 *  position current: its whole-recipe values (fields 3 to 13) become the sums
 *  of the lines (UpdateTotals, with its limit messages) and its per-capita and
 *  per-tablespoon values follow them. The change that writes the lines writes
 *  the index with them, so that on disk the index always agrees with the
 *  lines. The index list is left as it is: the caller applies the returned
 *  line once the change is recorded. */
StagedTotals stagePreparationTotals(const std::filesystem::path& base, std::string_view table,
                                    const RecordList& lines, const RecordList& index, int current,
                                    MessageSink& messages, Transaction& changes);

/** The household measures of an ingredient: its measure file when there is
 *  one (the path is built without creating the file), otherwise none. */
KeyedRecords loadIngredientMeasures(const std::filesystem::path& base, std::string_view table,
                                    std::string_view ingredient);

} // namespace treluza

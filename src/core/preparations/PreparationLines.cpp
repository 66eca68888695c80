#include "core/preparations/PreparationLines.h"

#include "core/preparations/PreparationFiles.h"
#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"

namespace treluza {

namespace {

void putLine(RecordList& list, int position, const std::string& line)
{
    list.setSorted(false);
    list.replace(position, line);
    list.setSorted(true);
}

} // namespace

StagedTotals stagePreparationTotals(const std::filesystem::path& base, std::string_view table,
                                    const RecordList& lines, const RecordList& index, int current,
                                    MessageSink& messages, Transaction& changes)
{
    StagedTotals result;
    std::string line = index[current];
    result.totals = UpdateTotals(lines, line, messages);
    IndexFields f = readIndex(line);
    ComputePerCapita(f);
    ComputePerTablespoon(f);
    result.indexLine = joinFields(f);
    // The name does not change: the line keeps its place.
    RecordList staged = index;
    putLine(staged, current, result.indexLine);
    stagePreparationIndex(base, table, staged, changes);
    return result;
}

KeyedRecords loadIngredientMeasures(const std::filesystem::path& base, std::string_view table,
                                    std::string_view ingredient)
{
    KeyedRecords measures;
    if (!isUsableNameFor(NameUse::Ingredient, ingredient))
        return measures;
    const auto path = MeasureFilePath(base, table, ingredient);
    std::error_code ec;
    if (std::filesystem::exists(path, ec))
        LoadRecordFile(path, measures);
    return measures;
}

} // namespace treluza

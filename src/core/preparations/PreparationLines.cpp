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

WindowTotals storePreparationLines(const std::filesystem::path& base, std::string_view table,
                                   const RegisterData& lines, RecordList& index, int current,
                                   MessageSink& messages)
{
    const std::string before = index[current];
    try {
        const WindowTotals totals = UpdateTotals(lines.records(), index, current, messages);
        IndexFields f = readIndex(index[current]);
        ComputePerCapita(f);
        ComputePerTablespoon(f);
        // The name does not change: the line keeps its place.
        putLine(index, current, joinFields(f));
        Transaction changes = Transaction::forTable(base, table);
        changes.write(lines.path(), joinLines(lines.records().lines()));
        stagePreparationIndex(base, table, index, changes);
        changes.commit();
        return totals;
    } catch (const ChangePendingError&) {
        throw; // recorded: the index line stays as the files will hold it
    } catch (const StoreError&) {
        putLine(index, current, before);
        throw;
    }
}

void loadIngredientMeasures(const std::filesystem::path& base, std::string_view table,
                            std::string_view ingredient, RecordList& measures, KeyList& keys)
{
    measures.clear();
    keys.clear();
    if (!isUsableNameFor(NameUse::Ingredient, ingredient))
        return;
    const auto path = MeasureFilePath(base, table, ingredient);
    std::error_code ec;
    if (std::filesystem::exists(path, ec))
        LoadRecordFile(path, measures, keys);
}

} // namespace treluza

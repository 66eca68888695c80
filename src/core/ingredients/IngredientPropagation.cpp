#include "core/ingredients/IngredientPropagation.h"

#include "core/preparations/PreparationTotals.h"
#include "core/records/FieldTexts.h"
#include "core/records/PreparationRecords.h"
#include "core/store/Collation.h"
#include "core/store/DecimalField.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"

#include <exception>
#include <functional>
#include <optional>

namespace treluza {

namespace fs = std::filesystem;

namespace {

// Given a preparation's index line (which it may change) and the text of its
// ingredient-line file, returns the new text of that file, or nothing when the
// preparation is not concerned.
using Visitor = std::function<std::optional<std::string>(std::string& indexLine, const std::string& text)>;

int walkPreparations(const fs::path& base, std::string_view table, ProgressSink& progress,
                     const Visitor& visit)
{
    const fs::path indexPath = PreparationIndexPath(base, table);
    std::vector<std::string> index = loadLines(indexPath);
    bool indexChanged = false;
    int changed = 0;
    std::exception_ptr failure;
    {
        ProgressScope scope(progress, static_cast<int>(index.size()));
        for (std::size_t i = 0; i < index.size(); ++i) {
            scope.position(static_cast<int>(i));
            try {
                fs::path path;
                try {
                    path = PreparationFilePath(base, table, keyOf(index[i]));
                } catch (const UnusableNameError&) {
                    continue; // a damaged index line names no file
                }
                const std::string text = readWholeFile(path);
                std::string indexLine = index[i];
                const std::optional<std::string> newText = visit(indexLine, text);
                if (!newText)
                    continue;
                const bool fileChanged = *newText != text;
                if (fileChanged)
                    writeFileAtomic(path, *newText);
                // Only now, with the lines on disk, does the index take the new totals.
                if (indexLine != index[i]) {
                    index[i] = std::move(indexLine);
                    indexChanged = true;
                } else if (!fileChanged) {
                    continue;
                }
                ++changed;
            } catch (...) {
                failure = std::current_exception();
                break;
            }
        }
    }
    if (indexChanged)
        SaveLines(indexPath, index);
    if (failure)
        std::rethrow_exception(failure);
    return changed;
}

// The ingredient lines of a file as its record list: sorted, unsorted switch
// off afterwards so lines can be replaced in place (their keys do not change).
RecordList sortedLines(const std::string& text)
{
    RecordList lines;
    lines.assign(splitLines(text));
    lines.setSorted(true);
    lines.setSorted(false);
    return lines;
}

int findIngredient(const RecordList& lines, std::string_view name)
{
    for (int i = 0; i < lines.count(); ++i) {
        if (compareText(keyOf(lines[i]), name) == 0)
            return i;
    }
    return -1;
}

void setLineField(RecordList& lines, int position, int n, std::string_view value)
{
    std::string line = lines[position];
    SetFieldOf(n, line, value);
    lines.replace(position, std::move(line));
}

// The numbers a whole-recipe value is shared out by.
struct Shares {
    Exact yield;
    Exact portionYield;
    Exact tablespoon;

    explicit Shares(std::string_view indexLine)
        : yield(readNumber(fieldAt(indexLine, IdxField::Yield))),
          portionYield(readNumber(fieldAt(indexLine, IdxField::PortionYield))),
          tablespoon(readNumber(fieldAt(indexLine, IdxField::Tablespoon)))
    {
    }
};

// Index field total (3 to 13) := the capped sum of line field n, followed by its
// per-capita and per-tablespoon fields when their divisor and part are above 0.
void carryTotal(std::string& indexLine, const RecordList& lines, int n, int total, const Shares& s)
{
    const std::string written = fieldText(CappedFieldSum(lines, n), kAmountMask);
    SetFieldOf(total, indexLine, written);
    if (!s.yield.positive())
        return;
    const Exact perGram = readNumber(written) / s.yield;
    if (s.portionYield.positive())
        SetFieldOf(total + (IdxField::PerCapitaEnergy - IdxField::Energy), indexLine,
                   fieldText(perGram * s.portionYield, kAmountMask));
    if (s.tablespoon.positive())
        SetFieldOf(total + (IdxField::SpoonEnergy - IdxField::Energy), indexLine,
                   fieldText(perGram * s.tablespoon, kAmountMask));
}

const Exact kPer100 = Exact::whole(100);
const Exact kPer1000 = Exact::whole(1000);

} // namespace

int PropagateChange(const fs::path& base, std::string_view table, const IngredientChange& change,
                    ProgressSink& progress)
{
    return walkPreparations(
        base, table, progress,
        [&](std::string& indexLine, const std::string& text) -> std::optional<std::string> {
            RecordList lines = sortedLines(text);
            const int at = findIngredient(lines, change.name);
            if (at < 0)
                return std::nullopt;
            const Shares shares(indexLine);
            const Exact net = readNumber(fieldAt(lines[at], LineField::Net));
            const Exact gross = readNumber(fieldAt(lines[at], LineField::Gross));
            for (int k = 0; k < 10; ++k) {
                const TrackedValue& value = change.nutrients[static_cast<std::size_t>(k)];
                if (!value.changed())
                    continue;
                const int field = LineField::Energy + k;
                setLineField(lines, at, field,
                             fieldText(readNumber(value.current) * net / kPer100, kAmountMask));
                carryTotal(indexLine, lines, field, IdxField::Energy + k, shares);
            }
            if (change.date.changed())
                setLineField(lines, at, LineField::QuoteDate, change.date.current);
            if (change.unitCost.changed()) {
                setLineField(lines, at, LineField::UnitCost, change.unitCost.current);
                setLineField(lines, at, LineField::Cost,
                             fieldText(readNumber(change.unitCost.current) * gross / kPer1000, kAmountMask));
                carryTotal(indexLine, lines, LineField::Cost, IdxField::Cost, shares);
            }
            return joinLines(lines.lines());
        });
}

int PropagateDelete(const fs::path& base, std::string_view table, std::string_view name,
                    ProgressSink& progress)
{
    return walkPreparations(
        base, table, progress,
        [&](std::string& indexLine, const std::string& text) -> std::optional<std::string> {
            RecordList lines = sortedLines(text);
            const int at = findIngredient(lines, name);
            if (at < 0)
                return std::nullopt;
            lines.remove(at);
            const Shares shares(indexLine);
            for (int n = LineField::Energy; n <= LineField::Sodium; ++n)
                carryTotal(indexLine, lines, n, n - (LineField::Energy - IdxField::Energy), shares);
            carryTotal(indexLine, lines, LineField::Cost, IdxField::Cost, shares);
            return joinLines(lines.lines());
        });
}

int propagateRename(const fs::path& base, std::string_view table, std::string_view oldName,
                    std::string_view newName, ProgressSink& progress)
{
    if (oldName.empty() || oldName == newName) {
        // Nothing can change; the walk still shows its progress.
        ProgressScope scope(progress, 0);
        return 0;
    }
    return walkPreparations(base, table, progress,
                            [&](std::string&, const std::string& text) -> std::optional<std::string> {
                                std::vector<std::string> lines = splitLines(text);
                                bool found = false;
                                for (auto& line : lines) {
                                    std::string name = keyOf(line);
                                    if (line.find('|') == std::string::npos)
                                        name = line;
                                    const std::size_t at = name.find(oldName);
                                    if (at == std::string::npos)
                                        continue;
                                    name.replace(at, oldName.size(), newName);
                                    SetFieldOf(1, line, name);
                                    found = true;
                                }
                                if (!found)
                                    return std::nullopt;
                                return joinLines(lines);
                            });
}

} // namespace treluza

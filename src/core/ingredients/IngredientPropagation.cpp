#include "core/ingredients/IngredientPropagation.h"

#include "core/preparations/PreparationTotals.h"
#include "core/preparations/PreparationWalk.h"
#include "core/records/FieldTexts.h"
#include "core/records/PreparationRecords.h"
#include "core/store/Collation.h"
#include "core/store/DecimalField.h"
#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"

namespace treluza {

namespace fs = std::filesystem;

namespace {

// The ingredient lines of a file as its record list: sorted, unsorted switch
// off afterwards so lines can be replaced in place (their keys do not change).
RecordList sortedLines(const std::vector<std::string>& fileLines)
{
    RecordList lines;
    lines.assign(fileLines);
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
        : yield(readNumber(FieldOf(IdxField::Yield, indexLine))),
          portionYield(readNumber(FieldOf(IdxField::PortionYield, indexLine))),
          tablespoon(readNumber(FieldOf(IdxField::Tablespoon, indexLine)))
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
                    Transaction& changes, ProgressSink& progress)
{
    return rewritePreparations(base, table, changes, progress, [&](WalkedPreparation& prep) {
        RecordList lines = sortedLines(prep.lines);
        const int at = findIngredient(lines, change.name);
        if (at < 0)
            return;
        std::string& indexLine = prep.indexLine;
        const Shares shares(indexLine);
        const Exact net = readNumber(FieldOf(LineField::Net, lines[at]));
        const Exact gross = readNumber(FieldOf(LineField::Gross, lines[at]));
        for (int k = 0; k < 10; ++k) {
            const TrackedValue& value = change.nutrients[static_cast<std::size_t>(k)];
            if (!value.changed())
                continue;
            const int field = LineField::Energy + k;
            setLineField(lines, at, field, fieldText(readNumber(value.current) * net / kPer100, kAmountMask));
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
        prep.lines = lines.lines();
    });
}

int PropagateChange(const fs::path& base, std::string_view table, const IngredientChange& change,
                    ProgressSink& progress)
{
    return inTableTransaction(base, table, [&](Transaction& changes) {
        return PropagateChange(base, table, change, changes, progress);
    });
}

int PropagateDelete(const fs::path& base, std::string_view table, std::string_view name, Transaction& changes,
                    ProgressSink& progress)
{
    return rewritePreparations(base, table, changes, progress, [&](WalkedPreparation& prep) {
        RecordList lines = sortedLines(prep.lines);
        const int at = findIngredient(lines, name);
        if (at < 0)
            return;
        lines.remove(at);
        const Shares shares(prep.indexLine);
        for (int n = LineField::Energy; n <= LineField::Sodium; ++n)
            carryTotal(prep.indexLine, lines, n, n - (LineField::Energy - IdxField::Energy), shares);
        carryTotal(prep.indexLine, lines, LineField::Cost, IdxField::Cost, shares);
        prep.lines = lines.lines();
    });
}

int PropagateDelete(const fs::path& base, std::string_view table, std::string_view name,
                    ProgressSink& progress)
{
    return inTableTransaction(base, table, [&](Transaction& changes) {
        return PropagateDelete(base, table, name, changes, progress);
    });
}

int carryIngredientRename(const fs::path& base, std::string_view table, std::string_view oldName,
                          std::string_view newName, Transaction& changes, ProgressSink& progress)
{
    if (oldName.empty() || oldName == newName) {
        // Nothing can change; the walk still shows its progress.
        ProgressScope scope(progress, 0);
        return 0;
    }
    return rewritePreparations(base, table, changes, progress, [&](WalkedPreparation& prep) {
        for (auto& line : prep.lines) {
            std::string name(FieldOf(LineField::Name, line));
            const std::size_t at = name.find(oldName);
            if (at == std::string::npos)
                continue;
            name.replace(at, oldName.size(), newName);
            SetFieldOf(LineField::Name, line, name);
        }
    });
}

int carryIngredientRename(const fs::path& base, std::string_view table, std::string_view oldName,
                          std::string_view newName, ProgressSink& progress)
{
    return inTableTransaction(base, table, [&](Transaction& changes) {
        return carryIngredientRename(base, table, oldName, newName, changes, progress);
    });
}

} // namespace treluza

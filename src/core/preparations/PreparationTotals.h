#pragma once
#include "core/records/PreparationRecords.h"
#include "core/store/DecimalField.h"
#include "core/store/RecordList.h"
#include "core/store/Sinks.h"

#include <string>
#include <string_view>

namespace treluza {

// The arithmetic of a whole preparation: sums over its ingredient lines into
// the index line, and the per-capita and per-tablespoon values the register
// derives from them. Sums are exact (the field texts have at most two
// decimals), so a sum that is exactly 999999,99 is not over the limit.

/** Sum of ingredient-line field n over all lines, in list order. A sum above
 *  999999,99 is reported (two messages naming the field) and replaced by it. */
Exact SumField(const RecordList& lines, int n, MessageSink& messages);

/** Sum of field n over all lines; a sum above 999999,99 becomes 999999,99,
 *  without a message. */
Exact CappedFieldSum(const RecordList& lines, int n);

/** The totals the ingredient window keeps: gross and net weight of all lines. */
struct WindowTotals {
    Exact gross;
    Exact net;
};

/** Recomputes the window totals and the whole-recipe values of the
 *  preparation in its index line: fields 3 to 12 from line fields 13 to 22 and
 *  field 13 from line field 9. Sums run in the order gross, net, energy to
 *  sodium, cost, so their limit messages come in that order. */
WindowTotals UpdateTotals(const RecordList& lines, std::string& indexLine, MessageSink& messages);

/** The text under the list of ingredient lines: "Som", the net-weight total
 *  with 1 decimal in 8 characters and index fields 3 to 12 as stored, each
 *  followed by "|". */
std::string TotalsRow(const WindowTotals& totals, std::string_view indexLine);

/** The header above the list of ingredient lines: "Ingrediente" cut to 3
 *  characters, " PL(g)" centred in 8, the ten nutrient titles centred in 9,
 *  each followed by "|". */
std::string HeaderRow();

/** The row of an ingredient line in that list: the first 3 characters of its
 *  ingredient, its net weight and its ten nutrients, each followed by "|". */
std::string ListRow(std::string_view line);

/** Per-capita yield := yield / number of portions, rounded to a whole number;
 *  empty when the number of portions is blank or not greater than 0 or the
 *  yield is blank. */
void ComputePortionYield(IndexFields& f);

/** Fields 16 to 26 := fields 3 to 13 x per-capita yield / yield (empty where the
 *  whole-recipe value is blank), when the yield is present and greater than 0
 *  and the per-capita yield is present; otherwise nothing changes. */
void ComputePerCapita(IndexFields& f);

/** Fields 28 to 38 := fields 3 to 13 x tablespoon weight / yield, under the
 *  guards of ComputePerCapita with the tablespoon weight for the per-capita
 *  yield. */
void ComputePerTablespoon(IndexFields& f);

// What the preparation register does when one of its entered numbers is left.
// Each normalises the text of the field left first.

/** Leaving the yield: present, the three computations; blank, the number of
 *  portions, the tablespoon weight and every derived field are emptied. */
void leaveYield(IndexFields& f);

/** Leaving the number of portions. Present and greater than 0: per-capita yield
 *  and per-capita values. Present and not greater than 0: the message
 *  "Número de porções deve ser maior que zero!", nothing computed, and false is
 *  returned (the focus goes back). Blank: per-capita yield and values emptied. */
bool leavePortions(IndexFields& f, MessageSink& messages);

/** Leaving the tablespoon weight: present, the per-tablespoon values; blank,
 *  they are emptied. */
void leaveTablespoon(IndexFields& f);

} // namespace treluza

#pragma once
#include "core/records/IngredientRecord.h"
#include "core/records/PreparationRecords.h"
#include "core/store/DecimalField.h"
#include "core/store/Sinks.h"

#include <string>
#include <string_view>

namespace treluza {

// The arithmetic of one ingredient line. The functions work on the texts the
// preparation ingredient window shows, read them as numbers, and write only
// their destination. A field is blank when it holds no digit (its blank
// template); a guard asking for a value greater than 0 reads the number, so a
// blank field counts as 0 there. Every result is written rounded to its field's
// decimals and, when it would be wider than the field, as the field's largest
// value.

/** The texts of the preparation ingredient window: line fields 1 to 22 and the
 *  display-only weight of one household measure. */
struct LineEdits {
    LineFields line;
    std::string measureWeight; // "Uma Med.Cas. tem (g/ml)", mask "999999,9"
};

/** The fields of a new line of the ingredient: its name, and FC, FCC, unit cost
 *  and quotation date as the ingredient stores them; every other field empty. */
LineEdits newLineEdits(const IngredientFields& ingredient);

/** The largest value of a line nutrient and of a sum over lines: 999999,99. */
Exact lineLimit();

/** net := gross / FC, then quantity from net, when the net weight is blank, the
 *  gross weight present and FC greater than 0. */
void netFromGross(LineEdits& e);
/** net := quantity x weight of one measure, when both are present. */
void netFromMeasure(LineEdits& e);
/** gross := net x FC, when the gross weight is blank and the net weight and FC
 *  are present. */
void grossFromNet(LineEdits& e);
/** FC := gross / net when the net weight is greater than 0 and the gross weight
 *  is present; otherwise the ingredient's own FC as stored. */
void computeFC(LineEdits& e, const IngredientFields& ingredient);
/** cooked := raw x FCC, when the cooked weight is blank and the raw weight and
 *  FCC are present. */
void cookedFromRaw(LineEdits& e);
/** raw := cooked / FCC, when the raw weight is blank, the cooked weight present
 *  and FCC greater than 0. */
void rawFromCooked(LineEdits& e);
/** FCC := cooked / raw when the cooked weight is present and the raw weight is
 *  greater than 0; otherwise the ingredient's own FCC as stored. */
void computeFCC(LineEdits& e, const IngredientFields& ingredient);
/** quantity := net / weight of one measure when the net weight and a weight of
 *  one measure greater than 0 are there; otherwise the quantity is emptied (a
 *  measure of weight 0 gives no quantity rather than an infinite one). */
void quantityFromNet(LineEdits& e);
/** cost := gross x unit cost / 1000 when both are present; otherwise blank. */
void computeLineCost(LineEdits& e);

/** The nutrient of ingredient field a (2 to 11) contained in the net weight,
 *  into line field a + 11. A blank ingredient value gives a blank line value.
 *  A value above 999999,99 is reported (two messages) and replaced by it. */
void LineNutrient(LineEdits& e, const IngredientFields& ingredient, int a, MessageSink& messages);
/** LineNutrient for fields 2 to 11, in that order. */
void lineNutrients(LineEdits& e, const IngredientFields& ingredient, MessageSink& messages);

// The recalculation chains, run when a field of the ingredient window is left:
// each normalises the text of the field left, then runs its steps in order.

/** Leaving the gross weight. */
void leaveGross(LineEdits& e, const IngredientFields& ingredient, MessageSink& messages);
/** Leaving the net weight. */
void leaveNet(LineEdits& e, const IngredientFields& ingredient, MessageSink& messages);
/** Leaving the quantity of household measures. Returns true when the quantity is
 *  blank: the window then asks whether to keep the measure's name. */
bool leaveQuantity(LineEdits& e, const IngredientFields& ingredient);
/** Leaving the cooked weight. */
void leaveCooked(LineEdits& e, const IngredientFields& ingredient);
/** Leaving the raw weight. */
void leaveRaw(LineEdits& e, const IngredientFields& ingredient);

/** One message for each of the ingredient's ten values per 100 g that is blank,
 *  energy to sodium. */
void WarnMissingValues(const IngredientFields& ingredient, MessageSink& messages);

} // namespace treluza

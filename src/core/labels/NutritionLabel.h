#pragma once
// The numbers of a preparation's nutrition label, by the Brazilian labelling
// rules (RDC nº 429/2020 and IN nº 75/2020): the table's rows per 100 g (or
// 100 ml) and per portion with their daily values, and the nutrients of the
// front "ALTO EM" mark.
//
// How to use it: labelProblem() first (a message naming what is missing, or
// nothing); then makeLabel() with the same index line and label fields. Every
// value is worked in exact decimals from the preparation's whole-recipe values.
#include "core/labels/LabelRecord.h"
#include "core/store/DecimalField.h"

#include <optional>
#include <string>
#include <vector>

namespace treluza {

/** The unit of a declared amount: it decides the decimals below 1. */
enum class Mass { Gram, Milligram };

/** An amount as the table declares it: the rounded value and its text. */
struct Declared {
    Exact value;
    std::string text; // Windows-1252, decimal comma

    friend bool operator==(const Declared&, const Declared&) = default;
};

/** The rounding of IN nº 75/2020, Anexo III, halves up; the range is chosen by
 *  the unrounded amount: 10 or more whole; from 1 to below 10 one decimal,
 *  whole when it is 0; below 1 one decimal for grams, and for milligrams two
 *  (one when the second is 0). A negative amount counts as 0. */
Declared declareAmount(const Exact& amount, Mass mass);

/** A whole number, halves up (energy, daily values). */
Declared declareWhole(const Exact& amount);

/** The percentage of the daily value: the declared portion value over its
 *  reference, whole, halves up. */
Declared dailyValue(const Exact& declaredPortion, const Exact& reference);

/** One row of the table. */
struct LabelRow {
    std::string name; // "Carboidratos (g)"
    int indent = 0;   // 0, 1 or 2 steps
    std::string per100;
    std::string perPortion;
    std::string dailyValue; // empty for total sugars
};

/** The nutrients the front mark can name, in its order. */
enum class MarkNutrient { AddedSugars, SaturatedFat, Sodium };

struct NutritionLabel {
    std::string perPackage; // "Porções por embalagem: 4", or empty to leave the line out
    std::string portion;    // "Porção: 250 g (1 prato)"
    std::string per100Head; // "100 g" or "100 ml"
    std::string portionHead;
    std::vector<LabelRow> rows;
    /** The nutrients the front mark names; empty: no mark. */
    std::vector<MarkNutrient> mark;
    /** Why a chosen line is left out (for the window, not printed). */
    std::vector<std::string> notes;
};

/** What stops the label from being made, as the message that says so:
 *  a yield that is blank or not above zero, the inputs still blank (named in
 *  the window's order), added sugars above total sugars. Nothing when the
 *  label can be made. */
std::optional<std::string> labelProblem(const IndexFields& index, const LabelFields& label);

/** The label; labelProblem() must have found nothing (else std::logic_error). */
NutritionLabel makeLabel(const IndexFields& index, const LabelFields& label);

/** The front mark's words: "AÇÚCAR ADICIONADO", "GORDURA SATURADA", "SÓDIO". */
std::string markText(MarkNutrient nutrient);

} // namespace treluza

#pragma once
// The drawing of a nutrition label on a ReportSurface: the table (IN nº
// 75/2020, Anexos XI and XII: black on white, one sans face, rows of equal
// height with rules between them) and, beside it, the front "ALTO EM" mark
// with its magnifying glass, both as vectors.
//
// How to use it: labelSize() for the size of a picture or the room on a page,
// then DrawLabel() at the same resolution; the screen, the printer, the PDF
// file and the picture all draw through it.
#include "core/labels/NutritionLabel.h"
#include "core/reports/ReportGeometry.h"
#include "core/reports/ReportSurface.h"

#include <string_view>

namespace treluza {

/** The face of every text of the label (Liberation Sans stands for it). */
inline constexpr std::string_view kLabelFace = "Arial";

struct LabelSize {
    int width = 0;
    int height = 0;
};

/** The whole drawing at a resolution: the table, and the mark beside it. */
LabelSize labelSize(const NutritionLabel& label, Fraction dotsPerInch);
/** The table alone. */
LabelSize tableSize(const NutritionLabel& label, Fraction dotsPerInch);

/** Draws the label with its top-left corner at (x, y). */
void DrawLabel(ReportSurface& surface, const NutritionLabel& label, Fraction dotsPerInch, int x = 0,
               int y = 0);

} // namespace treluza

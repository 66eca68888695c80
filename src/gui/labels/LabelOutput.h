#pragma once
// A nutrition label on the platform's devices: the picture (PNG), a PDF file
// and the printer, each drawn through PainterSurface as the reports are.
#include "core/labels/NutritionLabel.h"

#include <QImage>
#include <QString>

#include <string>

class QPrinter;

namespace treluza {

/** The resolution of the label's picture. */
inline constexpr int kLabelPictureDpi = 300;

/** The label on white with a small margin, at 300 dots per inch. */
QImage renderLabelPicture(const NutritionLabel& label);

/** The picture as PNG bytes, its physical resolution recorded. */
std::string pngBytes(const QImage& picture);

/** The bytes of a PDF file: the label at the top of an A4 page, vector text
 *  with its fonts embedded. */
std::string renderLabelPdf(const NutritionLabel& label, const QString& title);

/** Prints the label on a chosen printer; false when it cannot be opened. */
bool printLabel(QPrinter& printer, const NutritionLabel& label);

} // namespace treluza

#include "gui/labels/LabelOutput.h"

#include "core/labels/LabelDrawing.h"
#include "gui/reports/ReportPainter.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageLayout>
#include <QPainter>

namespace treluza {

namespace {

// The page is drawn at this resolution on the printer and in the PDF file.
constexpr int kPageDpi = 1200;
// Dots per metre of 300 dots per inch.
constexpr int kPicturePixelsPerMetre = 11811;
// The picture's white margin, in dots.
constexpr int kPictureMargin = 30;

const PaperPage kLabelPage{QPageLayout::Portrait, QMarginsF(10, 10, 10, 10), kPageDpi};

} // namespace

QImage renderLabelPicture(const NutritionLabel& label)
{
    const LabelSize size = labelSize(label, {kLabelPictureDpi, 1});
    QImage picture(size.width + 2 * kPictureMargin, size.height + 2 * kPictureMargin, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    picture.setDotsPerMeterX(kPicturePixelsPerMetre);
    picture.setDotsPerMeterY(kPicturePixelsPerMetre);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    PainterSurface surface(
        painter, [] {}, false);
    DrawLabel(surface, label, {kLabelPictureDpi, 1}, kPictureMargin, kPictureMargin);
    painter.end();
    return picture;
}

std::string pngBytes(const QImage& picture)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    if (!writer.write(picture))
        return {};
    return buffer.data().toStdString();
}

std::string renderLabelPdf(const NutritionLabel& label, const QString& title)
{
    return pdfOfDrawing(kLabelPage, title, [&](ReportSurface& surface) {
        DrawLabel(surface, label, {kPageDpi, 1});
    });
}

bool printLabel(QPrinter& printer, const NutritionLabel& label)
{
    return printDrawing(printer, kLabelPage, [&](ReportSurface& surface) {
        DrawLabel(surface, label, {kPageDpi, 1});
    });
}

} // namespace treluza

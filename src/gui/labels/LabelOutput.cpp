#include "gui/labels/LabelOutput.h"

#include "core/labels/LabelDrawing.h"
#include "gui/reports/ReportPainter.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

namespace treluza {

namespace {

// The page is drawn at this resolution on the printer and in the PDF file.
constexpr int kPageDpi = 1200;
// Dots per metre of 300 dots per inch.
constexpr int kPicturePixelsPerMetre = 11811;
// The picture's white margin, in dots.
constexpr int kPictureMargin = 30;

const QMarginsF kPageMargins(10, 10, 10, 10);

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
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPageDpi);
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kPageMargins,
                                         QPageLayout::Millimeter));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("TRELUZA 4.0"));
        QPainter painter(&writer);
        PainterSurface surface(
            painter, [&] { writer.newPage(); }, false);
        DrawLabel(surface, label, {kPageDpi, 1});
        painter.end();
    }
    return buffer.data().toStdString();
}

bool printLabel(QPrinter& printer, const NutritionLabel& label)
{
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(kPageMargins, QPageLayout::Millimeter);
    printer.setResolution(kPageDpi);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // A driver that keeps its own resolution still gets the label at its size.
    const double scale = static_cast<double>(printer.resolution()) / kPageDpi;
    if (printer.resolution() != kPageDpi)
        painter.scale(scale, scale);
    PainterSurface surface(
        painter, [&] { printer.newPage(); }, false);
    DrawLabel(surface, label, {kPageDpi, 1});
    return painter.end();
}

} // namespace treluza

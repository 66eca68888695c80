#include "gui/reports/ReportPainter.h"

#include "core/reports/MonoBitmap.h"
#include "gui/widgets/QtText.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPolygon>
#include <QPrinter>

#include <vector>

namespace treluza {

namespace {

// 93,98 dots per inch are 3700 dots per metre.
constexpr int kPicturePixelsPerMetre = 3700;

// Every layout fits A4 inside margins of 4 mm.
const QMarginsF kPageMargins(4, 4, 4, 4);

QPageLayout::Orientation orientationOf(ReportLayout layout)
{
    return isLandscape(layout) ? QPageLayout::Landscape : QPageLayout::Portrait;
}

} // namespace

PainterSurface::PainterSurface(QPainter& painter, std::function<void()> newPage, bool aliased)
    : m_painter(painter), m_newPage(std::move(newPage)), m_aliased(aliased)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(QPen(Qt::black, 1));
}

void PainterSurface::setFont(std::string_view face, int height)
{
    applyFont(face, height, false);
}

void PainterSurface::setBoldFont(std::string_view face, int height)
{
    applyFont(face, height, true);
}

void PainterSurface::applyFont(std::string_view face, int height, bool bold)
{
    auto it = m_cellPerEm.find({std::string(face), bold});
    if (it == m_cellPerEm.end()) {
        // The cell (ascent plus descent) of the face per unit of its em.
        QFont probe(qs(face));
        if (bold)
            probe.setBold(true);
        probe.setPixelSize(1000);
        const QFontMetricsF m(probe);
        it = m_cellPerEm.emplace(std::pair{std::string(face), bold}, (m.ascent() + m.descent()) / 1000.0)
                 .first;
    }
    QFont font(qs(face));
    font.setStyleHint(QFont::SansSerif);
    if (bold)
        font.setBold(true);
    if (m_aliased)
        font.setStyleStrategy(QFont::NoAntialias);
    const double em = height > 0 ? height / it->second : 1.0;
    font.setPointSizeF(em * 72.0 / m_painter.device()->logicalDpiY());
    m_painter.setFont(font);
    m_font = m_painter.font();
    m_ascent = QFontMetricsF(m_font, m_painter.device()).ascent();
}

void PainterSurface::setInk(Ink ink)
{
    m_ink = ink;
    m_painter.setPen(QPen(ink == Ink::White ? Qt::white : Qt::black, 1));
}

void PainterSurface::fillShape(const std::function<void()>& draw)
{
    m_painter.save();
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(m_ink == Ink::White ? Qt::white : Qt::black);
    m_painter.setRenderHint(QPainter::Antialiasing, !m_aliased);
    draw();
    m_painter.restore();
}

void PainterSurface::fillRect(int x, int y, int width, int height)
{
    m_painter.fillRect(QRect(x, y, width, height), m_ink == Ink::White ? Qt::white : Qt::black);
}

void PainterSurface::fillEllipse(int x, int y, int width, int height)
{
    fillShape([&] { m_painter.drawEllipse(QRect(x, y, width, height)); });
}

void PainterSurface::fillPolygon(std::span<const SurfacePoint> points)
{
    QPolygon polygon;
    for (const SurfacePoint& p : points)
        polygon << QPoint(p.x, p.y);
    fillShape([&] { m_painter.drawPolygon(polygon); });
}

void PainterSurface::moveTo(int x, int y)
{
    m_x = x;
    m_y = y;
}

void PainterSurface::lineTo(int x, int y)
{
    m_painter.drawLine(m_x, m_y, x, y);
    m_x = x;
    m_y = y;
}

void PainterSurface::textOut(int x, int y, std::string_view text)
{
    m_painter.drawText(QPointF(x, y + m_ascent), qs(text));
}

int PainterSurface::textWidth(std::string_view text)
{
    return qRound(QFontMetricsF(m_font, m_painter.device()).horizontalAdvance(qs(text)));
}

void PainterSurface::newPage()
{
    m_newPage();
}

QImage renderPicture(ReportLayout layout, const ReportInput& input)
{
    const PixelSize page = picturePageSize(layout, input);
    const int pages = reportPageCount(layout, input);
    QImage picture(page.width, page.height * pages, QImage::Format_RGB32);
    picture.setDotsPerMeterX(kPicturePixelsPerMetre);
    picture.setDotsPerMeterY(kPicturePixelsPerMetre);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const QRect pageRect(0, 0, page.width, page.height);
    painter.setClipRect(pageRect);
    PainterSurface surface(
        painter,
        [&] {
            painter.translate(0, page.height);
            painter.setClipRect(pageRect);
        },
        true);
    DrawReport(layout, surface, input, kPictureDotsPerInch);
    painter.end();
    return picture;
}

std::string monochromeBmp(const QImage& picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<std::uint8_t> black(static_cast<std::size_t>(rgb.width()) *
                                    static_cast<std::size_t>(rgb.height()));
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        std::uint8_t* out =
            black.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(rgb.width());
        for (int x = 0; x < rgb.width(); ++x)
            out[x] = qGray(line[x]) < 128 ? 1 : 0;
    }
    return EncodeMonochromeBmp(rgb.width(), rgb.height(), black, kPicturePixelsPerMetre);
}

bool printDrawing(QPrinter& printer, const PaperPage& page, const std::function<void(ReportSurface&)>& draw)
{
    printer.setPageOrientation(page.orientation);
    // A printer that keeps larger margins of its own keeps them.
    printer.setPageMargins(page.margins, QPageLayout::Millimeter);
    printer.setResolution(page.dotsPerInch);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // A driver that keeps its own resolution still gets the page drawn at the
    // page's one.
    const double scale = static_cast<double>(printer.resolution()) / page.dotsPerInch;
    if (printer.resolution() != page.dotsPerInch)
        painter.scale(scale, scale);
    PainterSurface surface(
        painter, [&] { printer.newPage(); }, false);
    draw(surface);
    return painter.end();
}

std::string pdfOfDrawing(const PaperPage& page, const QString& title,
                         const std::function<void(ReportSurface&)>& draw)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(page.dotsPerInch);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), page.orientation, page.margins, QPageLayout::Millimeter));
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("TRELUZA 4.0"));
        QPainter painter(&writer);
        PainterSurface surface(
            painter, [&] { writer.newPage(); }, false);
        draw(surface);
        painter.end();
    }
    return buffer.data().toStdString();
}

bool printReport(QPrinter& printer, ReportLayout layout, const ReportInput& input, int dotsPerInch)
{
    return printDrawing(printer, {orientationOf(layout), kPageMargins, dotsPerInch},
                        [&](ReportSurface& surface) {
                            DrawReport(layout, surface, input, {dotsPerInch, 1});
                        });
}

std::string renderPdf(ReportLayout layout, const ReportInput& input, int dotsPerInch, const QString& title)
{
    return pdfOfDrawing({orientationOf(layout), kPageMargins, dotsPerInch}, title,
                        [&](ReportSurface& surface) {
                            DrawReport(layout, surface, input, {dotsPerInch, 1});
                        });
}

} // namespace treluza

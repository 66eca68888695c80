#pragma once
// Drawing a report on the platform's devices: the printer, the picture of the
// viewer (saved as a one-bit BMP) and a PDF file.
//
// How to use it: renderPicture() for the viewer, monochromeBmp() for its file,
// printReport() on a printer chosen in the print dialog, renderPdf() for the
// bytes of a PDF file. Each draws the chosen layout through PainterSurface.
#include "core/reports/ReportLayouts.h"

#include <QFont>
#include <QImage>
#include <QMarginsF>
#include <QPageLayout>
#include <QString>

#include <functional>
#include <map>
#include <string>
#include <utility>

class QPainter;
class QPrinter;

namespace treluza {

/** A report surface on a QPainter; newPage is what the device does between
 *  pages. Fonts are sized by their cell height (ascent plus descent). */
class PainterSurface final : public ReportSurface {
public:
    PainterSurface(QPainter& painter, std::function<void()> newPage, bool aliased);

    void setFont(std::string_view face, int height) override;
    void setBoldFont(std::string_view face, int height) override;
    void setInk(Ink ink) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void textOut(int x, int y, std::string_view text) override;
    int textWidth(std::string_view text) override;
    void fillRect(int x, int y, int width, int height) override;
    void fillEllipse(int x, int y, int width, int height) override;
    void fillPolygon(std::span<const SurfacePoint> points) override;
    void newPage() override;

private:
    void applyFont(std::string_view face, int height, bool bold);
    /** Fills a shape in the ink, without an outline; curves are smoothed
     *  unless the surface is aliased. */
    void fillShape(const std::function<void()>& draw);

    QPainter& m_painter;
    std::function<void()> m_newPage;
    bool m_aliased;
    QFont m_font;
    double m_ascent = 0;
    int m_x = 0;
    int m_y = 0;
    Ink m_ink = Ink::Black;
    std::map<std::pair<std::string, bool>, double> m_cellPerEm;
};

/** The picture of a report: white, black drawing at 93,98 dots per inch, its
 *  pages one under the other. */
QImage renderPicture(ReportLayout layout, const ReportInput& input);

/** The picture as a BMP file of one bit per pixel (dark pixels black). */
std::string monochromeBmp(const QImage& picture);

/** A sheet of A4 paper as a drawing is printed on it or saved in a PDF file:
 *  orientation, margins in millimetres and the resolution it is drawn at. */
struct PaperPage {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins;
    int dotsPerInch = 0;
};

/** Prints a drawing on a printer that is set up and chosen; a driver that
 *  keeps its own resolution gets the drawing scaled to the page's. False
 *  when the printer cannot be opened. */
bool printDrawing(QPrinter& printer, const PaperPage& page, const std::function<void(ReportSurface&)>& draw);

/** The bytes of a PDF file of a drawing: vector text with the fonts embedded. */
std::string pdfOfDrawing(const PaperPage& page, const QString& title,
                         const std::function<void(ReportSurface&)>& draw);

/** Prints the report on a printer that is set up and chosen: paper in the
 *  layout's orientation, drawn at dotsPerInch. False when the printer cannot
 *  be opened. */
bool printReport(QPrinter& printer, ReportLayout layout, const ReportInput& input, int dotsPerInch);

/** The bytes of a PDF file of the report: A4 in the layout's orientation,
 *  vector text with the fonts embedded, drawn at dotsPerInch. */
std::string renderPdf(ReportLayout layout, const ReportInput& input, int dotsPerInch, const QString& title);

} // namespace treluza

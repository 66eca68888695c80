#include "core/labels/LabelDrawing.h"

#include "core/store/Cp1252.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace treluza {

namespace {

// Every length below is in tenths of a point (1/720 inch).
namespace table {
constexpr int kWidth = 2600;
constexpr int kBorder = 10;    // the frame
constexpr int kThin = 5;       // between rows
constexpr int kHeavy = 20;     // under the portion and the last row
constexpr int kPad = 40;       // texts from the frame
constexpr int kTitleRow = 190; // "INFORMAÇÃO NUTRICIONAL"
constexpr int kRow = 125;      // every other row
constexpr int kFootRow = 105;  // the footnote
constexpr int kIndent = 60;    // one step of a contained nutrient
constexpr int kValueColumn = 440;
constexpr int kDailyColumn = 340;
constexpr int kTitlePt = 100;
constexpr int kBodyPt = 80;
constexpr int kFootPt = 60;
} // namespace table

namespace mark {
constexpr int kGap = 200; // from the table
constexpr int kWidth = 1600;
constexpr int kBorder = 15;
constexpr int kHeader = 290;
constexpr int kPad = 70;
constexpr int kBand = 210;
constexpr int kBandGap = 45;
constexpr int kLens = 170;   // outer diameter of the glass
constexpr int kRim = 34;     // its ring
constexpr int kHandle = 100; // length past the ring
constexpr int kHandleWide = 48;
constexpr int kTitlePt = 140;
constexpr int kBandPt = 100;
} // namespace mark

// Liberation Sans (and Arial): ascent plus descent is 2288 units of an em of 2048.
constexpr long long kCellNum = 143;
constexpr long long kCellDen = 128;

int tableHeight(const NutritionLabel& label)
{
    using namespace table;
    const int rows = static_cast<int>(label.rows.size());
    int h = kBorder + kTitleRow + kThin;
    if (!label.perPackage.empty())
        h += kRow;
    h += kRow + kHeavy + kRow + kThin;
    h += rows * kRow + (rows - 1) * kThin + kHeavy;
    return h + kFootRow + kBorder;
}

int markHeight(const NutritionLabel& label)
{
    using namespace mark;
    const int bands = static_cast<int>(label.mark.size());
    return kBorder + kHeader + bands * kBand + (bands - 1) * kBandGap + kPad + kBorder;
}

int fullWidth(const NutritionLabel& label)
{
    return table::kWidth + (label.mark.empty() ? 0 : mark::kGap + mark::kWidth);
}

int fullHeight(const NutritionLabel& label)
{
    return std::max(tableHeight(label), label.mark.empty() ? 0 : markHeight(label));
}

int toDots(long long tenths, Fraction dpi)
{
    return roundHalfEven(tenths * dpi.num, 720 * dpi.den);
}

/** Places lengths of tenths of a point on the surface's dots. */
class Pen {
public:
    Pen(ReportSurface& s, Fraction dpi, int x0, int y0) : m_s(s), m_dpi(dpi), m_x0(x0), m_y0(y0) {}

    int dots(long long tenths) const { return toDots(tenths, m_dpi); }
    int x(long long tenths) const { return m_x0 + dots(tenths); }
    int y(long long tenths) const { return m_y0 + dots(tenths); }

    void font(int pointTenths, bool bold)
    {
        m_cell = roundHalfEven(pointTenths * kCellNum * m_dpi.num, 720 * kCellDen * m_dpi.den);
        if (bold)
            m_s.setBoldFont(kLabelFace, m_cell);
        else
            m_s.setFont(kLabelFace, m_cell);
    }
    /** A filled box between two corners, placed corner by corner so that
     *  boxes that meet leave no gap; at least one dot each way, so that a thin
     *  rule shows at a low resolution too. */
    void box(long long left, long long top, long long right, long long bottom)
    {
        m_s.fillRect(x(left), y(top), std::max(x(right) - x(left), 1), std::max(y(bottom) - y(top), 1));
    }
    /** The top of a text of the current font centred in the row. */
    int textTop(long long top, long long height) const
    {
        return y(top) + (y(top + height) - y(top) - m_cell) / 2;
    }
    void left(long long at, long long top, long long height, std::string_view text)
    {
        m_s.textOut(x(at), textTop(top, height), text);
    }
    void right(long long edge, long long top, long long height, std::string_view text)
    {
        m_s.textOut(x(edge) - m_s.textWidth(text), textTop(top, height), text);
    }
    void centred(long long from, long long to, long long top, long long height, std::string_view text)
    {
        const int w = x(to) - x(from);
        m_s.textOut(x(from) + (w - m_s.textWidth(text)) / 2, textTop(top, height), text);
    }

    ReportSurface& surface() { return m_s; }

private:
    ReportSurface& m_s;
    Fraction m_dpi;
    int m_x0;
    int m_y0;
    int m_cell = 0;
};

void drawTable(Pen& p, const NutritionLabel& label)
{
    using namespace table;
    const int height = tableHeight(label);
    p.surface().setInk(ReportSurface::Ink::Black);
    p.box(0, 0, kWidth, kBorder);
    p.box(0, height - kBorder, kWidth, height);
    p.box(0, 0, kBorder, height);
    p.box(kWidth - kBorder, 0, kWidth, height);

    int y = kBorder;
    p.font(kTitlePt, true);
    p.centred(0, kWidth, y, kTitleRow, cp("INFORMAÇÃO NUTRICIONAL"));
    y += kTitleRow;
    p.box(0, y, kWidth, y + kThin);
    y += kThin;

    p.font(kBodyPt, false);
    for (const std::string* line : {&label.perPackage, &label.portion}) {
        if (line->empty())
            continue;
        p.left(kPad, y, kRow, *line);
        y += kRow;
    }
    p.box(0, y, kWidth, y + kHeavy);
    y += kHeavy;

    const int dailyRight = kWidth - kPad;
    const int portionRight = dailyRight - kDailyColumn;
    const int per100Right = portionRight - kValueColumn;
    p.right(per100Right, y, kRow, label.per100Head);
    p.right(portionRight, y, kRow, label.portionHead);
    p.right(dailyRight, y, kRow, "%VD*");
    y += kRow;
    p.box(0, y, kWidth, y + kThin);
    y += kThin;

    for (std::size_t i = 0; i < label.rows.size(); ++i) {
        const LabelRow& r = label.rows[i];
        p.left(kPad + r.indent * kIndent, y, kRow, r.name);
        p.right(per100Right, y, kRow, r.per100);
        p.right(portionRight, y, kRow, r.perPortion);
        if (!r.dailyValue.empty())
            p.right(dailyRight, y, kRow, r.dailyValue);
        y += kRow;
        const int rule = i + 1 < label.rows.size() ? kThin : kHeavy;
        p.box(0, y, kWidth, y + rule);
        y += rule;
    }
    p.font(kFootPt, false);
    p.left(kPad, y, kFootRow, cp("*Percentual de valores diários fornecidos pela porção."));
}

/** The magnifying glass: a ring and a handle slanting down to the right. */
void drawLens(Pen& p, int left, int top)
{
    using namespace mark;
    ReportSurface& s = p.surface();
    s.setInk(ReportSurface::Ink::Black);
    s.fillEllipse(p.x(left), p.y(top), p.x(left + kLens) - p.x(left), p.y(top + kLens) - p.y(top));
    // The handle starts inside the ring, so that they join.
    const double r = kLens / 2.0;
    const double cx = left + r;
    const double cy = top + r;
    const double c = std::sqrt(0.5);
    const double from = r - kRim / 2.0;
    const double to = r + kHandle;
    const double w = kHandleWide / 2.0;
    const auto at = [&](double along, double across) {
        return SurfacePoint{p.x(std::llround(cx + (along - across) * c)),
                            p.y(std::llround(cy + (along + across) * c))};
    };
    const std::array<SurfacePoint, 4> handle{at(from, -w), at(to, -w), at(to, w), at(from, w)};
    s.fillPolygon(handle);
    s.setInk(ReportSurface::Ink::White);
    const int inner = left + kRim;
    const int innerSize = kLens - 2 * kRim;
    s.fillEllipse(p.x(inner), p.y(top + kRim), p.x(inner + innerSize) - p.x(inner),
                  p.y(top + kRim + innerSize) - p.y(top + kRim));
    s.setInk(ReportSurface::Ink::Black);
}

void drawMark(Pen& p, const NutritionLabel& label, int left)
{
    using namespace mark;
    const int height = markHeight(label);
    const int right = left + kWidth;
    ReportSurface& s = p.surface();
    s.setInk(ReportSurface::Ink::Black);
    p.box(left, 0, right, kBorder);
    p.box(left, height - kBorder, right, height);
    p.box(left, 0, left + kBorder, height);
    p.box(right - kBorder, 0, right, height);

    const int lensLeft = left + kPad;
    const int lensTop = kBorder + (kHeader - kLens - kHandle / 2) / 2;
    drawLens(p, lensLeft, lensTop);
    p.font(kTitlePt, true);
    p.centred(lensLeft + kLens + kHandle / 2, right - kPad, kBorder, kHeader, "ALTO EM");

    int y = kBorder + kHeader;
    p.font(kBandPt, true);
    for (std::size_t i = 0; i < label.mark.size(); ++i) {
        if (i > 0)
            y += kBandGap;
        s.setInk(ReportSurface::Ink::Black);
        p.box(left + kPad, y, right - kPad, y + kBand);
        s.setInk(ReportSurface::Ink::White);
        p.centred(left + kPad, right - kPad, y, kBand, markText(label.mark[i]));
        y += kBand;
    }
    s.setInk(ReportSurface::Ink::Black);
}

} // namespace

LabelSize labelSize(const NutritionLabel& label, Fraction dotsPerInch)
{
    return {toDots(fullWidth(label), dotsPerInch), toDots(fullHeight(label), dotsPerInch)};
}

LabelSize tableSize(const NutritionLabel& label, Fraction dotsPerInch)
{
    return {toDots(table::kWidth, dotsPerInch), toDots(tableHeight(label), dotsPerInch)};
}

void DrawLabel(ReportSurface& surface, const NutritionLabel& label, Fraction dotsPerInch, int x, int y)
{
    Pen p(surface, dotsPerInch, x, y);
    drawTable(p, label);
    if (!label.mark.empty())
        drawMark(p, label, table::kWidth + mark::kGap);
}

} // namespace treluza

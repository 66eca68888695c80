#pragma once
#include "core/reports/ReportSurface.h"

#include <string>
#include <string_view>

namespace treluza {

/** An exact ratio of whole numbers: millimetres such as 280/63, resolutions such
 *  as 93,98 dots per inch. The page geometry is computed on these, so that a
 *  half is a half and rounds to the even number. */
struct Fraction {
    long long num = 0;
    long long den = 1;
};

/** num / den rounded to the nearest whole number, halves to the even one; den > 0. */
int roundHalfEven(long long num, long long den);

/** Dots of a length in millimetres at a resolution: mm x dpi / 25,4, rounded
 *  with halves to the even number. */
int MmToDots(Fraction millimetres, Fraction dotsPerInch);

/** The resolution of the report picture: 93,98 dots per inch. */
inline constexpr Fraction kPictureDotsPerInch{9398, 100};

/** The rows, rules and text placement of one report page: rows of R dots
 *  numbered from 1 (row n spans (n - 1)R to nR) under a table T dots wide.
 *
 *  Every text is drawn in a cell, and never crosses the cell's rules nor the
 *  page's edge: a text wider than its cell less the cell's inner margin on
 *  each side is drawn in a smaller height of the same face, as large as fits,
 *  on the baseline of the row's other texts; the layout's positions stay otherwise as
 *  they are. A text that holds nothing but blanks and the literals of a field
 *  mask ("," and "/"), the blank template of an empty field, is not drawn. */
class ReportPage {
public:
    ReportPage(ReportSurface& surface, int rowHeight, int tableWidth);

    ReportSurface& surface() { return m_surface; }
    int R() const { return m_rowHeight; }
    int T() const { return m_tableWidth; }

    /** Sets the face and a height of factor x R. */
    void setFont(std::string_view face, Fraction factor);
    /** Sets the face and a height in dots. */
    void setFontHeight(std::string_view face, int height);
    /** round(factor x R). */
    int ofRow(Fraction factor) const;

    /** The top of a text in row n: round((n - 0,95) x R). */
    int textTop(int n) const;
    /** Where a left-aligned text starts: round(0,2 x R). */
    int leftMargin() const;
    /** The room kept between a text and its cell's rules: the left margin. */
    int cellMargin() const;
    /** The column width of a grid of k equal columns: round(T / k). */
    int columnWidth(int k) const;

    void rule(int x1, int y1, int x2, int y2);
    /** The rule under row n, from 0 to T. */
    void closeRow(int n);
    /** A vertical rule at x over the height of row n. */
    void edge(int x, int n);

    /** A text starting at x in row n, in the cell that ends at right. */
    void textIn(int x, int n, int right, std::string_view text);
    /** A text at the left margin of row n, in the cell that ends at T. */
    void leftText(int n, std::string_view text);
    /** x0 + round((w - text width) / 2). */
    int centredX(int x0, int w, std::string_view text);
    /** A text centred in the cell [x0, x0 + w) of row n, moved left by shift dots. */
    void centred(int n, int x0, int w, std::string_view text, int shift = 0);

private:
    /** Draws text in row n between left and right at the x place(width) gives,
     *  in a smaller height when it would not fit. */
    template <typename Place> void drawFitted(int n, int left, int right, std::string_view text, Place place);

    ReportSurface& m_surface;
    int m_rowHeight;
    int m_tableWidth;
    std::string m_face;
    int m_fontHeight = 0;
};

} // namespace treluza

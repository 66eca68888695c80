#include "core/reports/ReportGeometry.h"

#include <algorithm>
#include <stdexcept>

namespace treluza {

int roundHalfEven(long long num, long long den)
{
    if (den <= 0)
        throw std::invalid_argument("roundHalfEven: the denominator must be positive");
    long long q = num / den;
    long long r = num % den;
    if (r < 0) { // floor division
        --q;
        r += den;
    }
    const long long twice = 2 * r;
    if (twice > den || (twice == den && q % 2 != 0))
        ++q;
    return static_cast<int>(q);
}

int MmToDots(Fraction millimetres, Fraction dotsPerInch)
{
    // mm x dpi / 25,4 = mm.num x dpi.num x 10 / (mm.den x dpi.den x 254)
    return roundHalfEven(millimetres.num * dotsPerInch.num * 10, millimetres.den * dotsPerInch.den * 254);
}

ReportPage::ReportPage(ReportSurface& surface, int rowHeight, int tableWidth)
    : m_surface(surface), m_rowHeight(rowHeight), m_tableWidth(tableWidth)
{
}

int ReportPage::ofRow(Fraction factor) const
{
    return roundHalfEven(factor.num * m_rowHeight, factor.den);
}

void ReportPage::setFont(std::string_view face, Fraction factor)
{
    setFontHeight(face, ofRow(factor));
}

void ReportPage::setFontHeight(std::string_view face, int height)
{
    m_face = face;
    m_fontHeight = height;
    m_surface.setFont(face, height);
}

int ReportPage::textTop(int n) const
{
    // (n - 0,95) x R = (20n - 19) x R / 20
    return roundHalfEven((20LL * n - 19) * m_rowHeight, 20);
}

int ReportPage::leftMargin() const
{
    return ofRow({1, 5});
}

int ReportPage::cellMargin() const
{
    // As far from a rule as a left-aligned text starts from the table's edge.
    return std::max(1, leftMargin());
}

int ReportPage::columnWidth(int k) const
{
    return roundHalfEven(m_tableWidth, k);
}

void ReportPage::rule(int x1, int y1, int x2, int y2)
{
    m_surface.moveTo(x1, y1);
    m_surface.lineTo(x2, y2);
}

void ReportPage::closeRow(int n)
{
    rule(0, n * m_rowHeight, m_tableWidth, n * m_rowHeight);
}

void ReportPage::edge(int x, int n)
{
    rule(x, (n - 1) * m_rowHeight, x, n * m_rowHeight);
}

namespace {

/** Whether a text holds only blanks and the literals of a field mask. */
bool isBlankTemplate(std::string_view text)
{
    return text.find_first_not_of(" ,/") == std::string_view::npos;
}

} // namespace

template <typename Place>
void ReportPage::drawFitted(int n, int left, int right, std::string_view text, Place place)
{
    if (isBlankTemplate(text))
        return;
    int width = m_surface.textWidth(text);
    int x = place(width);
    if (x >= left && x + width <= right) {
        m_surface.textOut(x, textTop(n), text);
        return;
    }
    // Smaller heights of the same face, down to the largest that fits.
    int height = m_fontHeight;
    while (width > right - left && height > 1) {
        --height;
        m_surface.setFont(m_face, height);
        width = m_surface.textWidth(text);
    }
    // On the baseline of the row's other texts (four fifths of a cell are
    // above the baseline).
    x = std::max(left, std::min(place(width), right - width));
    m_surface.textOut(x, textTop(n) + (m_fontHeight - height) * 4 / 5, text);
    if (height != m_fontHeight)
        m_surface.setFont(m_face, m_fontHeight);
}

void ReportPage::textIn(int x, int n, int right, std::string_view text)
{
    drawFitted(n, x, right - cellMargin(), text, [x](int) { return x; });
}

void ReportPage::leftText(int n, std::string_view text)
{
    textIn(leftMargin(), n, m_tableWidth, text);
}

int ReportPage::centredX(int x0, int w, std::string_view text)
{
    return x0 + roundHalfEven(static_cast<long long>(w) - m_surface.textWidth(text), 2);
}

void ReportPage::centred(int n, int x0, int w, std::string_view text, int shift)
{
    // The last column of a grid of rounded widths may end past the table's edge.
    const int margin = cellMargin();
    drawFitted(n, x0 + margin, std::min(x0 + w, m_tableWidth) - margin, text,
               [&](int width) { return x0 + roundHalfEven(static_cast<long long>(w) - width, 2) - shift; });
}

} // namespace treluza

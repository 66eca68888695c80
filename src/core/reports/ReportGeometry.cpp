#include "core/reports/ReportGeometry.h"

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
    m_surface.setFont(face, ofRow(factor));
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

void ReportPage::textAt(int x, int n, std::string_view text)
{
    m_surface.textOut(x, textTop(n), text);
}

void ReportPage::leftText(int n, std::string_view text)
{
    textAt(leftMargin(), n, text);
}

int ReportPage::centredX(int x0, int w, std::string_view text)
{
    return x0 + roundHalfEven(static_cast<long long>(w) - m_surface.textWidth(text), 2);
}

void ReportPage::centred(int n, int x0, int w, std::string_view text, int shift)
{
    textAt(centredX(x0, w, text) - shift, n, text);
}

} // namespace treluza

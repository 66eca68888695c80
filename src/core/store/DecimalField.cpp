#include "core/store/DecimalField.h"

#include "core/store/StrUnit.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace treluza {

namespace {

using Int = Exact::Int;

Int abs(Int v)
{
    return v < 0 ? -v : v;
}

Int gcd(Int a, Int b)
{
    a = abs(a);
    b = abs(b);
    while (b != 0) {
        const Int r = a % b;
        a = b;
        b = r;
    }
    return a;
}

Int pow10(int n)
{
    Int p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// Compares a/b with c/d for a, c >= 0 and b, d > 0 through their continued
// fractions, so no product is ever formed.
int compareNonNegative(Int a, Int b, Int c, Int d)
{
    for (;;) {
        const Int qa = a / b;
        const Int qc = c / d;
        if (qa != qc)
            return qa < qc ? -1 : 1;
        const Int ra = a % b;
        const Int rc = c % d;
        if (ra == 0 || rc == 0)
            return ra == rc ? 0 : (ra == 0 ? -1 : 1);
        // ra/b < rc/d exactly when b/ra > d/rc.
        a = d;
        c = b;
        b = rc;
        d = ra;
    }
}

std::string digitsOf(Int v)
{
    if (v == 0)
        return "0";
    std::string s;
    while (v > 0) {
        s += static_cast<char>('0' + static_cast<int>(v % 10));
        v /= 10;
    }
    std::reverse(s.begin(), s.end());
    return s;
}

// Units of 10^-4 in the numbers read from fields, and their bound (1e9).
constexpr int kReadDecimals = 4;
constexpr long long kReadBound = 10'000'000'000'000LL;

} // namespace

Exact::Exact(Int num, Int den)
{
    if (den < 0) {
        num = -num;
        den = -den;
    }
    const Int g = gcd(num, den);
    m_num = g > 1 ? num / g : num;
    m_den = g > 1 ? den / g : den;
}

Exact Exact::units(long long units, int decimals)
{
    return Exact(units, pow10(decimals));
}

double Exact::toDouble() const
{
    return static_cast<double>(m_num) / static_cast<double>(m_den);
}

Exact::Int Exact::roundedUnits(int d) const
{
    const Int scaled = m_num * pow10(d);
    Int q = scaled / m_den;
    const Int r = abs(scaled % m_den);
    if (2 * r >= m_den)
        q += scaled < 0 ? -1 : 1;
    return q;
}

Exact operator+(const Exact& a, const Exact& b)
{
    const Int g = gcd(a.m_den, b.m_den);
    const Int l = a.m_den / g * b.m_den;
    return Exact(a.m_num * (l / a.m_den) + b.m_num * (l / b.m_den), l);
}

Exact operator-(const Exact& a, const Exact& b)
{
    return a + Exact(-b.m_num, b.m_den);
}

Exact operator*(const Exact& a, const Exact& b)
{
    // Cancel across first so the products stay small.
    const Int g1 = std::max<Int>(gcd(a.m_num, b.m_den), 1);
    const Int g2 = std::max<Int>(gcd(b.m_num, a.m_den), 1);
    return Exact((a.m_num / g1) * (b.m_num / g2), (a.m_den / g2) * (b.m_den / g1));
}

Exact operator/(const Exact& a, const Exact& b)
{
    if (b.m_num == 0)
        throw std::domain_error("division by zero");
    return a * Exact(b.m_den, b.m_num);
}

int compare(const Exact& a, const Exact& b)
{
    const int sa = a.m_num < 0 ? -1 : (a.m_num > 0 ? 1 : 0);
    const int sb = b.m_num < 0 ? -1 : (b.m_num > 0 ? 1 : 0);
    if (sa != sb)
        return sa < sb ? -1 : 1;
    if (sa == 0)
        return 0;
    if (sa > 0)
        return compareNonNegative(a.m_num, a.m_den, b.m_num, b.m_den);
    return compareNonNegative(-b.m_num, b.m_den, -a.m_num, a.m_den);
}

Exact readNumber(std::string_view text)
{
    if (!isDecimalText(text))
        return {};
    const std::size_t first = text.find_first_not_of(' ');
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (text.find_first_of("eE") != std::string_view::npos) {
        // Exponent forms are rare enough to go through floating point.
        const double x = std::clamp(ParseDecimal(text), -1e9, 1e9);
        return Exact::units(std::llround(x * 1e4), kReadDecimals);
    }
    bool minus = false;
    if (text.front() == '+' || text.front() == '-') {
        minus = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t comma = text.find(',');
    std::string_view whole = text.substr(0, comma);
    const std::string_view frac =
        comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));

    Int units = 0;
    if (whole.size() > 10) {
        units = kReadBound;
    } else {
        for (const char c : whole)
            units = units * 10 + (c - '0');
        for (int i = 0; i < kReadDecimals; ++i)
            units = units * 10 +
                    (static_cast<std::size_t>(i) < frac.size() ? frac[static_cast<std::size_t>(i)] - '0' : 0);
        if (frac.size() > static_cast<std::size_t>(kReadDecimals) && frac[kReadDecimals] >= '5')
            ++units;
        units = std::min<Int>(units, kReadBound);
    }
    return Exact::units(static_cast<long long>(minus ? -units : units), kReadDecimals);
}

bool isBlankField(std::string_view text, std::string_view mask)
{
    mask = mask.substr(0, mask.find(';'));
    return std::all_of(text.begin(), text.end(), [&](char c) {
        return c == ' ' || (c != '9' && mask.find(c) != std::string_view::npos);
    });
}

std::string normaliseField(std::string text, std::string_view mask)
{
    if (isBlankField(text, mask))
        return text;
    return ZeroFillDecimals(AlignDecimalField(std::move(text)));
}

bool isWellFormedNumber(std::string_view text)
{
    const std::string aligned = AlignDecimalField(std::string(text));
    bool digitSeen = false;
    bool gapAfterDigit = false;
    for (const char c : aligned) {
        if (c >= '0' && c <= '9') {
            if (gapAfterDigit)
                return false;
            digitSeen = true;
        } else if (c == ' ' && digitSeen) {
            gapAfterDigit = true;
        }
    }
    return true;
}

namespace {

struct MaskShape {
    int width;
    int decimals;
    int places; // digit places, integer and decimal
};

MaskShape shapeOf(std::string_view mask)
{
    mask = mask.substr(0, mask.find(';'));
    return {static_cast<int>(mask.size()), MaskDecimals(mask),
            static_cast<int>(std::count(mask.begin(), mask.end(), '9'))};
}

} // namespace

Exact maskMaximum(std::string_view mask)
{
    const MaskShape s = shapeOf(mask);
    return Exact::units(static_cast<long long>(pow10(s.places) - 1), s.decimals);
}

std::string fieldText(const Exact& value, std::string_view mask)
{
    const MaskShape s = shapeOf(mask);
    Int units = value.roundedUnits(s.decimals);
    const Int most = pow10(s.places) - 1;
    // A negative text needs a place for the sign.
    const Int least = s.places - s.decimals >= 2 ? -(pow10(s.places - 1) - 1) : 0;
    units = std::clamp(units, least, most);

    std::string digits = decimalText(abs(units), s.decimals);
    if (units < 0)
        digits.insert(0, 1, '-');
    return FitRight(digits, s.width);
}

std::string decimalText(Exact::Int units, int decimals)
{
    std::string digits = digitsOf(units);
    if (digits.size() < static_cast<std::size_t>(decimals) + 1)
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    if (decimals > 0)
        digits.insert(digits.size() - static_cast<std::size_t>(decimals), 1, ',');
    return digits;
}

} // namespace treluza

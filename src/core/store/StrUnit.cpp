#include "core/store/StrUnit.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace treluza {

std::string RepeatText(std::string_view s, int n)
{
    std::string out;
    if (n <= 0)
        return out;
    out.reserve(s.size() * static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

std::string RemoveText(std::string t, std::string_view s)
{
    if (s.empty())
        return t;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = t.find(s, from);
        if (at == std::string::npos)
            return t;
        t.erase(at, 1);
        // A new occurrence can only begin where the deleted character's
        // neighbours now meet.
        from = at >= s.size() - 1 ? at - (s.size() - 1) : 0;
    }
}

std::string RemoveSpaces(std::string t)
{
    t.erase(std::remove(t.begin(), t.end(), ' '), t.end());
    return t;
}

std::string TrimTrailingSpaces(std::string t)
{
    const std::size_t last = t.find_last_not_of(' ');
    t.resize(last == std::string::npos ? 0 : last + 1);
    return t;
}

std::string CenterText(std::string_view s, int n)
{
    const int d = n - static_cast<int>(s.size());
    if (d <= 0)
        return std::string(s.substr(0, static_cast<std::size_t>(std::max(n, 0))));
    const int left = d / 2;
    const int right = d - left;
    return std::string(static_cast<std::size_t>(left), ' ') + std::string(s) +
           std::string(static_cast<std::size_t>(right), ' ');
}

namespace {

// Moves the blanks that end t[0, end) to the front of t.
void rotateTrailingBlanks(std::string& t, std::size_t end)
{
    std::size_t blanks = 0;
    while (blanks < end && t[end - 1 - blanks] == ' ')
        ++blanks;
    if (blanks > 0 && blanks < end)
        std::rotate(t.begin(), t.begin() + static_cast<std::ptrdiff_t>(end - blanks),
                    t.begin() + static_cast<std::ptrdiff_t>(end));
}

} // namespace

std::string AlignIntegerField(std::string t)
{
    if (t.empty())
        return t;
    if (t.find_first_not_of(' ') == std::string::npos)
        t.back() = '0';
    rotateTrailingBlanks(t, t.size());
    return t;
}

std::string AlignDecimalField(std::string t)
{
    const std::size_t comma = t.find(',');
    if (comma == std::string::npos)
        return AlignIntegerField(std::move(t));
    if (comma == 0)
        return t;
    if (t.find_first_not_of(' ') >= comma)
        t[comma - 1] = '0';
    rotateTrailingBlanks(t, comma);
    return t;
}

std::string ZeroFillDecimals(std::string t)
{
    const std::size_t comma = t.find(',');
    if (comma == std::string::npos)
        return t;
    std::replace(t.begin() + static_cast<std::ptrdiff_t>(comma), t.end(), ' ', '0');
    return t;
}

std::string ReplaceChar(char a, char b, std::string t)
{
    std::replace(t.begin(), t.end(), b, a);
    return t;
}

std::string FitRight(std::string_view t, int n)
{
    if (n <= 0)
        return {};
    const auto width = static_cast<std::size_t>(n);
    if (t.size() < width)
        return std::string(width - t.size(), ' ') + std::string(t);
    return std::string(t.substr(0, width));
}

namespace {

// The number inside t in the form from_chars reads ("." for the comma, no "+"),
// or false when t is not a number.
bool normalizeNumber(std::string_view t, std::string& out)
{
    const std::size_t first = t.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return false;
    t = t.substr(first, t.find_last_not_of(' ') - first + 1);
    out.clear();
    std::size_t i = 0;
    const auto digit = [&](std::size_t k) { return k < t.size() && t[k] >= '0' && t[k] <= '9'; };
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        if (t[i] == '-')
            out += '-';
        ++i;
    }
    std::size_t digits = 0;
    for (; digit(i); ++i, ++digits)
        out += t[i];
    if (i < t.size() && t[i] == ',') {
        out += '.';
        for (++i; digit(i); ++i, ++digits)
            out += t[i];
    }
    if (digits == 0)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        out += 'e';
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            out += t[i++];
        if (!digit(i))
            return false;
        for (; digit(i); ++i)
            out += t[i];
    }
    return i == t.size();
}

} // namespace

bool isDecimalText(std::string_view t)
{
    std::string normal;
    return normalizeNumber(t, normal);
}

double ParseDecimal(std::string_view t)
{
    std::string normal;
    if (!normalizeNumber(t, normal))
        return 0.0;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
    if (ec != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value))
        return 0.0;
    return value;
}

std::string FormatDecimal(int d, int w, double x)
{
    if (!std::isfinite(x))
        return FitRight("", w);
    if (d < 0)
        d = 0;
    // The shortest decimal text that reads back as x, then rounded as text.
    char buf[400];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::fixed);
    std::string digits(buf, res.ptr);
    std::string intPart = digits;
    std::string frac;
    if (const std::size_t dot = digits.find('.'); dot != std::string::npos) {
        intPart = digits.substr(0, dot);
        frac = digits.substr(dot + 1);
    }
    const auto places = static_cast<std::size_t>(d);
    bool roundUp = frac.size() > places && frac[places] >= '5';
    frac.resize(places, '0');
    std::string all = intPart + frac;
    if (roundUp) {
        std::size_t k = all.size();
        while (k > 0) {
            --k;
            if (all[k] == '9') {
                all[k] = '0';
            } else {
                ++all[k];
                roundUp = false;
                break;
            }
        }
        if (roundUp)
            all.insert(all.begin(), '1');
    }
    std::string text = all.substr(0, all.size() - places);
    if (places > 0)
        text += ',' + all.substr(all.size() - places);
    const bool zero = all.find_first_not_of('0') == std::string::npos;
    if (x < 0 && !zero)
        text.insert(text.begin(), '-');
    return FitRight(text, w);
}

int MaskDecimals(std::string_view mask)
{
    mask = mask.substr(0, mask.find(';'));
    const std::size_t comma = mask.find(',');
    if (comma == std::string_view::npos)
        return 0;
    return static_cast<int>(mask.size() - comma - 1);
}

std::string BlankTemplate(std::string_view mask)
{
    std::string t(mask.substr(0, mask.find(';')));
    std::replace(t.begin(), t.end(), '9', ' ');
    return t;
}

} // namespace treluza

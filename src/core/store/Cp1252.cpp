#include "core/store/Cp1252.h"

#include <array>

namespace treluza {

namespace {

// Code points of the bytes 0x80..0x9F; the unassigned ones keep their C1 value.
constexpr std::array<char32_t, 32> kHigh = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

} // namespace

char32_t codePointFromCp1252(unsigned char c)
{
    if (c >= 0x80 && c <= 0x9F)
        return kHigh[c - 0x80];
    return c;
}

int cp1252FromCodePoint(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == cp)
            return static_cast<int>(0x80 + i);
    }
    return -1;
}

std::string toUtf8(std::string_view cp1252)
{
    std::string out;
    out.reserve(cp1252.size() + cp1252.size() / 8);
    for (char ch : cp1252)
        appendUtf8(out, codePointFromCp1252(static_cast<unsigned char>(ch)));
    return out;
}

namespace {

// UTF-8 to Windows-1252; whole turns false at the first "?" made.
std::string utf8ToCp1252(std::string_view utf8, bool& whole)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    const std::size_t n = utf8.size();
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(utf8[i]);
        char32_t cp = 0;
        std::size_t len = 0;
        if (b0 < 0x80) {
            cp = b0;
            len = 1;
        } else if ((b0 & 0xE0) == 0xC0) {
            cp = b0 & 0x1F;
            len = 2;
        } else if ((b0 & 0xF0) == 0xE0) {
            cp = b0 & 0x0F;
            len = 3;
        } else if ((b0 & 0xF8) == 0xF0) {
            cp = b0 & 0x07;
            len = 4;
        } else {
            out += '?';
            whole = false;
            ++i;
            continue;
        }
        bool ok = i + len <= n;
        for (std::size_t k = 1; ok && k < len; ++k) {
            const auto b = static_cast<unsigned char>(utf8[i + k]);
            if ((b & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (b & 0x3F);
        }
        if (!ok) {
            out += '?';
            whole = false;
            ++i;
            continue;
        }
        const int c = cp1252FromCodePoint(cp);
        whole = whole && c >= 0;
        out += c < 0 ? '?' : static_cast<char>(c);
        i += len;
    }
    return out;
}

// UTF-16 of either byte order to Windows-1252.
std::string utf16ToCp1252(std::string_view bytes, bool bigEndian, bool& whole)
{
    std::string out;
    out.reserve(bytes.size() / 2);
    whole = whole && bytes.size() % 2 == 0;
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        const int c = cp >= 0xD800 && cp <= 0xDFFF ? -1 : cp1252FromCodePoint(cp);
        whole = whole && c >= 0;
        out += c < 0 ? '?' : static_cast<char>(c);
    }
    return out;
}

} // namespace

std::string fromUtf8(std::string_view utf8)
{
    bool whole = true;
    return utf8ToCp1252(utf8, whole);
}

DecodedText decodeTextFile(std::string_view bytes)
{
    DecodedText d;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        d.text = utf8ToCp1252(bytes.substr(3), d.whole);
    else if (bytes.starts_with("\xFF\xFE"))
        d.text = utf16ToCp1252(bytes.substr(2), false, d.whole);
    else if (bytes.starts_with("\xFE\xFF"))
        d.text = utf16ToCp1252(bytes.substr(2), true, d.whole);
    else
        d.text = std::string(bytes);
    if (const std::size_t nul = d.text.find('\0'); nul != std::string::npos) {
        d.text.resize(nul);
        d.whole = false;
    }
    return d;
}

} // namespace treluza

#include "core/store/Collation.h"

#include "core/store/Cp1252.h"

#include <array>
#include <string>

namespace treluza {

namespace {

// Letters in order; a group of characters shares no weight with another group,
// but the upper and lower case of one letter share one weight.
constexpr const char* kLetterOrder[] = {
    "aA", "àÀ", "áÁ", "âÂ", "ãÃ", "äÄ", "åÅ", "æÆ", "bB", "cC", "çÇ", "dD", "ðÐ", "eE", "èÈ", "éÉ",
    "êÊ", "ëË", "fF", "ƒ",  "gG", "hH", "iI", "ìÌ", "íÍ", "îÎ", "ïÏ", "jJ", "kK", "lL", "mM", "nN",
    "ñÑ", "oO", "òÒ", "óÓ", "ôÔ", "õÕ", "öÖ", "øØ", "œŒ", "pP", "qQ", "rR", "sS", "šŠ", "ß",  "tT",
    "þÞ", "uU", "ùÙ", "úÚ", "ûÛ", "üÜ", "vV", "wW", "xX", "yY", "ýÝ", "ÿŸ", "zZ", "žŽ"};

std::array<int, 256> buildWeights()
{
    std::array<int, 256> w{};
    w.fill(-1);
    int next = 0;
    w[0] = next++;
    w['|'] = next++;
    for (int c = 1; c < 32; ++c) {
        if (w[c] < 0)
            w[c] = next++;
    }
    w[' '] = next++;
    // Letters and digits are placed later; everything else is punctuation or a
    // symbol, kept in code order.
    std::array<bool, 256> letterOrDigit{};
    for (const char* group : kLetterOrder) {
        for (char ch : fromUtf8(group))
            letterOrDigit[static_cast<unsigned char>(ch)] = true;
    }
    for (int c = '0'; c <= '9'; ++c)
        letterOrDigit[c] = true;
    for (int c = 32; c < 256; ++c) {
        if (w[c] < 0 && !letterOrDigit[c])
            w[c] = next++;
    }
    for (int c = '0'; c <= '9'; ++c)
        w[c] = next++;
    for (const char* group : kLetterOrder) {
        const int weight = next++;
        for (char ch : fromUtf8(group))
            w[static_cast<unsigned char>(ch)] = weight;
    }
    return w;
}

const std::array<int, 256>& weights()
{
    static const std::array<int, 256> weights = buildWeights();
    return weights;
}

} // namespace

int collationWeight(unsigned char c)
{
    return weights()[c];
}

int compareText(std::string_view a, std::string_view b)
{
    const auto& w = weights();
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const int d = w[static_cast<unsigned char>(a[i])] - w[static_cast<unsigned char>(b[i])];
        if (d != 0)
            return d;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

int entryOf(const std::vector<std::string>& entries, std::string_view text)
{
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (compareText(entries[i], text) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

} // namespace treluza

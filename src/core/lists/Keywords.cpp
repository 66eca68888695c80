#include "core/lists/Keywords.h"

#include <array>

namespace treluza {

namespace {

// Windows-1252 codes of the folded letters and their base letters.
constexpr std::string_view kAccented = "\xC0\xC1\xC2\xC3\xC7\xC8\xC9\xCA\xCC\xCD\xD2\xD3\xD4\xD5\xD9\xDA"
                                       "\xE0\xE1\xE2\xE3\xE7\xE8\xE9\xEA\xEC\xED\xF2\xF3\xF4\xF5\xF9\xFA";
constexpr std::string_view kBase = "AAAACEEEIIOOOOUUaaaaceeeiioooouu";
static_assert(kAccented.size() == kBase.size());

constexpr std::array<char, 256> foldTable()
{
    std::array<char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[static_cast<std::size_t>(c)] = static_cast<char>(c);
    for (std::size_t i = 0; i < kAccented.size(); ++i)
        t[static_cast<unsigned char>(kAccented[i])] = kBase[i];
    return t;
}

// Folding, then a to z in upper case, then the blank as "-".
constexpr std::array<char, 256> keywordTable()
{
    std::array<char, 256> t = foldTable();
    for (char& c : t) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        else if (c == ' ')
            c = '-';
    }
    return t;
}

constexpr std::array<char, 256> kFold = foldTable();
constexpr std::array<char, 256> kKeywordForm = keywordTable();

std::string mapped(std::string_view text, const std::array<char, 256>& table)
{
    std::string out(text);
    for (char& c : out)
        c = table[static_cast<unsigned char>(c)];
    return out;
}

} // namespace

std::string FoldAccents(std::string_view text)
{
    return mapped(text, kFold);
}

std::vector<std::string> SplitKeywords(std::string_view text)
{
    std::vector<std::string> keywords;
    const std::size_t end = text.find_last_not_of(' ');
    if (end == std::string_view::npos)
        return keywords;
    text = text.substr(0, end + 1);
    for (;;) {
        const std::size_t blank = text.find(' ');
        keywords.emplace_back(text.substr(0, blank));
        if (blank == std::string_view::npos)
            return keywords;
        text.remove_prefix(blank + 1);
    }
}

std::string keywordForm(std::string_view name)
{
    return mapped(name, kKeywordForm);
}

bool MatchKeywords(std::string_view name, const std::vector<std::string>& keywords)
{
    if (keywords.empty())
        return true;
    const std::string form = keywordForm(name);
    for (const std::string& k : keywords) {
        if (k.empty() || form.find(k) == std::string::npos)
            return false;
    }
    return true;
}

} // namespace treluza

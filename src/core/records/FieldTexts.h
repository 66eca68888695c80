#pragma once
#include "core/store/RecordList.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace treluza {

/** The N field texts of one record line, numbered from 1 as the record layouts
 *  number them. */
template <int N> class FieldTexts {
public:
    static constexpr int kCount = N;

    std::string& operator[](int n) { return m_fields.at(slot(n)); }
    const std::string& operator[](int n) const { return m_fields.at(slot(n)); }

    friend bool operator==(const FieldTexts&, const FieldTexts&) = default;

private:
    static std::size_t slot(int n)
    {
        if (n < 1 || n > N)
            throw std::out_of_range("field number " + std::to_string(n) + " outside 1.." + std::to_string(N));
        return static_cast<std::size_t>(n - 1);
    }

    std::array<std::string, N> m_fields;
};

/** The fields of a record line: the texts before each "|". A line with fewer
 *  fields gives empty texts for the missing ones, a last field without its "|"
 *  is still read, and fields past the N-th are ignored. */
template <int N> FieldTexts<N> splitFields(std::string_view line)
{
    FieldTexts<N> fields;
    for (int n = 1; n <= N && !line.empty(); ++n) {
        const std::size_t bar = line.find('|');
        fields[n] = std::string(line.substr(0, bar));
        line.remove_prefix(bar == std::string_view::npos ? line.size() : bar + 1);
    }
    return fields;
}

/** Field n (1-based) of a record line with the reading rules of splitFields:
 *  empty when the line has fewer fields. */
inline std::string_view fieldAt(std::string_view line, int n)
{
    for (int i = 1; i < n; ++i) {
        const std::size_t bar = line.find('|');
        if (bar == std::string_view::npos)
            return {};
        line.remove_prefix(bar + 1);
    }
    return n >= 1 ? line.substr(0, line.find('|')) : std::string_view();
}

/** The record line of the fields: each text followed by "|". Throws
 *  UnusableNameError for a text a record cannot hold (checkFieldValue). */
template <int N> std::string joinFields(const FieldTexts<N>& fields)
{
    std::string line;
    for (int n = 1; n <= N; ++n) {
        checkFieldValue(fields[n]);
        line += fields[n];
        line += '|';
    }
    return line;
}

} // namespace treluza

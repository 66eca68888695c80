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

/** The fields of a record line, each read as FieldOf reads it: a line with
 *  fewer fields gives empty texts for the missing ones, a last field without
 *  its "|" is still read, and fields past the N-th are ignored. */
template <int N> FieldTexts<N> splitFields(std::string_view line)
{
    FieldTexts<N> fields;
    for (int n = 1; n <= N && !line.empty(); ++n)
        fields[n] = std::string(takeField(line));
    return fields;
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

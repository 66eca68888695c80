#pragma once
// Names as the record fields hold them: Windows-1252 text padded with blanks.
#include "core/store/Cp1252.h"

#include <string>
#include <string_view>

namespace treluza::testing {

/** Core text padded with blanks to width (longer text is kept whole). */
inline std::string pad(std::string_view text, std::size_t width)
{
    std::string s(text);
    if (s.size() < width)
        s.append(width - s.size(), ' ');
    return s;
}

/** A UTF-8 literal as core text, padded to width. */
inline std::string padded(std::string_view utf8, std::size_t width)
{
    return pad(cp(utf8), width);
}

inline std::string name20(std::string_view name)
{
    return pad(name, 20);
}
inline std::string name30(std::string_view name)
{
    return pad(name, 30);
}
inline std::string name40(std::string_view name)
{
    return pad(name, 40);
}
inline std::string name60(std::string_view name)
{
    return pad(name, 60);
}

} // namespace treluza::testing

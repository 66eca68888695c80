#pragma once
#include "core/records/PreparationRecords.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace treluza::testing {

/** A name padded with blanks to a field's width. */
inline std::string pad(const std::string& name, std::size_t width)
{
    return name.size() >= width ? name : name + std::string(width - name.size(), ' ');
}
inline std::string name60(const std::string& name)
{
    return pad(name, 60);
}
inline std::string name40(const std::string& name)
{
    return pad(name, 40);
}

/** An ingredient line holding only an ingredient name and the given texts. */
inline std::string line(const std::string& name, std::initializer_list<std::pair<int, std::string>> fields)
{
    LineFields f = blankLine(name60(name));
    for (const auto& [n, text] : fields)
        f[n] = text;
    return MakeLine(f);
}

} // namespace treluza::testing

#pragma once
#include "preparations/PreparationRecords.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace treluza::testing {

/** A name padded with blanks to a field's width. */
inline std::string Pad(const std::string& name, std::size_t width)
{
    return name.size() >= width ? name : name + std::string(width - name.size(), ' ');
}
inline std::string Name60(const std::string& name) { return Pad(name, 60); }
inline std::string Name40(const std::string& name) { return Pad(name, 40); }

/** An ingredient line holding only an ingredient name and the given texts. */
inline std::string Line(const std::string& name, std::initializer_list<std::pair<int, std::string>> fields)
{
    LineFields f = BlankLine(Name60(name));
    for (const auto& [n, text] : fields)
        f[n] = text;
    return MakeLine(f);
}

}  // namespace treluza::testing

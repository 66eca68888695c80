#pragma once
#include "core/records/PreparationRecords.h"
#include "support/Names.h"

#include <initializer_list>
#include <string>
#include <utility>

namespace treluza::testing {

/** An ingredient line holding only an ingredient name and the given texts. */
inline std::string line(const std::string& name, std::initializer_list<std::pair<int, std::string>> fields)
{
    LineFields f = blankLine(name60(name));
    for (const auto& [n, text] : fields)
        f[n] = text;
    return joinFields(f);
}

} // namespace treluza::testing

// FieldOf and SetFieldOf on any line: FieldOf reads every field as the record
// readers do; the field set reads back, and the fields before it that the
// line already had are left as they were; a value with a field separator or a
// line break is refused and changes nothing.
#include "FuzzInput.h"

#include "core/records/FieldTexts.h"
#include "core/store/RecordList.h"
#include "core/store/StoreError.h"

#include <algorithm>
#include <cstdlib>

using namespace treluza;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const int n = static_cast<int>(in.byte() % 48) - 2;
    std::string value(in.part());
    const std::string original(in.rest());

    const FieldTexts<48> fields = splitFields<48>(original);
    for (int k = -1; k < 50; ++k) {
        const std::string_view field = FieldOf(k, original);
        if (k >= 1 && k <= 48 && field != fields[k])
            std::abort();
    }
    keyOf(original);
    std::string line = original;
    if (value.find_first_of("|\r\n") != std::string::npos) {
        try {
            SetFieldOf(n, line, value);
            std::abort();
        } catch (const UnusableNameError&) {
            if (line != original)
                std::abort();
        }
        value.erase(std::remove_if(value.begin(), value.end(),
                                   [](char c) { return c == '|' || c == '\r' || c == '\n'; }),
                    value.end());
    }
    SetFieldOf(n, line, value);
    if (n >= 1) {
        if (FieldOf(n, line) != value)
            std::abort();
        const int bars = static_cast<int>(std::count(original.begin(), original.end(), '|'));
        for (int k = 1; k < n && k <= bars; ++k) {
            if (FieldOf(k, line) != FieldOf(k, original))
                std::abort();
        }
    }
    return 0;
}

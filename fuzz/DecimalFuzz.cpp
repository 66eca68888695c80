// Number texts: ParseDecimal, the exact reading and the arithmetic the
// carries do, and the field texts written back, whose width never changes.
#include "FuzzInput.h"

#include "core/store/DecimalField.h"
#include "core/store/StrUnit.h"

#include <cmath>
#include <cstdlib>

using namespace treluza;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const std::string_view masks[] = {"999999,99", "9999,99", "999999,9", "999,99", "999999", "99999,99"};
    const std::string_view mask = masks[in.byte() % std::size(masks)];
    const std::string_view a = in.part();
    const std::string_view b = in.part();

    const double d = ParseDecimal(a);
    if (std::isnan(d))
        std::abort();
    const int decimals = in.byte() % 5;
    const int width = in.byte() % 16;
    FormatDecimal(decimals, width, d);
    AlignDecimalField(std::string(a));
    ZeroFillDecimals(std::string(a));
    normaliseField(std::string(a), mask);
    isBlankField(a, mask);

    const Exact x = readNumber(a);
    const Exact y = readNumber(b);
    const Exact results[] = {x, y, x + y, x - y, x * y, x * y / Exact::whole(100)};
    for (const Exact& r : results) {
        if (fieldText(r, mask).size() != mask.size())
            std::abort();
    }
    if ((x + y) - y != x)
        std::abort();
    if (!y.isZero()) {
        const Exact q = x / y;
        if (q * y != x)
            std::abort();
        fieldText(q, mask);
    }
    return 0;
}

// The field-text conversions: lenient and strict readings agree wherever the strict one succeeds,
// and every finite number written as decimal reads back.

#include "editor/NumberConversions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace editor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double lenient = ParseLeadingNumber(text);
    try {
        const double strict = ParseNumber(text);
        if (!(strict == lenient || (std::isnan(strict) && std::isnan(lenient)))) std::abort();
    } catch (const ConversionError&) {
    }
    try {
        (void)RoundToInteger(lenient);
    } catch (const OverflowError&) {
    }
    if (std::isfinite(lenient)) {
        const std::string written = FormatDecimal(lenient);
        try {
            (void)ParseNumber(written);
        } catch (const ConversionError&) {
            std::abort();
        }
    }
    return 0;
}

// Names both ways: decoding any hex text, and encoding any display text to the 13 pairs of a field.

#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/Utf8.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    (void)rom::DecodeGameText(input);

    const auto pairs = rom::EncodeNameField(rom::Utf8ToU32(input));
    if (pairs.size() != 13) std::abort();
    std::string hex;
    for (const std::string& pair : pairs) {
        if (!pair.empty() && pair.size() != 2) std::abort();
        if (!pair.empty()) (void)rom::ParseHexPair(pair); // every pair produced must be writable
        hex += pair;
    }
    // What was encodable decodes to at most 13 display characters of a few bytes each.
    if (rom::DecodeGameText(hex).size() > 13 * 5) std::abort();
    return 0;
}

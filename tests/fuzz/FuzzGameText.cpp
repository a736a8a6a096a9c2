// Names both ways: decoding any hex text, and encoding any display text to the 13 pairs of a field.
// What the encoder accepts must decode and encode again to the same entry, up to its end byte.

#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/Utf8.h"

#include <cstdint>
#include <cstdlib>

namespace {

std::string Joined(const std::vector<std::string>& pairs) {
    std::string hex;
    for (const std::string& pair : pairs) hex += pair;
    return hex;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    (void)rom::DecodeGameText(input);

    const auto pairs = rom::EncodeNameField(rom::Utf8ToU32(input));
    if (pairs.size() != 13) std::abort();
    bool encodable = true;
    for (const std::string& pair : pairs) {
        if (!pair.empty() && pair.size() != 2) std::abort();
        if (!pair.empty()) (void)rom::ParseHexPair(pair); // every pair produced must be writable
        encodable = encodable && !pair.empty();
    }
    const std::string hex = Joined(pairs);
    // Each byte decodes to at most one character of three UTF-8 bytes, or CR LF.
    const std::string shown = rom::DecodeGameText(hex);
    if (shown.size() > 13 * 3) std::abort();
    if (encodable) {
        // Up to its end byte; what a typed "^" cut off is never shown, so it is not written again.
        const std::string again = Joined(rom::EncodeNameField(rom::Utf8ToU32(shown)));
        std::size_t end = 0;
        while (end < hex.size() && hex.compare(end, 2, "FF") != 0) end += 2;
        if (again.compare(0, end + 2, hex, 0, end + 2) != 0) std::abort();
    }

    // Any entry of raw bytes: what it shows saves back as its bytes up to the end byte, when every
    // byte before that is in the game's table.
    if (size >= 13) {
        std::string entry;
        for (std::size_t i = 0; i < 13; ++i) entry += rom::HexPair(data[i]);
        const auto again = rom::EncodeNameField(rom::Utf8ToU32(rom::DecodeGameText(entry)));
        for (std::size_t i = 0; i < 13; ++i) {
            if (data[i] == 0xFF) break;
            if (rom::DecodeGameText(rom::HexPair(data[i])).empty()) break; // shows nothing, so it is lost
            if (again[i] != rom::HexPair(data[i])) std::abort();
        }
    }
    return 0;
}

// Table resolution: whatever the header and the profile say, the tables that come out lie inside the
// file, and agree with every header word that points into it.

#include "rom/MoveTables.h"
#include "rom/ReadINI.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The input is: 4 bytes of file size, the first bytes of the ROM, then the profile text.
    if (size < 4) return 0;
    const std::int64_t fileSize = std::int64_t{data[0]} | std::int64_t{data[1]} << 8 |
                                  std::int64_t{data[2]} << 16 | std::int64_t{data[3]} << 24;
    const std::size_t held = std::min<std::size_t>(
        {size - 4, static_cast<std::size_t>(rom::HeaderReadLength), static_cast<std::size_t>(fileSize)});
    const rom::RomHeader header = rom::ParseRomHeader(std::span(data + 4, held), fileSize);
    const std::string profile(reinterpret_cast<const char*>(data + 4 + held), size - 4 - held);
    const rom::ProfileLookup lookup = [&profile](const std::string& section) {
        return rom::FindIniEntry(profile, section, "offset");
    };
    try {
        const rom::MoveTables tables = rom::ResolveMoveTables(header, lookup);
        if (tables.nameStart < 13 + rom::CartridgeHeaderEnd ||
            std::int64_t{tables.nameStart} + 354 * 13 > fileSize)
            std::abort();
        if (tables.dataOffset < rom::CartridgeHeaderEnd ||
            std::int64_t{tables.dataOffset} + 355 * 12 > fileSize)
            std::abort();
        if (const auto names = rom::HeaderNameStart(header); names && *names != tables.nameStart)
            std::abort();
        if (const auto records = rom::HeaderDataOffset(header); records && *records != tables.dataOffset)
            std::abort();
    } catch (const rom::TableError&) {
    }
    return 0;
}

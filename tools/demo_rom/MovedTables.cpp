#include "tools/demo_rom/DemoRom.h"

#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/MoveRecord.h"
#include "rom/Utf8.h"

#include <stdexcept>

namespace demo {
namespace {

constexpr std::uint8_t EndByte = 0xFF;

// A name entry as hacks write it: the name, its end byte, then FF to the end of the entry.
std::array<std::uint8_t, rom::MoveNameFieldLength> PaddedEntry(const std::string& name) {
    std::array<std::uint8_t, rom::MoveNameFieldLength> entry{};
    entry.fill(EndByte);
    std::size_t i = 0;
    for (const std::u32string& unit : rom::SplitGameUnits(rom::Utf8ToU32(name))) {
        if (i + 1 >= entry.size()) break; // at most 12 characters, so the end byte always fits
        entry[i++] = rom::ParseHexPair(rom::EncodeGameUnit(unit));
    }
    return entry;
}

// The record of a move the hack added: types up to 0x17, effects up to 253, priorities -7 to +5,
// flag bit 6 in use, and bytes 9 to 11 as a second power, the physical/special/status split and a
// second effect.
std::array<std::uint8_t, rom::MoveRecordSize> AddedRecord(int k) {
    const auto b = [](int v) { return static_cast<std::uint8_t>(v & 0xFF); };
    const int power = (k % 5 == 0) ? 0 : 20 + (k % 13) * 10;
    return {b(k % 254),
            b(power),
            b(k % 24),
            b(70 + k % 31),
            b(5 + k % 36),
            b(power ? (k % 4) * 10 : 0),
            b(1 << (k % 8) & 0x7F),
            b(k % 13 - 7),
            b(0x43 | (k % 2) << 4),
            b(power / 2),
            b(power ? k % 2 : 2),
            b(k % 40)};
}

} // namespace

void WriteMovedTables(DemoRom& image) {
    const DemoRomLayout& layout = image.layout;
    for (int k = 0; k < layout.movedMoveCount; ++k) {
        std::string name = k < static_cast<int>(image.names.size()) ? image.names[static_cast<std::size_t>(k)]
                                                                    : "Newmove " + std::to_string(k);
        std::array<std::uint8_t, rom::MoveRecordSize> record{};
        if (k < static_cast<int>(image.records.size())) {
            const rom::MoveRecord& r = image.records[static_cast<std::size_t>(k)];
            for (rom::MoveField f : rom::MoveFieldAccessOrder) record[static_cast<std::size_t>(f)] = r[f];
            const auto& tail = image.tails[static_cast<std::size_t>(k)];
            record[7] = tail[0];
            record[8] = tail[1];
            record[9] = r.power;
            record[10] = static_cast<std::uint8_t>(r.power == 0 ? 2 : r.type % 2);
        } else {
            record = AddedRecord(k);
        }
        const std::array<std::uint8_t, rom::MoveNameFieldLength> entry = PaddedEntry(name);
        image.movedNames.push_back(rom::DecodeGameBytes(entry));
        image.movedRecords.push_back(record);

        const std::int64_t nameAt =
            rom::MoveNameByteOffset(layout.movedNameStart, rom::MoveNameFieldLength, k, 0);
        const std::int64_t recordAt =
            std::int64_t{layout.movedDataOffset} + std::int64_t{k} * rom::MoveRecordSize;
        if (nameAt < 0 || nameAt + rom::MoveNameFieldLength > layout.size || recordAt < 0 ||
            recordAt + rom::MoveRecordSize > layout.size)
            throw std::invalid_argument("moved tables outside the image");
        std::copy(entry.begin(), entry.end(), image.bytes.begin() + nameAt);
        std::copy(record.begin(), record.end(), image.bytes.begin() + recordAt);
    }
}

} // namespace demo

#include "rom/MoveBytes.h"

#include "rom/GameText.h"
#include "rom/HexFunctions.h"

namespace rom {
namespace {

constexpr std::uint8_t HyphenByte = 0xAE, EndByte = 0xFF;

bool IsPlaceholderEntry(const NameEntry& e) {
    std::size_t i = 0;
    while (i < e.size() && e[i] == HyphenByte) ++i;
    return i > 0 && i < e.size() && e[i] == EndByte;
}

bool NameEnds(const NameEntry& e) {
    for (std::uint8_t b : e) {
        if (b == EndByte) return true;
        // A full-length name holds 13 characters of the game's table.
        if (DecodeGameBytes(std::span(&b, 1)).empty()) return false;
    }
    return true;
}

std::string RecordFault(const RecordBytes& r) {
    const auto over = [](const char* field, int value, int most) {
        return std::string(field) + " " + std::to_string(value) + " (at most " + std::to_string(most) + ")";
    };
    const MoveRecord fields = MoveRow{0, {}, {}, r}.Record();
    if (fields.accuracy > 100) return over("accuracy", fields.accuracy, 100);
    if (fields.effectChance > 100) return over("effect chance", fields.effectChance, 100);
    if (fields.pp > 64) return over("PP", fields.pp, 64);
    if ((fields.target & (fields.target - 1)) != 0)
        return "target " + std::to_string(fields.target) + " (one bit at most)";
    const int priority = static_cast<std::int8_t>(r[PriorityByte]);
    if (priority < -8 || priority > 8) return "priority " + std::to_string(priority) + " (-8 to 8)";
    return "";
}

} // namespace

MoveRecord MoveRow::Record() const {
    MoveRecord r;
    for (MoveField f : MoveFieldAccessOrder) r[f] = bytes[static_cast<std::size_t>(f)];
    return r;
}

std::int64_t NameEntryOffset(const MoveTables& at, int k) {
    return MoveNameByteOffset(at.nameStart, MoveNameFieldLength, k, 0);
}

std::int64_t RecordOffset(const MoveTables& at, int k) {
    return MoveFieldOffset(at.dataOffset, k, MoveField::effect);
}

std::vector<MoveRow> ReadMoveRows(std::span<const std::uint8_t> image, const MoveTables& at, int moveCount) {
    CheckTablesInside(at, static_cast<std::int64_t>(image.size()), moveCount);
    std::vector<MoveRow> rows(static_cast<std::size_t>(moveCount));
    for (int k = 0; k < moveCount; ++k) {
        MoveRow& row = rows[static_cast<std::size_t>(k)];
        row.move = k;
        const auto entry = image.subspan(static_cast<std::size_t>(NameEntryOffset(at, k)), row.entry.size());
        std::copy(entry.begin(), entry.end(), row.entry.begin());
        row.name = DecodeGameBytes(row.entry);
        const auto record = image.subspan(static_cast<std::size_t>(RecordOffset(at, k)), row.bytes.size());
        std::copy(record.begin(), record.end(), row.bytes.begin());
    }
    return rows;
}

std::optional<NameEntry> EncodeNameEntry(std::u32string_view name) {
    const std::vector<std::string> pairs = EncodeNameField(name);
    NameEntry entry{};
    for (std::size_t i = 0; i < entry.size(); ++i) {
        if (pairs[i].empty()) return std::nullopt;
        entry[i] = ParseHexPair(pairs[i]);
    }
    return entry;
}

std::string MoveTableFault(std::span<const std::uint8_t> image, const MoveTables& tables, int moveCount) {
    std::vector<MoveRow> rows;
    try {
        rows = ReadMoveRows(image, tables, moveCount);
    } catch (const RomError& e) {
        return e.what();
    }
    if (!IsPlaceholderEntry(rows[0].entry))
        return "move 0's name entry " + HexText(rows[0].entry) +
               " is not the placeholder (hyphens and the end byte FF)";
    for (const MoveRow& row : rows) {
        if (!NameEnds(row.entry))
            return "move " + std::to_string(row.move) + "'s name entry " + HexText(row.entry) +
                   " does not end within 13 bytes";
        if (const std::string fault = RecordFault(row.bytes); !fault.empty())
            return "move " + std::to_string(row.move) + "'s record " + HexText(row.bytes) + " holds " + fault;
    }
    return "";
}

std::string HexText(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) text += HexPair(b);
    return text;
}

} // namespace rom

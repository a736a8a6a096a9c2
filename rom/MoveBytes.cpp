#include "rom/MoveBytes.h"

#include "rom/GameText.h"
#include "rom/HexFunctions.h"

namespace rom {

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

std::string HexText(std::span<const std::uint8_t> bytes) {
    std::string text;
    text.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) text += HexPair(b);
    return text;
}

} // namespace rom

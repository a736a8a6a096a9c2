#include "rom/TablePlausibility.h"

#include "rom/GameText.h"

#include <algorithm>

namespace rom {
namespace {

constexpr std::uint8_t HyphenByte = 0xAE, LineBreakByte = 0xFE, EndByte = 0xFF;

bool IsCharacter(std::uint8_t b) {
    return b == LineBreakByte || !DecodeGameBytes(std::span(&b, 1)).empty();
}

bool IsPlaceholderEntry(const NameEntry& e) {
    std::size_t i = 0;
    while (i < e.size() && e[i] == HyphenByte) ++i;
    return i > 0 && i < e.size() && e[i] == EndByte;
}

// A full-length name holds 13 characters and no end byte; the game shows it running on.
bool NameEndsOrIsFull(const NameEntry& e) {
    for (std::uint8_t b : e) {
        if (b == EndByte) return true;
        if (!IsCharacter(b)) return false;
    }
    return true;
}

} // namespace

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

bool IsEndedGameText(const NameEntry& entry) {
    for (std::uint8_t b : entry) {
        if (b == EndByte) return true;
        if (!IsCharacter(b)) return false;
    }
    return false;
}

int CountPlausibleMoves(std::span<const std::uint8_t> names, std::span<const std::uint8_t> records, int cap) {
    int k = 0;
    for (; k < cap; ++k) {
        const std::size_t name = static_cast<std::size_t>(k) * MoveNameFieldLength;
        const std::size_t record = static_cast<std::size_t>(k) * MoveRecordSize;
        if (name + MoveNameFieldLength > names.size() || record + MoveRecordSize > records.size()) break;
        NameEntry entry{};
        RecordBytes bytes{};
        std::copy_n(names.begin() + static_cast<std::ptrdiff_t>(name), entry.size(), entry.begin());
        std::copy_n(records.begin() + static_cast<std::ptrdiff_t>(record), bytes.size(), bytes.begin());
        if (!IsEndedGameText(entry) || !RecordFault(bytes).empty()) break;
    }
    return k;
}

int TableMoveCount(std::optional<int> profileCount, int plausibleMoves) {
    if (profileCount) return *profileCount;
    return std::max(StandardMoveCount, plausibleMoves);
}

std::string MoveTableFault(std::span<const std::uint8_t> image, const MoveTables& tables, int moveCount) {
    std::vector<MoveRow> rows;
    try {
        rows = ReadMoveRows(image, tables, moveCount);
    } catch (const RomError& e) {
        return e.what();
    }
    if (!IsPlaceholderEntry(rows[0].entry))
        return "move 0's name entry " + HexText(rows[0].entry) + " is not the placeholder (hyphens and the end byte FF)";
    for (const MoveRow& row : rows) {
        if (!NameEndsOrIsFull(row.entry))
            return "move " + std::to_string(row.move) + "'s name entry " + HexText(row.entry) +
                   " does not end within 13 bytes";
        if (const std::string fault = RecordFault(row.bytes); !fault.empty())
            return "move " + std::to_string(row.move) + "'s record " + HexText(row.bytes) + " holds " + fault;
    }
    return "";
}

} // namespace rom

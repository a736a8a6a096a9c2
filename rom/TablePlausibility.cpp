#include "rom/TablePlausibility.h"

#include "rom/GameText.h"

#include <algorithm>

namespace rom {
namespace {

constexpr std::uint8_t BlankByte = 0x00, HyphenByte = 0xAE, LineBreakByte = 0xFE, EndByte = 0xFF;

bool IsCharacter(std::uint8_t b) {
    return b == LineBreakByte || !DecodeGameBytes(std::span(&b, 1)).empty();
}

bool IsPlaceholderEntry(const NameEntry& e) {
    std::size_t i = 0;
    while (i < e.size() && e[i] == HyphenByte) ++i;
    return i > 0 && i < e.size() && e[i] == EndByte;
}

// A name that runs on (13 characters, no end byte) or ends within the entry.
bool EndsOrIsFull(const NameEntry& e) {
    for (std::uint8_t b : e) {
        if (b == EndByte) return true;
        if (!IsCharacter(b)) return false;
    }
    return true;
}

bool AllAre(const NameEntry& e, std::uint8_t value) {
    return std::all_of(e.begin(), e.end(), [value](std::uint8_t b) { return b == value; });
}

NameEntry EntryAt(std::span<const std::uint8_t> names, int k) {
    NameEntry entry{};
    std::copy_n(names.begin() + static_cast<std::ptrdiff_t>(k) * MoveNameFieldLength, entry.size(),
                entry.begin());
    return entry;
}

std::string Fault(int k, const std::string& what, std::span<const std::uint8_t> bytes,
                  const std::string& why) {
    return "move " + std::to_string(k) + "'s " + what + " " + HexText(bytes) + " " + why;
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

bool IsNameEntry(const NameEntry& entry) {
    return !AllAre(entry, EndByte) && !AllAre(entry, BlankByte) && EndsOrIsFull(entry);
}

std::string NameEntryFault(const NameEntry& entry, int k) {
    if (k == 0)
        return IsPlaceholderEntry(entry)
                   ? ""
                   : "move 0's entry stays the placeholder (hyphens and the end byte FF)";
    if (AllAre(entry, EndByte))
        return "13 bytes FF are free space, not a name (an empty name is FF and blanks)";
    if (AllAre(entry, BlankByte)) return "13 blanks are no name";
    return IsNameEntry(entry) ? ""
                              : "a name entry is game text ended by FF within 13 bytes, or 13 characters";
}

int CountMoveNames(std::span<const std::uint8_t> names, int cap) {
    const int whole =
        static_cast<int>(std::min<std::size_t>(names.size() / MoveNameFieldLength, std::size_t(cap)));
    int k = 0;
    while (k < whole && IsNameEntry(EntryAt(names, k))) ++k;
    return k;
}

int TableMoveCount(std::optional<int> profileCount, int names) {
    if (profileCount) return *profileCount;
    return std::max(StandardMoveCount, names);
}

bool RecordsLookWrong(std::span<const std::uint8_t> records, int moveCount) {
    int wrong = 0, read = 0;
    for (int k = 1; k < moveCount; ++k) {
        const std::size_t at = static_cast<std::size_t>(k) * MoveRecordSize;
        if (at + MoveRecordSize > records.size()) break;
        RecordBytes bytes{};
        std::copy_n(records.begin() + static_cast<std::ptrdiff_t>(at), bytes.size(), bytes.begin());
        ++read;
        if (!RecordFault(bytes).empty()) ++wrong;
    }
    return wrong * 2 > read;
}

std::string MoveTableFault(const ReadRange& read, std::int64_t size, const MoveTables& tables,
                           int moveCount) {
    try {
        CheckTablesInside(tables, size, moveCount);
    } catch (const RomError& e) {
        return e.what();
    }
    const std::vector<std::uint8_t> names = read(std::int64_t{tables.nameStart} - MoveNameFieldLength,
                                                 std::int64_t{moveCount} * MoveNameFieldLength);
    if (moveCount < 1) return "";
    if (names.size() != static_cast<std::size_t>(moveCount) * MoveNameFieldLength)
        return "the name table cannot be read";
    const NameEntry placeholder = EntryAt(names, 0);
    if (!IsPlaceholderEntry(placeholder))
        return Fault(0, "name entry", placeholder, "is not the placeholder (hyphens and the end byte FF)");
    for (int k = 1; k < moveCount; ++k)
        if (const NameEntry entry = EntryAt(names, k); !EndsOrIsFull(entry))
            return Fault(k, "name entry", entry, "does not end within 13 bytes");
    return "";
}

std::string RecordLayoutFault(const ReadRange& read, const MoveTables& tables, int moveCount) {
    const std::vector<std::uint8_t> records =
        read(tables.dataOffset, std::int64_t{moveCount} * MoveRecordSize);
    if (!RecordsLookWrong(records, moveCount)) return "";
    for (int k = 1; std::size_t(k + 1) * MoveRecordSize <= records.size(); ++k) {
        RecordBytes bytes{};
        std::copy_n(records.begin() + static_cast<std::ptrdiff_t>(k) * MoveRecordSize, bytes.size(),
                    bytes.begin());
        if (const std::string fault = RecordFault(bytes); !fault.empty())
            return "most records are no move's, the first: " + Fault(k, "record", bytes, "holds " + fault);
    }
    return "";
}

ReadRange ImageBytes(std::span<const std::uint8_t> image) {
    return [image](std::int64_t offset, std::int64_t length) {
        const auto size = static_cast<std::int64_t>(image.size());
        offset = std::clamp<std::int64_t>(offset, 0, size);
        length = std::clamp<std::int64_t>(length, 0, size - offset);
        return std::vector<std::uint8_t>(image.begin() + offset, image.begin() + offset + length);
    };
}

} // namespace rom

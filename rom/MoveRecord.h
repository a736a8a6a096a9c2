#pragma once
// Where a move lives in the two tables of a ROM, and the layout of its 12-byte data record.
// Move k is entry k of both tables; move 0 is the placeholder shown as "--NONE--".

#include <array>
#include <cstdint>

namespace rom {

inline constexpr int MoveRecordSize = 12;
inline constexpr int MoveNameFieldLength = 13;

// Byte positions of the seven fields of bytes 0 to 6 inside a record. Bytes 7 to 11 (priority, flags and
// the three bytes the released games leave 0) are reached by their positions in rom/MoveBytes.h.
enum class MoveField : int {
    effect = 0,
    power = 1,
    type = 2,
    accuracy = 3,
    pp = 4,
    effectChance = 5,
    target = 6
};

inline constexpr int MoveFieldCount = 7;

// The order in which the window reads and writes a record's fields: pp before accuracy.
inline constexpr std::array<MoveField, MoveFieldCount> MoveFieldAccessOrder = {
    MoveField::effect,   MoveField::power,        MoveField::type,  MoveField::pp,
    MoveField::accuracy, MoveField::effectChance, MoveField::target};

// Bytes 0 to 6 of one record, in byte order.
struct MoveRecord {
    std::uint8_t effect = 0;
    std::uint8_t power = 0;
    std::uint8_t type = 0;
    std::uint8_t accuracy = 0;
    std::uint8_t pp = 0;
    std::uint8_t effectChance = 0;
    std::uint8_t target = 0;

    std::uint8_t& operator[](MoveField f);
    std::uint8_t operator[](MoveField f) const;
    bool operator==(const MoveRecord&) const = default;
};

// The offset of field f of move k's record, for a data table whose move 0 starts at dataOffset.
// The record of move k begins at dataOffset + 12 x k, with 12 x k formed as a signed 16-bit number:
// moves beyond 2730 (or below -2730) throw PositionError, as does an offset beyond 32 bits.
std::int32_t MoveFieldOffset(std::int32_t dataOffset, int k, MoveField f);

// Where byte i (0 to 12) of move k's name entry lies: nameStart is move 1's entry, entries lie
// stride bytes apart, so move 0's entry is at nameStart - stride. In the number type given: whole
// offsets, or the window's typed texts, which may hold fractions and are rounded afterwards.
template <typename Number> constexpr Number NameBytePosition(Number nameStart, Number stride, int k, int i) {
    return nameStart + static_cast<Number>(i) + (static_cast<Number>(k) - 1) * stride;
}

// The offset of byte i of move k's name entry (NameBytePosition). Throws PositionError beyond 32 bits.
std::int32_t MoveNameByteOffset(std::int32_t nameStart, std::int32_t stride, int k, int i);

} // namespace rom

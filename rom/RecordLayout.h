#pragma once
// What record bytes 9 to 11 and flag bit 6 hold. The released games leave them 0 ("released"); the
// grown battle engines of hacks keep the move's damage class in byte 10, the power of its Z-move form
// in byte 9, the Z-move's effect in byte 11 and "heal priority" in flag bit 6 ("split"). The layout is
// recognised from the records, or set by the profile, which wins:
//   [Recordlayout]
//   layout=split

#include "rom/CodeWordTable.h"
#include "rom/Vocabularies.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace rom {

enum class RecordLayout { Released, Split };

inline constexpr int ZMovePowerByte = 9;
inline constexpr int DamageClassByte = 10;
inline constexpr int ZMoveEffectByte = 11;
inline constexpr std::uint8_t HealPriorityFlag = 0x40; // bit 6 of record byte 8
// The seventh flag the split layout shows, after the six of MoveFlags().
inline constexpr MoveFlag HealPriorityMoveFlag{"heal_priority", "Heal priority"};

enum class DamageClass : std::uint8_t { Physical = 0, Special = 1, Status = 2 };
inline constexpr int DamageClassCount = 3;
// "Physical", "Special", "Status", by the byte's value.
const std::array<const char*, DamageClassCount>& DamageClassNames();

// The records that must hold each of at least two damage classes for the data to be "split".
inline constexpr int SplitClassMinimum = 20;

// The layout the records show: "split" when byte 10 is 0, 1 or 2 in every record and at least two of
// the three values are each held by 20 or more records; otherwise "released". records holds the
// table's bytes from move 0's record on, moveCount records of them (fewer when it ends early). One
// user's edit cannot flip it on a real table. Never fails.
RecordLayout RecogniseRecordLayout(std::span<const std::uint8_t> records, int moveCount);

// The profile's [Recordlayout] layout (a revision's own section first), nullopt when it gives none.
// Throws TableError for a value other than "released" or "split" (without regard to case).
std::optional<RecordLayout> ProfileRecordLayout(const ProfileKeyLookup& lookup, int revision);

struct FoundRecordLayout {
    RecordLayout layout = RecordLayout::Released;
    bool fromProfile = false; // the profile set it, rather than the records
};

// The profile's layout where it gives one, else the one the records show. Throws as
// ProfileRecordLayout.
FoundRecordLayout ResolveRecordLayout(const ProfileKeyLookup& lookup, int revision,
                                      std::span<const std::uint8_t> records, int moveCount);

// The profile's word for a layout: "released" or "split" (what the profile command writes).
std::string RecordLayoutKey(RecordLayout layout);

// A warning, not a refusal, when the class and the power disagree: a status move with power, a
// physical or special move without, a class byte past Status. "" when they agree. Never fails.
std::string DamageClassWarning(std::uint8_t damageClass, std::uint8_t power);

// The class a released game gives a move: Status with power 0, else Physical for types 0 to 8 and
// Special for 10 to 17; nullopt for the "???" type 9 and types past 17. A read-only hint.
std::optional<DamageClass> ReleasedDamageClass(std::uint8_t type, std::uint8_t power);

} // namespace rom

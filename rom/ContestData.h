#pragma once
// The contest half of a move (the releases with contests: AXV?, AXP?, BPE?). Three tables, each found
// through the code words of its profile section by the rule of rom/CodeWordTable.h:
//   [Contestmoves]        355 records of 8 bytes, record of move k at T + 8 x k: byte 0 the contest
//                         effect, byte 1 bits 0-2 the category (bits 3-7 belong to no field and are
//                         kept), byte 2 the combo starter id the move holds, bytes 3-6 the ids of the
//                         combo starters after which it scores a combo (0: none), byte 7 padding (0)
//   [Contesteffects]      48 records of 4 bytes: effect type, appeal, jam, padding (0)
//   [Contesteffecttexts]  48 cartridge addresses of the game's text for each effect (FE line break,
//                         FF end)
// A profile without [Contestmoves] has no contest data (FR/LG): nothing of it shows. Tables that fail
// their check turn the contest data off with the reason; the effect texts alone may be missing (the
// effects are then named by number). Both front ends read it through ReadContestData.

#include "rom/CodeWordTable.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace rom {

inline constexpr int ContestMoveCount = 355;
inline constexpr int ContestMoveRecordSize = 8;
inline constexpr int ContestEffectCount = 48;
inline constexpr int ContestEffectRecordSize = 4;
inline constexpr int ContestCategoryCount = 5; // Cool, Beauty, Cute, Smart, Tough
inline constexpr int ComboMoveCount = 4;
// Byte 1 of a contest record: the category in bits 0-2; the other bits are kept as the ROM has them.
inline constexpr std::uint8_t ContestCategoryMask = 0x07;
// An effect's text must end (FF) within this many bytes of its first.
inline constexpr int MaxContestEffectTextBytes = 256;

struct ContestMove {
    int effect = 0;                               // byte 0: 0 to 47
    int category = 0;                             // byte 1 bits 0-2: 0 to 4
    int comboStarter = 0;                         // byte 2: the combo starter id the move holds; 0 none
    std::array<int, ComboMoveCount> comboMoves{}; // bytes 3-6: starter ids it follows; 0 none
    std::uint8_t byte1 = 0;                       // byte 1 as the ROM has it (bits 3-7 are kept on a write)
    std::uint8_t byte7 = 0;                       // byte 7 as the ROM has it (never written)
    bool operator==(const ContestMove&) const = default;
};

struct ContestEffect {
    int type = 0;
    int appeal = 0;
    int jam = 0;
    int padding = 0; // byte 3: 0 in the game's table, never written
    bool operator==(const ContestEffect&) const = default;
};

struct ContestData {
    bool inProfile = false; // the profile has a contest move section; false: show nothing of it
    CodeWordTable moveTable, effectTable, textTable; // where each table was read, or why not
    std::vector<ContestMove> moves;                  // moves 0 to 354; empty when the contest data is off
    std::vector<ContestEffect> effects;              // effects 0 to 47; empty when off
    std::vector<std::string> effectTexts; // effects 0 to 47, lines joined by "\n"; empty when missing
    std::string unavailable;              // why the contest data is off; "" when on (or not in the profile)
    std::string textsUnavailable;         // why the effect texts are missing; "" when read

    bool Available() const { return !moves.empty(); }
    bool HasEffectTexts() const { return !effectTexts.empty(); }
    // Move k's contest record, or nullptr: off, or past the table (a grown table's moves 355 on).
    const ContestMove* Of(int k) const;
    // The file offsets of move k's contest record and of effect e's record.
    std::int64_t MoveRecordOffset(int k) const;
    std::int64_t EffectRecordOffset(int e) const;
};

// Why 355 x 8 bytes are no contest move table (a category past 4, an effect past 47, a byte 7 not 0,
// too few bytes), or "". Never fails.
std::string ContestMoveTableFault(std::span<const std::uint8_t> bytes);
// Why 48 x 4 bytes are no contest effect table (a padding byte not 0, every record empty, too few
// bytes), or "". Never fails.
std::string ContestEffectTableFault(std::span<const std::uint8_t> bytes);

// The move records of a plausible table's bytes.
std::vector<ContestMove> ParseContestMoves(std::span<const std::uint8_t> bytes);
std::vector<ContestEffect> ParseContestEffects(std::span<const std::uint8_t> bytes);

// The contest data of a ROM through the profile's [Contestmoves], [Contesteffects] and
// [Contesteffecttexts] sections (a revision's ".revN" one first). Never fails: a malformed section,
// words that disagree or name no place, or bytes that fail the check leave the data off (or the
// texts missing), with the reason.
ContestData ReadContestData(const ProfileKeyLookup& lookup, int revision, bool profileIsShipped,
                            std::int64_t fileSize, const ReadRange& read);

} // namespace rom

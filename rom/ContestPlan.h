#pragma once
// Plans of changes to the contest tables, for the same all-or-nothing, backed-up save as the move's
// other fields. A move's contest record is written in bytes 0 to 6 only: byte 1 keeps its bits 3-7
// as the ROM has them, byte 7 is never written. An effect's record is written in bytes 0 to 2 only
// (its padding byte never), and such a change reaches every move that uses the effect.

#include "rom/ChangePlan.h"
#include "rom/ContestData.h"

#include <array>
#include <string>
#include <vector>

namespace rom {

// A move's contest fields as the user sets them.
struct ContestMoveFields {
    int effect = 0;                               // 0 to 47
    int category = 0;                             // 0 to 4
    int comboStarter = 0;                         // 0 to 255
    std::array<int, ComboMoveCount> comboMoves{}; // each 0 to 255
    bool operator==(const ContestMoveFields&) const = default;
};

struct ContestEffectFields {
    int type = 0, appeal = 0, jam = 0; // each 0 to 255
    bool operator==(const ContestEffectFields&) const = default;
};

// Move k's fields as the ROM holds them. Throws PlanError when k has no contest record.
ContestMoveFields ContestFieldsOf(const ContestData& data, int k);

// Appends the writes of bytes 0 to 6 of move k's contest record, in byte order. Throws PlanError
// (nothing appended) when the contest data is off, k is past the table (a grown table's moves 355
// on) or a value is out of its range.
void PlanContestMove(ChangePlan& plan, const ContestData& data, int k, const ContestMoveFields& fields);

// Appends the writes of bytes 0 to 2 of effect e's record. Throws PlanError (nothing appended) when
// the contest data is off, e is not 0 to 47 or a value is not 0 to 255.
void PlanContestEffect(ChangePlan& plan, const ContestData& data, int e, const ContestEffectFields& fields);

// What a change of effect e reaches, for the report: "Contest effect 3 is used by 2 moves, which the
// change affects: 12 Pound, 40 Slam." (moveNames: move k at k).
std::string ContestEffectChangeReport(const ContestData& data, const std::vector<std::string>& moveNames,
                                      int e);

} // namespace rom

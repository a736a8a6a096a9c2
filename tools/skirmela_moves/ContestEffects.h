#pragma once
// skirmela-moves contest-effects: the 48 contest effects of a ROM with contest data (effect type,
// appeal, jam and the game's text), listed, set one at a time, or imported as a table:
//   effect,type,appeal,jam,text
// effect takes a number 0 to 47 or the effect's text; type, appeal and jam a number 0 to 255; text is
// read-only (left empty or as listed). A change reaches every move that uses the effect: the report
// names them.

#include "rom/ChangePlan.h"
#include "rom/ContestPlan.h"
#include "tools/skirmela_moves/CommandLine.h"
#include "tools/skirmela_moves/Csv.h"
#include "tools/skirmela_moves/ImportCheck.h"

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

namespace moves {

// The effects as text (one aligned line each), as CSV with a header row, and as a JSON array
// (appeal and jam as numbers). Never fail.
std::string EffectsText(const rom::ContestData& data);
std::string EffectsCsv(const rom::ContestData& data);
std::string EffectsJson(const rom::ContestData& data);

struct EffectChange {
    int effect = 0;
    rom::ContestEffectFields fields;
};

struct EffectsCheck {
    std::vector<CellError> errors;     // empty when the table may be written
    std::vector<EffectChange> changes; // effects that differ, ascending; empty when errors are found
    std::vector<FieldChange> report;   // "effect 3: appeal 20 -> 30" (FieldChange::move holds the effect)
};

// Checks a table of effects (the first record names the columns; "effect" must be there) against the
// ROM's. Never fails: every fault becomes a CellError.
EffectsCheck CheckEffects(const std::vector<CsvRecord>& records, const rom::ContestData& data);

// The table contest-effects import takes to put back the changed fields. Never fails.
std::string EffectsUndoCsv(const std::vector<EffectChange>& changes, const rom::ContestData& data);

// Runs contest-effects list, set or import. Throws CommandFailed; otherwise the exit status.
int ContestEffects(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
                   std::ostream& err, std::istream& in);

} // namespace moves

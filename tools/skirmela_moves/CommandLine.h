#pragma once
// The command line of skirmela-moves: the command, its operands and the options.

#include "rom/MoveTables.h"

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace moves {

// The command line cannot be understood; nothing has been read or written.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

enum class Command { help, version, list, exportCsv, importCsv, set, diff, profile, contestEffects };
// What contest-effects does: list the 48 effects, set one's fields, or import a table of them.
enum class EffectsAction { list, set, importCsv };
enum class ListFormat { text, csv, json };

// One "field=value" operand of set.
struct FieldAssignment {
    std::string field;
    std::string value;
};

struct CommandLine {
    Command command = Command::help;
    EffectsAction effectsAction = EffectsAction::list; // contest-effects only
    std::filesystem::path rom;
    std::filesystem::path otherRom; // diff: the ROM compared with rom
    std::filesystem::path file;     // export and import; "-" is standard output or input
    std::string
        move; // set: the move number as typed, checked like an import cell; contest-effects set: the effect
    std::vector<FieldAssignment> assignments;
    ListFormat format = ListFormat::text;
    bool dryRun = false;
    std::optional<std::filesystem::path> undoFile; // import and set: where the undo table goes
    bool backup = false;                           // import and set: back the ROM up before it changes
    bool write = false;                            // profile: add the sections to the game's profile
    bool force = false;                            // profile --write: replace values that differ
    std::optional<int> moveCount; // moves 0 to N - 1 are read; found in the ROM when not given
    std::optional<std::filesystem::path> dataDir;
};

// The command line of args (without the program name). Options may stand anywhere; "--" ends them.
// Throws UsageError for no command at all, an unknown command or option, a wrong number of
// operands, an option the command does not take, and a set operand without "=" or that is not
// strict UTF-8 text.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The help text. Never fails.
std::string UsageText();

// "skirmela-moves 1.0.0". Never fails.
std::string VersionText();

} // namespace moves

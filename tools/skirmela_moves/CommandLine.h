#pragma once
// The command line of skirmela-moves: the command, its operands and the options.

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

enum class Command { help, list, exportCsv, importCsv, set };
enum class ListFormat { text, csv, json };

// One "field=value" operand of set.
struct FieldAssignment {
    std::string field;
    std::string value;
};

struct CommandLine {
    Command command = Command::help;
    std::filesystem::path rom;
    std::filesystem::path file; // export and import; "-" is standard output or input
    std::string move;           // set: the move number as typed, checked like an import cell
    std::vector<FieldAssignment> assignments;
    ListFormat format = ListFormat::text;
    bool dryRun = false;
    std::optional<std::filesystem::path> dataDir;
};

// The command line of args (without the program name). Options may stand anywhere; "--" ends them.
// Throws UsageError for an unknown command or option, a wrong number of operands, an option the
// command does not take, and a set operand without "=".
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The help text. Never fails.
std::string UsageText();

} // namespace moves

#pragma once
// The commands of skirmela-moves, with their messages and exit statuses.

#include "tools/skirmela_moves/CommandLine.h"

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>

namespace moves {

inline constexpr int ExitDone = 0;
inline constexpr int ExitBadInput = 1;  // bad arguments or cells; nothing written
inline constexpr int ExitFileError = 2; // a file could not be read or written, or the ROM has no usable table

// A failure after which a command stops: its exit status and its message, one line a line.
class CommandFailed : public std::runtime_error {
  public:
    CommandFailed(int status, const std::string& message) : std::runtime_error(message), status(status) {}
    int status;
};

// Writes message to err, each line after "skirmela-moves: " with its control characters escaped
// (files::Escaped). Never fails.
void ReportFailure(std::ostream& err, const std::string& message);

// Runs command and returns its exit status: a CommandFailed ends in its message, told by report, and
// its status; any other error in its message and ExitFileError. Never throws.
using FailureReport = void (*)(std::ostream& err, const std::string& message);
int RunReporting(const std::function<int()>& command, std::ostream& err,
                 FailureReport report = ReportFailure);

// The exit status of a command that ended with status and wrote its results to out: a result that
// never reached its reader (a full disk, a closed pipe) is no success, and ExitFileError is returned
// with the reason of the write that failed. Never fails.
int CheckedOutput(int status, std::ostream& out, std::ostream& err);

// Runs the command line: results on out, messages on err, an import's "-" reads in. The profile
// comes from --data or else <programDir>/Data. Never throws; every failure becomes a message and
// its exit status.
int RunCommand(const CommandLine& cl, const std::filesystem::path& programDir, std::ostream& out,
               std::ostream& err, std::istream& in);

} // namespace moves

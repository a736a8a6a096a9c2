#pragma once
// Runs a program of the build as a user does, from a shell, for tests of whole commands.

#include <filesystem>
#include <string>
#include <vector>

namespace testing_support {

struct RunResult {
    int status = -1; // the exit status; -1 when the program did not exit by itself
    std::string out, err;
};

// s in single quotes for the shell.
std::string ShellQuoted(const std::string& s);

// Runs program with args and no standard input; environment ("NAME=value ...") goes before it.
// Its standard output goes to stdoutFile (default workDir/out.txt), its standard error to
// workDir/err.txt; the result holds both files of workDir as they are after the run.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::filesystem::path& workDir, const std::string& environment = "",
                     std::filesystem::path stdoutFile = {});

} // namespace testing_support

#include "tests/support/RunProgram.h"

#include "tests/support/TempFiles.h"

#include <cstdlib>
#include <sys/wait.h>

namespace testing_support {

std::string ShellQuoted(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::filesystem::path& workDir, const std::string& environment,
                     std::filesystem::path stdoutFile) {
    const std::filesystem::path out = workDir / "out.txt", err = workDir / "err.txt";
    if (stdoutFile.empty()) stdoutFile = out;
    std::string command = environment.empty() ? "" : environment + " ";
    command += ShellQuoted(program);
    for (const std::string& a : args) command.append(1, ' ').append(ShellQuoted(a));
    command += " >" + ShellQuoted(stdoutFile.string()) + " 2>" + ShellQuoted(err.string()) + " </dev/null";
    const int raw = std::system(command.c_str());
    RunResult r;
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    if (std::filesystem::exists(out)) r.out = ReadFileText(out);
    r.err = ReadFileText(err);
    return r;
}

} // namespace testing_support

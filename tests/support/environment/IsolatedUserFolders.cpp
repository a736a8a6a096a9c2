// Every test process gets user folders of its own that do not exist yet, so that no profile or
// backup of the machine's user takes part in a test, and no test leaves one there. Programs that a
// test starts inherit them.

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

const bool isolated = [] {
    const std::filesystem::path home =
        std::filesystem::temp_directory_path() / ("skirmela-test-home-" + std::to_string(::getpid()));
    ::setenv("XDG_CONFIG_HOME", (home / "config").c_str(), 1);
    ::setenv("XDG_STATE_HOME", (home / "state").c_str(), 1);
    return true;
}();

} // namespace

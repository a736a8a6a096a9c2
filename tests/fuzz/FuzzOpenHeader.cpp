// The open flow's header handling: whatever the file holds, a game code either is refused or names
// a profile inside the Data folder.

#include "rom/GameCode.h"
#include "rom/ProfileFolders.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path rom = std::filesystem::temp_directory_path() /
                                             ("skirmela-fuzz-header-" + std::to_string(::getpid()) + ".gba");
    {
        std::ofstream out(rom, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    try {
        const std::string code = rom::ReadGameCode(rom);
        const std::filesystem::path program = "/program";
        const auto profile = rom::ProfilePath(program / "Data", code);
        if (size < 176 || code.size() != 4) std::abort();
        if (profile.lexically_normal().parent_path() != program / "Data") std::abort();
        if (profile.filename() != code + ".ini") std::abort();
    } catch (const rom::GameCodeError&) {
    }
    return 0;
}

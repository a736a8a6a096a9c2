// make_demo_rom [options] [ROM] [DATA_DIR]: writes the synthetic demo ROM and its profile.
// By default the ROM goes to ./skirmela-demo.gba and the profile into Data/ beside this program.
// Options shape the image like the releases it stands in for:
//   --code XXXX        game code (default SKDM)
//   --revision N       the revision byte at 0xBC (default 0)
//   --header-words     the table words at 0x148 and 0x1CC point at the tables
//   --name-start S     offset of move 1's name (default 65549)
//   --data-offset D    offset of move 0's record (default 131072)
//   --size BYTES       length of the image (default 262144)
//   --moved-name-start S, --moved-data-offset D, --moved-moves N
//                      a modified ROM: both tables moved there and grown to N moves (default 923),
//                      names padded with FF, bytes 9 to 11 used; the header words point at them
//   --hack             the same with code BPRE, header words, and the moved tables at 196609 and 210001

#include "rom/WholeNumber.h"
#include "tools/demo_rom/DemoRom.h"

#include <climits>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::int32_t WholeNumber(const std::string& option, const char* text) {
    const auto value = rom::ParseWholeNumber(text, INT32_MAX);
    if (!value) throw std::invalid_argument(option + " takes a whole number, not \"" + std::string(text) + "\"");
    return static_cast<std::int32_t>(*value);
}

} // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    try {
        demo::DemoRomLayout layout;
        std::vector<std::string> places;
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            const auto value = [&]() -> const char* {
                if (i + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
                return argv[++i];
            };
            if (arg == "--code")
                layout.gameCode = value();
            else if (arg == "--revision") {
                const std::int32_t revision = WholeNumber(arg, value());
                if (revision > 255) throw std::invalid_argument("--revision is one byte, 0 to 255");
                layout.revision = static_cast<std::uint8_t>(revision);
            } else if (arg == "--header-words")
                layout.headerWords = true;
            else if (arg == "--name-start")
                layout.nameStart = WholeNumber(arg, value());
            else if (arg == "--data-offset")
                layout.dataOffset = WholeNumber(arg, value());
            else if (arg == "--size")
                layout.size = WholeNumber(arg, value());
            else if (arg == "--moved-name-start")
                layout.movedNameStart = WholeNumber(arg, value());
            else if (arg == "--moved-data-offset")
                layout.movedDataOffset = WholeNumber(arg, value());
            else if (arg == "--moved-moves")
                layout.movedMoveCount = WholeNumber(arg, value());
            else if (arg == "--hack") {
                layout.gameCode = "BPRE";
                layout.headerWords = true;
                layout.movedNameStart = 0x30001;
                layout.movedDataOffset = 0x33451;
            }
            else if (arg.starts_with("--"))
                throw std::invalid_argument("unknown option " + arg);
            else
                places.push_back(arg);
        }
        if (places.size() > 2) throw std::invalid_argument("at most a ROM path and a data folder");
        const fs::path rom = !places.empty() ? fs::path(places[0]) : fs::path("skirmela-demo.gba");
        const fs::path data =
            places.size() > 1 ? fs::path(places[1]) : fs::canonical("/proc/self/exe").parent_path() / "Data";
        demo::WriteDemoRom(demo::MakeDemoRom(layout), rom, data);
        std::cout << fs::absolute(rom).string() << "\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "make_demo_rom: " << e.what() << "\n";
        return 1;
    }
}

// make_demo_rom [options] [ROM] [DATA_DIR]: writes the synthetic demo ROM and its profile, so that the
// editor can be tried without a game; make_demo_rom --project LAYOUT FOLDER writes the same moves as a
// synthetic decompilation project. Installed as skirmela-make-demo-rom; `--help` prints the usage.

#include "rom/ProfileFolders.h"
#include "rom/WholeNumber.h"
#include "tools/demo_rom/DemoRom.h"
#include "tools/demo_rom/Project.h"

#include <climits>
#include <filesystem>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::int32_t WholeNumber(const std::string& option, const char* text) {
    const auto value = rom::ParseWholeNumber(text, INT32_MAX);
    if (!value)
        throw std::invalid_argument(option + " takes a whole number, not \"" + std::string(text) + "\"");
    return static_cast<std::int32_t>(*value);
}

// The folder of the user's own profiles, which both programs search first.
std::filesystem::path UserProfileDir() {
    const std::filesystem::path folder = rom::UserProfileFolder(rom::SystemEnvironment());
    if (folder.empty()) throw std::invalid_argument("HOME is not set: name the profile folder as DATA_DIR");
    return folder;
}

std::string UsageText(const std::string& program) {
    const std::string projectForm =
        "       " + program + " --project LAYOUT FOLDER [--moves N] [--rom ROM [DATA_DIR]]\n";
    return "usage: " + program + " [options] [ROM] [DATA_DIR]\n" + projectForm +
           "\n"
           "Writes a synthetic Game Boy Advance ROM image with an invented move table (default\n"
           "./skirmela-demo.gba) and its profile <code>.ini in DATA_DIR (default the folder of one's own\n"
           "profiles, ~/.config/skirmela/profiles or $XDG_CONFIG_HOME/skirmela/profiles), and prints\n"
           "the ROM's path. Open the ROM with skirmela or skirmela-moves.\n"
           "\n"
           "  --code XXXX        game code (default SKDM)\n"
           "  --revision N       the revision byte at 0xBC (default 0)\n"
           "  --header-words     the table words at 0x148 and 0x1CC point at the tables\n"
           "  --name-start S     offset of move 1's name (default 65549)\n"
           "  --data-offset D    offset of move 0's record (default 131072)\n"
           "  --size BYTES       length of the image (default 262144)\n"
           "  --moved-name-start S, --moved-data-offset D, --moved-moves N\n"
           "                     a modified ROM: both tables moved there and grown to N moves (default\n"
           "                     923), names padded with FF, bytes 9 to 11 used; the header words point\n"
           "                     at them, and no profile is written (the game's shipped one serves)\n"
           "  --hack             a modified BPRE ROM of 8 MiB as a grown battle engine leaves it: header\n"
           "                     words, the move tables moved to 6291457 and 6304849, the description\n"
           "                     table of 922 moves moved to 6356992 and both its code words pointing\n"
           "                     there, a type-name table of 24 names (Fairy at 23) at 6316032 named by\n"
           "                     3 of the 5 type-name words, the released one by the other 2, and the\n"
           "                     damage classes in record byte 10\n"
           "  --contest          an R/S-like AXVE ROM of 16 MiB with contest data: the move tables, the\n"
           "                     descriptions and the contest move, effect and effect-text tables at the\n"
           "                     released game's offsets (3995028, 3997868, 3976660) and the code words\n"
           "                     that name them; its profile is the shipped AXVE one\n"
           "  --project LAYOUT FOLDER\n"
           "                     instead of a ROM, the same moves as a synthetic decompilation project in\n"
           "                     FOLDER (new or empty), in the files and style of LAYOUT: fireredleafgreen\n"
           "                     (the moves of the default ROM), rubysapphire or emerald (those of\n"
           "                     --contest, with their contest records); prints the folder's path\n"
           "  --moves N          the project's number of moves, 2 to 2730 (default 355); another number\n"
           "                     grows the table as the moved tables are grown\n"
           "  --rom ROM          with --project, also the ROM the project's build would give (the same\n"
           "                     moves as the project lists them: names of at most 12 characters,\n"
           "                     record bytes 9 to 11 zero) and its profile in DATA_DIR, as without\n"
           "                     --project; a layout with contest data takes 355 moves only\n"
           "  -h, --help         print this text\n"
           "\n"
           "Exit status: 0 written, 1 bad arguments or a file could not be written.\n";
}

} // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const std::string program = argc > 0 ? fs::path(argv[0]).filename().string() : "make_demo_rom";
    try {
        demo::DemoRomLayout layout;
        std::vector<std::string> places;
        std::optional<project::ProjectLayout> project;
        std::optional<std::int32_t> projectMoves;
        std::optional<fs::path> projectRom;
        std::string romOption; // the first option that shapes a ROM, which a project does not take
        for (int i = 1; i < argc; ++i) {
            const std::string arg = argv[i];
            const auto value = [&]() -> const char* {
                if (i + 1 >= argc) throw std::invalid_argument(arg + " needs a value");
                return argv[++i];
            };
            if (romOption.empty() && arg.starts_with("--") && arg != "--project" && arg != "--moves" &&
                arg != "--rom")
                romOption = arg;
            if (arg == "--help" || arg == "-h") {
                std::cout << UsageText(program);
                return 0;
            } else if (arg == "--code")
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
            else if (arg == "--hack")
                layout = demo::HackLayout();
            else if (arg == "--contest")
                layout = demo::ContestLayout();
            else if (arg == "--project") {
                const std::string word = value();
                project = demo::DemoProjectLayoutNamed(word);
                if (!project)
                    throw std::invalid_argument(
                        "--project takes fireredleafgreen, rubysapphire or emerald, not \"" + word + "\"");
            } else if (arg == "--moves")
                projectMoves = WholeNumber(arg, value());
            else if (arg == "--rom")
                projectRom = value();
            else if (arg.starts_with("--"))
                throw std::invalid_argument("unknown option " + arg);
            else
                places.push_back(arg);
        }
        if (project) {
            if (places.empty() || places.size() > (projectRom ? 2u : 1u))
                throw std::invalid_argument(projectRom ? "--project --rom takes a folder and a data folder"
                                                       : "--project takes one folder");
            if (!romOption.empty()) throw std::invalid_argument(romOption + " shapes a ROM, not a --project");
            const int moves = projectMoves.value_or(demo::DemoProjectMoveCount);
            if (moves < 2 || moves > demo::MaxDemoProjectMoves)
                throw std::invalid_argument("--moves takes 2 to " +
                                            std::to_string(demo::MaxDemoProjectMoves));
            // The ROM is made first: a count its layout cannot take writes nothing.
            std::optional<demo::DemoRom> image;
            if (projectRom) image = demo::MakeDemoRomOfProject(*project, moves);
            demo::WriteDemoProject(*project, places[0], moves);
            std::cout << fs::absolute(places[0]).string() << "\n";
            if (image) {
                demo::WriteDemoRom(*image, *projectRom,
                                   places.size() > 1 ? fs::path(places[1]) : UserProfileDir());
                std::cout << fs::absolute(*projectRom).string() << "\n";
            }
            return 0;
        }
        if (projectMoves) throw std::invalid_argument("--moves counts the moves of a --project");
        if (projectRom) throw std::invalid_argument("--rom writes the ROM of a --project");
        if (places.size() > 2) throw std::invalid_argument("at most a ROM path and a data folder");
        const fs::path rom = !places.empty() ? fs::path(places[0]) : fs::path("skirmela-demo.gba");
        const fs::path data = places.size() > 1 ? fs::path(places[1]) : UserProfileDir();
        demo::WriteDemoRom(demo::MakeDemoRom(layout), rom, data);
        std::cout << fs::absolute(rom).string() << "\n";
        return 0;
    } catch (const std::invalid_argument& e) {
        std::cerr << program << ": " << e.what() << "\n(" << program << " --help shows the usage)\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << program << ": " << e.what() << "\n";
        return 1;
    }
}

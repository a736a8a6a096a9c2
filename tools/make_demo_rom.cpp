// make_demo_rom [ROM] [DATA_DIR]: writes the synthetic demo ROM (game code SKDM) and its profile.
// By default the ROM goes to ./skirmela-demo.gba and the profile into Data/ beside this program.

#include "tools/demo_rom/DemoRom.h"

#include <filesystem>
#include <iostream>

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    try {
        const fs::path rom = argc > 1 ? fs::path(argv[1]) : fs::path("skirmela-demo.gba");
        const fs::path data = argc > 2 ? fs::path(argv[2]) : fs::canonical("/proc/self/exe").parent_path() / "Data";
        demo::WriteDemoRom(demo::MakeDemoRom(), rom, data);
        std::cout << fs::absolute(rom).string() << "\n";
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "make_demo_rom: " << e.what() << "\n";
        return 1;
    }
}

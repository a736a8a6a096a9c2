// A decompilation project's files as a hostile user may leave them: the input, cut at NUL bytes,
// stands for the record table, a header of defines and the name table of a small FireRed/LeafGreen
// project. The reader must refuse or read without fault; what it reads must take a change, and the
// files the change writes must read back with the value changed and every other move as it was.

#include "project/ProjectStore.h"
#include "tools/demo_rom/Project.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const fs::path& Root() {
    static const fs::path root = [] {
        const fs::path dir =
            fs::temp_directory_path() / ("skirmela-fuzz-project-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        demo::WriteDemoProject(project::ProjectLayout::fireRedLeafGreen, dir, 12);
        return dir;
    }();
    return root;
}

constexpr const char* Files[] = {"src/data/battle_moves.h", "include/constants/extra.h",
                                 "src/data/text/move_names.h"};

void Write(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path& root = Root();
    static const std::string originals[] = {Read(root / Files[0]), "", Read(root / Files[2])};
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string parts[3] = {originals[0], originals[1], originals[2]};
    std::size_t start = 0;
    for (int i = 0; i < 3 && start <= input.size(); ++i) {
        const std::size_t end = std::min(input.find('\0', start), input.size());
        if (end > start) parts[i] = input.substr(start, end - start);
        start = end + 1;
    }
    for (int i = 0; i < 3; ++i) Write(root / Files[i], parts[i]);

    try {
        const project::OpenedProject opened = project::OpenProject(root);
        if (opened.moves.size() < 2) return 0;
        project::MoveChange change;
        change.move = 1;
        change.bytes = opened.moves[1].bytes;
        const std::uint8_t power = static_cast<std::uint8_t>((*change.bytes)[1] + 1);
        (*change.bytes)[1] = power;
        project::WriteProjectFiles(root, project::PlanProjectChanges(opened, std::span(&change, 1)));
        const project::OpenedProject again = project::OpenProject(root);
        if (again.moves.size() != opened.moves.size() || again.moves[1].bytes[1] != power) std::abort();
        for (std::size_t k = 2; k < again.moves.size(); ++k)
            if (again.moves[k].bytes != opened.moves[k].bytes || again.moves[k].name != opened.moves[k].name)
                std::abort();
    } catch (const project::ProjectError&) {
    } catch (const std::exception&) {
        // A file error of the write is no fault of the reader.
    }
    return 0;
}

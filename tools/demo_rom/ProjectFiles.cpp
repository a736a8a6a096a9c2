#include "tools/demo_rom/ProjectParts.h"

#include "rom/GameText.h"
#include "rom/HexFunctions.h"

#include <fstream>
#include <stdexcept>

namespace demo {
namespace {

using project::ProjectLayout;

constexpr std::uint8_t LineBreakByte = 0xFE;

std::string MakefileText() {
    return "# A synthetic decompilation project written by skirmela-make-demo-rom: it holds the move data "
           "of\n"
           "# invented moves for trying and testing skirmela, and no game. It builds nothing.\n"
           "\n"
           "all:\n"
           "\t@echo \"This synthetic project holds move data only: there is no ROM to build.\"\n"
           "\n"
           ".PHONY: all\n";
}

} // namespace

namespace project_parts {

std::string CharmapText() {
    std::string text = "@ The game's characters of the synthetic demo project: 'character' = byte(s),\n"
                       "@ NAME = byte(s) for an escape written {NAME} in a text.\n\n";
    for (int b = 0; b < LineBreakByte; ++b) {
        const std::uint8_t byte = static_cast<std::uint8_t>(b);
        const std::string shown = rom::DecodeGameBytes(std::span(&byte, 1));
        if (!shown.empty()) text += "'" + shown + "' = " + rom::HexPair(byte) + "\n";
    }
    text += "'\\n' = FE\n\n@ Escapes.\nPKMN = 53 54\n";
    return text;
}

} // namespace project_parts

std::vector<std::pair<std::filesystem::path, std::string>> DemoProjectFiles(ProjectLayout layout,
                                                                            int moveCount) {
    const std::vector<DemoProjectMove> moves = DemoProjectMoves(layout, moveCount);
    const project_parts::ProjectSymbols symbols = project_parts::SymbolsFor(layout, moves);
    std::vector<project_parts::ProjectFile> files = {{"Makefile", MakefileText()},
                                                     {"charmap.txt", project_parts::CharmapText()}};
    for (auto& file : project_parts::ConstantFiles(layout, moves, symbols)) files.push_back(std::move(file));
    for (auto& file : project_parts::SourceFiles(layout, moves, symbols)) files.push_back(std::move(file));
    return files;
}

void WriteDemoProject(ProjectLayout layout, const std::filesystem::path& folder, int moveCount) {
    namespace fs = std::filesystem;
    const auto files = DemoProjectFiles(layout, moveCount);
    std::error_code error;
    if (fs::exists(folder, error) && !(fs::is_directory(folder, error) && fs::is_empty(folder, error)))
        throw std::invalid_argument(folder.string() + " is not an empty folder: name a new or empty one");
    const bool existed = fs::exists(folder, error);
    // The folder was new or empty: a failed write leaves it as it was.
    const auto undo = [&] {
        if (!existed) {
            fs::remove_all(folder, error);
            return;
        }
        std::vector<fs::path> children;
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
            children.push_back(it->path());
        for (const fs::path& child : children) fs::remove_all(child, error);
    };
    try {
        for (const auto& [file, text] : files) {
            const fs::path path = folder / file;
            fs::create_directories(path.parent_path());
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out.write(text.data(), static_cast<std::streamsize>(text.size()));
            if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
        }
    } catch (const fs::filesystem_error& e) {
        undo();
        throw std::runtime_error(std::string("cannot write the project: ") + e.what());
    } catch (...) {
        undo();
        throw;
    }
}

std::optional<ProjectLayout> DemoProjectLayoutNamed(std::string_view word) {
    if (word == "fireredleafgreen") return ProjectLayout::fireRedLeafGreen;
    if (word == "rubysapphire") return ProjectLayout::rubySapphire;
    if (word == "emerald") return ProjectLayout::emerald;
    return std::nullopt;
}

} // namespace demo

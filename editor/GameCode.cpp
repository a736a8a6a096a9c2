#include "editor/GameCode.h"

#include <fstream>

namespace editor {

bool IsUsableGameCode(const std::string& code) {
    if (code.size() != GameCodeLength) return false;
    if (code.find("..") != std::string::npos) return false;
    for (char c : code) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || c == '/' || c == '\\') return false;
    }
    return true;
}

std::string ReadGameCode(const std::filesystem::path& rom) {
    std::ifstream in(rom, std::ios::binary);
    if (!in) throw GameCodeError("cannot open the ROM: " + rom.string());
    in.seekg(GameCodeOffset);
    std::string code(GameCodeLength, '\0');
    in.read(code.data(), GameCodeLength);
    if (!in || in.gcount() != GameCodeLength) throw GameCodeError("the ROM is too short to hold a game code");
    if (!IsUsableGameCode(code)) throw GameCodeError("the ROM's game code cannot name a profile");
    return code;
}

std::filesystem::path ProfilePath(const std::filesystem::path& programDir, const std::string& code) {
    return programDir / "Data" / (code + ".ini");
}

} // namespace editor

#include "rom/GameCode.h"

namespace rom {

bool IsUsableGameCode(const std::string& code) {
    if (code.size() != GameCodeLength) return false;
    if (code.find("..") != std::string::npos) return false;
    for (char c : code) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b >= 0x7F || c == '/' || c == '\\') return false;
    }
    return true;
}

std::string UsableGameCode(const RomHeader& header) {
    if (header.gameCode.size() < GameCodeLength || header.size < GameCodeOffset + GameCodeLength)
        throw GameCodeError("the ROM is too short to hold a game code (" + std::to_string(header.size) +
                            " bytes; the code lies at bytes 172 to 175)");
    if (!IsUsableGameCode(header.gameCode)) throw GameCodeError("the ROM's game code cannot name a profile");
    return header.gameCode;
}

std::string ReadGameCode(const std::filesystem::path& rom) {
    try {
        return UsableGameCode(ReadRomHeader(rom));
    } catch (const GameCodeError&) {
        throw;
    } catch (const RomError& e) {
        throw GameCodeError(e.what());
    } catch (const FileAccessError& e) {
        throw GameCodeError(e.what());
    }
}

} // namespace rom

#include "tools/demo_rom/DemoRom.h"

#include "rom/CodeWordTable.h"
#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/ReadINI.h"
#include "rom/ShippedProfiles.h"
#include "rom/TypeNameTable.h"
#include "rom/Utf8.h"

#include <stdexcept>

namespace demo {
namespace {

const char* const ReleasedNames[] = {"NORMAL", "FIGHT",  "FLYING", "POISON", "GROUND", "ROCK",
                                     "BUG",    "GHOST",  "STEEL",  "???",    "FIRE",   "WATER",
                                     "GRASS",  "ELECTR", "PSYCHC", "ICE",    "DRAGON", "DARK"};
const char* const GrownNames[] = {"Normal", "Fight",  "Flying", "Poison", "Ground", "Rock",
                                  "Bug",    "Ghost",  "Steel",  "???",    "Fire",   "Water",
                                  "Grass",  "Electr", "Psychc", "Ice",    "Dragon", "Dark",
                                  "-",      "-",      "-",      "-",      "-",      "Fairy"};

// The names' 7-byte entries (name, FF, blanks), and one entry of blanks without an end byte after
// the last, so that the table holds exactly these names.
void WriteTable(std::vector<std::uint8_t>& bytes, std::int64_t at, const std::vector<std::string>& names) {
    const std::int64_t end =
        at + std::int64_t{rom::TypeNameEntryLength} * (static_cast<std::int64_t>(names.size()) + 1);
    if (at < 0x200 || end > static_cast<std::int64_t>(bytes.size()))
        throw std::invalid_argument("type-name table outside the image");
    std::fill(bytes.begin() + at, bytes.begin() + end, 0);
    for (const std::string& name : names) {
        std::int64_t i = at;
        for (const std::u32string& unit : rom::SplitGameUnits(rom::Utf8ToU32(name)))
            bytes[static_cast<std::size_t>(i++)] = rom::ParseHexPair(rom::EncodeGameUnit(unit));
        bytes[static_cast<std::size_t>(i)] = 0xFF;
        at += rom::TypeNameEntryLength;
    }
}

void PutWord(std::vector<std::uint8_t>& bytes, std::int64_t at, std::int64_t offset) {
    const auto word = rom::OffsetAddress(offset);
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>(word >> (8 * i));
}

} // namespace

void WriteTypeNameTables(DemoRom& image) {
    const DemoRomLayout& layout = image.layout;
    image.movedTypeNames.assign(std::begin(GrownNames), std::end(GrownNames));
    WriteTable(image.bytes, layout.movedTypeNameTable, image.movedTypeNames);
    if (layout.releasedTypeNameTable != 0)
        WriteTable(image.bytes, layout.releasedTypeNameTable,
                   {std::begin(ReleasedNames), std::end(ReleasedNames)});
    const auto shipped = rom::ShippedProfileText(layout.gameCode);
    if (!shipped) return;
    const std::string text(*shipped);
    const auto profile = rom::ReadCodeWordProfile(
        [&text](const std::string& section, const std::string& key) {
            return rom::FindIniEntry(text, section, key);
        },
        "Typenametable", layout.revision);
    if (!profile) return;
    const std::vector<std::int64_t>& words = profile->words;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool released = i == 0 || i + 1 == words.size();
        if (words[i] + 4 > layout.size || (released && layout.releasedTypeNameTable == 0)) continue;
        PutWord(image.bytes, words[i], released ? layout.releasedTypeNameTable : layout.movedTypeNameTable);
    }
}

} // namespace demo

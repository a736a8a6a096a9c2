#include "tools/demo_rom/DemoRom.h"

#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/MoveDescriptions.h"
#include "rom/ShippedProfiles.h"
#include "rom/Utf8.h"

#include <array>
#include <fstream>
#include <stdexcept>

namespace demo {
namespace {

// A small deterministic generator, so every build makes the same demo ROM.
class Lcg {
  public:
    explicit Lcg(std::uint32_t seed) : state_(seed) {}
    std::uint32_t Next(std::uint32_t bound) {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % bound;
    }

  private:
    std::uint32_t state_;
};

// Names as the game shows them, with digits, punctuation, the gender signs, accented letters and
// umlauts; each at most 12 characters. The apostrophe and quotes are the game's typographic ones.
const std::pair<int, const char*> GameCharacterNames[] = {
    {7, "Poke\u00E9 Toss"},
    {21, "Fl\u00FCgelschlag"},
    {29, "Horn\u2642 Jab"},
    {32, "Horn\u2640 Kiss"},
    {42, "King\u2019s Roar"},
    {56, "Hit, Run"},
    {77, "\u00C4ther St\u00F6\u00DFe"},
    {88, "T\u00EAte-\u00E0-T\u00EAte"},
    {99, "Se\u00F1or \u00D1u"},
    {111, "\u00A1Ol\u00E9! \u00BFQu\u00E9?"},
    {123, "\u201CQuote\u201D Beam"},
    {150, "Mach 3 \u00D7 2"},
    {160, "Wait\u2026 Kick"},
    {176, "Revision 2.0"},
    {188, "\u00DCber: 50%"},
};

std::string InventedName(int k, Lcg& rng) {
    static const std::array<const char*, 24> first = {"Ember", "Frost", "Stone", "Gale",  "Vine",  "Spark",
                                                      "Shade", "Tide",  "Iron",  "Dream", "Venom", "Quake",
                                                      "Sky",   "Moon",  "Sun",   "Bolt",  "Thorn", "Ash",
                                                      "Dusk",  "Mist",  "Rune",  "Glim",  "Brine", "Coil"};
    static const std::array<const char*, 16> second = {" Jab",  " Wave", " Fang", " Claw", "fall",   " Burst",
                                                       " Rush", " Ring", " Coil", " Dart", " Pulse", " Spin",
                                                       " Kick", " Roar", " Beam", " Veil"};
    if (k == DemoFullLengthNameMove) return "Thunderspiral"; // 13 characters
    if (k == DemoLineBreakNameMove) return "Sky\r\nFall";
    std::string name = std::string(first[static_cast<std::size_t>(k) % first.size()]) +
                       second[(static_cast<std::size_t>(k) / first.size() + rng.Next(3)) % second.size()];
    if (k >= 300) name += std::to_string(k % 10);
    if (k % 37 == 5) name += "!";
    for (const auto& [move, shown] : GameCharacterNames)
        if (k == move) return shown; // after the draw above, so the records stay as they were
    return name.substr(0, 12);
}

std::vector<std::uint8_t> EncodeEntry(const std::string& name) {
    std::vector<std::uint8_t> entry;
    for (const std::string& pair : rom::EncodeNameField(rom::Utf8ToU32(name))) {
        if (pair.empty()) throw std::logic_error("demo name holds a character without a code: " + name);
        entry.push_back(rom::ParseHexPair(pair));
    }
    return entry;
}

void PutWord(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t word) {
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(word >> (8 * i));
}

rom::MoveRecord PlausibleRecord(int k, Lcg& rng) {
    static const std::array<std::uint8_t, 6> targets = {0, 0, 0, 1, 8, 16};
    rom::MoveRecord r;
    if (k == 0) return r;
    r.effect = static_cast<std::uint8_t>(rng.Next(5) == 0 ? rng.Next(126) : 0);
    r.power = static_cast<std::uint8_t>(rng.Next(4) == 0 ? 0 : 5 * (2 + rng.Next(29)));
    r.type = static_cast<std::uint8_t>(rng.Next(18));
    r.accuracy = static_cast<std::uint8_t>(rng.Next(3) == 0 ? 100 : 50 + 5 * rng.Next(10));
    r.pp = static_cast<std::uint8_t>(5 * (1 + rng.Next(8)));
    r.effectChance = static_cast<std::uint8_t>(r.effect == 0 ? 0 : 10 * rng.Next(11));
    r.target = targets[rng.Next(static_cast<std::uint32_t>(targets.size()))];
    return r;
}

// Most moves strike at priority 0; a few go first (+1 to +5) or last (-1 to -6). Move 98 strikes
// first, as the game's move 98 does.
std::uint8_t PlausiblePriority(int k, std::uint8_t draw) {
    static const std::array<int, 20> rare = {1, 1, 1, 1,  1,  1,  2,  3,  4,  4,
                                             4, 4, 5, -1, -3, -4, -5, -5, -6, -6};
    if (k == DemoFirstStrikeMove) return 1;
    if (draw < 224) return 0;
    return static_cast<std::uint8_t>(rare[static_cast<std::size_t>(draw - 224) % rare.size()] & 0xFF);
}

// The game's flags: a hit is blocked by Protect and copied by Mirror Move, and most hits make
// contact; a move that only aims at the foe may be reflected by Magic Coat, one that only helps the
// user may be stolen by Snatch. Bits 6 and 7 are never set.
std::uint8_t PlausibleFlags(const rom::MoveRecord& r, std::uint8_t draw) {
    enum : std::uint8_t {
        contact = 1,
        protect = 2,
        magicCoat = 4,
        snatch = 8,
        mirrorMove = 16,
        kingsRock = 32
    };
    const bool atFoe = r.target == 0 || r.target == 4 || r.target == 8;
    std::uint8_t flags = 0;
    if (r.power > 0) {
        flags = protect | mirrorMove;
        if (draw & 3) flags |= contact;
        if (draw & 4) flags |= kingsRock;
    } else if (atFoe) {
        flags = protect | mirrorMove;
        if (draw & 8) flags |= magicCoat;
    } else if (draw & 16) {
        flags = snatch;
    }
    return flags;
}

} // namespace

DemoRom MakeDemoRom(const DemoRomLayout& layout) {
    if (layout.gameCode.size() != 4) throw std::invalid_argument("a game code has four characters");
    if (layout.size < 0x200) throw std::invalid_argument("an image holds at least its 512-byte header");
    DemoRom image;
    image.layout = layout;
    image.bytes.assign(static_cast<std::size_t>(layout.size), 0);
    Lcg rng(0x5EED);
    for (std::size_t i = 0; i < image.bytes.size(); ++i)
        image.bytes[i] = static_cast<std::uint8_t>(rng.Next(256));

    const std::string title = "SKIRMELADEMO";
    std::copy(title.begin(), title.end(), image.bytes.begin() + 160);
    std::copy(layout.gameCode.begin(), layout.gameCode.end(), image.bytes.begin() + 172);
    image.bytes[0xBC] = layout.revision;
    const bool moved = layout.movedNameStart != 0;
    if (layout.headerWords) {
        const std::int32_t names = moved ? layout.movedNameStart : layout.nameStart;
        PutWord(image.bytes, 0x148, rom::OffsetAddress(names - rom::MoveNameFieldLength));
        PutWord(image.bytes, 0x1CC, rom::OffsetAddress(moved ? layout.movedDataOffset : layout.dataOffset));
    }

    for (int k = 0; k <= DemoNameCount; ++k) {
        const std::string name = k == 0 ? rom::U32ToUtf8(rom::MoveZeroName) : InventedName(k, rng);
        image.names.push_back(name);
        const std::vector<std::uint8_t> entry = EncodeEntry(name);
        const std::int64_t at = rom::MoveNameByteOffset(layout.nameStart, rom::MoveNameFieldLength, k, 0);
        if (at < 0 || at + rom::MoveNameFieldLength > layout.size)
            throw std::invalid_argument("name table outside the image");
        std::copy(entry.begin(), entry.end(), image.bytes.begin() + at);
    }
    for (int k = 0; k < DemoRecordCount; ++k) {
        const rom::MoveRecord record = PlausibleRecord(k, rng);
        image.records.push_back(record);
        const std::int64_t at = std::int64_t{layout.dataOffset} + std::int64_t{k} * rom::MoveRecordSize;
        if (at < 0 || at + rom::MoveRecordSize > layout.size)
            throw std::invalid_argument("data table outside the image");
        for (int f = 0; f < rom::MoveFieldCount; ++f)
            image.bytes[at + f] = record[static_cast<rom::MoveField>(f)];
        // Five numbers are drawn for bytes 7 to 11 as always, so every byte after them stays as it
        // was; bytes 7 and 8 then become a priority and flags as the game's moves have them, while
        // bytes 9 to 11 keep arbitrary values that no save may touch.
        std::vector<std::uint8_t> tail;
        for (int b = rom::MoveFieldCount; b < rom::MoveRecordSize; ++b)
            tail.push_back(static_cast<std::uint8_t>(k == 0 ? 0 : rng.Next(256)));
        if (k != 0) {
            tail[0] = PlausiblePriority(k, tail[0]);
            tail[1] = PlausibleFlags(record, tail[1]);
        }
        std::copy(tail.begin(), tail.end(), image.bytes.begin() + at + rom::MoveFieldCount);
        image.tails.push_back(tail);
    }
    if (moved) {
        WriteMovedTables(image);
        if (layout.movedTypeNameTable != 0) WriteTypeNameTables(image);
        if (layout.movedDescriptionTable != 0) WriteMovedDescriptions(image);
    } else if (layout.descriptionTable != 0)
        WriteDescriptions(image);
    if (layout.contestMoveTable != 0) WriteContestTables(image);
    return image;
}

DemoRomLayout HackLayout() {
    return {.gameCode = "BPRE",
            .size = 8 * 1024 * 1024,
            .headerWords = true,
            .movedNameStart = 0x600001,
            .movedDataOffset = 0x603451,
            .movedDescriptionTable = 0x610000,
            .movedTypeNameTable = 0x606000,
            .releasedTypeNameTable = 0x24F1A0};
}

std::string DemoProfileText(const DemoRomLayout& layout) {
    if (layout.contestMoveTable != 0) {
        const auto shipped = rom::ShippedProfileText(layout.gameCode);
        if (!shipped)
            throw std::invalid_argument("contest tables need the shipped profile of " + layout.gameCode);
        return std::string(*shipped);
    }
    std::string text = "[Nameoffset]\r\noffset=" + std::to_string(layout.nameStart) +
                       "\r\n[Dataoffset]\r\noffset=" + std::to_string(layout.dataOffset) + "\r\n";
    if (layout.descriptionTable != 0)
        text += "[Descriptionoffset]\r\noffset=" + std::to_string(layout.descriptionTable) + "\r\n";
    return text;
}

void WriteDemoRom(const DemoRom& image, const std::filesystem::path& romPath,
                  const std::filesystem::path& dataDir) {
    std::ofstream rom(romPath, std::ios::binary | std::ios::trunc);
    rom.write(reinterpret_cast<const char*>(image.bytes.data()),
              static_cast<std::streamsize>(image.bytes.size()));
    if (!rom.flush()) throw std::runtime_error("cannot write " + romPath.string());
    if (image.layout.movedNameStart != 0) return;
    std::filesystem::create_directories(dataDir);
    std::ofstream profile(dataDir / (image.layout.gameCode + ".ini"), std::ios::binary | std::ios::trunc);
    profile << DemoProfileText(image.layout);
    if (!profile.flush()) throw std::runtime_error("cannot write the profile in " + dataDir.string());
}

} // namespace demo

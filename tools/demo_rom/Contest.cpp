#include "tools/demo_rom/DemoRom.h"

#include "rom/CodeWordTable.h"
#include "rom/ContestData.h"
#include "rom/ReadINI.h"
#include "rom/ShippedProfiles.h"

#include <stdexcept>

namespace demo {
namespace {

// Its own generator, so that the bytes drawn for the rest of the image stay as they were.
class Draw {
  public:
    std::uint32_t Next(std::uint32_t bound) {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % bound;
    }

  private:
    std::uint32_t state_ = 0xC0A7E57;
};

// Effect texts as the game words them: one or two lines.
std::string InventedEffectText(int e) {
    static const char* const what[] = {"A highly appealing move.",     "Startles the Pok\u00E9mon ahead.",
                                       "Makes the crowd excited.",     "Appeal is best when used last.",
                                       "Avoids being startled once.",  "Jams the others\u2019 appeals.",
                                       "Works well if the same type.", "Appeal varies with the crowd."};
    static const char* const how[] = {"",
                                      "\nMay be used again.",
                                      "\nWorks great when used first.",
                                      "\nLowers the next appeal.",
                                      "\nBest in a combo.",
                                      "\nIgnores the jam."};
    return std::string(what[e % 8]) + how[(e / 8) % 6];
}

void PutWord(std::vector<std::uint8_t>& bytes, std::int64_t at, std::int64_t offset) {
    const auto word = rom::CartridgeAddressBase + static_cast<std::uint32_t>(offset);
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>(word >> (8 * i));
}

void CheckInside(const DemoRomLayout& layout, std::int64_t at, std::int64_t length, const char* what) {
    if (at < 0x200 || at + length > layout.size)
        throw std::invalid_argument(std::string(what) + " outside the image");
}

// Points the code words of the shipped profile's section at offset.
void PointWords(DemoRom& image, const char* section, std::int64_t offset) {
    const auto shipped = rom::ShippedProfileText(image.layout.gameCode);
    if (!shipped) return;
    const std::string text(*shipped);
    const auto profile = rom::ReadCodeWordProfile(
        [&text](const std::string& s, const std::string& key) { return rom::FindIniEntry(text, s, key); },
        section, image.layout.revision);
    if (!profile) return;
    for (std::int64_t word : profile->words)
        if (word + 4 <= image.layout.size) PutWord(image.bytes, word, offset);
}

std::array<std::uint8_t, 8> DrawnMove(int k, Draw& draw) {
    std::array<std::uint8_t, 8> r{};
    if (k == 0) return r;
    r[0] = static_cast<std::uint8_t>(draw.Next(rom::ContestEffectCount));
    r[1] = static_cast<std::uint8_t>(draw.Next(rom::ContestCategoryCount) | (k % 50 == 7 ? 0x28 : 0));
    // Every sixth move starts a combo; ids 2 to 45 recur, so some are held by two moves.
    if (k % 6 == 0) r[2] = static_cast<std::uint8_t>(1 + (k / 6) % 45);
    if (k % 4 == 1) r[3] = static_cast<std::uint8_t>(2 + draw.Next(44));
    if (k % 8 == 1) r[4] = static_cast<std::uint8_t>(2 + draw.Next(44));
    return r;
}

} // namespace

DemoRomLayout ContestLayout() {
    return {.gameCode = "AXVE",
            .nameStart = 2065197,
            .dataOffset = 2076972,
            .size = 16 * 1024 * 1024,
            .descriptionTable = 3934680,
            .contestMoveTable = 0x3CF594,
            .contestEffectTable = 0x3D00AC,
            .contestTextTable = 0x3CADD4};
}

void WriteContestTables(DemoRom& image) {
    const DemoRomLayout& layout = image.layout;
    Draw draw;
    CheckInside(layout, layout.contestMoveTable, rom::ContestMoveCount * rom::ContestMoveRecordSize,
                "contest move table");
    for (int k = 0; k < rom::ContestMoveCount; ++k) image.contestMoves.push_back(DrawnMove(k, draw));
    image.contestMoves[1] = {0, 4, 60, 0, 0, 0, 0, 0};
    image.contestMoves[116][2] = 61;
    image.contestMoves[170][2] = 62;
    image.contestMoves[5][3] = 61;
    image.contestMoves[5][4] = 62;
    for (std::size_t k = 0; k < image.contestMoves.size(); ++k)
        std::copy_n(image.contestMoves[k].begin(), 8,
                    image.bytes.begin() + layout.contestMoveTable + static_cast<std::int64_t>(8 * k));

    CheckInside(layout, layout.contestEffectTable, rom::ContestEffectCount * rom::ContestEffectRecordSize,
                "contest effect table");
    for (int e = 0; e < rom::ContestEffectCount; ++e) {
        const std::array<std::uint8_t, 4> r =
            e == 0 ? std::array<std::uint8_t, 4>{0, 40, 0, 0}
                   : std::array<std::uint8_t, 4>{static_cast<std::uint8_t>(draw.Next(7)),
                                                 static_cast<std::uint8_t>(10 * draw.Next(7)),
                                                 static_cast<std::uint8_t>(10 * draw.Next(5)), 0};
        image.contestEffects.push_back(r);
        std::copy_n(r.begin(), 4, image.bytes.begin() + layout.contestEffectTable + 4 * e);
    }

    if (layout.contestTextTable != 0) {
        std::vector<std::vector<std::uint8_t>> texts;
        std::int64_t length = 0;
        for (int e = 0; e < rom::ContestEffectCount; ++e) {
            image.contestEffectTexts.push_back(InventedEffectText(e));
            std::string fault;
            const auto bytes = rom::EncodeDescription(image.contestEffectTexts.back(), fault);
            if (!bytes) throw std::logic_error("demo contest effect text: " + fault);
            texts.push_back(*bytes);
            length += static_cast<std::int64_t>(bytes->size());
        }
        // The texts lie packed one after the other, the last ending just before the pointers.
        std::int64_t at = layout.contestTextTable - length;
        CheckInside(layout, at, length + 4 * rom::ContestEffectCount, "contest effect texts");
        for (int e = 0; e < rom::ContestEffectCount; ++e) {
            PutWord(image.bytes, layout.contestTextTable + 4 * e, at);
            const auto& text = texts[static_cast<std::size_t>(e)];
            std::copy(text.begin(), text.end(), image.bytes.begin() + at);
            at += static_cast<std::int64_t>(text.size());
        }
        PointWords(image, "Contesteffecttexts", layout.contestTextTable);
    }
    PointWords(image, "Contestmoves", layout.contestMoveTable);
    PointWords(image, "Contesteffects", layout.contestEffectTable);
}

} // namespace demo

#include "tools/demo_rom/DemoRom.h"

#include "rom/MoveDescriptions.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace demo {
namespace {

// Descriptions as the game words them: up to four lines, a line of at most 21 characters.
std::string InventedDescription(int k) {
    static const std::array<const char*, 8> openings = {"A sharp attack",  "The foe is struck", "A wild blow",
                                                        "A gust of power", "The user charges",  "A sly trick",
                                                        "An eerie glow",   "A quick jab"};
    static const std::array<const char*, 6> endings = {"that may flinch.", "that hits hard.",
                                                       "of 2-5 hits.",     "that can\u2019t miss.",
                                                       "that lowers Def.", "with a 30% burn."};
    if (k == DemoLongDescriptionMove)
        return "A long, long attack\nthat goes on and on\nuntil the foe’s HP\nruns out at last.";
    if (k == DemoShortDescriptionMove) return "Pounds.";
    return std::string(openings[static_cast<std::size_t>(k) % openings.size()]) + "\n" +
           endings[static_cast<std::size_t>(k / 8) % endings.size()];
}

void PutWord(std::vector<std::uint8_t>& bytes, std::int64_t at, std::uint32_t word) {
    for (int i = 0; i < 4; ++i)
        bytes[static_cast<std::size_t>(at + i)] = static_cast<std::uint8_t>(word >> (8 * i));
}

std::vector<std::uint8_t> EncodedDescription(const std::string& text) {
    std::string fault;
    const auto bytes = rom::EncodeDescription(text, fault);
    if (!bytes) throw std::logic_error("demo description: " + fault);
    return *bytes;
}

} // namespace

void WriteMovedDescriptions(DemoRom& image) {
    const DemoRomLayout& layout = image.layout;
    const std::int64_t table = layout.movedDescriptionTable;
    const int count = layout.movedMoveCount - 1;
    std::vector<std::vector<std::uint8_t>> texts;
    std::int64_t length = 0;
    for (int k = 1; k <= count; ++k) {
        image.descriptions.push_back(InventedDescription(k));
        texts.push_back(EncodedDescription(image.descriptions.back()));
        length += static_cast<std::int64_t>(texts.back().size());
    }
    const std::int64_t freeSpace = (table + 4 * std::int64_t{count} + 0xFFF) / 0x1000 * 0x1000;
    std::int64_t at = table - length;
    if (at < 0x200 || freeSpace > layout.size)
        throw std::invalid_argument("moved description table outside the image");
    for (int i = 0; i < count; ++i) {
        PutWord(image.bytes, table + 4 * std::int64_t{i}, rom::OffsetAddress(at));
        const auto& text = texts[static_cast<std::size_t>(i)];
        std::copy(text.begin(), text.end(), image.bytes.begin() + at);
        at += static_cast<std::int64_t>(text.size());
    }
    // The hack rewrote both of the code's words.
    for (std::int64_t word : rom::DescriptionCodeWords(layout.gameCode, layout.revision))
        if (word + 4 <= layout.size) PutWord(image.bytes, word, rom::OffsetAddress(table));
    std::fill(image.bytes.begin() + freeSpace, image.bytes.end(), 0xFF);
}

void WriteDescriptions(DemoRom& image) {
    DemoRomLayout& layout = image.layout;
    std::vector<std::vector<std::uint8_t>> texts;
    std::int64_t length = 0;
    for (int k = 1; k <= DemoNameCount; ++k) {
        image.descriptions.push_back(InventedDescription(k));
        texts.push_back(EncodedDescription(image.descriptions.back()));
        length += static_cast<std::int64_t>(texts.back().size());
    }
    const std::int64_t table = layout.descriptionTable;
    // The texts lie packed one after the other, the last ending just before the table.
    std::int64_t at = table - length;
    const std::int64_t tablesEnd =
        std::max({std::int64_t{layout.nameStart} + DemoNameCount * std::int64_t{rom::MoveNameFieldLength},
                  std::int64_t{layout.dataOffset} + DemoRecordCount * std::int64_t{rom::MoveRecordSize},
                  table + 4 * std::int64_t{DemoNameCount}});
    const std::int64_t freeSpace = (tablesEnd + 0xFFF) / 0x1000 * 0x1000;
    if (at < 0x200 || freeSpace > layout.size) {
        // An image too small for them gets none, and its profile gives none.
        layout.descriptionTable = 0;
        image.descriptions.clear();
        return;
    }
    for (std::size_t i = 0; i < texts.size(); ++i) {
        PutWord(image.bytes, table + 4 * static_cast<std::int64_t>(i), rom::OffsetAddress(at));
        std::copy(texts[i].begin(), texts[i].end(), image.bytes.begin() + at);
        at += static_cast<std::int64_t>(texts[i].size());
    }
    // The game's code holds the table's address, as the released games do.
    for (std::int64_t word : rom::DescriptionCodeWords(layout.gameCode, layout.revision))
        if (word + 4 <= layout.size) PutWord(image.bytes, word, rom::OffsetAddress(table));
    std::fill(image.bytes.begin() + freeSpace, image.bytes.end(), 0xFF);
}

} // namespace demo

#include "rom/MoveDescriptions.h"

#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/Utf8.h"
#include "rom/WholeNumber.h"

#include <algorithm>
#include <cstdio>

namespace rom {
namespace {

constexpr std::uint8_t EndByte = 0xFF, LineBreakByte = 0xFE;
constexpr const char* Section = "Descriptionoffset";

struct CodeWords {
    const char* code;
    int revision;
    std::vector<std::int64_t> offsets;
};

// Where the released games' code holds the pointer table's address.
const std::vector<CodeWords>& KnownCodeWords() {
    static const std::vector<CodeWords> words = {
        {"BPRE", 0, {0x0E5440, 0x137BC8}}, {"BPRE", 1, {0x0E5454, 0x137C40}}, {"BPGE", 0, {0x0E5418, 0x137BA0}},
        {"BPGE", 1, {0x0E542C, 0x137C18}}, {"AXVE", 0, {0x0A0494, 0x133C00}}, {"AXVE", 1, {0x0A04B4, 0x133C20}},
        {"AXPE", 0, {0x0A0494}},           {"BPEE", 0, {0x1C3EFC}},
    };
    return words;
}

std::string Hex(std::int64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::uint32_t WordAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// The file offset an address stands for, when it lies past the cartridge header and inside the file.
std::optional<std::int64_t> InsideFile(std::uint32_t address, std::int64_t size) {
    if (address < CartridgeAddressBase) return std::nullopt;
    const std::int64_t offset = std::int64_t{address} - CartridgeAddressBase;
    if (offset < CartridgeHeaderEnd || offset >= size) return std::nullopt;
    return offset;
}

// The section and value the profile gives a revision: its ".revN" section first, then the plain one.
std::pair<std::string, std::optional<std::string>> ProfileValue(const ProfileLookup& lookup, int revision) {
    const std::string own = RevisionSection(Section, revision);
    if (auto value = lookup(own)) return {own, value};
    return {Section, lookup(Section)};
}

// The reason when a code word points inside the file somewhere else than the table.
std::string CodeWordFault(const RomHeader& header, std::int64_t table, const ReadRange& read) {
    for (std::int64_t at : DescriptionCodeWords(header.gameCode, header.revision)) {
        const std::vector<std::uint8_t> word = read(at, 4);
        if (word.size() != 4) continue;
        const auto points = InsideFile(WordAt(word, 0), header.size);
        if (points && *points != table)
            return "the game's code (the word at " + Hex(at) + ") puts the description table at " + Hex(*points) +
                   ", not at " + Hex(table) + " where the profile puts it";
    }
    return {};
}

} // namespace

const MoveDescription* DescriptionTable::Of(int k) const {
    if (k < 1 || k > static_cast<int>(moves.size())) return nullptr;
    return &moves[static_cast<std::size_t>(k - 1)];
}

std::vector<std::int64_t> DescriptionCodeWords(std::string_view gameCode, int revision) {
    for (const CodeWords& w : KnownCodeWords())
        if (gameCode == w.code && revision == w.revision) return w.offsets;
    return {};
}

std::optional<DescriptionBox> GameDescriptionBox(std::string_view gameCode) {
    if (gameCode.size() != 4) return std::nullopt;
    const std::string_view family = gameCode.substr(0, 3);
    if (family == "BPR" || family == "BPG") return DescriptionBox{4, 21};
    if (family == "AXV" || family == "AXP") return DescriptionBox{2, 29};
    if (family == "BPE") return DescriptionBox{2, 0};
    return std::nullopt;
}

DescriptionTable ReadDescriptions(const RomHeader& header, const ProfileLookup& lookup, int moveCount,
                                  const ReadRange& read) {
    DescriptionTable table;
    table.box = GameDescriptionBox(header.gameCode);
    std::optional<std::string> value;
    std::tie(table.section, value) = ProfileValue(lookup, header.revision);
    const auto fail = [&table](std::string reason) {
        table.moves.clear();
        table.unavailable = std::move(reason);
        return table;
    };
    if (!value || TrimBlanks(*value).empty())
        return fail("the profile gives no description table ([" + table.section + "])");
    const auto offset = ParseProfileOffset(*value);
    if (!offset) return fail("the profile's [" + table.section + "] offset \"" + *value + "\" is not a decimal offset");
    table.tableOffset = *offset;
    const int count = std::max(moveCount - 1, 0);
    const std::int64_t tableBytes = std::int64_t{4} * count;
    if (*offset < CartridgeHeaderEnd || *offset + tableBytes > header.size)
        return fail("the description table at " + Hex(*offset) + " ([" + table.section + "]) reaches outside the file");
    if (std::string fault = CodeWordFault(header, *offset, read); !fault.empty()) return fail(fault);

    const std::vector<std::uint8_t> words = read(*offset, tableBytes);
    if (static_cast<std::int64_t>(words.size()) != tableBytes) return fail("the description table cannot be read");
    // The texts are read as one run from the first to the last (they lie together in the games).
    std::int64_t first = header.size, last = 0;
    table.moves.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        MoveDescription& d = table.moves[static_cast<std::size_t>(i)];
        d.pointer = WordAt(words, static_cast<std::size_t>(i) * 4);
        const auto at = InsideFile(d.pointer, header.size);
        if (!at)
            return fail("the description pointer of move " + std::to_string(i + 1) + " (" + Hex(d.pointer) +
                        ") points outside the file");
        d.textOffset = *at;
        first = std::min(first, *at);
        last = std::max(last, *at);
    }
    if (count == 0) return table;
    const std::vector<std::uint8_t> texts = read(first, last - first + MaxDescriptionBytes);
    for (int i = 0; i < count; ++i) {
        MoveDescription& d = table.moves[static_cast<std::size_t>(i)];
        const auto begin = texts.begin() + (d.textOffset - first);
        const auto limit = texts.end() - begin > MaxDescriptionBytes ? begin + MaxDescriptionBytes : texts.end();
        const auto end = std::find(begin, limit, EndByte);
        if (end == limit)
            return fail("the description of move " + std::to_string(i + 1) + " at " + Hex(d.textOffset) +
                        " has no end byte within " + std::to_string(MaxDescriptionBytes) + " bytes");
        d.bytes.assign(begin, end + 1);
        d.text = DescriptionText(d.bytes);
    }
    return table;
}

std::string DescriptionText(std::span<const std::uint8_t> bytes) {
    std::string text;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != LineBreakByte && bytes[i] != EndByte) continue;
        text += DecodeGameBytes(bytes.subspan(start, i - start));
        if (i == bytes.size() || bytes[i] == EndByte) break;
        text += '\n';
        start = i + 1;
    }
    return text;
}

std::optional<std::vector<std::uint8_t>> EncodeDescription(std::string_view utf8, std::string& fault) {
    const std::u32string text = Utf8ToU32(utf8);
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        if (c == U'\r' || c == U'\n') {
            if (c == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            bytes.push_back(LineBreakByte);
            continue;
        }
        const std::string pair = c == U'^' ? "" : EncodeGameChar(c);
        if (pair.empty()) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
            fault = "the character \"" + U32ToUtf8(std::u32string(1, c)) + "\" (" + code +
                    ") has no code in the game's text";
            return std::nullopt;
        }
        bytes.push_back(ParseHexPair(pair));
    }
    bytes.push_back(EndByte);
    return bytes;
}

std::string DescriptionBoxFault(std::string_view utf8, const std::optional<DescriptionBox>& box) {
    if (!box) return {};
    std::vector<std::size_t> lengths(1, 0);
    const std::u32string text = Utf8ToU32(utf8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\r' || text[i] == U'\n') {
            if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n') ++i;
            lengths.push_back(0);
        } else {
            ++lengths.back();
        }
    }
    std::string fault;
    const auto add = [&fault](const std::string& part) { fault += (fault.empty() ? "" : "; ") + part; };
    if (box->lines > 0 && static_cast<int>(lengths.size()) > box->lines)
        add(std::to_string(lengths.size()) + " lines; the game's box shows " + std::to_string(box->lines));
    for (std::size_t i = 0; i < lengths.size(); ++i)
        if (box->lineLength > 0 && static_cast<int>(lengths[i]) > box->lineLength)
            add("line " + std::to_string(i + 1) + " has " + std::to_string(lengths[i]) +
                " characters; the game's longest has " + std::to_string(box->lineLength));
    return fault;
}

DescriptionPlanner::DescriptionPlanner(const DescriptionTable& table, std::span<const std::uint8_t> image)
    : table_(table), image_(image) {}

bool DescriptionPlanner::Shared(int k) const {
    const MoveDescription& d = *table_.Of(k);
    const std::int64_t end = d.textOffset + static_cast<std::int64_t>(d.bytes.size());
    for (std::size_t i = 0; i < table_.moves.size(); ++i) {
        const MoveDescription& o = table_.moves[i];
        if (static_cast<int>(i) + 1 == k) continue;
        if (o.textOffset < end && d.textOffset < o.textOffset + static_cast<std::int64_t>(o.bytes.size())) return true;
    }
    return false;
}

void DescriptionPlanner::Plan(ChangePlan& plan, int k, const std::vector<std::uint8_t>& bytes) {
    if (!table_.Available()) throw PlanError("the descriptions cannot be written: " + table_.unavailable);
    const MoveDescription* old = table_.Of(k);
    if (!old) throw PlanError("move " + std::to_string(k) + " has no description");
    if (bytes.empty() || bytes.back() != EndByte) throw PlanError("a description ends with its end byte");
    if (bytes.size() <= old->bytes.size() && !Shared(k)) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            plan.push_back({old->textOffset + static_cast<std::int64_t>(i), bytes[i]});
        return;
    }
    if (!lastData_) {
        std::int64_t last = static_cast<std::int64_t>(image_.size()) - 1;
        while (last >= 0 && image_[static_cast<std::size_t>(last)] == EndByte) --last;
        lastData_ = last;
    }
    const std::int64_t at = (*lastData_ + 1 + FreeSpaceGap + 3) / 4 * 4;
    const auto size = static_cast<std::int64_t>(image_.size());
    if (at + static_cast<std::int64_t>(bytes.size()) > size)
        throw PlanError("the description of move " + std::to_string(k) + " (" + std::to_string(bytes.size()) +
                        " bytes) is longer than the old one and the ROM has no free space left for it (FF bytes at "
                        "its end)");
    for (std::size_t i = 0; i < bytes.size(); ++i) plan.push_back({at + static_cast<std::int64_t>(i), bytes[i]});
    const std::uint32_t pointer = CartridgeAddressBase + static_cast<std::uint32_t>(at);
    for (int i = 0; i < 4; ++i)
        plan.push_back({table_.PointerOffset(k) + i, static_cast<std::uint8_t>(pointer >> (8 * i))});
    // The new text's last byte before its FF is now the last byte of data.
    lastData_ = at + static_cast<std::int64_t>(bytes.size()) - 2;
    if (bytes.size() == 1) lastData_ = std::max(*lastData_, at);
}

} // namespace rom

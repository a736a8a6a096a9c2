#include "rom/MoveDescriptions.h"

#include "rom/CodeWordTable.h"
#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/MoveRecord.h"
#include "rom/Utf8.h"
#include "rom/WholeNumber.h"

#include <algorithm>
#include <cstdio>
#include <limits>

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
        {"BPRE", 0, {0x0E5440, 0x137BC8}}, {"BPRE", 1, {0x0E5454, 0x137C40}},
        {"BPGE", 0, {0x0E5418, 0x137BA0}}, {"BPGE", 1, {0x0E542C, 0x137C18}},
        {"AXVE", 0, {0x0A0494, 0x133C00}}, {"AXVE", 1, {0x0A04B4, 0x133C20}},
        {"AXPE", 0, {0x0A0494}},           {"BPEE", 0, {0x1C3EFC}},
    };
    return words;
}

std::uint32_t WordAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// The file offset an address stands for, when it lies inside the file.
std::optional<std::int64_t> InsideFile(std::uint32_t address, std::int64_t size) {
    if (address < CartridgeAddressBase) return std::nullopt;
    const std::int64_t offset = AddressOffset(address);
    if (offset >= size) return std::nullopt;
    return offset;
}

std::int64_t Aligned(std::int64_t at) {
    return (at + 3) / 4 * 4;
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

std::vector<ByteRange> DescriptionReservedRanges(const MoveTables& tables, int moveCount,
                                                 std::int64_t tableOffset) {
    const std::int64_t moves = std::max(moveCount, 0),
                       names = std::int64_t{tables.nameStart} - MoveNameFieldLength;
    return {
        {0, CartridgeHeaderEnd, "the cartridge header"},
        {names, names + MoveNameFieldLength * moves, "the name table"},
        {tables.dataOffset, tables.dataOffset + MoveRecordSize * moves, "the record table"},
        {tableOffset, tableOffset + 4 * std::max<std::int64_t>(moves - 1, 0),
         "the description pointer table"},
    };
}

std::string DescriptionTable::Collision(int k, std::int64_t from, std::int64_t to) const {
    for (const ByteRange& r : reserved)
        if (r.Overlaps(from, to)) return r.what;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const MoveDescription& o = moves[i];
        if (static_cast<int>(i) + 1 != k && o.textOffset < to &&
            from < o.textOffset + static_cast<std::int64_t>(o.bytes.size()))
            return "move " + std::to_string(i + 1) + "'s description";
    }
    return {};
}

std::string NoEndByteWithinLimit() {
    return "has no end byte within " + std::to_string(MaxDescriptionBytes) + " bytes";
}

std::string DescriptionLengthFault(int k, std::size_t bytes) {
    if (bytes <= static_cast<std::size_t>(MaxDescriptionBytes)) return {};
    return "the description of move " + std::to_string(k) + " " + NoEndByteWithinLimit() +
           " (its text and end byte take " + std::to_string(bytes) +
           "), so the game and this program could not read it back";
}

DescriptionTable PlausibleDescriptionTable(std::int64_t tableOffset, const MoveTables& tables, int moveCount,
                                           std::int64_t fileSize, const ReadRange& read) {
    DescriptionTable table;
    table.tableOffset = tableOffset;
    table.reserved = DescriptionReservedRanges(tables, moveCount, tableOffset);
    const auto fail = [&table](std::string reason) {
        table.moves.clear();
        table.unavailable = std::move(reason);
        return table;
    };
    const int count = std::max(moveCount - 1, 0);
    const std::int64_t tableBytes = std::int64_t{4} * count;
    if (tableOffset < CartridgeHeaderEnd || tableOffset + tableBytes > fileSize)
        return fail("the description table at " + HexNumber(tableOffset) + " reaches outside the file");
    const std::vector<std::uint8_t> words = read(tableOffset, tableBytes);
    if (static_cast<std::int64_t>(words.size()) != tableBytes)
        return fail("the description table cannot be read");
    // The texts are read as one run from the first to the last (they lie together in the games).
    std::int64_t first = fileSize, last = 0;
    table.moves.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        MoveDescription& d = table.moves[static_cast<std::size_t>(i)];
        d.pointer = WordAt(words, static_cast<std::size_t>(i) * 4);
        const auto at = InsideFile(d.pointer, fileSize);
        d.textOffset = at.value_or(-1);
        if (!at) continue;
        first = std::min(first, *at);
        last = std::max(last, *at);
    }
    if (count == 0) return table;
    const std::vector<std::uint8_t> texts =
        first <= last ? read(first, last - first + MaxDescriptionBytes) : std::vector<std::uint8_t>{};
    for (int i = 0; i < count; ++i) {
        MoveDescription& d = table.moves[static_cast<std::size_t>(i)];
        const std::string move = "move " + std::to_string(i + 1);
        if (d.textOffset < 0)
            return fail("the description pointer of " + move + " (" + HexNumber(d.pointer) +
                        ") points outside the file");
        for (const ByteRange& r : table.reserved)
            if (r.Overlaps(d.textOffset, d.textOffset + 1))
                return fail("the description pointer of " + move + " (" + HexNumber(d.pointer) +
                            ") points into " + r.what);
        const auto begin = texts.begin() + (d.textOffset - first);
        const auto limit =
            texts.end() - begin > MaxDescriptionBytes ? begin + MaxDescriptionBytes : texts.end();
        const auto end = std::find(begin, limit, EndByte);
        if (end == limit)
            return fail("the description of " + move + " at " + HexNumber(d.textOffset) + " " +
                        NoEndByteWithinLimit());
        d.bytes.assign(begin, end + 1);
        const std::int64_t textEnd = d.textOffset + static_cast<std::int64_t>(d.bytes.size());
        for (const ByteRange& r : table.reserved)
            if (r.Overlaps(d.textOffset, textEnd))
                return fail("the description of " + move + " at " + HexNumber(d.textOffset) + " runs into " +
                            r.what);
        d.text = DescriptionText(d.bytes);
    }
    return table;
}

DescriptionTable ReadDescriptions(const RomHeader& header, const ProfileKeyLookup& lookup,
                                  bool profileIsShipped, const MoveTables& tables, int moveCount,
                                  const ReadRange& read) {
    std::string section = Section;
    std::optional<CodeWordProfile> profile;
    bool malformed = false; // the section holds a value that is no offset
    const auto fail = [&](std::string reason, std::optional<std::int64_t> offset = std::nullopt) {
        DescriptionTable table;
        table.section = section;
        table.profileGivesTable = malformed || (profile && (profile->offset || !profile->words.empty()));
        table.tableOffset = offset;
        table.box = GameDescriptionBox(header.gameCode);
        table.unavailable = std::move(reason);
        return table;
    };
    try {
        profile = DescriptionCodeWordProfile(lookup, header.gameCode, header.revision);
    } catch (const TableError& e) {
        malformed = true;
        return fail(e.what());
    }
    if (profile) section = profile->section;
    if (!profile || (!profile->offset && profile->words.empty()))
        return fail("the profile gives no description table ([" + section + "])");
    // Words that name no place in the file witness nothing (a ROM that is not the released game's
    // code there): the profile's offset alone then names the table.
    if (profile->offset && !profile->words.empty() &&
        VoteCodeWords(profile->words, header.size, read).votes == 0)
        profile->words.clear();
    // The table where the words point, read once: its plausibility is the table's fault.
    std::optional<DescriptionTable> found;
    const TableFault fault = [&](std::int64_t at) {
        found = PlausibleDescriptionTable(at, tables, moveCount, header.size, read);
        return found->unavailable;
    };
    const CodeWordTable located =
        LocateCodeWordTable(*profile, profileIsShipped, "description table", header.size, read, fault);
    if (!located.Available()) return fail(located.unavailable, profile->offset);
    DescriptionTable table = std::move(*found);
    table.section = section;
    table.profileGivesTable = true;
    table.box = GameDescriptionBox(header.gameCode);
    table.note = located.note;
    return table;
}

DescriptionTable ReadDescriptions(const RomHeader& header, const ProfileLookup& lookup,
                                  const MoveTables& tables, int moveCount, const ReadRange& read) {
    const ProfileKeyLookup keys = [&lookup](const std::string& section,
                                            const std::string& key) -> std::optional<std::string> {
        if (key != "offset") return std::nullopt;
        return lookup(section);
    };
    return ReadDescriptions(header, keys, false, tables, moveCount, read);
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

bool DescriptionPlanner::InPlace(int k) const {
    const MoveDescription& d = *table_.Of(k);
    const std::int64_t end = d.textOffset + static_cast<std::int64_t>(d.bytes.size());
    if (!table_.Collision(k, d.textOffset, end).empty()) return false;
    // The block of the other texts: a pointer aimed anywhere else (the game's code, its pictures)
    // must not have its bytes written over.
    std::int64_t low = std::numeric_limits<std::int64_t>::max(),
                 high = std::numeric_limits<std::int64_t>::min();
    for (std::size_t i = 0; i < table_.moves.size(); ++i) {
        if (static_cast<int>(i) + 1 == k) continue;
        const MoveDescription& o = table_.moves[i];
        low = std::min(low, o.textOffset);
        high = std::max(high, o.textOffset + static_cast<std::int64_t>(o.bytes.size()));
    }
    if (low > high) return false;
    return (d.textOffset >= low && end <= high) || end == low || d.textOffset == high;
}

void PlanDescriptionPointer(ChangePlan& plan, const DescriptionTable& table, int k, std::uint32_t pointer) {
    for (int i = 0; i < 4; ++i)
        plan.push_back({table.PointerOffset(k) + i, static_cast<std::uint8_t>(pointer >> (8 * i))});
}

std::string FreedBytesCell(std::int64_t offset, std::size_t length) {
    char cell[40];
    std::snprintf(cell, sizeof cell, "%llX:%zu", static_cast<unsigned long long>(offset), length);
    return cell;
}

void PlanDescriptionRestore(ChangePlan& plan, const DescriptionTable& table, int k,
                            const DescriptionRestore& restore, std::int64_t size) {
    if (restore.clear)
        for (std::int64_t i = 0; i < restore.clear->second; ++i)
            plan.push_back({restore.clear->first + i, EndByte});
    const std::int64_t at = AddressOffset(restore.pointer);
    if (restore.pointer < CartridgeAddressBase || at < CartridgeHeaderEnd ||
        at + static_cast<std::int64_t>(restore.bytes.size()) > size)
        throw PlanError("the description pointer of move " + std::to_string(k) +
                        " would point outside the file");
    for (std::size_t i = 0; i < restore.bytes.size(); ++i)
        plan.push_back({at + static_cast<std::int64_t>(i), restore.bytes[i]});
    PlanDescriptionPointer(plan, table, k, restore.pointer);
}

DescriptionPlacement DescriptionPlanner::Plan(ChangePlan& plan, int k,
                                              const std::vector<std::uint8_t>& bytes) {
    if (!table_.Available()) throw PlanError("the descriptions cannot be written: " + table_.unavailable);
    const MoveDescription* old = table_.Of(k);
    if (!old) throw PlanError("move " + std::to_string(k) + " has no description");
    if (bytes.empty() || bytes.back() != EndByte) throw PlanError("a description ends with its end byte");
    if (const std::string fault = DescriptionLengthFault(k, bytes.size()); !fault.empty())
        throw PlanError(fault);
    if (bytes.size() <= old->bytes.size() && InPlace(k)) {
        for (std::size_t i = 0; i < bytes.size(); ++i)
            plan.push_back({old->textOffset + static_cast<std::int64_t>(i), bytes[i]});
        return {old->textOffset, false};
    }
    if (!lastData_) {
        std::int64_t last = static_cast<std::int64_t>(image_.size()) - 1;
        while (last >= 0 && image_[static_cast<std::size_t>(last)] == EndByte) --last;
        lastData_ = last;
    }
    const auto size = static_cast<std::int64_t>(image_.size());
    const auto length = static_cast<std::int64_t>(bytes.size());
    // Past the last byte of data every byte is FF; a table or a text that is FF there is stepped over.
    std::int64_t at = Aligned(*lastData_ + 1 + FreeSpaceGap);
    for (bool moved = true; moved && at + length <= size;) {
        moved = false;
        for (const ByteRange& r : table_.reserved)
            if (r.Overlaps(at, at + length)) at = Aligned(r.end + FreeSpaceGap), moved = true;
        for (const MoveDescription& o : table_.moves)
            if (o.textOffset < at + length && at < o.textOffset + static_cast<std::int64_t>(o.bytes.size()))
                at = Aligned(o.textOffset + static_cast<std::int64_t>(o.bytes.size()) + FreeSpaceGap),
                moved = true;
    }
    if (at + length > size)
        throw PlanError(
            "the description of move " + std::to_string(k) + " (" + std::to_string(bytes.size()) +
            " bytes) is longer than the old one and the ROM has no free space left for it (FF bytes at "
            "its end)");
    for (std::size_t i = 0; i < bytes.size(); ++i)
        plan.push_back({at + static_cast<std::int64_t>(i), bytes[i]});
    PlanDescriptionPointer(plan, table_, k, OffsetAddress(at));
    // The new text's last byte before its FF is now the last byte of data.
    lastData_ = length == 1 ? at : at + length - 2;
    return {at, true};
}

} // namespace rom

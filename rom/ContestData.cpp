#include "rom/ContestData.h"

#include <algorithm>
#include <cstdio>

namespace rom {
namespace {

constexpr std::uint8_t EndByte = 0xFF;

std::string Hex(std::int64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::uint32_t WordAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

constexpr std::int64_t MoveTableBytes = std::int64_t{ContestMoveCount} * ContestMoveRecordSize;
constexpr std::int64_t EffectTableBytes = std::int64_t{ContestEffectCount} * ContestEffectRecordSize;
constexpr std::int64_t TextTableBytes = std::int64_t{ContestEffectCount} * 4;

// The effect texts at a pointer table's bytes, or the fault that keeps them from being read.
std::string ReadEffectTexts(std::span<const std::uint8_t> pointers, std::int64_t fileSize,
                            const ReadRange& read, std::vector<std::string>& texts) {
    if (static_cast<std::int64_t>(pointers.size()) < TextTableBytes)
        return "the table runs past the end of the file";
    std::vector<std::int64_t> at(ContestEffectCount);
    for (int e = 0; e < ContestEffectCount; ++e) {
        const std::uint32_t address = WordAt(pointers, static_cast<std::size_t>(e) * 4);
        const std::int64_t offset = std::int64_t{address} - CartridgeAddressBase;
        if (address < CartridgeAddressBase || offset < CartridgeHeaderEnd || offset >= fileSize)
            return "the pointer of effect " + std::to_string(e) + " (" + Hex(address) +
                   ") points outside the file";
        at[static_cast<std::size_t>(e)] = offset;
    }
    // The texts are read as one run from the first to the last (they lie together in the games).
    const auto [first, last] = std::minmax_element(at.begin(), at.end());
    const std::vector<std::uint8_t> run = read(*first, *last - *first + MaxContestEffectTextBytes);
    texts.clear();
    for (int e = 0; e < ContestEffectCount; ++e) {
        const std::int64_t offset = at[static_cast<std::size_t>(e)];
        const auto begin =
            run.begin() + std::min<std::int64_t>(offset - *first, static_cast<std::int64_t>(run.size()));
        const auto limit =
            run.end() - begin > MaxContestEffectTextBytes ? begin + MaxContestEffectTextBytes : run.end();
        const auto end = std::find(begin, limit, EndByte);
        if (end == limit) {
            texts.clear();
            return "the text of effect " + std::to_string(e) + " at " + Hex(offset) +
                   " has no end byte within " + std::to_string(MaxContestEffectTextBytes) + " bytes";
        }
        texts.push_back(DescriptionText(
            std::span<const std::uint8_t>(&*begin, static_cast<std::size_t>(end - begin + 1))));
    }
    return "";
}

// Locates one table by its section; the bytes the check read are kept in bytes.
CodeWordTable Locate(const ProfileKeyLookup& lookup, std::string_view section, std::string_view what,
                     int revision, bool shipped, std::int64_t fileSize, const ReadRange& read,
                     std::int64_t length,
                     const std::function<std::string(std::span<const std::uint8_t>)>& check,
                     std::vector<std::uint8_t>& bytes) {
    CodeWordTable table;
    std::optional<CodeWordProfile> profile;
    try {
        profile = ReadCodeWordProfile(lookup, section, revision);
    } catch (const TableError& e) {
        table.unavailable = std::string("the ") + std::string(what) + " is not read: " + e.what();
        return table;
    }
    if (!profile) {
        table.unavailable = "the profile gives no " + std::string(what) + " ([" + std::string(section) + "])";
        return table;
    }
    return LocateCodeWordTable(*profile, shipped, what, fileSize, read, [&](std::int64_t at) {
        bytes = read(at, length);
        if (static_cast<std::int64_t>(bytes.size()) < length)
            return std::string("the table runs past the end of the file");
        return check(bytes);
    });
}

} // namespace

const ContestMove* ContestData::Of(int k) const {
    if (k < 0 || k >= static_cast<int>(moves.size())) return nullptr;
    return &moves[static_cast<std::size_t>(k)];
}

std::int64_t ContestData::MoveRecordOffset(int k) const {
    return moveTable.offset.value_or(0) + std::int64_t{ContestMoveRecordSize} * k;
}

std::int64_t ContestData::EffectRecordOffset(int e) const {
    return effectTable.offset.value_or(0) + std::int64_t{ContestEffectRecordSize} * e;
}

std::string ContestMoveTableFault(std::span<const std::uint8_t> bytes) {
    if (static_cast<std::int64_t>(bytes.size()) < MoveTableBytes)
        return "the table runs past the end of the file";
    for (int k = 0; k < ContestMoveCount; ++k) {
        const std::span<const std::uint8_t> r =
            bytes.subspan(static_cast<std::size_t>(k) * ContestMoveRecordSize);
        const std::string move = "move " + std::to_string(k);
        if (r[0] >= ContestEffectCount)
            return move + " has contest effect " + std::to_string(r[0]) + " (the effects are 0 to 47)";
        if ((r[1] & ContestCategoryMask) >= ContestCategoryCount)
            return move + " has category " + std::to_string(r[1] & ContestCategoryMask) +
                   " (the categories are 0 to 4)";
        if (r[7] != 0) return "byte 7 of move " + std::to_string(k) + "'s record is " + Hex(r[7]) + ", not 0";
    }
    return "";
}

std::string ContestEffectTableFault(std::span<const std::uint8_t> bytes) {
    if (static_cast<std::int64_t>(bytes.size()) < EffectTableBytes)
        return "the table runs past the end of the file";
    bool any = false;
    for (int e = 0; e < ContestEffectCount; ++e) {
        const std::span<const std::uint8_t> r =
            bytes.subspan(static_cast<std::size_t>(e) * ContestEffectRecordSize, 4);
        if (r[3] != 0)
            return "the padding byte of effect " + std::to_string(e) + " is " + Hex(r[3]) + ", not 0";
        any = any || r[0] != 0 || r[1] != 0 || r[2] != 0;
    }
    return any ? "" : "every record is empty";
}

std::vector<ContestMove> ParseContestMoves(std::span<const std::uint8_t> bytes) {
    std::vector<ContestMove> moves;
    for (std::size_t at = 0; at + ContestMoveRecordSize <= bytes.size() && moves.size() < ContestMoveCount;
         at += ContestMoveRecordSize) {
        ContestMove m;
        m.effect = bytes[at];
        m.category = bytes[at + 1] & ContestCategoryMask;
        m.comboStarter = bytes[at + 2];
        for (int i = 0; i < ComboMoveCount; ++i)
            m.comboMoves[static_cast<std::size_t>(i)] = bytes[at + 3 + i];
        m.byte1 = bytes[at + 1];
        m.byte7 = bytes[at + 7];
        moves.push_back(m);
    }
    return moves;
}

std::vector<ContestEffect> ParseContestEffects(std::span<const std::uint8_t> bytes) {
    std::vector<ContestEffect> effects;
    for (std::size_t at = 0;
         at + ContestEffectRecordSize <= bytes.size() && effects.size() < ContestEffectCount;
         at += ContestEffectRecordSize)
        effects.push_back({bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]});
    return effects;
}

ContestData ReadContestData(const ProfileKeyLookup& lookup, int revision, bool profileIsShipped,
                            std::int64_t fileSize, const ReadRange& read) {
    ContestData data;
    data.inProfile = lookup("Contestmoves", "words") || lookup("Contestmoves", "offset") ||
                     lookup(RevisionSection("Contestmoves", revision), "words") ||
                     lookup(RevisionSection("Contestmoves", revision), "offset");
    if (!data.inProfile) return data;
    std::vector<std::uint8_t> moveBytes, effectBytes, pointerBytes;
    data.moveTable = Locate(lookup, "Contestmoves", "contest move table", revision, profileIsShipped,
                            fileSize, read, MoveTableBytes, ContestMoveTableFault, moveBytes);
    data.effectTable = Locate(lookup, "Contesteffects", "contest effect table", revision, profileIsShipped,
                              fileSize, read, EffectTableBytes, ContestEffectTableFault, effectBytes);
    if (!data.moveTable.Available() || !data.effectTable.Available()) {
        data.unavailable =
            !data.moveTable.Available() ? data.moveTable.unavailable : data.effectTable.unavailable;
        return data;
    }
    data.moves = ParseContestMoves(moveBytes);
    data.effects = ParseContestEffects(effectBytes);
    std::vector<std::string> texts;
    data.textTable = Locate(
        lookup, "Contesteffecttexts", "contest effect-text table", revision, profileIsShipped, fileSize, read,
        TextTableBytes,
        [&](std::span<const std::uint8_t> pointers) {
            return ReadEffectTexts(pointers, fileSize, read, texts);
        },
        pointerBytes);
    if (data.textTable.Available())
        data.effectTexts = std::move(texts);
    else
        data.textsUnavailable = data.textTable.unavailable;
    return data;
}

} // namespace rom

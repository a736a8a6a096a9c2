#include "rom/MoveTables.h"

#include "rom/MoveRecord.h"

#include <limits>

namespace rom {
namespace {

std::string Place(std::optional<std::int64_t> offset) {
    return offset ? std::to_string(*offset) : std::string("(not given)");
}

std::string MismatchText(const MoveTables& profile, std::optional<std::int64_t> headerNameStart,
                         std::optional<std::int64_t> headerDataOffset, int revision) {
    // Revision 0 is what the plain sections serve; a later revision gets sections of its own.
    std::string sections = "[";
    sections += revision == 0 ? std::string("Nameoffset") : RevisionSection("Nameoffset", revision);
    sections += "] and [";
    sections += revision == 0 ? std::string("Dataoffset") : RevisionSection("Dataoffset", revision);
    sections += "]";
    return "The game profile does not fit this ROM (revision " + std::to_string(revision) +
           "), so it was not opened and nothing was written.\n\n"
           "The ROM's header puts the move names at Nameoffset " +
           Place(headerNameStart) + " and the move data at Dataoffset " + Place(headerDataOffset) +
           ".\n"
           "The profile puts them at Nameoffset " +
           std::to_string(profile.nameStart) + " and Dataoffset " + std::to_string(profile.dataOffset) +
           ".\n\n"
           "Correct the offsets in the profile's " +
           sections +
           " sections, or print a profile that fits this ROM with:\n    skirmela-moves profile ROM";
}

std::optional<std::int64_t> PlaceOfWord(std::optional<std::uint32_t> word, std::int64_t size) {
    if (!word || *word < CartridgeBase) return std::nullopt;
    const std::int64_t offset = std::int64_t{*word} - CartridgeBase;
    if (offset >= size) return std::nullopt;
    return offset;
}

std::int32_t ProfileOffset(const ProfileLookup& lookup, const std::string& section, int revision) {
    std::string used = RevisionSection(section, revision);
    std::string text = lookup(used);
    if (text.empty()) text = lookup(used = section);
    if (text.empty()) throw TableError("the profile has no offset in section [" + used + "]");
    const auto offset = ParseProfileOffset(text);
    if (!offset)
        throw TableError("the profile's offset \"" + text + "\" in section [" + used +
                         "] is not a whole decimal number");
    return *offset;
}

} // namespace

ProfileMismatch::ProfileMismatch(const MoveTables& profile, std::optional<std::int64_t> headerNameStart,
                                 std::optional<std::int64_t> headerDataOffset, int revision)
    : TableError(MismatchText(profile, headerNameStart, headerDataOffset, revision)), profile(profile),
      headerNameStart(headerNameStart), headerDataOffset(headerDataOffset) {}

std::string RevisionSection(std::string_view section, int revision) {
    return std::string(section) + ".rev" + std::to_string(revision);
}

std::optional<std::int32_t> ParseProfileOffset(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

MoveTables ReadProfileTables(const ProfileLookup& lookup, int revision) {
    MoveTables tables;
    tables.nameStart = ProfileOffset(lookup, "Nameoffset", revision);
    tables.dataOffset = ProfileOffset(lookup, "Dataoffset", revision);
    return tables;
}

void CheckTablesInside(const MoveTables& tables, std::int64_t size, int moveCount) {
    const std::int64_t namesBegin = std::int64_t{tables.nameStart} - MoveNameFieldLength;
    const std::int64_t namesEnd = namesBegin + std::int64_t{moveCount} * MoveNameFieldLength;
    if (namesBegin < 0 || namesEnd > size)
        throw TableError("the profile's name table (" + std::to_string(moveCount) +
                         " entries of 13 bytes from " + std::to_string(namesBegin) +
                         ") does not lie inside the ROM of " + std::to_string(size) + " bytes");
    const std::int64_t recordsEnd =
        std::int64_t{tables.dataOffset} + std::int64_t{moveCount} * MoveRecordSize;
    if (recordsEnd > size)
        throw TableError("the profile's data table (" + std::to_string(moveCount) +
                         " records of 12 bytes from " + std::to_string(tables.dataOffset) +
                         ") does not lie inside the ROM of " + std::to_string(size) + " bytes");
}

std::optional<std::int64_t> HeaderNameStart(const RomHeader& header) {
    const auto entryOfMove0 = PlaceOfWord(header.namesWord, header.size);
    if (!entryOfMove0) return std::nullopt;
    return *entryOfMove0 + MoveNameFieldLength;
}

std::optional<std::int64_t> HeaderDataOffset(const RomHeader& header) {
    return PlaceOfWord(header.recordsWord, header.size);
}

void CheckHeaderAgrees(const RomHeader& header, const MoveTables& tables) {
    const auto names = HeaderNameStart(header);
    const auto data = HeaderDataOffset(header);
    if ((names && *names != tables.nameStart) || (data && *data != tables.dataOffset))
        throw ProfileMismatch(tables, names, data, header.revision);
}

MoveTables ResolveMoveTables(const RomHeader& header, const ProfileLookup& lookup, int moveCount) {
    const MoveTables tables = ReadProfileTables(lookup, header.revision);
    // A disagreeing header says more about a wrong profile than tables that run off the file.
    CheckHeaderAgrees(header, tables);
    CheckTablesInside(tables, header.size, moveCount);
    return tables;
}

} // namespace rom

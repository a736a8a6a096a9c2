#include "rom/MoveTables.h"

#include "rom/MoveRecord.h"
#include "rom/WholeNumber.h"

#include <limits>

namespace rom {
namespace {

std::string Place(std::optional<std::int64_t> offset) {
    return offset ? std::to_string(*offset) : std::string("(not given)");
}

// The sections to correct: the ones the open read, except that a later revision read from the
// plain sections gets sections of its own, so the fix cannot break the revisions the plain ones serve.
std::string SectionsToCorrect(const TableSections& read, int revision) {
    const bool plain = read.names == "Nameoffset";
    const std::string names = plain && revision != 0 ? RevisionSection("Nameoffset", revision) : read.names;
    const std::string data = plain && revision != 0 ? RevisionSection("Dataoffset", revision) : read.data;
    return "[" + names + "] and [" + data + "]";
}

std::string MismatchText(const MoveTables& profile, std::optional<std::int64_t> headerNameStart,
                         std::optional<std::int64_t> headerDataOffset, int revision,
                         const TableSections& read) {
    const std::string sections = SectionsToCorrect(read, revision);
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
    if (!word || *word < CartridgeAddressBase) return std::nullopt;
    const std::int64_t offset = AddressOffset(*word);
    if (offset >= size) return std::nullopt;
    return offset;
}

// The text with its control characters shown (a CR as \\r), so that a message shows what is invisible.
std::string Shown(std::string_view text) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string shown;
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\r')
            shown += "\\r";
        else if (c == '\n')
            shown += "\\n";
        else if (b < 0x20 || b == 0x7F)
            shown += std::string("\\x") + digits[b >> 4] + digits[b & 0xF];
        else
            shown += c;
    }
    return shown;
}

std::int32_t ProfileOffset(const ProfileLookup& lookup, const std::string& section) {
    const std::optional<std::string> text = lookup(section);
    if (!text || TrimBlanks(*text).empty())
        throw TableError("the profile has no offset in section [" + section + "]");
    const auto offset = ParseProfileOffset(*text);
    if (!offset)
        throw TableError("the profile's offset \"" + Shown(*text) + "\" in section [" + section +
                         "] is not a whole decimal number");
    return *offset;
}

} // namespace

ProfileMismatch::ProfileMismatch(const MoveTables& profile, std::optional<std::int64_t> headerNameStart,
                                 std::optional<std::int64_t> headerDataOffset, int revision,
                                 const TableSections& sections)
    : TableError(MismatchText(profile, headerNameStart, headerDataOffset, revision, sections)),
      profile(profile), headerNameStart(headerNameStart), headerDataOffset(headerDataOffset) {}

std::string RevisionSection(std::string_view section, int revision) {
    return std::string(section) + ".rev" + std::to_string(revision);
}

std::array<std::string, 2> MoveCountSectionsToRead(int revision) {
    return {RevisionSection(MoveCountSection, revision), std::string(MoveCountSection)};
}

std::string MoveCountSectionToWrite(const TableSections& offsets, int revision) {
    return offsets.names == TableSections{}.names ? std::string(MoveCountSection)
                                                  : RevisionSection(MoveCountSection, revision);
}

std::optional<std::int32_t> ParseProfileOffset(std::string_view text) {
    const auto value = ParseWholeNumber(text, std::numeric_limits<std::int32_t>::max());
    if (!value) return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

TableSections ProfileSectionsFor(const ProfileLookup& lookup, int revision) {
    const TableSections own{RevisionSection("Nameoffset", revision), RevisionSection("Dataoffset", revision)};
    const bool names = lookup(own.names).has_value(), data = lookup(own.data).has_value();
    if (names && data) return own;
    if (names || data)
        throw TableError("the profile has [" + (names ? own.names : own.data) + "] but no [" +
                         (names ? own.data : own.names) +
                         "]: a revision's two sections come together, or the revision uses the plain ones; "
                         "add the missing section or remove the other");
    return {};
}

TableSections SectionsForRevision(const ProfileLookup& lookup, int revision) {
    const TableSections own{RevisionSection("Nameoffset", revision), RevisionSection("Dataoffset", revision)};
    if (revision == 0 && !lookup(own.names) && !lookup(own.data)) return {};
    return own;
}

MoveTables ReadProfileTables(const ProfileLookup& lookup, int revision) {
    const TableSections sections = ProfileSectionsFor(lookup, revision);
    return {ProfileOffset(lookup, sections.names), ProfileOffset(lookup, sections.data)};
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

void CheckTablesApart(const MoveTables& tables, int moveCount) {
    const std::int64_t namesBegin = std::int64_t{tables.nameStart} - MoveNameFieldLength;
    const std::int64_t namesEnd = namesBegin + std::int64_t{moveCount} * MoveNameFieldLength;
    const std::int64_t recordsBegin = tables.dataOffset;
    const std::int64_t recordsEnd = recordsBegin + std::int64_t{moveCount} * MoveRecordSize;
    if (namesBegin < CartridgeHeaderEnd || recordsBegin < CartridgeHeaderEnd)
        throw TableError("the profile puts the " +
                         std::string(namesBegin < CartridgeHeaderEnd ? "name" : "data") +
                         " table inside the cartridge header (bytes 0 to 191), where a save would overwrite "
                         "the game code");
    if (namesBegin < recordsEnd && recordsBegin < namesEnd)
        throw TableError("the profile's name table (bytes " + std::to_string(namesBegin) + " to " +
                         std::to_string(namesEnd - 1) + ") and data table (bytes " +
                         std::to_string(recordsBegin) + " to " + std::to_string(recordsEnd - 1) +
                         ") overlap");
}

void CheckHeaderAgrees(const RomHeader& header, const MoveTables& tables, const TableSections& sections) {
    const auto names = HeaderNameStart(header);
    const auto data = HeaderDataOffset(header);
    if ((names && *names != tables.nameStart) || (data && *data != tables.dataOffset))
        throw ProfileMismatch(tables, names, data, header.revision, sections);
}

MoveTables ResolveMoveTables(const RomHeader& header, const ProfileLookup& lookup, int moveCount) {
    const TableSections sections = ProfileSectionsFor(lookup, header.revision);
    const MoveTables tables = ReadProfileTables(lookup, header.revision);
    // A disagreeing header says more about a wrong profile than tables that run off the file.
    CheckHeaderAgrees(header, tables, sections);
    CheckTablesInside(tables, header.size, moveCount);
    CheckTablesApart(tables, moveCount);
    return tables;
}

} // namespace rom

#pragma once
// Tables the game's code finds through literal words: 32-bit little-endian cartridge addresses
// (0x08000000 + file offset) at known file offsets of the code. The profile lists the words and may
// give the table's expected offset; the table is where most of the words point, and is used when the
// bytes there are plausible. One rule for every such table (the move descriptions, the type names).
//
// A profile section per table, a revision's own ".revN" section first:
//   [Typenametable]
//   words=199112,886032,1152812,1152892,4550260
//   offset=2421152

#include "rom/MoveDescriptions.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rom {

// ProfileKeyLookup (rom/MoveDescriptions.h): the value of key in a section of the game's profile.

// What a profile says of one table found through code words.
struct CodeWordProfile {
    std::string section;                // the section it came from: "Typenametable" or "Typenametable.rev1"
    std::vector<std::int64_t> words;    // file offsets of the code words
    std::optional<std::int64_t> offset; // where the profile expects the table
};

// The section named section (its ".revN" one first, when it has a "words" or "offset" key, even an
// empty one: the revision then has no such table), or nullopt when the profile has neither. Throws TableError
// for a value that is not a decimal offset, or a words list with an empty or malformed entry.
std::optional<CodeWordProfile> ReadCodeWordProfile(const ProfileKeyLookup& lookup, std::string_view section,
                                                   int revision);

// The move descriptions' section: [Descriptionoffset] (a revision's own first) with its offset, and
// its words where it lists them, else the code words of the released game of gameCode and revision
// (DescriptionCodeWords). nullopt when the profile has no such section. Throws as ReadCodeWordProfile.
std::optional<CodeWordProfile> DescriptionCodeWordProfile(const ProfileKeyLookup& lookup,
                                                          std::string_view gameCode, int revision);

// Where the words point: the table most of them name. A word outside the file, or one whose address
// is not inside the file past the cartridge header, names nothing.
struct CodeWordVote {
    std::optional<std::int64_t> table; // nullopt: a tie, or no word names a place in the file
    int votes = 0;                     // the words that name table
    int words = 0;                     // the words listed
    std::string fault;                 // why there is no table, in words; "" when there is
};

// Counts the words' votes; a tie between the places most words name gives no table. Never fails.
CodeWordVote VoteCodeWords(const std::vector<std::int64_t>& words, std::int64_t fileSize,
                           const ReadRange& read);

// Why the bytes at a table's offset cannot be that table, or "" when they can.
using TableFault = std::function<std::string(std::int64_t offset)>;

struct CodeWordTable {
    std::optional<std::int64_t> offset; // the table to read; nullopt: it is not read
    std::string unavailable;            // why it is not read; "" when it is
    bool modified = false;              // the code names another place than the shipped profile
    std::string note;                   // says so in words for the user; "" when not modified
    bool Available() const { return offset.has_value(); }
};

// The table a ROM's code names. what names the table in messages ("type-name table"). Without words
// the profile's offset is the table. With words, their majority is the table; when the profile
// expects it elsewhere, a shipped profile gives way (the ROM is modified, said in note) and a
// profile the user wrote is refused for this table (unavailable says why). A table that fails
// fault is not read either. Never fails.
CodeWordTable LocateCodeWordTable(const CodeWordProfile& profile, bool profileIsShipped,
                                  std::string_view what, std::int64_t fileSize, const ReadRange& read,
                                  const TableFault& fault);

} // namespace rom

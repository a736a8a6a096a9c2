#pragma once
// Move descriptions: the text the player reads about a move. A table of 32-bit little-endian
// cartridge addresses, one for each move but move 0 (entry k - 1 for move k), each pointing at a
// text in the game's characters ended by FF, with FE as the line break. The profile gives the
// table's file offset ([Descriptionoffset], with ".revN" sections like the move tables); a table
// whose code words or pointers cannot be trusted is never read from or written to.

#include "rom/ChangePlan.h"
#include "rom/MoveBytes.h"
#include "rom/MoveTables.h"
#include "rom/RomHeader.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rom {

// A description's end byte must come within this many bytes of its first.
inline constexpr int MaxDescriptionBytes = 512;
// The trailing free space: at least this many FF bytes are left after the last byte of data.
inline constexpr int FreeSpaceGap = 16;

struct MoveDescription {
    std::uint32_t pointer = 0;       // the table's word: the text's cartridge address
    std::int64_t textOffset = 0;     // the text's file offset
    std::vector<std::uint8_t> bytes; // the text's bytes, its FF included
    std::string text;                // lines joined by "\n", UTF-8
};

// The game's box for a description: how many lines it shows, and the longest line among the game's
// own texts (0: not known).
struct DescriptionBox {
    int lines = 0;
    int lineLength = 0;
};

// A run of file bytes, begin to end - 1, and what lies there ("the name table").
struct ByteRange {
    std::int64_t begin = 0;
    std::int64_t end = 0;
    std::string what;
    bool Overlaps(std::int64_t from, std::int64_t to) const { return begin < to && from < end; }
};

// The parts of the file no description may have a byte in: the cartridge header, the name table
// (move 0's entry to the last move's), the record table and the description pointer table.
std::vector<ByteRange> DescriptionReservedRanges(const MoveTables& tables, int moveCount,
                                                 std::int64_t tableOffset);

struct DescriptionTable {
    std::optional<std::int64_t> tableOffset; // the pointer table, when the profile gives one
    std::string section;                     // the profile section it came from
    bool profileGivesTable = false;          // the section holds a value, usable or not
    std::vector<ByteRange> reserved;         // DescriptionReservedRanges of the table read
    std::vector<MoveDescription> moves;      // move k at k - 1; empty when unavailable
    std::string unavailable;                 // why the descriptions cannot be used; "" when they can
    std::optional<DescriptionBox> box;       // the game's box, for the games whose box is known
    // The game's code names another table than the shipped profile: the ROM is modified, said in
    // note for the user; "" when not.
    std::string note;

    bool Available() const { return unavailable.empty(); }
    // Move k's description, or nullptr (move 0, beyond the table, or unavailable).
    const MoveDescription* Of(int k) const;
    // The file offset of move k's pointer.
    std::int64_t PointerOffset(int k) const { return tableOffset.value_or(0) + std::int64_t{4} * (k - 1); }
    // What bytes from to to - 1 share with a reserved range or with the text of a move other than
    // k, in words ("the name table", "move 7's description"), or "" when nothing.
    std::string Collision(int k, std::int64_t from, std::int64_t to) const;
};

// The code words that hold the pointer table's address in the released game of this code and
// revision (file offsets); empty for other games.
std::vector<std::int64_t> DescriptionCodeWords(std::string_view gameCode, int revision);

// The box of the game family of a code (BPR?/BPG? 4 lines of up to 21 characters, AXV?/AXP? 2 of
// 29, BPE? 2 lines), or nullopt.
std::optional<DescriptionBox> GameDescriptionBox(std::string_view gameCode);

// The reader's words for a text too long: "has no end byte within 512 bytes".
std::string NoEndByteWithinLimit();

// Why bytes (FF included) cannot be move k's description, in the reader's words, or "" when they can.
std::string DescriptionLengthFault(int k, std::size_t bytes);

// Whether a pointer table at tableOffset is a plausible description table of moves 1 to
// moveCount - 1 beside move tables at tables: every pointer inside the file, every text ended by FF
// within MaxDescriptionBytes bytes, and no text with a byte in a range DescriptionReservedRanges
// names. The moves are read when it is; otherwise unavailable names the first bad move. Never fails.
DescriptionTable PlausibleDescriptionTable(std::int64_t tableOffset, const MoveTables& tables, int moveCount,
                                           std::int64_t fileSize, const ReadRange& read);

// The value of key in a section of the game's profile, nullopt when the section has no such key.
using ProfileKeyLookup =
    std::function<std::optional<std::string>(const std::string& section, const std::string& key)>;

// The descriptions of moves 1 to moveCount - 1 of move tables at tables, where the game's code says:
// the profile's [Descriptionoffset] section (a revision's own first) with its code words, or the
// released game's words, names the table by their majority (rom/CodeWordTable.h). When the words
// name another table than the shipped profile, the ROM is modified and their table is read (note
// says so); a profile the user wrote that disagrees with them is refused. Never fails: a profile
// without the section, words that disagree or name nothing, a table outside the file, or a table
// PlausibleDescriptionTable refuses make them unavailable, with the reason.
DescriptionTable ReadDescriptions(const RomHeader& header, const ProfileKeyLookup& lookup,
                                  bool profileIsShipped, const MoveTables& tables, int moveCount,
                                  const ReadRange& read);
// The same through a lookup of the sections' offsets alone, as of a profile the user wrote.
DescriptionTable ReadDescriptions(const RomHeader& header, const ProfileLookup& lookup,
                                  const MoveTables& tables, int moveCount, const ReadRange& read);

// The display text of a description's bytes: lines joined by "\n", stopping at FF.
std::string DescriptionText(std::span<const std::uint8_t> bytes);

// The bytes of a text, its FF included: "\n", "\r\n" or "\r" is the line break FE. nullopt when a
// character has no code; fault then names it.
std::optional<std::vector<std::uint8_t>> EncodeDescription(std::string_view utf8, std::string& fault);

// What a text breaks of the game's box, in words ("5 lines; the box shows 4", "line 2 has 30
// characters; the game's longest has 21"), "" when nothing. Never fails.
std::string DescriptionBoxFault(std::string_view utf8, const std::optional<DescriptionBox>& box);

// Appends the writes of move k's pointer word, little-endian, aimed at pointer.
void PlanDescriptionPointer(ChangePlan& plan, const DescriptionTable& table, int k, std::uint32_t pointer);

// Bytes made FF again as the undo table names them: "OFFSET:LENGTH", the offset in hex, the length
// in decimal ("1F4A0:12"). Never fails.
std::string FreedBytesCell(std::int64_t offset, std::size_t length);

// A description put back as it was: its pointer, the text's bytes where it points, and the bytes of
// the current text to make FF again (offset, length), when the pointer leaves them.
struct DescriptionRestore {
    std::uint32_t pointer = 0;
    std::vector<std::uint8_t> bytes;
    std::optional<std::pair<std::int64_t, std::int64_t>> clear;
};

// Appends the writes that put move k's description back: the bytes made FF, the text's bytes, then
// the pointer. Throws PlanError when the text would lie outside a file of size bytes or in its
// cartridge header.
void PlanDescriptionRestore(ChangePlan& plan, const DescriptionTable& table, int k,
                            const DescriptionRestore& restore, std::int64_t size);

// Where the planner put a move's new text.
struct DescriptionPlacement {
    std::int64_t textOffset = 0;
    bool moved = false; // in the free space, with the pointer rewritten; false: in place
    bool operator==(const DescriptionPlacement&) const = default;
};

// Plans new descriptions on one image: in place when a text fits in the bytes of the old one, those
// bytes share nothing with a reserved range or another move's text, and they lie in the block of
// the other moves' texts (from the lowest to the highest byte, or touching it); otherwise in the
// trailing free space, clear of every reserved range and text, with the move's pointer rewritten.
// The old text's bytes stay as they were.
class DescriptionPlanner {
  public:
    DescriptionPlanner(const DescriptionTable& table, std::span<const std::uint8_t> image);
    // Appends the writes that give move k the description bytes (FF included). Throws PlanError
    // when the descriptions are unavailable, k has none, the text is longer than the reader takes,
    // or no free space holds it. Returns where the text was placed.
    DescriptionPlacement Plan(ChangePlan& plan, int k, const std::vector<std::uint8_t>& bytes);

  private:
    bool InPlace(int k) const;
    const DescriptionTable& table_;
    std::span<const std::uint8_t> image_;
    std::optional<std::int64_t> lastData_; // the last byte that is not FF, so far
};

} // namespace rom

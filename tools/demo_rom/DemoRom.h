#pragma once
// A synthetic ROM image with a move-name table and a move-data table, for tests and for trying the
// editor without any real game data.

#include "rom/MoveRecord.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace demo {

inline constexpr int DemoNameCount = 354;   // moves 1 to 354; move 0 is the placeholder
inline constexpr int DemoRecordCount = 355; // moves 0 to 354

struct DemoRomLayout {
    std::string gameCode = "SKDM";
    std::int32_t nameStart = 0x1000D;  // name of move 1; move 0's "-" entry lies 13 bytes before
    std::int32_t dataOffset = 0x20000; // record of move 0
    std::int32_t size = 256 * 1024;
    std::uint8_t revision = 0; // the byte at 0xBC
    // Whether the header carries the table words (as the games with codes BPR?, BPG?, BPE? do): the
    // cartridge addresses of move 0's name entry at 0x148 and of move 0's record at 0x1CC.
    bool headerWords = false;
    // A modified ROM's tables, as the common battle engines of hacks make them: both tables moved to
    // these offsets (0: not moved) and grown to movedMoveCount moves, names padded with FF, record
    // bytes 9 to 11 used, types and effects past the released lists; the header words point at them
    // and the released tables stay in place, unused.
    std::int32_t movedNameStart = 0;  // name of move 1 in the moved table
    std::int32_t movedDataOffset = 0; // record of move 0 in the moved table
    int movedMoveCount = 923;
    // The description table (354 pointers, the texts packed just before it) at this offset (0: none),
    // and FF bytes from the first 4 KiB boundary after every table to the end: the free space. Images
    // with moved tables get none.
    std::int32_t descriptionTable = 0x3A000;
    // More of a hack's moved tables, written with the moved move tables (each 0: none). The
    // description table of movedMoveCount - 1 pointers at movedDescriptionTable, its texts packed
    // just before it, the game code's description words pointing at it, and FF free space from the
    // first 4 KiB boundary after it to the end.
    std::int32_t movedDescriptionTable = 0;
    // The type-name table grown to 24 names ("-" at 18 to 22, "Fairy" at 23) at movedTypeNameTable,
    // the released game's 18 upper-case names at releasedTypeNameTable, and the type-name words of
    // the game code's shipped profile: the first and the last still name the released table, the
    // others the grown one (as a hack leaves the words of code its engine no longer runs).
    std::int32_t movedTypeNameTable = 0;
    std::int32_t releasedTypeNameTable = 0;
    // The contest tables (each 0: none): 355 contest move records, 48 contest effects, and 48 effect
    // text pointers (the texts packed just before them), each named by the code words of the game
    // code's shipped profile ([Contestmoves], [Contesteffects], [Contesteffecttexts]).
    std::int32_t contestMoveTable = 0;
    std::int32_t contestEffectTable = 0;
    std::int32_t contestTextTable = 0;
};

// The layout of a modified BPRE ROM as a grown battle engine leaves it: 923 moves in moved tables,
// the moved description and type-name tables, the damage classes in byte 10; 8 MiB, so that the
// released game's code words lie inside it.
DemoRomLayout HackLayout();

// The layout of an R/S-like ROM with contest data: AXVE revision 0, 16 MiB, the move tables, the
// descriptions and the three contest tables at the released game's offsets, and its code words; its
// profile is the shipped AXVE one.
DemoRomLayout ContestLayout();

struct DemoRom {
    DemoRomLayout layout;
    std::vector<std::uint8_t> bytes;
    std::vector<std::string> names;               // display names of moves 0 to 354 (move 0 is "-")
    std::vector<rom::MoveRecord> records;         // moves 0 to 354
    std::vector<std::vector<std::uint8_t>> tails; // bytes 7 to 11 of each record: priority, flags, padding
    std::vector<std::string> movedNames;          // the moved table's names, moves 0 to movedMoveCount - 1
    std::vector<std::array<std::uint8_t, rom::MoveRecordSize>> movedRecords;
    std::vector<std::string> descriptions;   // moves 1 to 354 at 0 to 353 ("\n" breaks a line); empty: none
    std::vector<std::string> movedTypeNames; // the grown type-name table's names, type v at v
    std::vector<std::array<std::uint8_t, 8>> contestMoves;   // moves 0 to 354's contest records
    std::vector<std::array<std::uint8_t, 4>> contestEffects; // effects 0 to 47
    std::vector<std::string> contestEffectTexts;             // effects 0 to 47 ("\n" breaks a line)
};

// Index of a move whose description has the longest text (four lines).
inline constexpr int DemoLongDescriptionMove = 100;
// Index of a move whose description is one short line.
inline constexpr int DemoShortDescriptionMove = 5;

// Writes the description table, its texts and the free space into image (layout.descriptionTable != 0).
void WriteDescriptions(DemoRom& image);

// Index of the move whose name is exactly 13 characters (so its entry has no terminator).
inline constexpr int DemoFullLengthNameMove = 13;
// Index of the move whose name holds a line break (byte 0xFE).
inline constexpr int DemoLineBreakNameMove = 200;
// Index of a move that strikes first: priority +1, like the game's move 98.
inline constexpr int DemoFirstStrikeMove = 98;

// Writes the moved, grown tables of a modified ROM into image (layout.movedNameStart != 0).
void WriteMovedTables(DemoRom& image);

// Writes the moved description table of movedMoveCount - 1 moves, its texts, its code words and the
// free space into image (layout.movedDescriptionTable != 0); descriptions then holds moves 1 to N - 1.
void WriteMovedDescriptions(DemoRom& image);

// Writes the grown and the released type-name tables and points the words at them
// (layout.movedTypeNameTable != 0).
void WriteTypeNameTables(DemoRom& image);

// Writes the three contest tables, the effect texts and the code words (layout.contestMoveTable != 0).
// Move 1 holds effect 0, category 4 (Tough) and combo starter id 60 and follows none; move 5 follows
// the starters held by moves 116 and 170 (ids 61 and 62); byte 1 of every move k with k % 50 == 7
// has bits 3 and 5 set; the rest is drawn.
void WriteContestTables(DemoRom& image);

// Builds the image in memory; the same layout always gives the same bytes.
DemoRom MakeDemoRom(const DemoRomLayout& layout = {});

// The profile text that points at the layout's tables, with CR LF line ends: for a layout with
// contest tables, the shipped profile of its game code.
std::string DemoProfileText(const DemoRomLayout& layout);

// Writes the image to romPath and the profile to dataDir/<game code>.ini. An image with moved tables
// gets no profile: like a hack, it is opened through the game's shipped profile and its header.
void WriteDemoRom(const DemoRom& image, const std::filesystem::path& romPath,
                  const std::filesystem::path& dataDir);

} // namespace demo

#pragma once
// Where a move table lies, and how many moves it holds: the rules that let a modified ROM's moved
// or grown tables be found without a hand-written profile, and that every open applies before a
// byte of a table is read or written. They rest on what an edit cannot break: the name entries
// (the programs write a name only as game text ended within 13 bytes) and where the tables lie;
// the record values are the user's to set, so one move's record never decides where a table ends.

#include "rom/MoveBytes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace rom {

// Why a record could not be a released game's, or "": an accuracy or effect chance above 100, a PP
// above 64, a target of more than one bit, a priority outside -8 to 8. A user may write any of these,
// so it only ever counts in a majority of the records (RecordsLookWrong).
std::string RecordFault(const RecordBytes& record);

// Whether an entry can be a move's name: game text ended by FF within 13 bytes, or 13 characters
// that run on without it, but not 13 FF bytes (free space) nor 13 blanks (zeroed space). An empty
// name as the programs write it (FF, then blanks) is a name.
bool IsNameEntry(const NameEntry& entry);

// Why entry cannot be written as move k's name entry, or "": move 0's stays the placeholder
// (hyphens and the end byte), every other one must be a name (IsNameEntry), so that no write makes
// the table fail the checks of its next open or ends it early. Never fails.
std::string NameEntryFault(const NameEntry& entry, int k);

// The number of leading entries, from move 0's on, at most cap, that are names (IsNameEntry).
// names holds the table's bytes from move 0's entry on and may end early (the end of the file).
int CountMoveNames(std::span<const std::uint8_t> names, int cap = MaxMoveCount);

// The moves a table located at tables holds: the profile's count where it gives one, else the names
// found there, never fewer than the released games' 355.
int TableMoveCount(std::optional<int> profileCount, int names);

// Whether most records break RecordFault: the bytes are no table of 12-byte move records (another
// layout, or no table at all). No edit of a few moves makes a table look wrong.
bool RecordsLookWrong(std::span<const std::uint8_t> records, int moveCount);

// Why the bytes at the tables are not a move table of moveCount moves, or "" when they are: both
// tables lie inside a file of size bytes; move 0's name entry is the placeholder, hyphens and the
// end byte; every other entry is game text ended within 13 bytes or 13 characters (a slot a hack
// keeps empty, FF or blanks, passes: a count the user gives may include such slots). Every open
// applies it before a byte is read or written through the tables. Never fails.
std::string MoveTableFault(const ReadRange& read, std::int64_t size, const MoveTables& tables, int moveCount);

// Why tables the program found itself (through the header's words) hold no 12-byte move records,
// or "": most records break RecordFault (another record layout, or no table at all). Never fails.
std::string RecordLayoutFault(const ReadRange& read, const MoveTables& tables, int moveCount);

// Reads a whole image in memory as the rules above read a file.
ReadRange ImageBytes(std::span<const std::uint8_t> image);

} // namespace rom

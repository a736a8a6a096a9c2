#pragma once
// Whether bytes look like a move table, and how many moves a table holds: the rules that let a
// modified ROM's moved or grown tables be found without a hand-written profile.

#include "rom/MoveBytes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace rom {

// Why a record cannot be a move's, or "": an accuracy or effect chance above 100, a PP above 64, a
// target of more than one bit, a priority outside -8 to 8.
std::string RecordFault(const RecordBytes& record);

// Whether a name entry is the game's text ended by FF within 13 bytes: every byte before the FF is
// a character of the game's table or the line break.
bool IsEndedGameText(const NameEntry& entry);

// The number of leading moves, at most cap, whose name entry is ended game text and whose record
// is plausible. names holds the table's bytes from move 0's entry on, records from move 0's record
// on; either may end early (the end of the file), which ends the count.
int CountPlausibleMoves(std::span<const std::uint8_t> names, std::span<const std::uint8_t> records,
                        int cap = MaxMoveCount);

// The moves a table located at tables holds: the profile's count where it gives one, else the
// plausible moves found there, never fewer than the released games' 355.
int TableMoveCount(std::optional<int> profileCount, int plausibleMoves);

// Why the bytes at the tables do not look like a move table of moveCount moves, or "" when they do:
// the tables lie inside the image; move 0's name entry is the placeholder, hyphens and the end
// byte; every other name ends at its end byte within 13 bytes or fills them with characters; and
// every record passes RecordFault. Never fails.
std::string MoveTableFault(std::span<const std::uint8_t> image, const MoveTables& tables, int moveCount);

} // namespace rom

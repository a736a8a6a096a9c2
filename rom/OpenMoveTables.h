#pragma once
// Opening a ROM's move tables: the header read once, the game code's profile looked up, its
// sections for the ROM's revision read strictly, checked against the header's table words and the
// file, and the number of moves the table holds. The window and the command-line tool open every
// ROM through here.

#include "rom/ContestData.h"
#include "rom/MoveBytes.h"
#include "rom/MoveDescriptions.h"
#include "rom/MoveTables.h"
#include "rom/ProfileFolders.h"
#include "rom/RecordLayout.h"
#include "rom/RomHeader.h"
#include "rom/RomImage.h"
#include "rom/TypeNameTable.h"
#include "rom/ValueNames.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace rom {

struct OpenOptions {
    std::optional<int> moveCount; // moves 0 to N - 1, whatever the profile says or the table holds
};

struct OpenedTables {
    RomHeader header;
    std::string gameCode;
    std::filesystem::path profile;
    TableSections sections; // the profile sections the offsets came from
    MoveTables tables;
    int moveCount = StandardMoveCount;
    // The tables are the ones the header's words point at, not the shipped profile's: the ROM was
    // modified. note says so in words for the user.
    bool tablesFromHeader = false;
    std::string note;
    // The moves' descriptions, where the game's code puts their table; a fault in them leaves them
    // unavailable (descriptions.unavailable says why) and the move table open. descriptions.note
    // says when the code names another table than the shipped profile.
    DescriptionTable descriptions{};
    // The ROM's own type names through the profile's [Typenametable] words (names empty, with the
    // reason in typeNameTable.table.unavailable, when not read; table.note when the table moved).
    RomTypeNames typeNameTable{};
    // What a type or an effect value is shown and typed by: the program's lists, then the profile's
    // [Typenames] and [Effectnames], then (types) the ROM's table; past them the value's number.
    ValueNames typeNames = TypeValueNames({}, "");
    ValueNames effectNames = EffectValueNames("");
    // What record bytes 9 to 11 and flag bit 6 hold, and whether the profile's [Recordlayout] said
    // so rather than the records.
    FoundRecordLayout recordLayout{};
    // Everything the user should be told about the open besides the move tables' note, one message
    // each: tables the game's code names elsewhere than the shipped profile, the type-name table
    // that was not read (when the profile has words for it), lines of [Typenames] or [Effectnames]
    // that name nothing.
    std::vector<std::string> notes;
    // The contest half of the moves (R/S/E): off with the reason when its tables fail their check,
    // not in the profile for the games without contests.
    ContestData contest{};
};

// As the window opens a ROM: the header from the file, the profile found or created empty (a new
// game's profile to fill in), each value read from the file by the profile reader. Throws
// GameCodeError, FileAccessError or TableError (ProfileMismatch when the header disagrees with a
// profile that is not the shipped one).
OpenedTables OpenMoveTables(const std::filesystem::path& rom, const ProfileFolders& folders,
                            const OpenOptions& options = {});

struct OpenedRom {
    OpenedTables at;
    RomImage image;
    std::vector<MoveRow> rows; // moves 0 to moveCount - 1
};

// As the command-line tool opens a ROM: the whole image mapped once (the header from the same bytes),
// the profile must exist and is not changed, every move read. Throws as OpenMoveTables, and
// TableError when no folder holds the game's profile.
OpenedRom OpenRomImage(const std::filesystem::path& rom, const ProfileFolders& folders,
                       const OpenOptions& options = {});

} // namespace rom

#pragma once
// Where a ROM's move tables lie. The profile gives the two offsets (a revision may have its own
// sections); they are read strictly, must put every name entry and record inside the file, and must
// agree with the header's table words where the header carries words that point into the file. The
// window and the command-line tool open ROMs by these same rules, so nothing is ever read or written
// where a table was not verified.

#include "rom/RomError.h"
#include "rom/RomHeader.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace rom {

// Moves 0 to 354: the placeholder and the 354 named moves of every release.
inline constexpr int StandardMoveCount = 355;

struct MoveTables {
    std::int32_t nameStart = 0;  // S: the name entry of move 1; move 0's entry lies 13 bytes before
    std::int32_t dataOffset = 0; // D: the record of move 0
    bool operator==(const MoveTables&) const = default;
};

// The profile sections the two offsets were read from: "Nameoffset", or "Nameoffset.rev1" and so on.
struct TableSections {
    std::string names = "Nameoffset";
    std::string data = "Dataoffset";
    bool operator==(const TableSections&) const = default;
};

// A table's count of moves in the profile: key "count" of section [Movecount], or of a revision's own
// [Movecount.revN].
inline constexpr std::string_view MoveCountSection = "Movecount";
inline constexpr const char* MoveCountKey = "count";

// The sections a ROM of revision N reads its count from, in this order: its own ".revN" one, then
// the plain one.
std::array<std::string, 2> MoveCountSectionsToRead(int revision);

// The section a count is written to: it goes with the offsets, so the plain one beside the plain
// offset sections, a revision's own one beside a revision's own.
std::string MoveCountSectionToWrite(const TableSections& offsets, int revision);

// Tables must lie past the cartridge header (bytes 0 to 0xBF), which holds the game code.
inline constexpr std::int64_t CartridgeHeaderEnd = 0xC0;

// The profile does not locate tables that can be read: a value missing or not a decimal offset, or
// tables that reach outside the file.
class TableError : public RomError {
  public:
    using RomError::RomError;
};

// The header's table words point into the file somewhere else than the profile's tables.
class ProfileMismatch : public TableError {
  public:
    ProfileMismatch(const MoveTables& profile, std::optional<std::int64_t> headerNameStart,
                    std::optional<std::int64_t> headerDataOffset, int revision,
                    const TableSections& sections);
    MoveTables profile;
    std::optional<std::int64_t> headerNameStart;  // where the header puts move 1's name
    std::optional<std::int64_t> headerDataOffset; // where the header puts move 0's record
};

// The value of key "offset" in a section of the game's profile, nullopt when the section has no
// such key ("offset=" with nothing after it is there, and empty).
using ProfileLookup = std::function<std::optional<std::string>(const std::string& section)>;

// The section a revision of the game uses before the plain one: "Nameoffset.rev1".
std::string RevisionSection(std::string_view section, int revision);

// A profile offset: decimal digits, blanks around them allowed, nothing else; at most 2^31 - 1.
std::optional<std::int32_t> ParseProfileOffset(std::string_view text);

// The sections a ROM of revision N reads: its two ".revN" sections where the profile has them, else
// the plain ones. A revision's two sections come together: a profile with only one of them would
// mix the tables of two revisions, and is refused with TableError.
TableSections ProfileSectionsFor(const ProfileLookup& lookup, int revision);

// The sections that give a ROM of revision N its tables when they are written: its own ".revN" ones,
// except for revision 0 in a profile without ".rev0" sections, which the plain ones serve.
TableSections SectionsForRevision(const ProfileLookup& lookup, int revision);

// The two offsets for a ROM of revision N, from the sections ProfileSectionsFor chooses. Throws
// TableError for a missing, empty or malformed value; the message shows the value's control characters.
MoveTables ReadProfileTables(const ProfileLookup& lookup, int revision);

// Throws TableError unless moveCount name entries (from S - 13) and moveCount records (from D) lie
// inside a file of size bytes.
void CheckTablesInside(const MoveTables& tables, std::int64_t size, int moveCount = StandardMoveCount);

// Throws TableError when a table reaches into the cartridge header or the two tables overlap: a
// save would then overwrite the game code or one move's name with another move's record.
void CheckTablesApart(const MoveTables& tables, int moveCount = StandardMoveCount);

// Where the header's words put the tables, for the words that point inside the file.
std::optional<std::int64_t> HeaderNameStart(const RomHeader& header);
std::optional<std::int64_t> HeaderDataOffset(const RomHeader& header);

// Throws ProfileMismatch when a header word points inside the file and disagrees with the tables;
// its message names the sections the tables were read from.
void CheckHeaderAgrees(const RomHeader& header, const MoveTables& tables, const TableSections& sections = {});

// The tables a ROM is read and written through: the profile's, checked against the header, then
// against the file's size, then against the cartridge header and each other.
MoveTables ResolveMoveTables(const RomHeader& header, const ProfileLookup& lookup,
                             int moveCount = StandardMoveCount);

} // namespace rom

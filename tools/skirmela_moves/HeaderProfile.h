#pragma once
// A profile made from a ROM's header: the table words of the games that carry them give the two
// offsets, which are taken only when the bytes there look like a move table. And the merge of such a
// profile into an existing profile file, which never silently changes an offset that is there.

#include "rom/MoveTables.h"
#include "rom/RecordLayout.h"
#include "rom/RomHeader.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace moves {

// The header gives no tables, or the bytes there do not look like a move table.
class NoHeaderProfile : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct HeaderProfile {
    std::string gameCode;
    int revision = 0;
    rom::MoveTables tables;
    int moveCount = rom::StandardMoveCount; // written to the profile where it is not the released games' 355
    // The layout the records show; written ([Recordlayout] layout=split) where it is not the released one.
    rom::RecordLayout layout = rom::RecordLayout::Released;
};

// The profile the header's table words give. Throws NoHeaderProfile when the game carries no words,
// they point outside the image, or MoveTableFault finds a fault.
// The table's count of moves is moveCount where given, else the plausible moves found there (at
// least 355).
HeaderProfile ProfileFromHeader(const std::vector<std::uint8_t>& image,
                                std::optional<int> moveCount = std::nullopt);

// The two section names a new profile of the revision uses: "Nameoffset" or "Nameoffset.rev1", and so on.
std::string NameSection(const HeaderProfile& p);
std::string DataSection(const HeaderProfile& p);

// The profile file text with CR LF line ends: a first line naming the game and revision, then the
// two sections of its revision, and its move count where that is not 355.
std::string ProfileFileText(const HeaderProfile& p);

// An offset of the existing file that differs from the one to be written.
struct OffsetConflict {
    std::string section;
    std::string existing;
    std::int32_t wanted = 0;
    std::string key = "offset";
};

struct ProfileMerge {
    std::string text;                         // the file to write; empty when nothing changes
    std::vector<std::string> added, replaced; // sections given a new value, sections whose value changed
    std::vector<OffsetConflict> conflicts;    // values that differ; with force they are replaced
};

// existing (the profile file's text, "" for a new file) with the two sections of p's revision that
// the open reads (a profile with ".rev0" sections gets those for revision 0): a section that is
// missing or has no offset gets one, an equal offset stays, a different one is a conflict, which
// force replaces. Every other line stays as it was; lines are ended by CR LF. Never fails.
ProfileMerge MergeProfile(const std::string& existing, const HeaderProfile& p, bool force);

} // namespace moves

#include "rom/OpenMoveTables.h"

#include "files/Reasons.h"
#include "files/WholeFiles.h"
#include "rom/GameCode.h"
#include "rom/ReadINI.h"
#include "rom/ShippedProfiles.h"
#include "rom/TablePlausibility.h"
#include "rom/WholeNumber.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace rom {
namespace {

// What the open knows of the profile: its text, and a lookup of its values.
struct ProfileSource {
    std::string text;
    std::function<std::optional<std::string>(const std::string& section, const char* key)> value;
};

std::optional<int> ProfileMoveCount(const ProfileSource& profile, int revision) {
    std::optional<std::string> text;
    std::string section;
    for (const std::string& s : MoveCountSectionsToRead(revision))
        if (!text) text = profile.value(section = s, MoveCountKey);
    if (!text) return std::nullopt;
    const auto count = ParseWholeNumber(*text, MaxMoveCount);
    if (!count || *count < 1)
        throw TableError("the profile's count \"" + *text + "\" in section [" + section +
                         "] is not a number of moves 1 to " + std::to_string(MaxMoveCount));
    return static_cast<int>(*count);
}

// The names found at the tables (moves 0 on): what an edit cannot break tells how far a table goes.
int NamesAt(const MoveTables& at, const ReadRange& read) {
    return CountMoveNames(read(std::int64_t{at.nameStart} - MoveNameFieldLength,
                               std::int64_t{MaxMoveCount} * MoveNameFieldLength));
}

// The tables of the released game of this code and revision, as its shipped profile gives them.
std::optional<MoveTables> ReleasedTables(const std::string& gameCode, int revision) {
    const auto text = ShippedProfileText(gameCode);
    if (!text) return std::nullopt;
    const std::string shipped(*text);
    try {
        return ReadProfileTables(
            [&shipped](const std::string& s) { return FindIniEntry(shipped, s, "offset"); }, revision);
    } catch (const TableError&) {
        return std::nullopt;
    }
}

// How many moves the tables hold: what the user says (an option, the profile), the released games'
// 355 at a released game's own tables, else the names found there.
int MovesOf(const OpenOptions& options, std::optional<int> profileCount, const RomHeader& header,
            const MoveTables& tables, const ReadRange& read) {
    if (options.moveCount) return *options.moveCount;
    if (profileCount) return *profileCount;
    if (ReleasedTables(header.gameCode, header.revision) == tables) return StandardMoveCount;
    return TableMoveCount(std::nullopt, NamesAt(tables, read));
}

bool HasNoOffsets(const ProfileSource& profile, int revision) {
    for (const std::string& section :
         {std::string("Nameoffset"), std::string("Dataoffset"), RevisionSection("Nameoffset", revision),
          RevisionSection("Dataoffset", revision)})
        if (const auto value = profile.value(section, "offset"); value && !TrimBlanks(*value).empty())
            return false;
    return true;
}

// The tables the header's words give, when the game carries words that point inside the file.
std::optional<MoveTables> HeaderTables(const RomHeader& header) {
    const auto names = HeaderNameStart(header);
    const auto data = HeaderDataOffset(header);
    if (!CarriesTableWords(header.gameCode) || !names || !data || *names > INT32_MAX) return std::nullopt;
    return MoveTables{static_cast<std::int32_t>(*names), static_cast<std::int32_t>(*data)};
}

std::string Where(const MoveTables& t) {
    return "Nameoffset " + std::to_string(t.nameStart) + " and Dataoffset " + std::to_string(t.dataOffset);
}

// A modified ROM's header is the better witness than the shipped profile of the released game, or
// than no profile at all; a profile the user wrote is not overruled (only the user knows which of
// the two is stale).
bool HeaderOverrules(const RomHeader& header, const ProfileSource& profile,
                     const std::optional<MoveTables>& fromProfile,
                     const std::optional<MoveTables>& fromHeader) {
    if (!fromHeader) return false;
    if (HasNoOffsets(profile, header.revision)) return true;
    return fromProfile && *fromProfile != *fromHeader && IsShippedProfile(header.gameCode, profile.text);
}

// The tables the game's code names (descriptions, type names), the names of values past the
// program's lists and the record layout, once the move tables are known. Throws TableError for a
// malformed [Typenametable] or [Recordlayout] section, as for the move tables' sections.
void ReadWhatTheCodeNames(OpenedTables& opened, const ProfileSource& profile, const ReadRange& read) {
    const RomHeader& header = opened.header;
    const ProfileKeyLookup keys = [&profile](const std::string& section, const std::string& key) {
        return profile.value(section, key.c_str());
    };
    const bool shipped = IsShippedProfile(header.gameCode, profile.text);
    opened.descriptions = ReadDescriptions(header, keys, shipped, opened.tables, opened.moveCount, read);
    if (!opened.descriptions.note.empty()) opened.notes.push_back(opened.descriptions.note);

    opened.contest = ReadContestData(keys, header.revision, shipped, header.size, read);
    for (const CodeWordTable* t :
         {&opened.contest.moveTable, &opened.contest.effectTable, &opened.contest.textTable})
        if (!t->note.empty()) opened.notes.push_back(t->note);

    opened.typeNameTable = ReadRomTypeNames(keys, header.revision, shipped, header.size, read);
    const CodeWordTable& types = opened.typeNameTable.table;
    if (!types.note.empty()) opened.notes.push_back(types.note);
    // A profile without the section simply has no table to read; one with it is told why not.
    if (const auto listed = ReadCodeWordProfile(keys, "Typenametable", header.revision);
        !types.Available() && listed && (listed->offset || !listed->words.empty()))
        opened.notes.push_back("The ROM's type names are not used: " + types.unavailable + ".");
    opened.typeNames = TypeValueNames(opened.typeNameTable.names, profile.text);
    opened.effectNames = EffectValueNames(profile.text);
    for (const char* section : {"Typenames", "Effectnames"})
        for (const std::string& fault : ReadProfileNames(profile.text, section).faults)
            opened.notes.push_back("The profile's " + fault + ", so that line names nothing.");

    const std::vector<std::uint8_t> records =
        read(opened.tables.dataOffset, std::int64_t{MoveRecordSize} * opened.moveCount);
    opened.recordLayout = ResolveRecordLayout(keys, header.revision, records, opened.moveCount);
}

OpenedTables Resolve(const RomHeader& header, const std::filesystem::path& profilePath,
                     const ProfileSource& profile, const ReadRange& read, const OpenOptions& options) {
    OpenedTables opened;
    opened.header = header;
    opened.gameCode = header.gameCode;
    opened.profile = profilePath;
    const ProfileLookup lookup = [&profile](const std::string& section) {
        return profile.value(section, "offset");
    };
    opened.sections = ProfileSectionsFor(lookup, header.revision);

    std::optional<MoveTables> fromProfile;
    std::optional<TableError> profileFault;
    try {
        fromProfile = ReadProfileTables(lookup, header.revision);
    } catch (const TableError& e) {
        profileFault = e;
    }
    const std::optional<MoveTables> fromHeader = HeaderTables(header);

    std::optional<int> profileCount;
    if (HeaderOverrules(header, profile, fromProfile, fromHeader)) {
        const int moves = MovesOf(options, std::nullopt, header, *fromHeader, read);
        std::string fault = MoveTableFault(read, header.size, *fromHeader, moves);
        if (fault.empty()) fault = RecordLayoutFault(read, *fromHeader, moves);
        if (!fault.empty())
            throw TableError("The ROM's header puts the move tables at " + Where(*fromHeader) +
                             ", but the bytes there do not look like a move table of 12-byte records (" +
                             fault + "), so the ROM was not opened and nothing was written.");
        opened.tables = *fromHeader;
        opened.tablesFromHeader = true;
        opened.note =
            "The ROM's header puts the move tables at " + Where(*fromHeader) +
            (fromProfile ? ", not where the shipped profile puts them (" + Where(*fromProfile) + ")" : "") +
            ": the ROM is modified, and the tables of its header are used.";
    } else {
        if (profileFault) throw *profileFault;
        CheckHeaderAgrees(header, *fromProfile, opened.sections);
        opened.tables = *fromProfile;
        profileCount = ProfileMoveCount(profile, header.revision);
    }
    opened.moveCount = MovesOf(options, profileCount, header, opened.tables, read);
    CheckTablesInside(opened.tables, header.size, opened.moveCount);
    CheckTablesApart(opened.tables, opened.moveCount);
    // Every open, whoever located the tables, makes sure that they lie where it reads and writes.
    if (const std::string fault = MoveTableFault(read, header.size, opened.tables, opened.moveCount);
        !fault.empty())
        throw TableError("The bytes at " + Where(opened.tables) + " (" + std::to_string(opened.moveCount) +
                         " moves) do not look like a move table: " + fault +
                         ", so the ROM was not opened and nothing was written.");
    ReadWhatTheCodeNames(opened, profile, read);
    return opened;
}

void CheckProfileIsAFile(const std::filesystem::path& profile) {
    std::error_code ec;
    if (std::filesystem::is_directory(profile, ec))
        throw FileAccessError("the profile " + profile.string() + " is a directory, not a file");
}

ProfileSource TextSource(std::string text) {
    auto shared = std::make_shared<const std::string>(std::move(text));
    return {*shared, [shared](const std::string& section, const char* key) {
                return FindIniEntry(*shared, section, key);
            }};
}

} // namespace

OpenedTables OpenMoveTables(const std::filesystem::path& rom, const ProfileFolders& folders,
                            const OpenOptions& options) {
    const RomHeader header = ReadRomHeader(rom);
    const std::string code = UsableGameCode(header);
    const bool hadProfile = FindProfileFile(folders, code).has_value();
    const std::filesystem::path profile = FindOrCreateProfile(folders, code);
    CheckProfileIsAFile(profile);
    // Each value is read by the profile reader, which leaves the profile editable; the text is read
    // once more whole, to tell a shipped profile from one the user wrote.
    ProfileSource source{files::ReadWholeTextFile(profile),
                         [&profile](const std::string& section, const char* key) {
                             return ReadIniEntry(profile, section, key);
                         }};
    const auto read = [&rom, &header](std::int64_t offset, std::int64_t length) {
        return files::ReadFileRange(rom, offset, length, header.size);
    };
    try {
        return Resolve(header, profile, source, read, options);
    } catch (const ProfileMismatch&) {
        throw;
    } catch (const TableError& e) {
        // A game met for the first time: say so, and where its profile is to be filled in.
        if (HeaderTables(header) || !HasNoOffsets(source, header.revision)) throw;
        throw TableError(
            (hadProfile ? "the profile " + profile.string() + " of game code " + code +
                              " gives no offsets of the move tables"
                        : "there is no profile for game code " + code + "; an empty one was made at " +
                              profile.string()) +
            ": write the offsets of the move tables into its [Nameoffset] and [Dataoffset] sections (" +
            e.what() + ")");
    }
}

OpenedRom OpenRomImage(const std::filesystem::path& rom, const ProfileFolders& folders,
                       const OpenOptions& options) {
    OpenedRom opened;
    opened.image = RomImage::Open(rom, "the ROM");
    const RomHeader header = ParseRomHeader(opened.image, static_cast<std::int64_t>(opened.image.size()));
    const std::string code = UsableGameCode(header);
    const auto profile = FindProfileFile(folders, code);
    if (profile) CheckProfileIsAFile(*profile);
    const RomImage& image = opened.image;
    const auto read = [&image](std::int64_t offset, std::int64_t length) {
        const auto size = static_cast<std::int64_t>(image.size());
        offset = std::clamp<std::int64_t>(offset, 0, size);
        length = std::clamp<std::int64_t>(length, 0, size - offset);
        return std::vector<std::uint8_t>(image.begin() + offset, image.begin() + offset + length);
    };
    if (!profile) {
        // Without a profile only the header's words can locate the tables.
        std::string missing;
        for (const std::filesystem::path& folder : folders.searched)
            missing += (missing.empty() ? "" : "; ") + ProfilePath(folder, code).string() + " does not exist";
        if (!HeaderTables(header)) throw TableError("no profile for game code " + code + ": " + missing);
        opened.at = Resolve(header, {}, TextSource(""), read, options);
    } else {
        opened.at = Resolve(header, *profile, TextSource(files::ReadWholeTextFile(*profile)), read, options);
    }
    opened.rows = ReadMoveRows(opened.image, opened.at.tables, opened.at.moveCount);
    return opened;
}

} // namespace rom

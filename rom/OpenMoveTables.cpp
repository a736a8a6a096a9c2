#include "rom/OpenMoveTables.h"

#include "rom/GameCode.h"
#include "rom/ReadINI.h"
#include "rom/WholeFiles.h"

#include <memory>

namespace rom {
namespace {

OpenedTables Resolve(const RomHeader& header, const std::filesystem::path& profile, const ProfileLookup& lookup,
                     int moveCount) {
    OpenedTables opened{header, header.gameCode, profile, {}, {}};
    opened.sections = ProfileSectionsFor(lookup, header.revision);
    opened.tables = ResolveMoveTables(header, lookup, moveCount);
    return opened;
}

void CheckProfileIsAFile(const std::filesystem::path& profile) {
    std::error_code ec;
    if (std::filesystem::is_directory(profile, ec))
        throw FileAccessError("the profile " + profile.string() + " is a directory, not a file");
}

} // namespace

OpenedTables OpenMoveTables(const std::filesystem::path& rom, const ProfileFolders& folders, int moveCount) {
    const RomHeader header = ReadRomHeader(rom);
    const std::filesystem::path profile = FindOrCreateProfile(folders, UsableGameCode(header));
    CheckProfileIsAFile(profile);
    return Resolve(header, profile, [&profile](const std::string& section) {
        return ReadIniEntry(profile, section, "offset");
    }, moveCount);
}

OpenedRom OpenRomImage(const std::filesystem::path& rom, const ProfileFolders& folders, int moveCount) {
    OpenedRom opened;
    opened.image = ReadWholeFile(rom, "the ROM");
    const RomHeader header = ParseRomHeader(opened.image, static_cast<std::int64_t>(opened.image.size()));
    const std::string code = UsableGameCode(header);
    const auto profile = FindProfileFile(folders, code);
    if (!profile) {
        std::string missing;
        for (const std::filesystem::path& folder : folders.searched)
            missing += (missing.empty() ? "" : "; ") + ProfilePath(folder, code).string() + " does not exist";
        throw TableError("no profile for game code " + code + ": " + missing);
    }
    CheckProfileIsAFile(*profile);
    const auto text = std::make_shared<const std::string>(ReadWholeTextFile(*profile));
    opened.at = Resolve(header, *profile, [text](const std::string& section) {
        return FindIniEntry(*text, section, "offset");
    }, moveCount);
    opened.rows = ReadMoveRows(opened.image, opened.at.tables, moveCount);
    return opened;
}

} // namespace rom

#include "rom/TypeNameTable.h"

#include "rom/GameText.h"

namespace rom {
namespace {

constexpr std::uint8_t EndByte = 0xFF, LineBreakByte = 0xFE;

bool IsNameCharacter(std::uint8_t b) {
    return b != LineBreakByte && b != EndByte && !DecodeGameBytes(std::span(&b, 1)).empty();
}

} // namespace

std::vector<std::string> ReadTypeNameEntries(std::span<const std::uint8_t> bytes) {
    std::vector<std::string> names;
    for (std::size_t at = 0; at + TypeNameEntryLength <= bytes.size() && names.size() < MaxTypeNames;
         at += TypeNameEntryLength) {
        const std::span<const std::uint8_t> entry = bytes.subspan(at, TypeNameEntryLength);
        std::size_t length = 0;
        while (length < entry.size() && IsNameCharacter(entry[length])) ++length;
        if (length == 0 || length == entry.size() || entry[length] != EndByte) break;
        names.push_back(DecodeGameBytes(entry.first(length)));
    }
    return names;
}

std::string TypeNameTableFault(std::int64_t offset, const ReadRange& read) {
    const std::vector<std::uint8_t> bytes =
        read(offset, std::int64_t{ReleasedTypeCount} * TypeNameEntryLength);
    const std::size_t valid = ReadTypeNameEntries(bytes).size();
    if (valid >= ReleasedTypeCount) return "";
    return "entry " + std::to_string(valid) + " is not a name of up to 6 characters ended by FF";
}

RomTypeNames ReadRomTypeNames(const ProfileKeyLookup& lookup, int revision, bool profileIsShipped,
                              std::int64_t fileSize, const ReadRange& read) {
    RomTypeNames names;
    const std::optional<CodeWordProfile> profile = ReadCodeWordProfile(lookup, "Typenametable", revision);
    if (!profile) {
        names.table.unavailable = "the profile gives no type-name table ([Typenametable])";
        return names;
    }
    names.table = LocateCodeWordTable(*profile, profileIsShipped, "type-name table", fileSize, read,
                                      [&read](std::int64_t at) { return TypeNameTableFault(at, read); });
    if (names.table.Available())
        names.names =
            ReadTypeNameEntries(read(*names.table.offset, std::int64_t{MaxTypeNames} * TypeNameEntryLength));
    return names;
}

} // namespace rom

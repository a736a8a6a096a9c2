#include "tools/skirmela_moves/HeaderProfile.h"

#include "rom/MoveBytes.h"
#include "rom/ReadINI.h"
#include "rom/WholeNumber.h"

namespace moves {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// The sections the open of this ROM reads, so that what is written is what the next open finds.
rom::TableSections SectionsIn(const std::string& existing, int revision) {
    return rom::SectionsForRevision(
        [&existing](const std::string& section) { return rom::FindIniEntry(existing, section, "offset"); },
        revision);
}

} // namespace

HeaderProfile ProfileFromHeader(const std::vector<std::uint8_t>& image, int moveCount) {
    const rom::RomHeader header = rom::ParseRomHeader(image, static_cast<std::int64_t>(image.size()));
    HeaderProfile p{header.gameCode, header.revision, {}};
    if (!rom::CarriesTableWords(header.gameCode))
        throw NoHeaderProfile("the header of game code " + header.gameCode +
                              " carries no table words (the games with codes BPR?, BPG? and BPE? do); write "
                              "the profile's offsets by hand");
    const auto names = rom::HeaderNameStart(header);
    const auto data = rom::HeaderDataOffset(header);
    if (!names || !data || *names > INT32_MAX)
        throw NoHeaderProfile("the header's table words do not point inside the ROM of " +
                              std::to_string(image.size()) + " bytes");
    p.tables = {static_cast<std::int32_t>(*names), static_cast<std::int32_t>(*data)};
    if (const std::string fault = rom::MoveTableFault(image, p.tables, moveCount); !fault.empty())
        throw NoHeaderProfile("the header's table words point at Nameoffset " + std::to_string(*names) +
                              " and Dataoffset " + std::to_string(*data) +
                              ", but the bytes there do not look like a move table: " + fault);
    return p;
}

std::string NameSection(const HeaderProfile& p) {
    return SectionsIn("", p.revision).names;
}

std::string DataSection(const HeaderProfile& p) {
    return SectionsIn("", p.revision).data;
}

std::string ProfileFileText(const HeaderProfile& p) {
    return "Profile for game code " + p.gameCode + ", revision " + std::to_string(p.revision) +
           ", from the table words of the ROM's header\r\n[" + NameSection(p) +
           "]\r\noffset=" + std::to_string(p.tables.nameStart) + "\r\n[" + DataSection(p) +
           "]\r\noffset=" + std::to_string(p.tables.dataOffset) + "\r\n";
}

ProfileMerge MergeProfile(const std::string& existing, const HeaderProfile& p, bool force) {
    ProfileMerge merge;
    std::vector<std::string> lines = rom::IniLines(existing);
    if (lines.empty()) lines.push_back(rom::IniLines(ProfileFileText(p)).front()); // a new file's first line
    bool changed = existing.empty();
    const rom::TableSections sections = SectionsIn(existing, p.revision);
    for (const auto& [section, wanted] :
         {std::pair{sections.names, p.tables.nameStart}, std::pair{sections.data, p.tables.dataOffset}}) {
        const rom::IniPlace place = rom::FindIniPlace(lines, section, "offset");
        const std::string value = place.key ? lines[*place.key].substr(7) : std::string();
        const std::string keyLine = "offset=" + std::to_string(wanted);
        const bool given = !rom::TrimBlanks(value).empty();
        if (given && rom::ParseProfileOffset(value) == wanted) continue;
        if (given) {
            merge.conflicts.push_back({section, value, wanted});
            if (!force) continue;
            merge.replaced.push_back(section);
        } else {
            merge.added.push_back(section);
        }
        changed = true;
        const auto at = [](std::size_t i) { return static_cast<std::ptrdiff_t>(i); };
        if (place.key) {
            lines[*place.key] = keyLine;
        } else if (place.header) {
            lines.insert(lines.begin() + at(*place.header + 1), keyLine);
        } else {
            lines.insert(lines.end(), {"[" + section + "]", keyLine});
        }
    }
    if (changed && (force || merge.conflicts.empty())) merge.text = Joined(lines);
    return merge;
}

} // namespace moves

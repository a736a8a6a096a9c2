#include "tools/skirmela_moves/HeaderProfile.h"

#include "rom/MoveBytes.h"
#include "rom/ReadINI.h"
#include "rom/TablePlausibility.h"
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

constexpr const char* LayoutSection = "Recordlayout";
constexpr const char* LayoutKey = "layout";

} // namespace

HeaderProfile ProfileFromHeader(const std::vector<std::uint8_t>& image, std::optional<int> moveCount) {
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
    if (*names - rom::MoveNameFieldLength < static_cast<std::int64_t>(image.size())) {
        const std::span<const std::uint8_t> bytes(image);
        const int found =
            rom::CountMoveNames(bytes.subspan(static_cast<std::size_t>(*names - rom::MoveNameFieldLength)));
        p.moveCount = moveCount ? *moveCount : rom::TableMoveCount(std::nullopt, found);
    }
    const rom::ReadRange bytes = rom::ImageBytes(image);
    std::string fault =
        rom::MoveTableFault(bytes, static_cast<std::int64_t>(image.size()), p.tables, p.moveCount);
    if (fault.empty()) fault = rom::RecordLayoutFault(bytes, p.tables, p.moveCount);
    if (!fault.empty())
        throw NoHeaderProfile("the header's table words point at Nameoffset " + std::to_string(*names) +
                              " and Dataoffset " + std::to_string(*data) +
                              ", but the bytes there do not look like a move table: " + fault);
    p.layout = rom::RecogniseRecordLayout(
        std::span<const std::uint8_t>(image).subspan(static_cast<std::size_t>(p.tables.dataOffset)),
        p.moveCount);
    return p;
}

std::string NameSection(const HeaderProfile& p) {
    return SectionsIn("", p.revision).names;
}

std::string DataSection(const HeaderProfile& p) {
    return SectionsIn("", p.revision).data;
}

std::string ProfileFileText(const HeaderProfile& p) {
    std::string text = "Profile for game code " + p.gameCode + ", revision " + std::to_string(p.revision) +
                       ", from the table words of the ROM's header\r\n[" + NameSection(p) +
                       "]\r\noffset=" + std::to_string(p.tables.nameStart) + "\r\n[" + DataSection(p) +
                       "]\r\noffset=" + std::to_string(p.tables.dataOffset) + "\r\n";
    if (p.moveCount != rom::StandardMoveCount)
        text += "[" + rom::MoveCountSectionToWrite(SectionsIn("", p.revision), p.revision) + "]\r\n" +
                rom::MoveCountKey + "=" + std::to_string(p.moveCount) + "\r\n";
    if (p.layout != rom::RecordLayout::Released)
        text += "[" + std::string(LayoutSection) + "]\r\n" + LayoutKey + "=" +
                rom::RecordLayoutKey(p.layout) + "\r\n";
    return text;
}

ProfileMerge MergeProfile(const std::string& existing, const HeaderProfile& p, bool force) {
    ProfileMerge merge;
    std::vector<std::string> lines = rom::IniLines(existing);
    if (lines.empty()) lines.push_back(rom::IniLines(ProfileFileText(p)).front()); // a new file's first line
    bool changed = existing.empty();
    const rom::TableSections sections = SectionsIn(existing, p.revision);
    struct Entry {
        std::string section;
        std::string key;
        std::int32_t wanted;
    };
    std::vector<Entry> entries = {{sections.names, "offset", p.tables.nameStart},
                                  {sections.data, "offset", p.tables.dataOffset}};
    if (p.moveCount != rom::StandardMoveCount)
        entries.push_back(
            {rom::MoveCountSectionToWrite(sections, p.revision), rom::MoveCountKey, p.moveCount});
    for (const auto& [section, key, wanted] : entries) {
        const rom::IniPlace place = rom::FindIniPlace(lines, section, key);
        const std::string value = place.key ? lines[*place.key].substr(key.size() + 1) : std::string();
        const std::string keyLine = key + "=" + std::to_string(wanted);
        const bool given = !rom::TrimBlanks(value).empty();
        if (given && rom::ParseProfileOffset(value) == wanted) continue;
        if (given) {
            merge.conflicts.push_back({section, value, wanted, key});
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
    // The layout the records show, where the profile gives none (a layout it gives wins at the open).
    if (p.layout != rom::RecordLayout::Released && !rom::FindIniPlace(lines, LayoutSection, LayoutKey).key) {
        const rom::IniPlace place = rom::FindIniPlace(lines, LayoutSection, LayoutKey);
        const std::string keyLine = std::string(LayoutKey) + "=" + rom::RecordLayoutKey(p.layout);
        if (place.header)
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(*place.header + 1), keyLine);
        else
            lines.insert(lines.end(), {"[" + std::string(LayoutSection) + "]", keyLine});
        merge.added.push_back(LayoutSection);
        changed = true;
    }
    if (changed && (force || merge.conflicts.empty())) merge.text = Joined(lines);
    return merge;
}

} // namespace moves

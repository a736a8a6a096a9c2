#include "tools/skirmela_moves/HeaderProfile.h"

#include "rom/GameText.h"
#include "rom/MoveRecord.h"
#include "rom/ReadINI.h"
#include "tools/skirmela_moves/MoveFields.h"
#include "tools/skirmela_moves/MoveTable.h"

#include <optional>
#include <sstream>

namespace moves {
namespace {

constexpr std::uint8_t HyphenByte = 0xAE, EndByte = 0xFF;

bool IsPlaceholderEntry(const NameEntry& e) {
    std::size_t i = 0;
    while (i < e.size() && e[i] == HyphenByte) ++i;
    return i > 0 && i < e.size() && e[i] == EndByte;
}

bool NameEnds(const NameEntry& e) {
    for (std::uint8_t b : e) {
        if (b == EndByte) return true;
        // A full-length name holds 13 characters of the game's table.
        if (rom::DecodeGameText(HexText(&b, 1)).empty()) return false;
    }
    return true;
}

std::string RecordFault(const RecordBytes& r) {
    const auto over = [](const char* field, int value, int most) {
        return std::string(field) + " " + std::to_string(value) + " (at most " + std::to_string(most) + ")";
    };
    if (r[3] > 100) return over("accuracy", r[3], 100);
    if (r[5] > 100) return over("effect chance", r[5], 100);
    if (r[4] > 64) return over("PP", r[4], 64);
    if ((r[6] & (r[6] - 1)) != 0) return "target " + std::to_string(r[6]) + " (one bit at most)";
    const int priority = static_cast<std::int8_t>(r[PriorityByte]);
    if (priority < -8 || priority > 8) return "priority " + std::to_string(priority) + " (-8 to 8)";
    return "";
}

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.ends_with('\r')) line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// Where a section's first header and its first "offset=" line are, by the rules profiles are read by.
struct SectionPlace {
    std::optional<std::size_t> header, key;
};

SectionPlace FindSection(const std::vector<std::string>& lines, const std::string& section) {
    SectionPlace place;
    std::string wanted = "[";
    wanted += Lower(section);
    wanted += ']';
    bool inside = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Lower(lines[i]);
        if (line.find('[') != std::string::npos) {
            inside = line == wanted;
            if (inside && !place.header) place.header = i;
            continue;
        }
        if (inside && line.starts_with("offset=")) {
            place.key = i;
            return place;
        }
    }
    return place;
}

} // namespace

std::string MoveTableFault(const std::vector<std::uint8_t>& image, const rom::MoveTables& tables,
                           int moveCount) {
    std::vector<MoveRow> rows;
    try {
        rows = ReadMoveRows(image, tables, moveCount);
    } catch (const rom::TableError& e) {
        return e.what();
    }
    if (!IsPlaceholderEntry(rows[0].entry))
        return "move 0's name entry " + HexText(rows[0].entry.data(), rows[0].entry.size()) +
               " is not the placeholder (hyphens and the end byte FF)";
    for (const MoveRow& row : rows) {
        if (!NameEnds(row.entry))
            return "move " + std::to_string(row.move) + "'s name entry " +
                   HexText(row.entry.data(), row.entry.size()) + " does not end within 13 bytes";
        if (const std::string fault = RecordFault(row.bytes); !fault.empty())
            return "move " + std::to_string(row.move) + "'s record " +
                   HexText(row.bytes.data(), row.bytes.size()) + " holds " + fault;
    }
    return "";
}

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
    if (const std::string fault = MoveTableFault(image, p.tables, moveCount); !fault.empty())
        throw NoHeaderProfile("the header's table words point at Nameoffset " + std::to_string(*names) +
                              " and Dataoffset " + std::to_string(*data) +
                              ", but the bytes there do not look like a move table: " + fault);
    return p;
}

std::string NameSection(const HeaderProfile& p) {
    return p.revision == 0 ? "Nameoffset" : rom::RevisionSection("Nameoffset", p.revision);
}

std::string DataSection(const HeaderProfile& p) {
    return p.revision == 0 ? "Dataoffset" : rom::RevisionSection("Dataoffset", p.revision);
}

std::string ProfileFileText(const HeaderProfile& p) {
    return "Profile for game code " + p.gameCode + ", revision " + std::to_string(p.revision) +
           ", from the table words of the ROM's header\r\n[" + NameSection(p) +
           "]\r\noffset=" + std::to_string(p.tables.nameStart) + "\r\n[" + DataSection(p) +
           "]\r\noffset=" + std::to_string(p.tables.dataOffset) + "\r\n";
}

ProfileMerge MergeProfile(const std::string& existing, const HeaderProfile& p, bool force) {
    ProfileMerge merge;
    std::vector<std::string> lines = Lines(existing);
    if (lines.empty()) lines.push_back(Lines(ProfileFileText(p)).front()); // a new file's first line
    bool changed = existing.empty();
    for (const auto& [section, wanted] :
         {std::pair{NameSection(p), p.tables.nameStart}, std::pair{DataSection(p), p.tables.dataOffset}}) {
        std::istringstream current(Joined(lines));
        const std::string value = rom::FindIniValue(current, section, "offset");
        const std::string keyLine = "offset=" + std::to_string(wanted);
        if (!value.empty() && rom::ParseProfileOffset(value) == wanted) continue;
        if (!value.empty()) {
            merge.conflicts.push_back({section, value, wanted});
            if (!force) continue;
            merge.replaced.push_back(section);
        } else {
            merge.added.push_back(section);
        }
        changed = true;
        const SectionPlace place = FindSection(lines, section);
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

#include "tools/skirmela_moves/MoveTable.h"

#include "editor/GameCode.h"
#include "editor/NumberConversions.h"
#include "rom/GameText.h"
#include "rom/HexFunctions.h"
#include "rom/ReadINI.h"
#include "rom/RomError.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

namespace moves {
namespace {

std::int32_t ProfileOffset(std::istream& profile, const char* section) {
    profile.clear();
    profile.seekg(0);
    const std::string text = rom::FindIniValue(profile, section, "offset");
    const std::string where = std::string("the profile's [") + section + "] offset";
    if (text.empty()) throw TableError(where + " is missing");
    double value = 0;
    try {
        value = editor::ParseNumber(text);
    } catch (const editor::ConversionError&) {
        throw TableError(where + " \"" + text + "\" is not a number");
    }
    if (value < 0 || value > std::numeric_limits<std::int32_t>::max() || value != std::floor(value))
        throw TableError(where + " \"" + text + "\" is not a file offset");
    return static_cast<std::int32_t>(value);
}

} // namespace

std::filesystem::path FindProfile(const std::filesystem::path& rom, const std::filesystem::path& dataDir) {
    const std::string code = editor::ReadGameCode(rom);
    const std::filesystem::path profile = dataDir / (code + ".ini");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(profile, ec))
        throw TableError("no profile for game code " + code + ": " + profile.string() + " does not exist");
    return profile;
}

TableLocation ReadTableLocation(std::istream& profile) {
    TableLocation at;
    at.nameStart = ProfileOffset(profile, "Nameoffset");
    at.dataOffset = ProfileOffset(profile, "Dataoffset");
    at.nameStartText = std::to_string(at.nameStart);
    at.dataOffsetText = std::to_string(at.dataOffset);
    return at;
}

TableLocation ReadTableLocationFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw TableError("cannot read the profile " + path.string());
    return ReadTableLocation(in);
}

std::int64_t NameByteOffset(const TableLocation& at, int k, int i) {
    return std::int64_t{at.nameStart} + (std::int64_t{k} - 1) * NameStride + i;
}

std::int64_t RecordOffset(const TableLocation& at, int k) {
    return std::int64_t{at.dataOffset} + std::int64_t{k} * rom::MoveRecordSize;
}

std::vector<MoveRow> ReadMoveRows(const std::vector<std::uint8_t>& image, const TableLocation& at) {
    const auto size = static_cast<std::int64_t>(image.size());
    const auto inside = [&](std::int64_t first, std::int64_t end) { return first >= 0 && end <= size; };
    if (!inside(NameByteOffset(at, 0, 0), NameByteOffset(at, LastMove + 1, 0)))
        throw TableError("the profile's name table does not lie inside the ROM (" + std::to_string(size) +
                         " bytes)");
    if (!inside(RecordOffset(at, 0), RecordOffset(at, LastMove + 1)))
        throw TableError("the profile's data table does not lie inside the ROM (" + std::to_string(size) +
                         " bytes)");

    std::vector<MoveRow> rows;
    for (int k = 0; k <= LastMove; ++k) {
        MoveRow row;
        row.move = k;
        std::string hex;
        for (int i = 0; i < NameStride; ++i)
            hex += rom::HexPair(image[static_cast<std::size_t>(NameByteOffset(at, k, i))]);
        row.name = rom::DecodeGameText(hex);
        const auto record = static_cast<std::size_t>(RecordOffset(at, k));
        for (int f = 0; f < rom::MoveFieldCount; ++f)
            row.record[static_cast<rom::MoveField>(f)] = image[record + f];
        for (int b = 0; b < UntouchedLength; ++b) row.untouched[b] = image[record + rom::MoveFieldCount + b];
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::uint8_t> ReadRomFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw rom::FileAccessError("cannot open " + path.string());
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw rom::FileAccessError("cannot read " + path.string());
    return bytes;
}

} // namespace moves

#include "tools/skirmela_moves/MoveTable.h"

#include "editor/GameCode.h"
#include "rom/GameText.h"
#include "rom/ReadINI.h"
#include "rom/RomError.h"
#include "tools/skirmela_moves/MoveFields.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

namespace moves {

rom::MoveRecord MoveRow::Record() const {
    rom::MoveRecord r;
    for (int f = 0; f < rom::MoveFieldCount; ++f)
        r[static_cast<rom::MoveField>(f)] = bytes[static_cast<std::size_t>(f)];
    return r;
}

std::filesystem::path FindProfile(const std::filesystem::path& rom, const std::filesystem::path& dataDir) {
    const std::string code = editor::ReadGameCode(rom);
    const std::filesystem::path profile = dataDir / (code + ".ini");
    std::error_code ec;
    if (!std::filesystem::is_regular_file(profile, ec))
        throw rom::TableError("no profile for game code " + code + ": " + profile.string() +
                              " does not exist");
    return profile;
}

rom::ProfileLookup ProfileTextLookup(std::string text) {
    auto shared = std::make_shared<const std::string>(std::move(text));
    return [shared](const std::string& section) {
        std::istringstream in(*shared);
        return rom::FindIniValue(in, section, "offset");
    };
}

std::int64_t NameByteOffset(const rom::MoveTables& at, int k, int i) {
    return std::int64_t{at.nameStart} + (std::int64_t{k} - 1) * NameStride + i;
}

std::int64_t RecordOffset(const rom::MoveTables& at, int k) {
    return std::int64_t{at.dataOffset} + std::int64_t{k} * rom::MoveRecordSize;
}

std::vector<MoveRow> ReadMoveRows(const std::vector<std::uint8_t>& image, const rom::MoveTables& at,
                                  int moveCount) {
    rom::CheckTablesInside(at, static_cast<std::int64_t>(image.size()), moveCount);
    std::vector<MoveRow> rows;
    rows.reserve(static_cast<std::size_t>(moveCount));
    for (int k = 0; k < moveCount; ++k) {
        MoveRow row;
        row.move = k;
        const auto name = static_cast<std::size_t>(NameByteOffset(at, k, 0));
        std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(name), row.entry.size(), row.entry.begin());
        row.name = rom::DecodeGameText(HexText(row.entry.data(), row.entry.size()));
        const auto record = static_cast<std::size_t>(RecordOffset(at, k));
        std::copy_n(image.begin() + static_cast<std::ptrdiff_t>(record), row.bytes.size(), row.bytes.begin());
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

std::string ReadWholeTextFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw rom::FileAccessError("cannot open " + path.string());
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw rom::FileAccessError("cannot read " + path.string());
    return text;
}

OpenedRom OpenMoveTable(const std::filesystem::path& rom, const std::filesystem::path& dataDir,
                        int moveCount) {
    OpenedRom r;
    const std::filesystem::path profile = FindProfile(rom, dataDir);
    r.image = ReadRomFile(rom);
    // The header comes from the same bytes the table is read from.
    r.header = rom::ParseRomHeader(r.image, static_cast<std::int64_t>(r.image.size()));
    r.tables = rom::ResolveMoveTables(r.header, ProfileTextLookup(ReadWholeTextFile(profile)), moveCount);
    r.rows = ReadMoveRows(r.image, r.tables, moveCount);
    return r;
}

} // namespace moves

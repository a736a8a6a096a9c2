#include "rom/RomHeader.h"

#include "files/Reasons.h"
#include "files/WholeFiles.h"
#include "rom/RomError.h"

#include <cerrno>
#include <fstream>
#include <vector>

namespace rom {
namespace {

std::optional<std::uint32_t> WordAt(std::span<const std::uint8_t> bytes, std::int64_t offset) {
    if (offset + 4 > static_cast<std::int64_t>(bytes.size())) return std::nullopt;
    const auto at = static_cast<std::size_t>(offset);
    return std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 | std::uint32_t{bytes[at + 2]} << 16 |
           std::uint32_t{bytes[at + 3]} << 24;
}

} // namespace

bool CarriesTableWords(std::string_view gameCode) {
    return gameCode.size() == 4 &&
           (gameCode.starts_with("BPR") || gameCode.starts_with("BPG") || gameCode.starts_with("BPE"));
}

RomHeader ParseRomHeader(std::span<const std::uint8_t> firstBytes, std::int64_t size) {
    RomHeader header;
    header.size = size;
    const auto held = static_cast<std::int64_t>(firstBytes.size());
    for (std::int64_t i = GameCodeOffset; i < GameCodeOffset + 4 && i < held; ++i)
        header.gameCode += static_cast<char>(firstBytes[static_cast<std::size_t>(i)]);
    if (RevisionOffset < held) header.revision = firstBytes[static_cast<std::size_t>(RevisionOffset)];
    if (CarriesTableWords(header.gameCode)) {
        header.namesWord = WordAt(firstBytes, NamesWordOffset);
        header.recordsWord = WordAt(firstBytes, RecordsWordOffset);
    }
    return header;
}

RomHeader ReadRomHeader(const std::filesystem::path& path) {
    files::CheckWholeImage(path, "the ROM");
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw FileAccessError(files::CannotRead(path, errno, "the ROM"));
    in.seekg(0, std::ios::end);
    const std::int64_t size = in.tellg();
    if (size < 0) throw FileAccessError(files::CannotRead(path, errno ? errno : EIO, "the ROM"));
    in.seekg(0);
    std::vector<std::uint8_t> first(static_cast<std::size_t>(std::min(size, HeaderReadLength)));
    in.read(reinterpret_cast<char*>(first.data()), static_cast<std::streamsize>(first.size()));
    if (!in) throw FileAccessError(files::CannotRead(path, errno ? errno : EIO, "the ROM"));
    return ParseRomHeader(first, size);
}

} // namespace rom

#include "rom/HexFunctions.h"

#include "files/Reasons.h"
#include "files/WriteFiles.h"
#include "rom/RomError.h"

#include <cerrno>

#include <cstdio>
#include <memory>
#include <system_error>
#include <vector>

namespace rom {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File OpenFile(const std::filesystem::path& path, const char* mode) {
    return File(std::fopen(path.c_str(), mode));
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

std::string HexNumber(std::int64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

std::string HexPair(std::uint8_t value) {
    static constexpr char digits[] = "0123456789ABCDEF";
    return {digits[value >> 4], digits[value & 0x0F]};
}

std::string ReadHexBytes(const std::filesystem::path& path, std::int32_t offset, std::int32_t count) {
    if (count <= 0) return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count), 0);

    // Only the positions from max(offset, 0) onwards can exist in a file; the rest stay zero.
    const std::int64_t first = offset;
    const std::int64_t last = first + count; // one past the end
    const std::int64_t readable_first = first < 0 ? 0 : first;
    if (readable_first < last) {
        if (File file = OpenFile(path, "rb")) {
            if (std::fseek(file.get(), static_cast<long>(readable_first), SEEK_SET) == 0) {
                // A read that ends early leaves the bytes past the end of the file zero: no error here.
                [[maybe_unused]] const std::size_t read =
                    std::fread(bytes.data() + (readable_first - first), 1,
                               static_cast<std::size_t>(last - readable_first), file.get());
            }
        }
    }

    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) hex += HexPair(b);
    return hex;
}

std::uint8_t ParseHexPair(std::string_view pair) {
    if (pair == "00") return 0;
    if (pair.empty()) throw BadHexPair("empty hex pair");
    unsigned value = 0;
    for (char c : pair) {
        const int digit = HexDigitValue(c);
        if (digit < 0) throw BadHexPair("not a hexadecimal number: \"" + std::string(pair) + "\"");
        value = value * 16 + static_cast<unsigned>(digit);
        if (value > 255) throw BadHexPair("hex value out of byte range: \"" + std::string(pair) + "\"");
    }
    return static_cast<std::uint8_t>(value);
}

void WriteHexByte(const std::filesystem::path& path, std::int32_t offset, std::string_view pair) {
    const std::uint8_t value = ParseHexPair(pair);

    // A file without its owner's write permission is read-only, even to a user who could override it
    // (the super-user): the user marked it so, and a ROM is only changed when it may be.
    files::CheckWritable(path);

    const auto fail = [&path](int error) {
        throw FileAccessError("cannot write " + files::Shown(path) + ": " +
                              files::SystemReason(error ? error : EIO));
    };
    errno = 0;
    File file = OpenFile(path, "r+b");
    if (!file) fail(errno);
    if (std::fseek(file.get(), 0, SEEK_END) != 0) fail(errno);
    const long size = std::ftell(file.get());
    if (size < 0) fail(errno);
    if (offset < 0 || offset >= size)
        throw PositionError("offset " + std::to_string(offset) + " lies outside the file of " +
                            std::to_string(size) + " bytes: " + files::Shown(path));

    if (std::fseek(file.get(), offset, SEEK_SET) != 0) fail(errno);
    if (std::fputc(value, file.get()) == EOF || std::fflush(file.get()) != 0) fail(errno);
    std::FILE* raw = file.release();
    if (std::fclose(raw) != 0) fail(errno);
}

} // namespace rom

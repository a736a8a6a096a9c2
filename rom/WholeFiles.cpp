#include "rom/WholeFiles.h"

#include "rom/RomError.h"

#include <cerrno>
#include <cstdio>
#include <memory>

namespace rom {
namespace {

struct CloseFile {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, CloseFile>;

// Reads the file in one pass: its size first, then one read, so a 16 MiB ROM costs one copy.
template <typename Bytes> Bytes ReadAll(const std::filesystem::path& path, const std::string& what) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throw FileAccessError(CannotRead(path, EISDIR, what));
    errno = 0;
    const File f(std::fopen(path.c_str(), "rb"));
    if (!f) throw FileAccessError(CannotRead(path, errno, what));
    Bytes bytes;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) bytes.resize(static_cast<std::size_t>(size));
    std::size_t held = std::fread(bytes.data(), 1, bytes.size(), f.get());
    // A file that grows or shrinks while it is read is read to its end all the same.
    bytes.resize(held);
    char more[4096];
    for (std::size_t n; (n = std::fread(more, 1, sizeof more, f.get())) > 0; held += n)
        bytes.insert(bytes.end(), more, more + n);
    if (std::ferror(f.get())) throw FileAccessError(CannotRead(path, errno ? errno : EIO, what));
    return bytes;
}

} // namespace

std::string SystemReason(int error) {
    switch (error) {
    case ENOENT: return "no such file";
    case EACCES:
    case EPERM: return "permission denied";
    case EISDIR: return "is a directory";
    case ENOTDIR: return "a part of the path is not a folder";
    case ENOSPC: return "disk full";
    case EROFS: return "read-only file system";
    case EDQUOT: return "disk quota exceeded";
    case EIO: return "input/output error";
    case EFBIG: return "file too large";
    case ENAMETOOLONG: return "file name too long";
    default: return "system error " + std::to_string(error);
    }
}

std::string CannotRead(const std::filesystem::path& path, int error, const std::string& what) {
    return "cannot open " + (what.empty() ? std::string() : what + " ") + path.string() + ": " + SystemReason(error);
}

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path, const std::string& what) {
    return ReadAll<std::vector<std::uint8_t>>(path, what);
}

std::string ReadWholeTextFile(const std::filesystem::path& path) {
    return ReadAll<std::string>(path, "");
}

} // namespace rom

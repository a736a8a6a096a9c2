#include "files/WholeFiles.h"

#include "files/FileError.h"
#include "files/Reasons.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

// Set as errno-like codes for the refusals that have no errno of their own.
constexpr int NotRegular = -1, TooLarge = -2;

std::string Reason(int error) {
    if (error == NotRegular) return "it is not a regular file";
    if (error == TooLarge)
        return "it is larger than " + std::to_string(MaxFileSize >> 20) + " MiB, more than any ROM image";
    return SystemReason(error);
}

class Descriptor {
  public:
    Descriptor(const std::filesystem::path& path, int flags)
        : fd_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | flags)) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// 0 when st describes a file that may be read whole, else the code of the refusal.
int WholeImageFault(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode)) return NotRegular;
    if (static_cast<std::uint64_t>(st.st_size) > MaxFileSize) return TooLarge;
    return 0;
}

// Appends the rest of fd to bytes, refusing more than MaxFileSize bytes in all; returns 0 or the errno.
template <typename Bytes> int ReadToEnd(int fd, Bytes& bytes) {
    char more[65536];
    for (;;) {
        const ssize_t n = ::read(fd, more, sizeof more);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return 0;
        if (bytes.size() + static_cast<std::size_t>(n) > MaxFileSize) return TooLarge;
        bytes.insert(bytes.end(), more, more + n);
    }
}

template <typename Bytes>
Bytes ReadAll(const std::filesystem::path& path, const std::string& what, bool regularOnly) {
    // Opening a pipe waits for its writer: a file that must be regular is opened without waiting.
    const Descriptor fd(path, regularOnly ? O_NONBLOCK : 0);
    if (fd.get() < 0) throw FileError(CannotRead(path, errno, what));
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) throw FileError(CannotRead(path, errno, what));
    int fault = WholeImageFault(st);
    if (fault == NotRegular && !regularOnly) fault = 0;
    if (fault) throw FileError(CannotRead(path, fault, what));
    // The size first, then one read, so a 16 MiB ROM costs one copy; a file that grows or shrinks
    // while it is read is read to its end all the same.
    Bytes bytes(S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0, 0);
    std::size_t held = 0;
    while (held < bytes.size()) {
        const ssize_t n = ::read(fd.get(), bytes.data() + held, bytes.size() - held);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw FileError(CannotRead(path, errno, what));
        if (n == 0) break;
        held += static_cast<std::size_t>(n);
    }
    bytes.resize(held);
    if (const int error = ReadToEnd(fd.get(), bytes)) throw FileError(CannotRead(path, error, what));
    return bytes;
}

} // namespace

std::string CannotRead(const std::filesystem::path& path, int error, const std::string& what) {
    return "cannot read " + (what.empty() ? std::string() : what + " ") + Shown(path) + ": " + Reason(error);
}

void CheckWholeImage(const std::filesystem::path& path, const std::string& what) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) throw FileError(CannotRead(path, errno, what));
    if (const int fault = WholeImageFault(st)) throw FileError(CannotRead(path, fault, what));
}

std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path, const std::string& what) {
    return ReadAll<std::vector<std::uint8_t>>(path, what, true);
}

std::string ReadWholeTextFile(const std::filesystem::path& path) {
    return ReadAll<std::string>(path, "", false);
}

std::vector<std::uint8_t> ReadFileRange(const std::filesystem::path& path, std::int64_t offset,
                                        std::int64_t length, std::int64_t size) {
    offset = std::clamp<std::int64_t>(offset, 0, size);
    length = std::clamp<std::int64_t>(length, 0, size - offset);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return {};
    if (std::fseek(f, static_cast<long>(offset), SEEK_SET) == 0)
        bytes.resize(std::fread(bytes.data(), 1, bytes.size(), f));
    else
        bytes.clear();
    std::fclose(f);
    return bytes;
}

} // namespace files

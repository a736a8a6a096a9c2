#include "patch/PatchFiles.h"

#include <cerrno>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace patch {
namespace {

std::string Reason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

// Writes all of bytes to fd; returns 0 or the errno of the failure.
int WriteAll(int fd, ByteView bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

// A new file beside `file`, opened for writing; its name is stored in `name`. Returns -1 with errno set.
int CreateTemporaryBeside(const std::filesystem::path& file, std::filesystem::path& name) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string temporary = ".";
        temporary += file.filename().string();
        temporary += ".part-";
        temporary += std::to_string(random() % 1000000);
        name = file.parent_path() / temporary;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

Bytes ReadWholeFile(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw FileError("cannot read " + file.string() + ": " + Reason(errno));
    struct stat st {};
    Bytes bytes;
    int error = ::fstat(fd, &st) == 0 ? 0 : errno;
    if (!error && !S_ISREG(st.st_mode)) error = EISDIR;
    if (!error && static_cast<std::uint64_t>(st.st_size) > MaxImageSize) error = EFBIG;
    if (!error) bytes.resize(static_cast<std::size_t>(st.st_size));
    for (std::size_t done = 0; !error && done < bytes.size();) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0)
            error = errno;
        else if (n == 0)
            bytes.resize(done); // the file shrank while it was read
        else
            done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (error == EISDIR) throw FileError("cannot read " + file.string() + ": it is not a regular file");
    if (error == EFBIG)
        throw FileError("cannot read " + file.string() + ": it is larger than " +
                        std::to_string(MaxImageSize >> 20) + " MiB, more than any ROM image");
    if (error) throw FileError("cannot read " + file.string() + ": " + Reason(error));
    return bytes;
}

void ReplaceFile(const std::filesystem::path& file, ByteView bytes) {
    std::error_code ec;
    const std::filesystem::path target =
        std::filesystem::exists(file, ec) ? std::filesystem::canonical(file, ec) : file;
    std::filesystem::path temporary;
    const int fd = CreateTemporaryBeside(target.empty() ? file : target, temporary);
    if (fd < 0)
        throw FileError("cannot write " + file.string() +
                        ": cannot create a file beside it: " + Reason(errno));
    struct stat st {};
    int error = 0;
    if (::stat(target.c_str(), &st) == 0 && ::fchmod(fd, st.st_mode & 07777) != 0) error = errno;
    if (!error) error = WriteAll(fd, bytes);
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (!error && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error) {
        ::unlink(temporary.c_str());
        throw FileError("cannot write " + file.string() + ": " + Reason(error));
    }
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

} // namespace patch

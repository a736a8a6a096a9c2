#include "files/WriteFiles.h"

#include "files/FileError.h"
#include "files/Reasons.h"

#include <cerrno>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace files {
namespace {

std::mutex faultsMutex;
std::map<std::filesystem::path, int>& Faults() {
    static std::map<std::filesystem::path, int> faults;
    return faults;
}

// The fault a test injected for file (by its path as given or its full path), or 0.
int InjectedFault(const std::filesystem::path& file) {
    const std::lock_guard lock(faultsMutex);
    if (Faults().empty()) return 0;
    std::error_code ec;
    for (const std::filesystem::path& name : {file, std::filesystem::weakly_canonical(file, ec)})
        if (const auto found = Faults().find(name); found != Faults().end()) return found->second;
    return 0;
}

[[noreturn]] void CannotWrite(const std::filesystem::path& file, const std::string& reason) {
    throw FileError("cannot write " + Shown(file) + ": " + reason);
}

// Writes all of bytes to fd; returns 0 or the errno of the failure.
int WriteAll(int fd, std::span<const std::uint8_t> bytes) {
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
        name = file.parent_path() /
               ("." + file.filename().string() + ".part-" + std::to_string(random() % 1000000));
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

} // namespace

void CheckWritable(const std::filesystem::path& file) {
    if (const int fault = InjectedFault(file)) CannotWrite(file, SystemReason(fault));
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) {
        if (errno == ENOENT) return;
        CannotWrite(file, SystemReason(errno));
    }
    if (S_ISDIR(st.st_mode)) CannotWrite(file, SystemReason(EISDIR));
    if (S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR)) CannotWrite(file, "the file is read-only");
    if (::access(file.c_str(), W_OK) != 0) CannotWrite(file, SystemReason(errno));
}

StagedFile::StagedFile(const std::filesystem::path& file, std::string_view text)
    : StagedFile(file, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())) {}

StagedFile::StagedFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) : file_(file) {
    std::error_code ec;
    const bool exists = std::filesystem::exists(file, ec);
    target_ = exists ? std::filesystem::canonical(file, ec) : file;
    if (ec) CannotWrite(file, SystemReason(ec.value()));
    struct stat st {};
    if (exists && ::stat(target_.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode))
            CannotWrite(file, S_ISDIR(st.st_mode) ? SystemReason(EISDIR) : "it is not a regular file");
        CheckWritable(file);
    }
    const int fd = CreateTemporaryBeside(target_, temporary_);
    if (fd < 0) {
        const int error = errno;
        temporary_.clear();
        CannotWrite(file, "cannot create a file beside it: " + SystemReason(error));
    }
    int error = InjectedFault(file);
    if (!error && exists && ::fchmod(fd, st.st_mode & 07777) != 0) error = errno;
    if (!error) error = WriteAll(fd, bytes);
    if (!error && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && !error) error = errno;
    if (error) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
        CannotWrite(file, SystemReason(error));
    }
}

StagedFile::~StagedFile() {
    if (!temporary_.empty()) ::unlink(temporary_.c_str());
}

void StagedFile::Commit() {
    if (temporary_.empty()) return;
    const int error = ::rename(temporary_.c_str(), target_.c_str()) == 0 ? 0 : errno;
    if (error) {
        ::unlink(temporary_.c_str());
        temporary_.clear();
        CannotWrite(file_, SystemReason(error));
    }
    temporary_.clear();
}

void ReplaceFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    StagedFile(file, bytes).Commit();
}

void ReplaceFile(const std::filesystem::path& file, std::string_view text) {
    StagedFile(file, text).Commit();
}

bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec) && !ec;
}

void InjectWriteFault(const std::filesystem::path& file, int error) {
    const std::lock_guard lock(faultsMutex);
    if (error)
        Faults()[file] = error;
    else
        Faults().erase(file);
}

} // namespace files

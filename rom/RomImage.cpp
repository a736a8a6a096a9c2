#include "rom/RomImage.h"

#include "files/Reasons.h"
#include "files/WholeFiles.h"
#include "rom/RomError.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace rom {

RomImage RomImage::Open(const std::filesystem::path& path, const std::string& what) {
    files::CheckWholeImage(path, what);
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw FileAccessError(files::CannotRead(path, errno, what));
    struct stat st {};
    void* mapping = MAP_FAILED;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0)
        mapping = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (mapping == MAP_FAILED) return RomImage(files::ReadWholeFile(path, what));
    RomImage image;
    image.mapping_ = mapping;
    image.data_ = static_cast<const std::uint8_t*>(mapping);
    image.size_ = static_cast<std::size_t>(st.st_size);
    return image;
}

RomImage::RomImage(std::vector<std::uint8_t> bytes) : held_(std::move(bytes)) {
    data_ = held_.data();
    size_ = held_.size();
}

RomImage::~RomImage() {
    Release();
}

RomImage::RomImage(RomImage&& other) noexcept {
    *this = std::move(other);
}

RomImage& RomImage::operator=(RomImage&& other) noexcept {
    if (this == &other) return *this;
    Release();
    mapping_ = std::exchange(other.mapping_, nullptr);
    held_ = std::move(other.held_);
    size_ = std::exchange(other.size_, 0);
    data_ = mapping_ ? static_cast<const std::uint8_t*>(mapping_) : held_.data();
    other.data_ = nullptr;
    return *this;
}

void RomImage::Release() {
    if (mapping_) ::munmap(mapping_, size_);
    mapping_ = nullptr;
}

} // namespace rom

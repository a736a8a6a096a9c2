#pragma once
// A ROM's bytes for reading, mapped from the file, so that a command that looks at two tables of a
// 16 MiB image reads their pages and not the whole file. Only a regular file of at most
// files::MaxFileSize bytes is opened; one that cannot be mapped (an empty one) is read whole instead.
// Writes never go through here.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace rom {

class RomImage {
  public:
    RomImage() = default;
    // The file's bytes. Throws FileAccessError naming the file (as what) and the reason, also for a
    // device, a pipe or a file too large to be a ROM (files::CheckWholeImage), before reading.
    static RomImage Open(const std::filesystem::path& path, const std::string& what = "");
    // The bytes given, held in memory (for images built by a program).
    explicit RomImage(std::vector<std::uint8_t> bytes);
    ~RomImage();
    RomImage(RomImage&& other) noexcept;
    RomImage& operator=(RomImage&& other) noexcept;
    RomImage(const RomImage&) = delete;
    RomImage& operator=(const RomImage&) = delete;

    std::span<const std::uint8_t> bytes() const { return {data_, size_}; }
    operator std::span<const std::uint8_t>() const { return bytes(); }
    const std::uint8_t* data() const { return data_; }
    std::size_t size() const { return size_; }
    std::uint8_t operator[](std::size_t i) const { return data_[i]; }
    const std::uint8_t* begin() const { return data_; }
    const std::uint8_t* end() const { return data_ + size_; }

  private:
    void Release();
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    void* mapping_ = nullptr; // the mapped pages, or nullptr when the bytes are held
    std::vector<std::uint8_t> held_;
};

} // namespace rom

#pragma once
// Temporary folders and whole-file helpers for tests that work on real files.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace testing_support {

// A fresh folder under the system's temporary folder, removed with everything in it on destruction.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

std::vector<std::uint8_t> ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
void WriteFileText(const std::filesystem::path& path, const std::string& text);
std::string ReadFileText(const std::filesystem::path& path);

// Every file under folder, by its path from folder ("src/data/battle_moves.h"), with its bytes.
std::map<std::string, std::string> FolderFiles(const std::filesystem::path& folder);

// Positions at which two byte runs differ (a length difference counts from the shorter end).
std::vector<std::size_t> DifferingPositions(const std::vector<std::uint8_t>& a,
                                            const std::vector<std::uint8_t>& b);

} // namespace testing_support

#pragma once
// Writing files without harm: a file is replaced through a new file beside it, flushed to the disk
// and renamed over it, so that it is either as it was or complete; a file marked read-only, or that
// is no regular file, is never replaced; nothing is written to a file the system would refuse.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

namespace files {

// Throws FileError "cannot write PATH: reason" when file may not be written: its mode bits give its
// owner no write permission (also to the super-user: the user marked it so), the system refuses it
// (for instance "Permission denied"), or a test injected a fault for it. A missing file may be written
// when its folder may. Nothing is written.
void CheckWritable(const std::filesystem::path& file);

// The new content of a file, written beside it at once and put in its place by Commit, so that the
// file is as it was until then. Destroyed uncommitted, it leaves no trace.
class StagedFile {
  public:
    // Writes bytes to a new temporary file beside file (its link followed), with the mode of the file
    // it replaces, and flushes it to the disk. Throws FileError naming file and the reason, leaving
    // nothing behind, when file exists and is no regular file or is read-only (CheckWritable), or
    // the temporary file cannot be created or written.
    StagedFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
    StagedFile(const std::filesystem::path& file, std::string_view text);
    ~StagedFile();
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Renames the temporary file over the file. Throws FileError naming the file and the reason,
    // removing the temporary file; the file is then as it was.
    void Commit();

  private:
    std::filesystem::path file_, target_, temporary_;
};

// Writes bytes over file through a StagedFile committed at once. Throws FileError as StagedFile.
void ReplaceFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
void ReplaceFile(const std::filesystem::path& file, std::string_view text);

// Whether a and b name the same existing file (links followed). Never fails.
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// For tests: from now on every write to file (CheckWritable, StagedFile) fails with the errno value
// error, as the system would fail it for a user who may not write it or on a full disk; error 0
// removes the fault. Tests run as the super-user, whom the system refuses nothing.
void InjectWriteFault(const std::filesystem::path& file, int error);

} // namespace files

#include "editor/SaveHistory.h"

#include "files/Reasons.h"
#include "files/WriteFiles.h"
#include "rom/HexFunctions.h"

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>

namespace editor {
namespace {

// The bytes of file at offsets, read through one open file.
std::vector<std::uint8_t> BytesAt(const std::filesystem::path& file,
                                  const std::vector<std::int64_t>& offsets) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw rom::FileAccessError("cannot read " + files::Shown(file) + ": " + files::SystemReason(errno));
    std::error_code ec;
    const std::uintmax_t size = std::filesystem::file_size(file, ec);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(offsets.size());
    for (const std::int64_t offset : offsets) {
        if (ec || offset < 0 || static_cast<std::uintmax_t>(offset) >= size)
            throw rom::PositionError("position " + std::to_string(offset) + " lies outside the ROM");
        char byte = 0;
        if (!in.seekg(offset) || !in.read(&byte, 1))
            throw rom::FileAccessError("cannot read " + file.string() + " at " + rom::HexNumber(offset));
        bytes.push_back(static_cast<std::uint8_t>(byte));
    }
    return bytes;
}

std::filesystem::path Identity(const std::filesystem::path& rom) {
    std::error_code ec;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(rom, ec);
    return ec ? std::filesystem::absolute(rom, ec) : canonical;
}

} // namespace

FileStamp StampOf(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        throw rom::FileAccessError("cannot read the state of " + files::Shown(file) + ": " +
                                   files::SystemReason(errno));
    return {static_cast<std::uintmax_t>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec,
            static_cast<std::uintmax_t>(st.st_ino)};
}

std::vector<ByteChange> ChangesOf(const std::filesystem::path& file, const rom::ChangePlan& plan) {
    // Each offset once, in the order first written; its last write is what the save leaves there.
    std::vector<std::int64_t> offsets;
    std::map<std::int64_t, std::uint8_t> last;
    for (const rom::ByteWrite& w : plan)
        if (last.insert_or_assign(w.offset, w.value).second) offsets.push_back(w.offset);
    const std::vector<std::uint8_t> before = BytesAt(file, offsets);
    std::vector<ByteChange> changes;
    for (std::size_t i = 0; i < offsets.size(); ++i)
        if (before[i] != last[offsets[i]]) changes.push_back({offsets[i], before[i], last[offsets[i]]});
    return changes;
}

SaveHistory::SaveHistory(std::function<std::filesystem::path()> backupFolder)
    : backupFolder_(std::move(backupFolder)) {}

bool SaveHistory::Holds(const std::filesystem::path& rom) const {
    return !rom.empty() && !rom_.empty() && Identity(rom) == rom_;
}

void SaveHistory::Forget() {
    undo_.clear();
    redo_.clear();
    rom_.clear();
}

void SaveHistory::Save(const std::filesystem::path& rom, const rom::ChangePlan& plan) {
    const std::filesystem::path id = Identity(rom);
    // Steps of another ROM, or of a file another program has written since, cannot be undone any more.
    if (!Holds(rom) || StampOf(rom) != stamp_) Forget();
    const std::vector<ByteChange> changes = ChangesOf(rom, plan);
    // A ROM that may not be written is refused before its backup: a save that writes nothing makes none.
    if (!plan.empty()) files::CheckWritable(rom);
    if (!firstBackups_.contains(id)) firstBackups_[id] = rom::BackUpRom(rom, backupFolder_()).backup;
    try {
        rom::ApplyPlan(rom, plan);
    } catch (...) {
        // The bytes were put back, but the file was touched: the stamp must follow it.
        if (!rom_.empty()) {
            try {
                stamp_ = StampOf(rom);
            } catch (...) {
                Forget();
            }
        }
        throw;
    }
    rom_ = id;
    stamp_ = StampOf(rom);
    if (changes.empty()) return;
    undo_.push_back(changes);
    redo_.clear();
}

bool SaveHistory::CanUndo(const std::filesystem::path& rom) const {
    return Holds(rom) && !undo_.empty();
}

bool SaveHistory::CanRedo(const std::filesystem::path& rom) const {
    return Holds(rom) && !redo_.empty();
}

void SaveHistory::Undo(const std::filesystem::path& rom) {
    Move(rom, undo_, redo_, true);
}

void SaveHistory::Redo(const std::filesystem::path& rom) {
    Move(rom, redo_, undo_, false);
}

void SaveHistory::Move(const std::filesystem::path& rom, std::vector<Step>& from, std::vector<Step>& to,
                       bool undo) {
    if (!Holds(rom) || from.empty())
        throw HistoryRefused(std::string("there is no save to ") + (undo ? "undo" : "redo"));
    const Step& step = from.back();
    const auto refuse = [&](const std::string& why) {
        Forget();
        throw HistoryRefused(rom.string() + " was changed by another program since it was saved here (" +
                             why + ")");
    };
    if (StampOf(rom) != stamp_) refuse("its size or modification time differ");
    std::vector<std::int64_t> offsets;
    for (const ByteChange& c : step) offsets.push_back(c.offset);
    const std::vector<std::uint8_t> now = BytesAt(rom, offsets);
    rom::ChangePlan plan;
    for (std::size_t i = 0; i < step.size(); ++i) {
        const std::uint8_t expected = undo ? step[i].after : step[i].before;
        if (now[i] != expected)
            refuse("the byte at " + rom::HexNumber(step[i].offset) + " holds " + rom::HexPair(now[i]) +
                   ", not " + rom::HexPair(expected));
        plan.push_back({step[i].offset, undo ? step[i].before : step[i].after});
    }
    try {
        rom::ApplyPlan(rom, plan);
    } catch (...) {
        stamp_ = StampOf(rom); // ApplyPlan put back what it wrote; the step stays
        throw;
    }
    stamp_ = StampOf(rom);
    to.push_back(step);
    from.pop_back();
}

std::optional<std::filesystem::path> SaveHistory::FirstBackup(const std::filesystem::path& rom) const {
    if (rom.empty()) return std::nullopt;
    const auto found = firstBackups_.find(Identity(rom));
    return found == firstBackups_.end() ? std::nullopt : std::optional(found->second);
}

} // namespace editor

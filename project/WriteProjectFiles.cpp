// Saving a project all or nothing: every new text is written beside its file first; then each file,
// after a copy of its old text is kept beside it (FILE.skirmela-undo), is renamed in. When a step of
// the renames fails, the files already renamed are put back and the copies removed; after a crash in
// between, the copies left hold the files' texts from before the save.

#include "files/FileError.h"
#include "files/WholeFiles.h"
#include "files/WriteFiles.h"
#include "project/ProjectError.h"
#include "project/ProjectStore.h"

#include <memory>

namespace project {
namespace {

std::filesystem::path UndoCopyOf(const std::filesystem::path& file) {
    return file.parent_path() / (file.filename().string() + ".skirmela-undo");
}

void CheckUnchanged(const std::filesystem::path& root, const FileRewrite& rewrite) {
    std::string now;
    try {
        now = files::ReadWholeTextFile(root / rewrite.file);
    } catch (const files::FileError& e) {
        throw ProjectError(rewrite.file.generic_string() + ": " + e.what());
    }
    if (now != rewrite.before)
        throw ProjectError(rewrite.file.generic_string() +
                           ": the file changed on disk since the project was read; open the project again");
    std::error_code ec;
    if (std::filesystem::exists(UndoCopyOf(root / rewrite.file), ec))
        throw ProjectError(
            UndoCopyOf(rewrite.file).generic_string() +
            " is left from a save that did not finish: rename it over its file to put the file "
            "back, or delete it, then save again");
}

// Puts file back to its old text, from the text kept in memory or else from its copy; false when
// neither works.
bool PutBack(const std::filesystem::path& file, const std::string& before) {
    try {
        files::ReplaceFile(file, before);
        return true;
    } catch (const files::FileError&) {
        std::error_code ec;
        std::filesystem::rename(UndoCopyOf(file), file, ec);
        return !ec;
    }
}

} // namespace

void WriteProjectFiles(const std::filesystem::path& root, const std::vector<FileRewrite>& rewrites) {
    for (const FileRewrite& rewrite : rewrites) CheckUnchanged(root, rewrite);
    std::vector<std::unique_ptr<files::StagedFile>> staged;
    for (const FileRewrite& rewrite : rewrites)
        staged.push_back(std::make_unique<files::StagedFile>(root / rewrite.file, rewrite.after));

    std::size_t renamed = 0;
    std::error_code ec;
    try {
        for (; renamed < rewrites.size(); ++renamed) {
            const std::filesystem::path file = root / rewrites[renamed].file;
            files::ReplaceFile(UndoCopyOf(file), rewrites[renamed].before);
            staged[renamed]->Commit();
        }
    } catch (const files::FileError& e) {
        std::string left;
        for (std::size_t i = 0; i <= renamed && i < rewrites.size(); ++i) {
            const std::filesystem::path file = root / rewrites[i].file;
            if (i < renamed && !PutBack(file, rewrites[i].before)) {
                left += "; " + rewrites[i].file.generic_string() +
                        " could not be put back: its old text is in " +
                        UndoCopyOf(rewrites[i].file).generic_string();
                continue;
            }
            std::filesystem::remove(UndoCopyOf(file), ec);
        }
        throw files::FileError(std::string(e.what()) + (left.empty() ? "; no file was changed" : left));
    }
    for (const FileRewrite& rewrite : rewrites) std::filesystem::remove(UndoCopyOf(root / rewrite.file), ec);
}

} // namespace project

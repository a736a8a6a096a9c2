#pragma once
// The saves of one window session to a decompilation project, and the way back: every save the
// files it rewrote, each with its text before and after, so that it can be undone and redone
// exactly, as long as no other program has changed those files since. No Qt.

#include "project/ProjectStore.h"

#include <filesystem>
#include <vector>

namespace editor {

class ProjectHistory {
  public:
    // Forgets every step: a project was opened.
    void Reset(const std::filesystem::path& root);

    // Writes the rewrites (project::WriteProjectFiles, all or nothing); they become the newest step to
    // undo and the steps to redo are dropped. Throws as WriteProjectFiles, the history unchanged.
    void Save(const std::vector<project::FileRewrite>& rewrites);

    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }

    // Puts back the files of the newest save (Undo) or writes again those of the newest undone one
    // (Redo), all or nothing. A file another program changed since is refused (project::ProjectError)
    // and every step is forgotten; a file that cannot be written throws files::FileError, the steps kept.
    void Undo();
    void Redo();

  private:
    using Step = std::vector<project::FileRewrite>;
    void Move(std::vector<Step>& from, std::vector<Step>& to, bool undo);

    std::filesystem::path root_;
    std::vector<Step> undo_, redo_;
};

} // namespace editor

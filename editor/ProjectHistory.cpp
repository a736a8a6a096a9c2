#include "editor/ProjectHistory.h"

namespace editor {

void ProjectHistory::Reset(const std::filesystem::path& root) {
    root_ = root;
    undo_.clear();
    redo_.clear();
}

void ProjectHistory::Save(const std::vector<project::FileRewrite>& rewrites) {
    project::WriteProjectFiles(root_, rewrites);
    if (rewrites.empty()) return; // nothing changed: nothing to undo
    undo_.push_back(rewrites);
    redo_.clear();
}

void ProjectHistory::Undo() {
    Move(undo_, redo_, true);
}

void ProjectHistory::Redo() {
    Move(redo_, undo_, false);
}

void ProjectHistory::Move(std::vector<Step>& from, std::vector<Step>& to, bool undo) {
    if (from.empty()) return;
    Step writes = from.back();
    if (undo)
        // Each file goes back from the text the save left to the one it found.
        for (project::FileRewrite& r : writes) std::swap(r.before, r.after);
    try {
        project::WriteProjectFiles(root_, writes);
    } catch (const project::ProjectError&) {
        // The files are no longer as the session left them: no step can be trusted.
        undo_.clear();
        redo_.clear();
        throw;
    }
    to.push_back(std::move(from.back()));
    from.pop_back();
}

} // namespace editor

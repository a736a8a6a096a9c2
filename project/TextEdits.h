#pragma once
// The edits a save makes to the project's files: byte ranges of the text read replaced by new text,
// every byte outside them kept.

#include "project/Initialisers.h"
#include "project/ProjectStore.h"

#include <string>
#include <utility>
#include <vector>

namespace project {

class TextEdits {
  public:
    // Replaces bytes begin to end - 1 of the file's text (an insertion when begin == end).
    void Replace(const CFile& file, std::size_t begin, std::size_t end, std::string text);
    void Insert(const CFile& file, std::size_t at, std::string text) {
        Replace(file, at, at, std::move(text));
    }

    // The new text of each file an edit changes, in the order the files were first edited. An edit
    // made twice counts once; edits that overlap throw ProjectError.
    std::vector<FileRewrite> Rewrites() const;

  private:
    struct Edit {
        std::size_t begin, end;
        std::string text;
        auto operator<=>(const Edit&) const = default;
    };
    std::vector<std::pair<const CFile*, std::vector<Edit>>> files_;
};

} // namespace project

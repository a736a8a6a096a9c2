#include "project/TextEdits.h"

#include "project/ProjectError.h"

#include <algorithm>

namespace project {

void TextEdits::Replace(const CFile& file, std::size_t begin, std::size_t end, std::string text) {
    auto found = std::find_if(files_.begin(), files_.end(), [&](const auto& f) { return f.first == &file; });
    if (found == files_.end()) found = files_.insert(files_.end(), {&file, {}});
    found->second.push_back({begin, end, std::move(text)});
}

std::vector<FileRewrite> TextEdits::Rewrites() const {
    std::vector<FileRewrite> rewrites;
    for (auto [file, edits] : files_) {
        std::sort(edits.begin(), edits.end());
        edits.erase(std::unique(edits.begin(), edits.end()), edits.end());
        std::string after;
        std::size_t copied = 0;
        for (const Edit& e : edits) {
            if (e.begin < copied)
                throw ProjectError(file->path.generic_string() + ": two changes of the same value at byte " +
                                   std::to_string(e.begin));
            after.append(file->text, copied, e.begin - copied);
            after += e.text;
            copied = e.end;
        }
        after.append(file->text, copied);
        if (after != file->text) rewrites.push_back({file->path, file->text, std::move(after)});
    }
    return rewrites;
}

} // namespace project

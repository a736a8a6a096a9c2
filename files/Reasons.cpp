#include "files/Reasons.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace files {

std::string SystemReason(int error) {
    if (error == ENOSPC) return "disk full: No space left on device";
    // The description without translation: the message must not depend on the user's locale.
    if (const char* text = ::strerrordesc_np(error)) return text;
    return "system error " + std::to_string(error);
}

std::string Escaped(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte != 0x7F) {
            shown += c;
        } else if (c == '\n') {
            shown += "\\n";
        } else if (c == '\t') {
            shown += "\\t";
        } else if (c == '\r') {
            shown += "\\r";
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", byte);
            shown += hex;
        }
    }
    return shown;
}

std::string Shown(const std::filesystem::path& path) {
    return Escaped(path.native());
}

} // namespace files

#pragma once
// Conversions between UTF-8 text and code points, for display text handed across the layer.

#include <string>
#include <string_view>

namespace rom {

// Decodes UTF-8; a malformed sequence becomes U+FFFD (which no table encodes), never an error.
std::u32string Utf8ToU32(std::string_view text);

std::string U32ToUtf8(std::u32string_view text);

} // namespace rom

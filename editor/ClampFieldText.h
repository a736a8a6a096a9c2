#pragma once
// The rule that keeps a number field within its range when it loses the focus. No Qt.

#include <string>
#include <string_view>

namespace editor {

// The field's leading number written back as decimal, then held to lowest..highest (0 to 255 for
// a byte; a priority takes -128 to 127). A fraction stays ("1.5"); the save rounds it. Never fails:
// every text has a leading number, 0 at worst.
std::string ClampFieldText(std::string_view text, int lowest = 0, int highest = 255);

} // namespace editor

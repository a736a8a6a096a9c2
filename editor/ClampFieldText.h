#pragma once
// The rule that keeps a number field within 0 to 255 when it loses the focus. No Qt.

#include <string>
#include <string_view>

namespace editor {

// The field's leading number written back as decimal, then held to 0 to 255. A fraction stays
// ("1.5"); the save rounds it. Never fails: every text has a leading number, 0 at worst.
std::string ClampFieldText(std::string_view text);

} // namespace editor

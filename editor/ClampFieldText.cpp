#include "editor/ClampFieldText.h"

#include "editor/NumberConversions.h"

namespace editor {

std::string ClampFieldText(std::string_view text, int lowest, int highest) {
    // Each step reads the text the step before left, as the field itself would.
    const std::string field = FormatDecimal(ParseLeadingNumber(text));
    const double value = ParseLeadingNumber(field);
    if (value > highest) return std::to_string(highest);
    if (value < lowest) return std::to_string(lowest);
    return field;
}

} // namespace editor

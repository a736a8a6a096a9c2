#include "editor/ClampFieldText.h"

#include "editor/NumberConversions.h"

namespace editor {

std::string ClampFieldText(std::string_view text) {
    // Each step reads the text the step before left, as the field itself would.
    const std::string field = FormatDecimal(ParseLeadingNumber(text));
    const double value = ParseLeadingNumber(field);
    if (value > 255) return "255";
    if (value < 0) return "0";
    return field;
}

} // namespace editor

#include "editor/ClampFieldText.h"

#include "editor/NumberConversions.h"

namespace editor {

std::string ClampFieldText(std::string_view text) {
    // Each step reads the text the step before left, as the field itself would.
    std::string field = FormatDecimal(ParseLeadingNumber(text));
    if (ParseLeadingNumber(field) > 255) field = "255";
    if (ParseLeadingNumber(field) < 0) field = "0";
    return field;
}

} // namespace editor

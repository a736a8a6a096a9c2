#pragma once
// Steps 4 to 9 of a repaint: clear, fill, draw the look of the current type and state, picture.

#include <cstdint>

class chameleonButton;

namespace paint {

// Paints the whole face of button for face state (0 up, 2 down) onto the button's surface.
void PaintFace(chameleonButton& button, std::uint8_t state);

} // namespace paint

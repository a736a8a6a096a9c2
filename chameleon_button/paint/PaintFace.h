#pragma once
// Steps 4 to 9 of a repaint: clear, fill, draw the look of the type and state, picture.

#include "chameleon_button/paint/PaintRequest.h"

namespace chameleon_button::paint {

class Surface;

// Paints the whole face of request onto surface (resized to the face first when its size differs)
// and tells what the pass leaves for the button.
PaintResult PaintFace(Surface& surface, const PaintRequest& request);

} // namespace chameleon_button::paint

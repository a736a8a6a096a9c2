#include "chameleon_button/paint/PaintFace.h"

#include "chameleon_button/chameleonButton.h"

namespace paint {

void PaintFace(chameleonButton& button, std::uint8_t state) {
    (void)button;
    (void)state;
}

} // namespace paint

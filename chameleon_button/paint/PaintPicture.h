#pragma once
// The picture of the face for its state: PictureNormal, or PictureOver under the mouse, with the
// silhouettes of the special effect, greyscale, blend or disabled silhouettes as the type asks.

#include "chameleon_button/Picture.h"

#include <cstdint>

namespace chameleon_button::paint {

class FaceSteps;

inline constexpr std::uint8_t PictureUp = 0, PictureDown = 1, PictureDisabled = 2;

// Draws the picture for state at PictureLeft, PictureTop; nothing without PictureNormal. With the
// picture behind the caption, the caption is drawn again on top in the pass's LastCaptionState.
void PaintPicture(FaceSteps& f, std::uint8_t state);

// The two (or one) solid copies of SpecialEffect around the picture, offset by o (-1, 0 or 1).
void PaintPictureEffect(FaceSteps& f, int o, const Picture& p);

} // namespace chameleon_button::paint

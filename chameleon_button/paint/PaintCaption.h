#pragma once
// The caption of a button in its eight states, with the raised, engraved or shadowed copies of the
// special effect drawn before the text of the three enabled states.

#include "chameleon_button/ButtonValues.h"

#include <cstdint>

namespace chameleon_button::paint {

class FaceSteps;

inline constexpr std::uint8_t CaptionNormal = 0, CaptionOver = 1, CaptionDown = 2, CaptionEtched = 3,
                              CaptionGrey = 4, CaptionDimmed = 5, CaptionFaceEtched = 6, CaptionShadowed = 7;

// Records state as the pass's LastCaptionState and draws the caption of that state. Any other state
// draws the text into CaptionRect in the text colour the surface holds from its last text.
void PaintCaption(FaceSteps& f, std::uint8_t state);

// The effect copies of SpecialEffect around r: (+1, +1) always, (-1, -1) for raised and engraved.
void PaintCaptionEffect(FaceSteps& f, const ButtonRect& r);

// The whole caption in colour into r: lines broken between words at r's width, each centred, the
// first at r's top, an ampersand underlining the next character; glyph pixels only, clipped to r.
void DrawCaptionText(FaceSteps& f, const ButtonRect& r, Colour colour);

} // namespace chameleon_button::paint

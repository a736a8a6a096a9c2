#pragma once
// The looks made of one-pixel 3-D edges: raised when up, the light and dark edges swapped and the
// caption one pixel right and down when pressed.

namespace chameleon_button::paint {

class FaceSteps;

void OutlinedBevelUp(FaceSteps& f); // 1
void OutlinedBevelDown(FaceSteps& f);
void OutlinedBevelDisabled(FaceSteps& f);
void DoubleBevelUp(FaceSteps& f); // 2
void DoubleBevelDown(FaceSteps& f);
void DoubleBevelDisabled(FaceSteps& f);
void RoundedBevelUp(FaceSteps& f); // 4
void RoundedBevelDown(FaceSteps& f);
void RoundedBevelDisabled(FaceSteps& f);
void LightBevelUp(FaceSteps& f); // 6
void LightBevelDown(FaceSteps& f);
void LightBevelDisabled(FaceSteps& f);
void ThinBevelUp(FaceSteps& f); // 7
void ThinBevelDown(FaceSteps& f);
void ThinBevelDisabled(FaceSteps& f);
void HoverThinBevelUp(FaceSteps& f); // 8
void HoverThinBevelDown(FaceSteps& f);
void HoverThinBevelDisabled(FaceSteps& f);
void HoverDoubleBevelUp(FaceSteps& f); // 12
void HoverDoubleBevelDown(FaceSteps& f);
void HoverDoubleBevelDisabled(FaceSteps& f);
void PressedOutlineDown(FaceSteps& f); // 15: nothing of its own up or disabled

} // namespace chameleon_button::paint

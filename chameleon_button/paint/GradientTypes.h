#pragma once
// The looks with a vertical colour gradient: GradientRim (3), the editor's look, and GlossGradient (14).

#include <cstdint>

namespace chameleon_button::paint {

class FaceSteps;

// The shade amount of gradient row i (1 to H) for depth D: -(D / H x i), the step D / H held in
// single precision, the product rounded to the nearest integer with ties to even.
std::int32_t GradientAmount(int depth, int H, int i);

void GradientRimUp(FaceSteps& f);
void GradientRimDown(FaceSteps& f);
void GradientRimDisabled(FaceSteps& f);

void GlossGradientUp(FaceSteps& f);
void GlossGradientDown(FaceSteps& f);
void GlossGradientDisabled(FaceSteps& f);

} // namespace chameleon_button::paint

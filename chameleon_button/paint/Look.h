#pragma once
// A look: the drawing of one ButtonType in each of its three states, after the face is filled.

namespace chameleon_button::paint {

class FaceSteps;

using LookStep = void (*)(FaceSteps&);

struct Look {
    LookStep up, down, disabled; // nullptr: nothing beyond the fill
};

} // namespace chameleon_button::paint

#pragma once
// The looks without 3-D edges or gradients: FlatEdge (5), HoverBox (9), SeeThrough (11) and Oval (13).
// Blank (10) draws nothing of its own.

namespace chameleon_button::paint {

class FaceSteps;

void FlatEdgeUp(FaceSteps& f);
void FlatEdgeDown(FaceSteps& f);
void FlatEdgeDisabled(FaceSteps& f);
void HoverBoxUp(FaceSteps& f);
void HoverBoxDown(FaceSteps& f);
void HoverBoxDisabled(FaceSteps& f);
void SeeThroughUp(FaceSteps& f);
void SeeThroughDown(FaceSteps& f);
void SeeThroughDisabled(FaceSteps& f);
void OvalUp(FaceSteps& f);
void OvalDown(FaceSteps& f);
void OvalDisabled(FaceSteps& f);

} // namespace chameleon_button::paint

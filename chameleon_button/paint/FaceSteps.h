#pragma once
// One painting pass of a face in the drawing notation of the looks: one call a drawing step, on the
// pass's surface, with the request's colour arithmetic. A look routine is a list of these steps in
// painter's order.

#include "chameleon_button/paint/PaintRequest.h"

#include <cstdint>

namespace chameleon_button::paint {

class Surface;

class FaceSteps {
  public:
    FaceSteps(Surface& surface, const PaintRequest& request);

    Surface& surface;
    const PaintRequest& r;
    const int W, H; // ClientWidth and ClientHeight
    // The colours of the pass, the request's; a look may change one for the length of a step.
    ButtonPalette p;
    // The caption layout the caption steps draw in: the request's, or its bold one for one step.
    const CaptionLayout* text;
    // The state of the last caption drawn in the pass, the request's until one is.
    std::uint8_t LastCaptionState;

    void Fill(int x, int y, int w, int h, Colour c);
    void Frame(int x, int y, int w, int h, Colour c);
    void Line(int x1, int y1, int x2, int y2, Colour c); // the end pixel is not drawn
    void Pixel(int x, int y, Colour c);
    // Pixel (1, 1), (1, H-2), (W-2, 1) and (W-2, H-2), in that order, each in c.
    void InnerCorners(Colour c);
    void Bevel(Colour a, Colour b, Colour c, Colour d, int inset, bool outerOnly);
    void Ellipse(int x, int y, int w, int h, Colour border, Colour fill);
    // The dotted focus rectangle on InnerRect, only while ShowFocusRect and HasFocus both hold.
    void Focus();
    void Caption(std::uint8_t state);
    // CaptionOver under the mouse, CaptionNormal otherwise.
    void UpCaption();

    // OffsetColor of c by n, plain or blue-proportional, halved with SoftBevel; LightenColor.
    Colour Off(Colour c, std::int32_t n) const;
    Colour OffB(Colour c, std::int32_t n) const;
    static Colour Lighten(Colour c, std::int32_t n);
};

} // namespace chameleon_button::paint

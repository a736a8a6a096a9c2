#include "chameleon_button/paint/FaceSteps.h"

#include "chameleon_button/paint/PaintCaption.h"
#include "chameleon_button/paint/Surface.h"

namespace chameleon_button::paint {

FaceSteps::FaceSteps(Surface& surface, const PaintRequest& request)
    : surface(surface), r(request), W(request.W), H(request.H), p(request.Colours), text(&request.Text),
      LastCaptionState(request.LastCaptionState) {}

void FaceSteps::Fill(int x, int y, int w, int h, Colour c) {
    surface.PaintRect(x, y, w, h, c, false);
}
void FaceSteps::Frame(int x, int y, int w, int h, Colour c) {
    surface.PaintRect(x, y, w, h, c, true);
}
void FaceSteps::Line(int x1, int y1, int x2, int y2, Colour c) {
    surface.PaintLine(x1, y1, x2, y2, c);
}
void FaceSteps::Pixel(int x, int y, Colour c) {
    surface.PaintPixel(x, y, c);
}

void FaceSteps::InnerCorners(Colour c) {
    Pixel(1, 1, c), Pixel(1, H - 2, c), Pixel(W - 2, 1, c), Pixel(W - 2, H - 2, c);
}

void FaceSteps::Bevel(Colour a, Colour bottomRight, Colour c, Colour d, int inset, bool outerOnly) {
    surface.PaintBevel(a, bottomRight, c, d, inset, outerOnly);
}

void FaceSteps::Ellipse(int x, int y, int w, int h, Colour border, Colour fill) {
    surface.PaintEllipse(x, y, w, h, border, fill);
}

void FaceSteps::Focus() {
    if (!r.ShowFocusRect || !r.HasFocus) return;
    surface.PaintFocusRect(r.InnerRect.left, r.InnerRect.top, r.InnerRect.right, r.InnerRect.bottom,
                           p.TextColor);
}

void FaceSteps::Caption(std::uint8_t state) {
    PaintCaption(*this, state);
}
void FaceSteps::UpCaption() {
    Caption(r.IsOver ? CaptionOver : CaptionNormal);
}

Colour FaceSteps::Off(Colour c, std::int32_t n) const {
    return OffsetColor(c, n, false, r.SoftBevel);
}
Colour FaceSteps::OffB(Colour c, std::int32_t n) const {
    return OffsetColor(c, n, true, r.SoftBevel);
}
Colour FaceSteps::Lighten(Colour c, std::int32_t n) {
    return LightenColor(c, n);
}

} // namespace chameleon_button::paint

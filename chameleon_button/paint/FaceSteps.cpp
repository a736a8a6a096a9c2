#include "chameleon_button/paint/FaceSteps.h"

#include "chameleon_button/chameleonButton.h"
#include "chameleon_button/paint/PaintCaption.h"
#include "chameleon_button/paint/Surface.h"

namespace paint {

FaceSteps::FaceSteps(chameleonButton& button)
    : b(button), W(button.ClientWidth), H(button.ClientHeight), s_(button.Face()) {}

void FaceSteps::Fill(int x, int y, int w, int h, Colour c) {
    s_.PaintRect(x, y, w, h, c, false);
}
void FaceSteps::Frame(int x, int y, int w, int h, Colour c) {
    s_.PaintRect(x, y, w, h, c, true);
}
void FaceSteps::Line(int x1, int y1, int x2, int y2, Colour c) {
    s_.PaintLine(x1, y1, x2, y2, c);
}
void FaceSteps::Pixel(int x, int y, Colour c) {
    s_.PaintPixel(x, y, c);
}

void FaceSteps::InnerCorners(Colour c) {
    Pixel(1, 1, c), Pixel(1, H - 2, c), Pixel(W - 2, 1, c), Pixel(W - 2, H - 2, c);
}

void FaceSteps::Bevel(Colour a, Colour bottomRight, Colour c, Colour d, int inset, bool outerOnly) {
    s_.PaintBevel(a, bottomRight, c, d, inset, outerOnly);
}

void FaceSteps::Ellipse(int x, int y, int w, int h, Colour border, Colour fill) {
    s_.PaintEllipse(x, y, w, h, border, fill);
}

void FaceSteps::Focus() {
    if (!b.ShowFocusRect || !b.HasFocus) return;
    s_.PaintFocusRect(b.InnerRect.left, b.InnerRect.top, b.InnerRect.right, b.InnerRect.bottom, b.TextColor);
}

void FaceSteps::Caption(std::uint8_t state) {
    PaintCaption(b, state);
}
void FaceSteps::UpCaption() {
    Caption(b.IsOver ? CaptionOver : CaptionNormal);
}

Colour FaceSteps::Off(Colour c, std::int32_t n) const {
    return b.Off(c, n);
}
Colour FaceSteps::OffB(Colour c, std::int32_t n) const {
    return b.OffB(c, n);
}
Colour FaceSteps::Lighten(Colour c, std::int32_t n) {
    return LightenColor(c, n);
}

} // namespace paint

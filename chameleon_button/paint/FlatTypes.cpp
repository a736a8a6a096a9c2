#include "chameleon_button/paint/FlatTypes.h"

#include "chameleon_button/paint/FaceSteps.h"
#include "chameleon_button/paint/PaintCaption.h"
#include "chameleon_button/paint/Surface.h"

namespace chameleon_button::paint {

namespace {

// FlatEdge's focus mark: a box two pixels left and right and one above and below the caption text.
void CaptionBox(FaceSteps& f) {
    if (!f.r.HasFocus || !f.r.ShowFocusRect) return;
    const CaptionLayout& t = *f.text;
    f.Frame(t.CaptionRect.left - 2, t.CaptionRect.top - 1, t.CaptionWidth + 4, t.CaptionHeight + 2,
            Rgb(153, 153, 204));
}

// The parent's pixels behind the button, as captured last; without a capture the face stays filled.
void CapturedBackground(FaceSteps& f) {
    if (f.r.BackDC != nullptr) f.surface.CopyFrom(*f.r.BackDC);
}

} // namespace

void FlatEdgeUp(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.Fill(1, 1, f.W - 1, f.H - 1, f.Off(p.FaceColor, 12));
    f.UpCaption();
    f.Frame(1, 1, f.W - 1, f.H - 1, p.HighlightColor);
    f.Frame(0, 0, f.W - 1, f.H - 1, f.Off(p.ShadowColor, -26));
    f.Pixel(1, f.H - 2, f.Off(p.ShadowColor, 26));
    f.Pixel(f.W - 2, 1, f.Off(p.ShadowColor, 26));
    CaptionBox(f);
}

void FlatEdgeDown(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.Fill(1, 1, f.W - 2, f.H - 2, f.Off(p.ShadowColor, 16));
    f.Frame(0, 0, f.W - 1, f.H - 1, f.Off(p.ShadowColor, -26));
    f.Line(f.W - 1, 1, f.W - 1, f.H, p.HighlightColor);
    f.Line(1, f.H - 1, f.W - 1, f.H - 1, p.HighlightColor);
    DrawCaptionText(f, f.text->CaptionRect,
                    p.TextOverColor); // where it stands up, no effect, no caption state
    CaptionBox(f);
}

void FlatEdgeDisabled(FaceSteps& f) {
    f.Caption(CaptionGrey);
    f.Frame(0, 0, f.W, f.H, f.p.ShadowColor);
}

void HoverBoxUp(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    if (f.r.IsOver) f.Fill(1, 1, f.W, f.H, p.SelectionTintColor); // to the right and bottom edges
    f.UpCaption();
    if (f.r.IsOver) f.Frame(0, 0, f.W, f.H, p.SelectionColor);
    f.Focus();
}

void HoverBoxDown(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    const Colour pressed = f.r.ColorScheme != ColourScheme::SchemeFromProperties
                               ? f.Lighten(p.SelectionColor, 128)
                               : f.Off(p.SelectionTintColor, -32);
    if (f.r.IsOver) f.Fill(0, 0, f.W, f.H, pressed);
    f.Caption(CaptionDown);
    f.Frame(0, 0, f.W, f.H, p.SelectionColor); // also when pressed from the keyboard
    f.Focus();
}

void HoverBoxDisabled(FaceSteps& f) {
    f.Caption(CaptionGrey);
}

void SeeThroughUp(FaceSteps& f) {
    CapturedBackground(f);
    f.UpCaption();
    f.Focus();
}

void SeeThroughDown(FaceSteps& f) {
    CapturedBackground(f);
    f.Caption(CaptionDown);
    f.Focus();
}

void SeeThroughDisabled(FaceSteps& f) {
    CapturedBackground(f);
    f.Caption(CaptionEtched);
}

// The outline shows only under the mouse: otherwise it is the face colour itself.
void OvalUp(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.Ellipse(0, 0, f.W, f.H, f.r.IsOver ? p.ShadowColor : p.FaceColor, p.FaceColor);
    f.UpCaption();
}

void OvalDown(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.Ellipse(0, 0, f.W, f.H, p.DarkShadowColor, f.Off(p.FaceColor, -32));
    f.Caption(CaptionDown);
}

void OvalDisabled(FaceSteps& f) {
    f.Caption(CaptionEtched);
}

} // namespace chameleon_button::paint

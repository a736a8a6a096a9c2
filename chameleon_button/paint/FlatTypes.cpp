#include "chameleon_button/paint/FlatTypes.h"

#include "chameleon_button/chameleonButton.h"
#include "chameleon_button/paint/FaceSteps.h"
#include "chameleon_button/paint/PaintCaption.h"

namespace paint {

namespace {

// FlatEdge's focus mark: a box two pixels left and right and one above and below the caption text.
void CaptionBox(FaceSteps& f) {
    const chameleonButton& b = f.b;
    if (!b.HasFocus || !b.ShowFocusRect) return;
    f.Frame(b.CaptionRect.left - 2, b.CaptionRect.top - 1, b.CaptionWidth + 4, b.CaptionHeight + 2,
            Rgb(153, 153, 204));
}

// The parent's pixels behind the button, as captured last; without a capture the face stays filled.
void CapturedBackground(FaceSteps& f) {
    if (f.b.HasBackDC) f.b.Face().CopyFrom(f.b.BackDC);
}

} // namespace

void FlatEdgeUp(FaceSteps& f) {
    const chameleonButton& b = f.b;
    f.Fill(1, 1, f.W - 1, f.H - 1, f.Off(b.FaceColor, 12));
    f.UpCaption();
    f.Frame(1, 1, f.W - 1, f.H - 1, b.HighlightColor);
    f.Frame(0, 0, f.W - 1, f.H - 1, f.Off(b.ShadowColor, -26));
    f.Pixel(1, f.H - 2, f.Off(b.ShadowColor, 26));
    f.Pixel(f.W - 2, 1, f.Off(b.ShadowColor, 26));
    CaptionBox(f);
}

void FlatEdgeDown(FaceSteps& f) {
    chameleonButton& b = f.b;
    f.Fill(1, 1, f.W - 2, f.H - 2, f.Off(b.ShadowColor, 16));
    f.Frame(0, 0, f.W - 1, f.H - 1, f.Off(b.ShadowColor, -26));
    f.Line(f.W - 1, 1, f.W - 1, f.H, b.HighlightColor);
    f.Line(1, f.H - 1, f.W - 1, f.H - 1, b.HighlightColor);
    DrawCaptionText(b, b.CaptionRect, b.TextOverColor); // where it stands up, no effect, no caption state
    CaptionBox(f);
}

void FlatEdgeDisabled(FaceSteps& f) {
    f.Caption(CaptionGrey);
    f.Frame(0, 0, f.W, f.H, f.b.ShadowColor);
}

void HoverBoxUp(FaceSteps& f) {
    const chameleonButton& b = f.b;
    if (b.IsOver) f.Fill(1, 1, f.W, f.H, b.SelectionTintColor); // to the right and bottom edges
    f.UpCaption();
    if (b.IsOver) f.Frame(0, 0, f.W, f.H, b.SelectionColor);
    f.Focus();
}

void HoverBoxDown(FaceSteps& f) {
    const chameleonButton& b = f.b;
    const Colour pressed =
        b.ColorScheme != 2 ? f.Lighten(b.SelectionColor, 128) : f.Off(b.SelectionTintColor, -32);
    if (b.IsOver) f.Fill(0, 0, f.W, f.H, pressed);
    f.Caption(CaptionDown);
    f.Frame(0, 0, f.W, f.H, b.SelectionColor); // also when pressed from the keyboard
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
    const chameleonButton& b = f.b;
    f.Ellipse(0, 0, f.W, f.H, b.IsOver ? b.ShadowColor : b.FaceColor, b.FaceColor);
    f.UpCaption();
}

void OvalDown(FaceSteps& f) {
    const chameleonButton& b = f.b;
    f.Ellipse(0, 0, f.W, f.H, b.DarkShadowColor, f.Off(b.FaceColor, -32));
    f.Caption(CaptionDown);
}

void OvalDisabled(FaceSteps& f) {
    f.Caption(CaptionEtched);
}

} // namespace paint

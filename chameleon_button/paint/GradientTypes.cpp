#include "chameleon_button/paint/GradientTypes.h"

#include "chameleon_button/paint/FaceSteps.h"
#include "chameleon_button/paint/PaintCaption.h"

#include <cmath>

namespace chameleon_button::paint {

std::int32_t GradientAmount(int depth, int H, int i) {
    if (H <= 0) return 0; // a face without rows has no gradient
    const float step = static_cast<float>(depth) / static_cast<float>(H);
    return static_cast<std::int32_t>(std::nearbyint(-(static_cast<double>(step) * i)));
}

namespace {

enum class Direction { Down, Up };
enum class Shade { Off, OffB };

// One line a row: downward, row i gets amount i (row 0 keeps the face); upward, row H - i does, so
// the top row is the darkest.
void GradientRows(FaceSteps& f, Colour base, int depth, Direction direction, Shade shade) {
    for (int i = 1; i <= f.H; ++i) {
        const std::int32_t a = GradientAmount(depth, f.H, i);
        const Colour c = shade == Shade::OffB ? f.OffB(base, a) : f.Off(base, a);
        const int y = direction == Direction::Down ? i : f.H - i;
        f.Line(0, y, f.W, y, c);
    }
}

constexpr Colour RimFrame = Rgb(0, 60, 115), RimCorner = Rgb(16, 77, 123);

// Orange: the mouse is over the button.
void HoverRing(FaceSteps& f) {
    f.Frame(1, 2, f.W - 2, f.H - 4, Rgb(255, 178, 49));
    f.Line(2, f.H - 2, f.W - 2, f.H - 2, Rgb(231, 150, 0));
    f.Line(2, 1, f.W - 2, 1, Rgb(255, 243, 206));
    f.Line(1, 2, f.W - 1, 2, Rgb(255, 219, 140));
    f.Line(2, 3, 2, f.H - 3, Rgb(255, 203, 107));
    f.Line(f.W - 3, 3, f.W - 3, f.H - 3, Rgb(255, 203, 107));
}

// Blue: the focus mark of this type, which never draws the dotted rectangle.
void FocusRing(FaceSteps& f) {
    f.Frame(1, 2, f.W - 2, f.H - 4, Rgb(140, 174, 231));
    f.Line(2, f.H - 2, f.W - 2, f.H - 2, Rgb(107, 130, 239));
    f.Line(2, 1, f.W - 2, 1, Rgb(206, 231, 255));
    f.Line(1, 2, f.W - 1, 2, Rgb(189, 215, 247));
    f.Line(2, 3, 2, f.H - 3, Rgb(181, 209, 240));
    f.Line(f.W - 3, 3, f.W - 3, f.H - 3, Rgb(181, 209, 240));
}

// Shades of the bright face: darker at the bottom and right, lighter at the top and left.
void PlainRing(FaceSteps& f) {
    const Colour fb = f.p.FaceBrightColor;
    f.Line(2, f.H - 2, f.W - 2, f.H - 2, f.OffB(fb, -48));
    f.Line(1, f.H - 3, f.W - 2, f.H - 3, f.OffB(fb, -32));
    f.Line(f.W - 2, 2, f.W - 2, f.H - 2, f.OffB(fb, -36));
    f.Line(f.W - 3, 3, f.W - 3, f.H - 3, f.OffB(fb, -24));
    f.Line(2, 1, f.W - 2, 1, f.OffB(fb, 16));
    f.Line(1, 2, f.W - 2, 2, f.OffB(fb, 10));
    f.Line(1, 2, 1, f.H - 2, f.OffB(fb, -5));
    f.Line(2, 3, 2, f.H - 3, f.OffB(fb, -10));
}

// The default button's caption is bold: the button laid it out in its bold font for this pass.
void GlossCaption(FaceSteps& f) {
    if (f.r.DisplayAsDefault && f.r.BoldText) f.text = &*f.r.BoldText;
    f.UpCaption();
    f.text = &f.r.Text;
}

// The outline and the bright bands along the top and left edges of the raised gloss face.
void GlossEdges(FaceSteps& f) {
    f.Frame(0, 0, f.W, f.H, f.Off(f.p.ShadowColor, -50));
    f.Frame(1, 1, f.W - 2, f.H - 2, f.Off(f.p.FaceColor, -9));
    f.Fill(2, 2, f.W - 4, 2, f.p.HighlightColor);
    f.Fill(2, 4, 2, f.H - 6, f.p.HighlightColor);
}

} // namespace

void GradientRimUp(FaceSteps& f) {
    GradientRows(f, f.p.FaceBrightColor, 25, Direction::Down, Shade::OffB);
    f.UpCaption();
    f.Frame(0, 0, f.W, f.H, RimFrame);
    f.InnerCorners(RimCorner);
    if (f.r.IsOver)
        HoverRing(f); // the hover ring wins over the focus ring
    else if ((f.r.HasFocus || f.r.DisplayAsDefault) && f.r.ShowFocusRect)
        FocusRing(f);
    else
        PlainRing(f);
}

void GradientRimDown(FaceSteps& f) {
    const Colour base = f.OffB(f.p.FaceBrightColor, -32);
    GradientRows(f, base, 25, Direction::Up, Shade::OffB);
    f.Caption(CaptionDown);
    f.Frame(0, 0, f.W, f.H, RimFrame);
    f.InnerCorners(RimCorner);
    f.Line(2, f.H - 2, f.W - 2, f.H - 2, f.OffB(base, 16));
    f.Line(1, f.H - 3, f.W - 2, f.H - 3, f.OffB(base, 10));
    f.Line(f.W - 2, 2, f.W - 2, f.H - 2, f.OffB(base, 5));
    f.Line(f.W - 3, 3, f.W - 3, f.H - 3, f.p.FaceBrightColor);
    f.Line(2, 1, f.W - 2, 1, f.OffB(base, -32));
    f.Line(1, 2, f.W - 2, 2, f.OffB(base, -24));
    f.Line(1, 2, 1, f.H - 2, f.OffB(base, -32));
    f.Line(2, 2, 2, f.H - 2, f.OffB(base, -22));
}

void GradientRimDisabled(FaceSteps& f) {
    const Colour fb = f.p.FaceBrightColor;
    f.Fill(0, 0, f.W, f.H, f.OffB(fb, -24));
    f.Caption(CaptionDimmed);
    f.Frame(0, 0, f.W, f.H, f.OffB(fb, -84));
    f.InnerCorners(f.OffB(fb, -72));
}

void GlossGradientUp(FaceSteps& f) {
    if (f.r.IsOver)
        f.Fill(0, 0, f.W, f.H, f.p.LightColor);
    else
        GradientRows(f, f.p.HighlightColor, 58, Direction::Down, Shade::Off);
    GlossCaption(f);
    GlossEdges(f);
    f.Focus();
}

void GlossGradientDown(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.Fill(1, 1, f.W, f.H, f.Off(p.FaceColor, -9));
    f.Frame(0, 0, f.W, f.H, f.Off(p.ShadowColor, -48));
    f.Line(2, f.H - 2, f.W - 2, f.H - 2, p.HighlightColor);
    f.Line(f.W - 2, 2, f.W - 2, f.H - 1, p.HighlightColor);
    f.Caption(CaptionShadowed);
    f.Focus();
}

void GlossGradientDisabled(FaceSteps& f) {
    GradientRows(f, f.p.HighlightColor, 58, Direction::Down, Shade::Off);
    GlossEdges(f);
    f.Caption(CaptionFaceEtched);
}

} // namespace chameleon_button::paint

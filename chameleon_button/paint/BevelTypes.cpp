#include "chameleon_button/paint/BevelTypes.h"

#include "chameleon_button/paint/FaceSteps.h"
#include "chameleon_button/paint/PaintCaption.h"

namespace chameleon_button::paint {

namespace {

constexpr bool Both = false, OuterOnly = true;
constexpr Colour Unused = 0; // the inner colours of an outer ring alone

// The light edge of LightBevel, evaluated afresh at each use.
Colour L8(FaceSteps& f) {
    return f.Off(f.p.LightColor, 8);
}

bool ShownAsDefault(FaceSteps& f) {
    return f.r.ShowFocusRect && f.r.DisplayAsDefault;
}

// The rounded face of RoundedBevel up and disabled, around a caption drawn in its second step.
void RoundedBevelRaised(FaceSteps& f, std::uint8_t caption) {
    const ButtonPalette& p = f.p;
    const int W = f.W, H = f.H;
    f.Fill(1, 1, W - 2, H - 2, p.LightColor);
    f.Caption(caption);
    f.Frame(0, 0, W, H, p.DarkShadowColor);
    f.InnerCorners(p.DarkShadowColor);
    f.Line(1, 2, 2, 0, p.FaceColor);
    f.Line(3, 2, W - 3, 2, p.HighlightColor);
    f.Line(2, 2, 2, H - 3, p.HighlightColor);
    f.Pixel(3, 3, p.HighlightColor);
    f.Line(W - 3, 1, W - 3, H - 3, p.FaceColor);
    f.Line(1, H - 3, W - 3, H - 3, p.FaceColor);
    f.Pixel(W - 4, H - 4, p.FaceColor);
    f.Line(W - 2, 2, W - 2, H - 2, p.ShadowColor);
    f.Line(2, H - 2, W - 2, H - 2, p.ShadowColor);
    f.Pixel(W - 3, H - 3, p.ShadowColor);
}

} // namespace

void OutlinedBevelUp(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.UpCaption();
    f.Bevel(p.HighlightColor, p.ShadowColor, p.HighlightColor, p.ShadowColor, -1, Both);
    f.Frame(0, 0, f.W, f.H, p.DarkShadowColor);
    f.Focus();
}

void OutlinedBevelDown(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.Caption(CaptionDown);
    f.Bevel(p.ShadowColor, p.HighlightColor, p.ShadowColor, p.HighlightColor, -1, Both);
    f.Frame(0, 0, f.W, f.H, p.DarkShadowColor);
    f.Focus();
}

void OutlinedBevelDisabled(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.Caption(CaptionEtched);
    f.Bevel(p.HighlightColor, p.ShadowColor, p.HighlightColor, p.ShadowColor, -1, Both);
    f.Frame(0, 0, f.W, f.H, p.DarkShadowColor);
}

// The default button: a dark outline around the raised bevel moved one pixel in.
void DoubleBevelUp(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.UpCaption();
    if (ShownAsDefault(f)) {
        f.Bevel(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, -1, Both);
        f.Focus();
        f.Frame(0, 0, f.W, f.H, p.DarkShadowColor);
    } else {
        f.Bevel(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, 0, Both);
    }
}

// The default button presses into a flat face inside a dark and a shadow frame.
void DoubleBevelDown(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.Caption(CaptionDown);
    if (ShownAsDefault(f)) {
        f.Frame(0, 0, f.W, f.H, p.DarkShadowColor);
        f.Frame(1, 1, f.W - 2, f.H - 2, p.ShadowColor);
        f.Focus();
    } else {
        f.Bevel(p.DarkShadowColor, p.HighlightColor, p.ShadowColor, p.LightColor, 0, Both);
    }
}

void DoubleBevelDisabled(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.Caption(CaptionEtched);
    f.Bevel(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, 0, Both);
}

void RoundedBevelUp(FaceSteps& f) {
    RoundedBevelRaised(f, f.r.IsOver ? CaptionOver : CaptionNormal);
}
void RoundedBevelDisabled(FaceSteps& f) {
    RoundedBevelRaised(f, CaptionEtched);
}

void RoundedBevelDown(FaceSteps& f) {
    ButtonPalette& p = f.p;
    const int W = f.W, H = f.H;
    const auto S = [&](std::int32_t k) { return f.Off(p.ShadowColor, k); };
    f.Fill(1, 1, W - 2, H - 2, S(-16));
    p.FaceBrightColor = S(-16); // the caption's effect copies are shaded from the pressed face
    f.Caption(CaptionDown);
    p.FaceBrightColor = f.Off(p.FaceColor, 48);
    f.Frame(0, 0, W, H, p.DarkShadowColor);
    f.Frame(1, 1, W - 2, H - 2, S(-64));
    f.Frame(2, 2, W - 4, H - 4, S(-32));
    f.Pixel(2, 2, S(-64));
    f.Pixel(3, 3, S(-32));
    f.InnerCorners(p.DarkShadowColor);
    f.Line(W - 3, 1, W - 3, H - 3, p.ShadowColor);
    f.Line(1, H - 3, W - 2, H - 3, p.ShadowColor);
    f.Pixel(W - 4, H - 4, p.ShadowColor);
    f.Line(W - 2, 3, W - 2, H - 2, S(-16));
    f.Line(3, H - 2, W - 2, H - 2, S(-16));
    f.Line(W - 2, H - 3, W - 4, H - 1, S(-32));
    f.Pixel(2, H - 2, S(-32));
    f.Pixel(W - 2, 2, S(-32));
}

void LightBevelUp(FaceSteps& f) {
    f.UpCaption();
    f.Bevel(L8(f), f.p.ShadowColor, L8(f), f.p.ShadowColor, 0, Both);
    f.Focus();
}

void LightBevelDown(FaceSteps& f) {
    f.Caption(CaptionDown);
    f.Bevel(f.p.ShadowColor, L8(f), f.p.ShadowColor, L8(f), 0, Both);
    f.Focus();
}

void LightBevelDisabled(FaceSteps& f) {
    f.Caption(CaptionGrey);
    f.Bevel(L8(f), f.p.ShadowColor, L8(f), f.p.ShadowColor, 0, Both);
}

void ThinBevelUp(FaceSteps& f) {
    f.UpCaption();
    f.Bevel(f.p.HighlightColor, f.p.ShadowColor, Unused, Unused, 0, OuterOnly);
    f.Focus();
}

void ThinBevelDown(FaceSteps& f) {
    f.Caption(CaptionDown);
    f.Bevel(f.p.ShadowColor, f.p.HighlightColor, Unused, Unused, 0, OuterOnly);
    f.Focus();
}

void ThinBevelDisabled(FaceSteps& f) {
    f.Caption(CaptionEtched);
    f.Bevel(f.p.HighlightColor, f.p.ShadowColor, Unused, Unused, 0, OuterOnly);
}

void HoverThinBevelUp(FaceSteps& f) {
    f.UpCaption();
    if (f.r.IsOver) f.Bevel(f.p.HighlightColor, f.p.ShadowColor, Unused, Unused, 0, OuterOnly);
    f.Focus();
}

void HoverThinBevelDown(FaceSteps& f) {
    ThinBevelDown(f);
}
void HoverThinBevelDisabled(FaceSteps& f) {
    f.Caption(CaptionEtched);
}

void HoverDoubleBevelUp(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.UpCaption();
    if (f.r.IsOver) f.Bevel(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, 0, Both);
    f.Focus();
}

void HoverDoubleBevelDown(FaceSteps& f) {
    const ButtonPalette& p = f.p;
    f.Caption(CaptionDown);
    f.Bevel(p.DarkShadowColor, p.HighlightColor, p.ShadowColor, p.LightColor, 0, Both);
    f.Focus();
}

void HoverDoubleBevelDisabled(FaceSteps& f) {
    f.Caption(CaptionEtched);
}

void PressedOutlineDown(FaceSteps& f) {
    OutlinedBevelDown(f);
}

} // namespace chameleon_button::paint

#include "chameleon_button/paint/PaintCaption.h"

#include "chameleon_button/TextMetrics.h"
#include "chameleon_button/paint/FaceSteps.h"
#include "chameleon_button/paint/Surface.h"

namespace chameleon_button::paint {

namespace {

ButtonRect Moved(const ButtonRect& r, int d) {
    return {r.left + d, r.top + d, r.right + d, r.bottom + d};
}

// The face behind the letters, from which the effect copies are shaded.
Colour EffectBase(const FaceSteps& f) {
    const ButtonLook look = f.r.ButtonType;
    if (look == ButtonLook::GradientRim || look == ButtonLook::RoundedBevel ||
        look == ButtonLook::GlossGradient)
        return f.p.FaceBrightColor;
    const bool tintedHoverBox = f.r.LastFaceState == FaceUp && f.r.IsOver &&
                                f.r.ColorScheme != ColourScheme::SchemeFromProperties &&
                                look == ButtonLook::HoverBox;
    return tintedHoverBox ? f.p.SelectionTintColor : f.p.FaceColor;
}

} // namespace

void DrawCaptionText(FaceSteps& f, const ButtonRect& r, Colour colour) {
    // The caption goes out in the single-byte character set: what it cannot hold shows as '?'.
    const QString text = QString::fromLatin1(f.r.Caption.toLatin1());
    const QRect rect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    f.surface.DrawText(rect, text, CaptionFont(f.text->Font), CaptionTextFlags(), colour);
}

void PaintCaptionEffect(FaceSteps& f, const ButtonRect& r) {
    const TextEffect effect = f.r.SpecialEffect;
    if (effect < TextEffect::EffectRaised) return;
    const Colour base = EffectBase(f);
    const bool engraved = effect == TextEffect::EffectEngraved;
    DrawCaptionText(f, Moved(r, +1), f.Off(base, engraved ? +40 : -40));
    if (effect < TextEffect::EffectShadow)
        DrawCaptionText(f, Moved(r, -1), f.Off(base, engraved ? -40 : +40));
}

void PaintCaption(FaceSteps& f, std::uint8_t state) {
    f.LastCaptionState = state;
    const ButtonPalette& p = f.p;
    const CaptionLayout& t = *f.text;
    switch (state) {
    case CaptionNormal:
        PaintCaptionEffect(f, t.CaptionRect);
        DrawCaptionText(f, t.CaptionRect, p.TextColor);
        break;
    case CaptionOver:
        PaintCaptionEffect(f, t.CaptionRect);
        DrawCaptionText(f, t.CaptionRect, p.TextOverColor);
        break;
    case CaptionDown:
        PaintCaptionEffect(f, t.CaptionRectDown);
        DrawCaptionText(f, t.CaptionRectDown,
                        f.r.ButtonType == ButtonLook::RoundedBevel ? p.LightColor : p.TextOverColor);
        break;
    case CaptionEtched:
        DrawCaptionText(f, t.CaptionRectDown, p.HighlightColor);
        DrawCaptionText(f, t.CaptionRect, p.ShadowColor);
        break;
    case CaptionGrey:
        DrawCaptionText(f, t.CaptionRect, p.ShadowColor);
        break;
    case CaptionDimmed:
        DrawCaptionText(f, t.CaptionRect, f.OffB(p.FaceBrightColor, -104));
        break;
    case CaptionFaceEtched:
        DrawCaptionText(f, t.CaptionRectDown, p.HighlightColor);
        DrawCaptionText(f, t.CaptionRect, p.FaceColor);
        break;
    case CaptionShadowed:
        DrawCaptionText(f, t.CaptionRectDown, f.Off(p.ShadowColor, -50));
        DrawCaptionText(f, t.CaptionRect, p.HighlightColor);
        break;
    default:
        DrawCaptionText(f, t.CaptionRect, f.surface.TextColour());
        break;
    }
}

} // namespace chameleon_button::paint

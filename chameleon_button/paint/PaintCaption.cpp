#include "chameleon_button/paint/PaintCaption.h"

#include "chameleon_button/TextMetrics.h"
#include "chameleon_button/chameleonButton.h"

namespace paint {

namespace {

ButtonRect Moved(const ButtonRect& r, int d) {
    return {r.left + d, r.top + d, r.right + d, r.bottom + d};
}

// The face behind the letters, from which the effect copies are shaded.
Colour EffectBase(const chameleonButton& b) {
    if (b.ButtonType == 3 || b.ButtonType == 4 || b.ButtonType == 14) return b.FaceBrightColor;
    const bool tintedHoverBox =
        b.LastFaceState == FaceUp && b.IsOver && b.ColorScheme != 2 && b.ButtonType == 9;
    return tintedHoverBox ? b.SelectionTintColor : b.FaceColor;
}

} // namespace

void DrawCaptionText(chameleonButton& b, const ButtonRect& r, Colour colour) {
    // The caption goes out in the single-byte character set: what it cannot hold shows as '?'.
    const QString text = QString::fromLatin1(b.Caption.toLatin1());
    const QRect rect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    b.Face().DrawText(rect, text, CaptionFont(b.font()), CaptionTextFlags(), colour);
}

void PaintCaptionEffect(chameleonButton& b, const ButtonRect& r) {
    if (b.SpecialEffect < 1) return;
    const Colour base = EffectBase(b);
    const bool engraved = b.SpecialEffect == 2;
    DrawCaptionText(b, Moved(r, +1), b.Off(base, engraved ? +40 : -40));
    if (b.SpecialEffect < 3) DrawCaptionText(b, Moved(r, -1), b.Off(base, engraved ? -40 : +40));
}

void PaintCaption(chameleonButton& b, std::uint8_t state) {
    b.LastCaptionState = state;
    switch (state) {
    case CaptionNormal:
        PaintCaptionEffect(b, b.CaptionRect);
        DrawCaptionText(b, b.CaptionRect, b.TextColor);
        break;
    case CaptionOver:
        PaintCaptionEffect(b, b.CaptionRect);
        DrawCaptionText(b, b.CaptionRect, b.TextOverColor);
        break;
    case CaptionDown:
        PaintCaptionEffect(b, b.CaptionRectDown);
        DrawCaptionText(b, b.CaptionRectDown, b.ButtonType == 4 ? b.LightColor : b.TextOverColor);
        break;
    case CaptionEtched:
        DrawCaptionText(b, b.CaptionRectDown, b.HighlightColor);
        DrawCaptionText(b, b.CaptionRect, b.ShadowColor);
        break;
    case CaptionGrey:
        DrawCaptionText(b, b.CaptionRect, b.ShadowColor);
        break;
    case CaptionDimmed:
        DrawCaptionText(b, b.CaptionRect, b.OffB(b.FaceBrightColor, -104));
        break;
    case CaptionFaceEtched:
        DrawCaptionText(b, b.CaptionRectDown, b.HighlightColor);
        DrawCaptionText(b, b.CaptionRect, b.FaceColor);
        break;
    case CaptionShadowed:
        DrawCaptionText(b, b.CaptionRectDown, b.Off(b.ShadowColor, -50));
        DrawCaptionText(b, b.CaptionRect, b.HighlightColor);
        break;
    default:
        DrawCaptionText(b, b.CaptionRect, b.Face().TextColour());
        break;
    }
}

} // namespace paint

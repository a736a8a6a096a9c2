#include "chameleon_button/paint/PaintPicture.h"

#include "chameleon_button/chameleonButton.h"
#include "chameleon_button/paint/BlitPicture.h"
#include "chameleon_button/paint/PaintCaption.h"

namespace paint {

namespace {

constexpr Colour None = -1;
constexpr std::int32_t FlatEdge = 5, HoverBox = 9;

struct Options {
    bool darkOnly = false, greyscale = false, blend = false;
};

// Blit(p, dx, dy, solid, options): the picture at its place moved by (dx, dy), at the normal size.
void Blit(chameleonButton& b, const Picture& p, int dx, int dy, Colour solid, Options o = {}) {
    const BlitStyle style{.maskColour = b.MaskColorValue,
                          .useMaskColor = b.UseMaskColor != 0,
                          .solidColour = solid,
                          .darkOnly = o.darkOnly,
                          .greyscale = o.greyscale,
                          .blend = o.blend};
    BlitPicture(b.Face(), b.PictureLeft + dx, b.PictureTop + dy, b.PictureWidth, b.PictureHeight, p, style);
}

void PaintUp(chameleonButton& b, const Picture& normal, const Picture* over) {
    if (b.IsOver && b.ButtonType == HoverBox) { // the picture rises one pixel and casts a shadow
        PaintPictureEffect(b, -1, normal);
        Blit(b, normal, +1, +1, b.ShadowColor);
        Blit(b, normal, -1, -1, None);
    } else if (b.IsOver && over != nullptr) {
        PaintPictureEffect(b, 0, *over);
        Blit(b, *over, 0, 0, None);
    } else if (b.IsOver) {
        PaintPictureEffect(b, 0, normal);
        Blit(b, normal, 0, 0, None);
    } else {
        PaintPictureEffect(b, 0, normal);
        Blit(b, normal, 0, 0, None, {.greyscale = b.UseGreyscale != 0, .blend = b.ButtonType == HoverBox});
    }
}

void PaintDown(chameleonButton& b, const Picture& normal, const Picture* over) {
    if (over != nullptr && b.ButtonType != HoverBox) {
        const int k = b.ButtonType == FlatEdge ? 0 : 1;
        Blit(b, *over, k, k, None);
    } else if (b.ButtonType != FlatEdge && b.ButtonType != HoverBox) {
        PaintPictureEffect(b, 1, normal);
        Blit(b, normal, 1, 1, None);
    } else {
        PaintPictureEffect(b, 0, normal);
        Blit(b, normal, 0, 0, None);
    }
}

void PaintDisabled(chameleonButton& b, const Picture& normal) {
    if (b.ButtonType == 3) {
        Blit(b, normal, 1, 1, None, {.greyscale = true});
    } else if (b.ButtonType == FlatEdge || b.ButtonType == 6 || b.ButtonType == HoverBox) {
        const Colour shadow = b.ButtonType == HoverBox ? b.Off(b.ShadowColor, 13) : b.ShadowColor;
        Blit(b, normal, 0, 0, shadow, {.darkOnly = true});
    } else {
        Blit(b, normal, 1, 1, b.HighlightColor, {.darkOnly = true});
        Blit(b, normal, 0, 0, b.ShadowColor, {.darkOnly = true});
    }
}

} // namespace

void PaintPictureEffect(chameleonButton& b, int o, const Picture& p) {
    if (b.SpecialEffect < 1) return;
    // o = -1 only for a hover box under the mouse, whose face is the tint.
    Colour base = b.SelectionTintColor;
    if (b.ButtonType == 3)
        base = b.FaceBrightColor;
    else if (o != -1 || b.ColorScheme == 2)
        base = b.FaceColor;
    const bool engraved = b.SpecialEffect == 2;
    Blit(b, p, o + 1, o + 1, b.Off(base, engraved ? +40 : -40));
    if (b.SpecialEffect <= 2) Blit(b, p, o - 1, o - 1, b.Off(base, engraved ? -40 : +40));
}

void PaintPicture(chameleonButton& b, std::uint8_t state) {
    if (!b.PictureNormal) return; // a hover picture alone is never shown
    const Picture& normal = *b.PictureNormal;
    const Picture* over = b.PictureOver.get();
    switch (state) {
    case PictureUp:
        PaintUp(b, normal, over);
        break;
    case PictureDown:
        PaintDown(b, normal, over);
        break;
    case PictureDisabled:
        PaintDisabled(b, normal);
        break;
    default:
        break;
    }
    if (b.PicturePosition == 4) PaintCaption(b, b.LastCaptionState); // the caption stays on top
}

} // namespace paint

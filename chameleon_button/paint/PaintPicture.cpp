#include "chameleon_button/paint/PaintPicture.h"

#include "chameleon_button/paint/BlitPicture.h"
#include "chameleon_button/paint/FaceSteps.h"
#include "chameleon_button/paint/PaintCaption.h"

namespace chameleon_button::paint {

namespace {

constexpr Colour None = -1;
constexpr ButtonLook FlatEdge = ButtonLook::FlatEdge, HoverBox = ButtonLook::HoverBox;

struct Options {
    bool darkOnly = false, greyscale = false, blend = false;
};

// Blit(p, dx, dy, solid, options): the picture at its place moved by (dx, dy), at the normal size.
void Blit(FaceSteps& f, const Picture& p, int dx, int dy, Colour solid, Options o = {}) {
    const PaintRequest& r = f.r;
    const BlitStyle style{.maskColour = f.p.MaskColorValue,
                          .useMaskColor = r.UseMaskColor,
                          .solidColour = solid,
                          .darkOnly = o.darkOnly,
                          .greyscale = o.greyscale,
                          .blend = o.blend};
    BlitPicture(f.surface, r.PictureLeft + dx, r.PictureTop + dy, r.PictureWidth, r.PictureHeight, p, style);
}

void PaintUp(FaceSteps& f, const Picture& normal, const Picture* over) {
    const PaintRequest& r = f.r;
    if (r.IsOver && r.ButtonType == HoverBox) { // the picture rises one pixel and casts a shadow
        PaintPictureEffect(f, -1, normal);
        Blit(f, normal, +1, +1, f.p.ShadowColor);
        Blit(f, normal, -1, -1, None);
    } else if (r.IsOver && over != nullptr) {
        PaintPictureEffect(f, 0, *over);
        Blit(f, *over, 0, 0, None);
    } else if (r.IsOver) {
        PaintPictureEffect(f, 0, normal);
        Blit(f, normal, 0, 0, None);
    } else {
        PaintPictureEffect(f, 0, normal);
        Blit(f, normal, 0, 0, None, {.greyscale = r.UseGreyscale, .blend = r.ButtonType == HoverBox});
    }
}

void PaintDown(FaceSteps& f, const Picture& normal, const Picture* over) {
    const ButtonLook type = f.r.ButtonType;
    if (over != nullptr && type != HoverBox) {
        const int k = type == FlatEdge ? 0 : 1;
        Blit(f, *over, k, k, None);
    } else if (type != FlatEdge && type != HoverBox) {
        PaintPictureEffect(f, 1, normal);
        Blit(f, normal, 1, 1, None);
    } else {
        PaintPictureEffect(f, 0, normal);
        Blit(f, normal, 0, 0, None);
    }
}

void PaintDisabled(FaceSteps& f, const Picture& normal) {
    const ButtonLook type = f.r.ButtonType;
    if (type == ButtonLook::GradientRim) {
        Blit(f, normal, 1, 1, None, {.greyscale = true});
    } else if (type == FlatEdge || type == ButtonLook::LightBevel || type == HoverBox) {
        const Colour shadow = type == HoverBox ? f.Off(f.p.ShadowColor, 13) : f.p.ShadowColor;
        Blit(f, normal, 0, 0, shadow, {.darkOnly = true});
    } else {
        Blit(f, normal, 1, 1, f.p.HighlightColor, {.darkOnly = true});
        Blit(f, normal, 0, 0, f.p.ShadowColor, {.darkOnly = true});
    }
}

} // namespace

void PaintPictureEffect(FaceSteps& f, int o, const Picture& p) {
    const TextEffect effect = f.r.SpecialEffect;
    if (effect < TextEffect::EffectRaised) return;
    // o = -1 only for a hover box under the mouse, whose face is the tint.
    Colour base = f.p.SelectionTintColor;
    if (f.r.ButtonType == ButtonLook::GradientRim)
        base = f.p.FaceBrightColor;
    else if (o != -1 || f.r.ColorScheme == ColourScheme::SchemeFromProperties)
        base = f.p.FaceColor;
    const bool engraved = effect == TextEffect::EffectEngraved;
    Blit(f, p, o + 1, o + 1, f.Off(base, engraved ? +40 : -40));
    if (effect <= TextEffect::EffectEngraved) Blit(f, p, o - 1, o - 1, f.Off(base, engraved ? -40 : +40));
}

void PaintPicture(FaceSteps& f, std::uint8_t state) {
    if (!f.r.PictureNormal) return; // a hover picture alone is never shown
    const Picture& normal = *f.r.PictureNormal;
    const Picture* over = f.r.PictureOver.get();
    switch (state) {
    case PictureUp:
        PaintUp(f, normal, over);
        break;
    case PictureDown:
        PaintDown(f, normal, over);
        break;
    case PictureDisabled:
        PaintDisabled(f, normal);
        break;
    default:
        break;
    }
    // The caption stays on top of a picture behind it.
    if (f.r.PicturePosition == PicturePlace::PictureBehindCaption) PaintCaption(f, f.LastCaptionState);
}

} // namespace chameleon_button::paint

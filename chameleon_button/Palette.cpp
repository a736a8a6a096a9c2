// The twelve working colours of a button, derived from its colour scheme and colour properties.

#include "chameleon_button/Palette.h"

#include "chameleon_button/SystemColors.h"

namespace chameleon_button {

using namespace system_colors;

ButtonPalette DerivePalette(const PaletteSource& s) {
    const auto off = [&s](Colour c, std::int32_t n) { return OffsetColor(c, n, false, s.SoftBevel); };
    ButtonPalette p;
    const auto derivedEdges = [&] {
        p.ShadowColor = off(p.FaceColor, -64);
        p.LightColor = off(p.FaceColor, 31);
        p.HighlightColor = off(p.FaceColor, 47);
        p.DarkShadowColor = off(p.FaceColor, -192);
    };
    switch (s.scheme) {
    case ColourScheme::SchemeFromProperties:
        p.FaceColor = ResolveSystemColor(s.BackColor);
        p.FaceOverColor = ResolveSystemColor(s.BackOver);
        p.TextColor = ResolveSystemColor(s.ForeColor);
        p.TextOverColor = ResolveSystemColor(s.ForeOver);
        derivedEdges();
        p.SelectionColor = off(p.FaceColor, -128);
        p.SelectionTintColor = p.FaceColor;
        break;
    case ColourScheme::SchemeFixedGrey:
        p.FaceColor = p.FaceOverColor = 0x00C0C0C0;
        p.ShadowColor = 0x00808080;
        p.LightColor = 0x00DFDFDF;
        p.DarkShadowColor = 0;
        p.HighlightColor = 0x00FFFFFF;
        p.TextColor = p.TextOverColor = 0;
        p.SelectionColor = 0x00800000;
        p.SelectionTintColor = 0x00D1ADAD;
        break;
    case ColourScheme::SchemeFromParent:
        p.FaceColor = p.FaceOverColor = s.parentBack;
        p.TextColor = p.TextOverColor = s.parentText;
        derivedEdges();
        p.SelectionColor = GetSysColor(COLOR_HIGHLIGHT);
        p.SelectionTintColor = LightenColor(p.SelectionColor, 176);
        break;
    default: // SchemeSystem, and any value without a name
        p.FaceColor = p.FaceOverColor = GetSysColor(COLOR_BTNFACE);
        p.ShadowColor = GetSysColor(COLOR_BTNSHADOW);
        p.LightColor = GetSysColor(COLOR_3DLIGHT);
        p.DarkShadowColor = GetSysColor(COLOR_3DDKSHADOW);
        p.HighlightColor = GetSysColor(COLOR_BTNHIGHLIGHT);
        p.TextColor = p.TextOverColor = GetSysColor(COLOR_BTNTEXT);
        p.SelectionColor = GetSysColor(COLOR_HIGHLIGHT);
        p.SelectionTintColor = LightenColor(p.SelectionColor, 176);
        break;
    }
    p.MaskColorValue = ResolveSystemColor(s.MaskColor);
    // Blue-proportional for GradientRim, whose shades all derive from this slot.
    p.FaceBrightColor = OffsetColor(p.FaceColor, 48, s.look == ButtonLook::GradientRim, s.SoftBevel);
    return p;
}

} // namespace chameleon_button

// The twelve working colours of a button, derived from its colour scheme and colour properties.

#include "chameleon_button/SystemColors.h"
#include "chameleon_button/chameleonButton.h"

#include <QPalette>

using namespace system_colors;

void chameleonButton::ResolvePalette() {
    const auto derivedEdges = [this] {
        ShadowColor = Off(FaceColor, -64);
        LightColor = Off(FaceColor, 31);
        HighlightColor = Off(FaceColor, 47);
        DarkShadowColor = Off(FaceColor, -192);
    };
    switch (ColorScheme) {
    case 2:
        FaceColor = ResolveSystemColor(BackColor);
        FaceOverColor = ResolveSystemColor(BackOver);
        TextColor = ResolveSystemColor(ForeColor);
        TextOverColor = ResolveSystemColor(ForeOver);
        derivedEdges();
        SelectionColor = Off(FaceColor, -128);
        SelectionTintColor = FaceColor;
        break;
    case 3:
        FaceColor = FaceOverColor = 0x00C0C0C0;
        ShadowColor = 0x00808080;
        LightColor = 0x00DFDFDF;
        DarkShadowColor = 0;
        HighlightColor = 0x00FFFFFF;
        TextColor = TextOverColor = 0;
        SelectionColor = 0x00800000;
        SelectionTintColor = 0x00D1ADAD;
        break;
    case 4: {
        // The parent's colours behind and of its text.
        const QPalette parentPalette = parentWidget() ? parentWidget()->palette() : palette();
        FaceColor = FaceOverColor = FromQRgb(parentPalette.color(QPalette::Window).rgb());
        TextColor = TextOverColor = FromQRgb(parentPalette.color(QPalette::WindowText).rgb());
        derivedEdges();
        SelectionColor = GetSysColor(COLOR_HIGHLIGHT);
        SelectionTintColor = LightenColor(SelectionColor, 176);
        break;
    }
    default:
        FaceColor = FaceOverColor = GetSysColor(COLOR_BTNFACE);
        ShadowColor = GetSysColor(COLOR_BTNSHADOW);
        LightColor = GetSysColor(COLOR_3DLIGHT);
        DarkShadowColor = GetSysColor(COLOR_3DDKSHADOW);
        HighlightColor = GetSysColor(COLOR_BTNHIGHLIGHT);
        TextColor = TextOverColor = GetSysColor(COLOR_BTNTEXT);
        SelectionColor = GetSysColor(COLOR_HIGHLIGHT);
        SelectionTintColor = LightenColor(SelectionColor, 176);
        break;
    }
    MaskColorValue = ResolveSystemColor(MaskColor);
    FaceBrightColor = OffsetColor(FaceColor, 48, ButtonType == 3, SoftBevel != 0);
}

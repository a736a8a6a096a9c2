// A painting pass of the face: the button hands the painting what it needs as one value, computes
// beforehand what the painting would otherwise change on the button (the palette under the mouse,
// the bold caption of the default GlossGradient), and keeps what the pass leaves.

#include "chameleon_button/chameleonButton.h"
#include "chameleon_button/paint/PaintFace.h"

#include <QPalette>

namespace chameleon_button {

PaletteSource chameleonButton::PaletteSourceNow() const {
    // The parent's colours behind and of its text.
    const QPalette parentPalette = parentWidget() ? parentWidget()->palette() : palette();
    return {Scheme(),
            Look(),
            BackColor,
            BackOver,
            ForeColor,
            ForeOver,
            MaskColor,
            SoftBevel != 0,
            FromQRgb(parentPalette.color(QPalette::Window).rgb()),
            FromQRgb(parentPalette.color(QPalette::WindowText).rgb())};
}

void chameleonButton::ResolvePalette() {
    const ButtonPalette p = DerivePalette(PaletteSourceNow());
    FaceColor = p.FaceColor, LightColor = p.LightColor, HighlightColor = p.HighlightColor;
    ShadowColor = p.ShadowColor, DarkShadowColor = p.DarkShadowColor, TextColor = p.TextColor;
    TextOverColor = p.TextOverColor, FaceOverColor = p.FaceOverColor, MaskColorValue = p.MaskColorValue;
    FaceBrightColor = p.FaceBrightColor, SelectionColor = p.SelectionColor;
    SelectionTintColor = p.SelectionTintColor;
}

ButtonPalette chameleonButton::Palette() const {
    return {FaceColor,       LightColor,      HighlightColor, ShadowColor,
            DarkShadowColor, TextColor,       TextOverColor,  FaceOverColor,
            MaskColorValue,  FaceBrightColor, SelectionColor, SelectionTintColor};
}

paint::PaintRequest chameleonButton::FaceRequest() const {
    paint::PaintRequest r;
    r.W = ClientWidth, r.H = ClientHeight;
    r.WindowShape = WindowShape;
    r.LastFaceState = LastFaceState;
    r.ButtonType = Look(), r.ColorScheme = Scheme(), r.PicturePosition = Placement(),
    r.SpecialEffect = Effect();
    r.Enabled = Enabled != 0, r.IsOver = IsOver != 0, r.HasFocus = HasFocus != 0;
    r.ShowFocusRect = ShowFocusRect != 0, r.SoftBevel = SoftBevel != 0;
    r.DisplayAsDefault = DisplayAsDefault();

    r.ClearColour = FaceColor;
    if (HoverColours()) {
        PaletteSource over = PaletteSourceNow();
        over.BackColor = BackOver;
        r.Colours = DerivePalette(over);
    } else {
        r.Colours = Palette();
    }

    r.Caption = Caption;
    r.Text = {font(), CaptionRect, CaptionRectDown, CaptionWidth, CaptionHeight};
    if (Look() == ButtonLook::GlossGradient && r.DisplayAsDefault && r.Enabled && LastFaceState == FaceUp) {
        QFont bold = font();
        bold.setBold(true);
        r.BoldText = PlaceCaption(Caption, bold, *metrics_, CaptionRoomNow());
    }
    r.LastCaptionState = LastCaptionState;
    r.InnerRect = InnerRect;

    r.PictureNormal = PictureNormal, r.PictureOver = PictureOver;
    r.PictureLeft = PictureLeft, r.PictureTop = PictureTop;
    r.PictureWidth = PictureWidth, r.PictureHeight = PictureHeight;
    r.UseMaskColor = UseMaskColor != 0, r.UseGreyscale = UseGreyscale != 0;
    r.BackDC = HasBackDC ? &BackDC : nullptr;
    return r;
}

void chameleonButton::PaintButton(std::uint8_t state, bool force) {
    if (CheckBoxBehaviour && Value) state = FaceDown;
    const bool changed = force || Caption != LastCaption || state != LastFaceState;
    if (!changed || ClientHeight == 0 || !PaintEnabled) return;
    LastFaceState = state;
    LastCaption = Caption;
    ++PaintPasses;
    const paint::PaintRequest request = FaceRequest();
    const paint::PaintResult left = paint::PaintFace(face_, request);
    LastCaptionState = left.LastCaptionState;
    // A pressed RoundedBevel sets the bright face afresh; the hover palette is the pass's alone.
    if (!HoverColours()) FaceBrightColor = left.FaceBrightColor;
    if (request.BoldText) {
        // The bold caption was laid out in the layout's working rectangle; the caption is measured
        // again for the host font from the bold layout's, as after a change of the font.
        CaptionRectDown = request.BoldText->CaptionRectDown;
        LayoutCaption();
    }
    update();
}

} // namespace chameleon_button

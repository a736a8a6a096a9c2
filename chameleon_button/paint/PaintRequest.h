#pragma once
// One painting pass of a face: everything it reads, handed over by the button as one value, and
// what it leaves for the button to remember. The painting sees no widget.

#include "chameleon_button/ButtonValues.h"
#include "chameleon_button/CaptionLayout.h"
#include "chameleon_button/Picture.h"

#include <QRegion>
#include <QString>
#include <optional>

namespace chameleon_button::paint {

class Surface;

struct PaintRequest {
    int W = 0, H = 0;    // ClientWidth and ClientHeight
    QRegion WindowShape; // nothing outside it is painted
    // The state painted: FaceUp or FaceDown (another value fills the face and draws nothing more).
    std::uint8_t LastFaceState = FaceUp;
    ButtonLook ButtonType = ButtonLook::DoubleBevel;
    ColourScheme ColorScheme = ColourScheme::SchemeSystem;
    PicturePlace PicturePosition = PicturePlace::PictureLeftOfCaption;
    TextEffect SpecialEffect = TextEffect::EffectNone;
    bool Enabled = true, IsOver = false, HasFocus = false, ShowFocusRect = true, SoftBevel = false;
    bool DisplayAsDefault = false; // the container shows the button as its default button

    // The colours of the pass: under the mouse, custom colours derive them from BackOver.
    ButtonPalette Colours;
    Colour ClearColour = 0; // the surface is cleared with the face colour outside the hover pass

    QString Caption;
    CaptionLayout Text; // the caption laid out in the host font
    // The caption of the default GlossGradient, laid out in the bold host font; set only for the up
    // pass of such a button.
    std::optional<CaptionLayout> BoldText;
    std::uint8_t LastCaptionState = 0; // the caption state of the last pass that drew one
    ButtonRect InnerRect;              // the bound of the focus rectangle

    PictureRef PictureNormal, PictureOver;
    std::int32_t PictureLeft = 0, PictureTop = 0, PictureWidth = 0, PictureHeight = 0;
    bool UseMaskColor = true, UseGreyscale = false;

    const Surface* BackDC = nullptr; // the captured parent background; none before a capture
};

struct PaintResult {
    std::uint8_t LastCaptionState = 0;
    // The slot as the pass leaves it: a pressed RoundedBevel sets it afresh after its caption.
    Colour FaceBrightColor = 0;
};

} // namespace chameleon_button::paint

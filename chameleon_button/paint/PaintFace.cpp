#include "chameleon_button/paint/PaintFace.h"

#include "chameleon_button/chameleonButton.h"
#include "chameleon_button/paint/BevelTypes.h"
#include "chameleon_button/paint/FaceSteps.h"
#include "chameleon_button/paint/FlatTypes.h"
#include "chameleon_button/paint/GradientTypes.h"
#include "chameleon_button/paint/Look.h"
#include "chameleon_button/paint/PaintPicture.h"

namespace paint {

namespace {

// By ButtonType; 0 and values above 15 paint the filled face and the picture only.
const Look& LookOf(std::int32_t type) {
    static const Look looks[] = {
        {nullptr, nullptr, nullptr},                                          // 0
        {OutlinedBevelUp, OutlinedBevelDown, OutlinedBevelDisabled},          // 1
        {DoubleBevelUp, DoubleBevelDown, DoubleBevelDisabled},                // 2
        {GradientRimUp, GradientRimDown, GradientRimDisabled},                // 3
        {RoundedBevelUp, RoundedBevelDown, RoundedBevelDisabled},             // 4
        {FlatEdgeUp, FlatEdgeDown, FlatEdgeDisabled},                         // 5
        {LightBevelUp, LightBevelDown, LightBevelDisabled},                   // 6
        {ThinBevelUp, ThinBevelDown, ThinBevelDisabled},                      // 7
        {HoverThinBevelUp, HoverThinBevelDown, HoverThinBevelDisabled},       // 8
        {HoverBoxUp, HoverBoxDown, HoverBoxDisabled},                         // 9
        {nullptr, nullptr, nullptr},                                          // 10 Blank: never a caption
        {SeeThroughUp, SeeThroughDown, SeeThroughDisabled},                   // 11
        {HoverDoubleBevelUp, HoverDoubleBevelDown, HoverDoubleBevelDisabled}, // 12
        {OvalUp, OvalDown, OvalDisabled},                                     // 13
        {GlossGradientUp, GlossGradientDown, GlossGradientDisabled},          // 14
        {nullptr, PressedOutlineDown, nullptr},                               // 15: drawn only while pressed
    };
    return type >= 0 && type <= 15 ? looks[type] : looks[0];
}

void Draw(LookStep step, FaceSteps& f) {
    if (step != nullptr) step(f);
}

} // namespace

void PaintFace(chameleonButton& b, std::uint8_t state) {
    Surface& s = b.Face();
    if (s.Width() != b.ClientWidth || s.Height() != b.ClientHeight) s.Resize(b.ClientWidth, b.ClientHeight);
    s.SetShape(b.WindowShape);
    const Colour clearedWith = b.FaceColor;
    s.Clear(clearedWith);

    // Under the mouse, custom colours derive the whole palette from BackOver for this pass.
    const bool hoverColours = b.IsOver && b.ColorScheme == 2;
    const Colour rememberedBack = b.BackColor;
    if (hoverColours) {
        b.BackColor = b.BackOver;
        b.ResolvePalette();
    }

    FaceSteps f(b);
    // The clearing already gave every pixel the face colour unless the hover colours changed it.
    if (b.FaceColor != clearedWith) f.Fill(0, 0, f.W, f.H, b.FaceColor);
    const Look& look = LookOf(b.ButtonType);
    if (!b.Enabled) {
        Draw(look.disabled, f);
        PaintPicture(b, PictureDisabled);
    } else if (state == FaceUp) {
        Draw(look.up, f);
        PaintPicture(b, PictureUp);
    } else if (state == FaceDown) {
        Draw(look.down, f);
        PaintPicture(b, PictureDown);
    }

    if (hoverColours) {
        b.BackColor = rememberedBack;
        b.ResolvePalette();
    }
}

} // namespace paint

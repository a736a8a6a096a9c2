#include "chameleon_button/paint/PaintFace.h"

#include "chameleon_button/paint/BevelTypes.h"
#include "chameleon_button/paint/FaceSteps.h"
#include "chameleon_button/paint/FlatTypes.h"
#include "chameleon_button/paint/GradientTypes.h"
#include "chameleon_button/paint/Look.h"
#include "chameleon_button/paint/PaintPicture.h"
#include "chameleon_button/paint/Surface.h"

namespace chameleon_button::paint {

namespace {

// By the value of ButtonType; a value that names no look paints the filled face and the picture only.
const Look& LookOf(ButtonLook look) {
    static const Look looks[] = {
        {nullptr, nullptr, nullptr},                                          // no look
        {OutlinedBevelUp, OutlinedBevelDown, OutlinedBevelDisabled},          // OutlinedBevel
        {DoubleBevelUp, DoubleBevelDown, DoubleBevelDisabled},                // DoubleBevel
        {GradientRimUp, GradientRimDown, GradientRimDisabled},                // GradientRim
        {RoundedBevelUp, RoundedBevelDown, RoundedBevelDisabled},             // RoundedBevel
        {FlatEdgeUp, FlatEdgeDown, FlatEdgeDisabled},                         // FlatEdge
        {LightBevelUp, LightBevelDown, LightBevelDisabled},                   // LightBevel
        {ThinBevelUp, ThinBevelDown, ThinBevelDisabled},                      // ThinBevel
        {HoverThinBevelUp, HoverThinBevelDown, HoverThinBevelDisabled},       // HoverThinBevel
        {HoverBoxUp, HoverBoxDown, HoverBoxDisabled},                         // HoverBox
        {nullptr, nullptr, nullptr},                                          // Blank: never a caption
        {SeeThroughUp, SeeThroughDown, SeeThroughDisabled},                   // SeeThrough
        {HoverDoubleBevelUp, HoverDoubleBevelDown, HoverDoubleBevelDisabled}, // HoverDoubleBevel
        {OvalUp, OvalDown, OvalDisabled},                                     // Oval
        {GlossGradientUp, GlossGradientDown, GlossGradientDisabled},          // GlossGradient
        {nullptr, PressedOutlineDown, nullptr}, // PressedOutline: drawn only while pressed
    };
    const auto type = static_cast<std::int32_t>(look);
    return type >= 0 && type < std::ssize(looks) ? looks[type] : looks[0];
}

void Draw(LookStep step, FaceSteps& f) {
    if (step != nullptr) step(f);
}

} // namespace

PaintResult PaintFace(Surface& s, const PaintRequest& r) {
    if (s.Width() != r.W || s.Height() != r.H) s.Resize(r.W, r.H);
    s.SetShape(r.WindowShape);
    s.Clear(r.ClearColour);

    FaceSteps f(s, r);
    // The clearing already gave every pixel the face colour unless the hover colours changed it.
    if (f.p.FaceColor != r.ClearColour) f.Fill(0, 0, f.W, f.H, f.p.FaceColor);
    const Look& look = LookOf(r.ButtonType);
    if (!r.Enabled) {
        Draw(look.disabled, f);
        PaintPicture(f, PictureDisabled);
    } else if (r.LastFaceState == FaceUp) {
        Draw(look.up, f);
        PaintPicture(f, PictureUp);
    } else if (r.LastFaceState == FaceDown) {
        Draw(look.down, f);
        PaintPicture(f, PictureDown);
    }
    return {f.LastCaptionState, f.p.FaceBrightColor};
}

} // namespace chameleon_button::paint

#pragma once
// The values a button's face is described by: its look, colour scheme, picture position and caption
// effect by name, the face states, the rectangles of the layout and the palette. The properties store
// any 32-bit value; a value without a name behaves as the property says (most paint nothing extra).
// Both the widget and its painting read these, so nothing here knows a widget.

#include "chameleon_button/ColorArithmetic.h"

#include <cstdint>

namespace chameleon_button {

// ButtonType: the look of the button.
enum class ButtonLook : std::int32_t {
    OutlinedBevel = 1,
    DoubleBevel = 2, // a newly placed button's
    GradientRim = 3,
    RoundedBevel = 4,
    FlatEdge = 5,
    LightBevel = 6,
    ThinBevel = 7,
    HoverThinBevel = 8,
    HoverBox = 9,
    Blank = 10,
    SeeThrough = 11,
    HoverDoubleBevel = 12,
    Oval = 13,
    GlossGradient = 14,
    PressedOutline = 15,
};

// ColorScheme: where the palette comes from.
enum class ColourScheme : std::int32_t {
    SchemeSystem = 1, // a newly placed button's
    SchemeFromProperties = 2,
    SchemeFixedGrey = 3,
    SchemeFromParent = 4,
};

// PicturePosition: where the picture goes relative to the caption.
enum class PicturePlace : std::int32_t {
    PictureLeftOfCaption = 0,
    PictureRightOfCaption = 1,
    PictureAboveCaption = 2,
    PictureBelowCaption = 3,
    PictureBehindCaption = 4,
};

// SpecialEffect: the copies drawn around the caption and the picture; larger values behave as
// EffectShadow, smaller ones as EffectNone.
enum class TextEffect : std::int32_t {
    EffectNone = 0,
    EffectRaised = 1,
    EffectEngraved = 2,
    EffectShadow = 3,
};

// The mouse buttons of the mouse events; in a move, the sum of those held.
namespace mouse_buttons {
enum Value : std::int16_t { Left = 1, Right = 2, Middle = 4 };
} // namespace mouse_buttons

// The face states PaintButton is asked for.
inline constexpr std::uint8_t FaceUp = 0;
inline constexpr std::uint8_t FaceDown = 2;

// Rectangles of the layout: right and bottom exclusive.
struct ButtonRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const ButtonRect&) const = default;
};

// The working colours of a button, all RGB, derived by ResolvePalette from the colour scheme and the
// colour properties.
struct ButtonPalette {
    Colour FaceColor = 0, LightColor = 0, HighlightColor = 0, ShadowColor = 0, DarkShadowColor = 0,
           TextColor = 0, TextOverColor = 0, FaceOverColor = 0, MaskColorValue = 0, FaceBrightColor = 0,
           SelectionColor = 0, SelectionTintColor = 0;
};

} // namespace chameleon_button

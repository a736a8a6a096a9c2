#pragma once
// Colours of the button: 32-bit values, either RGB 0x00BBGGRR or a system-colour reference
// 0x80000000 + index. The arithmetic is exact so that every face can be reproduced pixel for pixel.

#include <QColor>
#include <cstdint>

namespace chameleon_button {

using Colour = std::int32_t;

// 16-bit booleans of the control's members and stored settings: True is -1.
using VBool = std::int16_t;
inline constexpr VBool VbTrue = -1;
inline constexpr VBool VbFalse = 0;
inline constexpr VBool ToVBool(bool b) {
    return b ? VbTrue : VbFalse;
}

inline constexpr Colour Rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}
inline constexpr bool IsSystemColourReference(Colour c) {
    return (static_cast<std::uint32_t>(c) & 0x80000000u) != 0;
}

// Shifts each channel by amount (blue by blue x amount / 192 when blueProportional), clamping in
// the direction of the shift. softBevel halves the amount first, truncating toward zero.
Colour OffsetColor(Colour colour, std::int32_t amount, bool blueProportional, bool softBevel);

// Moves every channel toward 255 by the fraction amount / 255 of the remaining distance.
Colour LightenColor(Colour colour, std::int32_t amount);

// Conversions between a colour value (RGB form) and the 32-bit pixels of a surface.
inline QRgb ToQRgb(Colour c) {
    return qRgb(c & 255, (c >> 8) & 255, (c >> 16) & 255);
}
inline Colour FromQRgb(QRgb p) {
    return Rgb(qRed(p), qGreen(p), qBlue(p));
}

} // namespace chameleon_button

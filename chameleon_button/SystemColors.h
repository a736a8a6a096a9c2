#pragma once
// The platform's system colours by their classic indices, taken from the application's palette.
// Tests replace the table to get fixed numbers.

#include "chameleon_button/ColorArithmetic.h"

#include <array>
#include <optional>

namespace chameleon_button {

namespace system_colors {

inline constexpr int COLOR_WINDOW = 5, COLOR_WINDOWTEXT = 8, COLOR_HIGHLIGHT = 13, COLOR_BTNFACE = 15,
                     COLOR_BTNSHADOW = 16, COLOR_GRAYTEXT = 17, COLOR_BTNTEXT = 18, COLOR_BTNHIGHLIGHT = 20,
                     COLOR_3DDKSHADOW = 21, COLOR_3DLIGHT = 22;
inline constexpr int Count = 31;

using Table = std::array<Colour, Count>;

// The table filled from QApplication::palette(): face = Button, shadow = Dark, 3-D light = Midlight,
// dark shadow = Shadow, highlight = Light, button text = ButtonText, selection = Highlight.
Table FromApplicationPalette();

// Replaces the table used by GetSysColor until Reset (for tests).
void Override(const Table& table);
void Reset();

// The RGB value of system colour index (0 for an unknown index).
Colour GetSysColor(int index);

} // namespace system_colors

// RGB values come back unchanged; a reference becomes its system colour's RGB value; a colour that
// cannot be translated (an unknown index, other high bits) is black.
Colour ResolveSystemColor(Colour colour);

} // namespace chameleon_button

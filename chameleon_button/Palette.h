#pragma once
// The palette of a button from its colour scheme and colour properties, as a value: the button
// resolves its own palette with it, and the palette of a face under the mouse before painting it.

#include "chameleon_button/ButtonValues.h"

namespace chameleon_button {

// What the palette is derived from. The parent's colours are those of the window holding the
// button (its own where it has no parent); only SchemeFromParent reads them.
struct PaletteSource {
    ColourScheme scheme = ColourScheme::SchemeSystem;
    ButtonLook look = ButtonLook::DoubleBevel;
    Colour BackColor = 0, BackOver = 0, ForeColor = 0, ForeOver = 0, MaskColor = 0;
    bool SoftBevel = false;
    Colour parentBack = 0, parentText = 0;
};

// The twelve working colours. System colours are read at the call (system_colors::GetSysColor).
ButtonPalette DerivePalette(const PaletteSource& source);

} // namespace chameleon_button

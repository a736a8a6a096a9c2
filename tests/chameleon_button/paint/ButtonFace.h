#pragma once
// Buttons for face tests: sized and laid out but never shown, in the fixed grey palette unless a
// test changes it, with an ambient whose default-button flag the test sets.

#include "FacePicture.h"

#include "chameleon_button/chameleonButton.h"

#include <memory>

class TestAmbient : public ButtonAmbient {
  public:
    bool isDefault = false;
    bool DisplayAsDefault() const override { return isDefault; }
};

// The colours of SchemeFixedGrey, with the letters the face pictures use for them.
namespace grey {
inline constexpr Colour Face = 0x00C0C0C0, Shadow = 0x00808080, Light = 0x00DFDFDF, DarkShadow = 0,
                        Highlight = 0x00FFFFFF, Selection = 0x00800000, Tint = 0x00D1ADAD;
} // namespace grey
inline const Legend GreyLetters = {{'.', grey::Face},       {'s', grey::Shadow},    {'l', grey::Light},
                                   {'k', grey::DarkShadow}, {'h', grey::Highlight}, {'b', grey::Selection},
                                   {'t', grey::Tint}};

// A w x h button of type with an empty caption in SchemeFixedGrey, painted up once.
std::unique_ptr<chameleonButton> GreyButton(std::int32_t type, int w, int h,
                                            const ButtonAmbient* ambient = nullptr);

// The face painted in state (0 up, 2 down), forced, as letters.
std::string FaceLetters(chameleonButton& b, std::uint8_t state, const Legend& legend = GreyLetters);

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

// The caption step of a look on its own: the caption of b drawn onto its face in state, the caption
// state it leaves kept in b as a painting pass keeps it.
void CaptionStep(chameleonButton& b, std::uint8_t state);

// The caption text of b drawn onto its face in colour into r, as a look draws it.
void CaptionTextStep(chameleonButton& b, const ButtonRect& r, Colour colour);

// A state the look tests paint a face in: pointer over it, pressed, enabled, focused, shown as the
// container's default, checked (a check-box button whose value is set).
struct Shown {
    const char* name;
    bool over = false, down = false, enabled = true, focus = false, isDefault = false, checked = false;
};
namespace shown {
inline const Shown Up{"up"}, Over{"over", true}, Down{"down", false, true}, DownOver{"down over", true, true},
    Disabled{"disabled", false, false, false}, Focused{"focused", false, false, true, true},
    FocusedDown{"focused down", false, true, true, true}, Default{"default", false, false, true, false, true},
    DefaultDown{"default down", false, true, true, false, true},
    Checked{"checked", false, false, true, false, false, true};
} // namespace shown

// The face of b painted as shown, as letters; ambient must be the one b was made with.
std::string FaceIn(chameleonButton& b, TestAmbient& ambient, const Shown& shown,
                   const Legend& legend = GreyLetters);

// face with the dotted focus outline on the border of r (right and bottom exclusive): the pixels
// whose x + y is even are inverted, each letter becoming the one inverted names; the others keep
// their letter, being inverted with the black text colour.
std::string WithFocus(std::string face, const ButtonRect& r, const std::map<char, char>& inverted);

// face as source text, Rows({"..", ".."}), for a failure message that can be read as a picture.
std::string AsRowsSource(const std::string& face);

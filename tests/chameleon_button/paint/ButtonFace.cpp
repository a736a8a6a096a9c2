#include "ButtonFace.h"

#include "chameleon_button/paint/FaceSteps.h"
#include "chameleon_button/paint/PaintCaption.h"

std::unique_ptr<chameleonButton> GreyButton(std::int32_t type, int w, int h, const ButtonAmbient* ambient) {
    auto b = std::make_unique<chameleonButton>(nullptr, ambient);
    b->ButtonType = type;
    b->resize(w, h);
    b->ResizeButton();
    b->SetColorScheme(3);
    return b;
}

std::string FaceLetters(chameleonButton& b, std::uint8_t state, const Legend& legend) {
    b.PaintButton(state, true);
    return AsLetters(b.Face(), legend);
}

void CaptionStep(chameleonButton& b, std::uint8_t state) {
    const paint::PaintRequest request = b.FaceRequest();
    paint::FaceSteps f(b.Face(), request);
    paint::PaintCaption(f, state);
    b.LastCaptionState = f.LastCaptionState;
}

void CaptionTextStep(chameleonButton& b, const ButtonRect& r, Colour colour) {
    const paint::PaintRequest request = b.FaceRequest();
    paint::FaceSteps f(b.Face(), request);
    paint::DrawCaptionText(f, r, colour);
}

std::string FaceIn(chameleonButton& b, TestAmbient& ambient, const Shown& shown, const Legend& legend) {
    b.IsOver = ToVBool(shown.over);
    b.Enabled = ToVBool(shown.enabled);
    b.HasFocus = ToVBool(shown.focus);
    b.CheckBoxBehaviour = ToVBool(shown.checked);
    b.Value = ToVBool(shown.checked);
    ambient.isDefault = shown.isDefault;
    return FaceLetters(b, shown.down ? FaceDown : FaceUp, legend);
}

std::string WithFocus(std::string face, const ButtonRect& r, const std::map<char, char>& inverted) {
    if (face.empty()) return face;
    const std::size_t width = face.find('\n') == std::string::npos ? face.size() : face.find('\n');
    const auto invert = [&](int x, int y) {
        if ((x + y) % 2 != 0) return;
        char& letter = face[static_cast<std::size_t>(y) * (width + 1) + static_cast<std::size_t>(x)];
        letter = inverted.at(letter);
    };
    for (int x = r.left; x < r.right; ++x) invert(x, r.top), invert(x, r.bottom - 1);
    for (int y = r.top + 1; y < r.bottom - 1; ++y) invert(r.left, y), invert(r.right - 1, y);
    return face;
}

std::string AsRowsSource(const std::string& face) {
    std::string out = "Rows({\"";
    for (char c : face) out += c == '\n' ? std::string("\", \"") : std::string(1, c);
    return out + "\"})";
}

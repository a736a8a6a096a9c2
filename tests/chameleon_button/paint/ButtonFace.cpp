#include "ButtonFace.h"

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

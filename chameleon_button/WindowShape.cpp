#include "chameleon_button/WindowShape.h"

#include "chameleon_button/ButtonValues.h"

namespace chameleon_button {

QRegion BuildWindowShape(std::int32_t type, int W, int H) {
    QRegion shape(0, 0, W, H);
    const auto cut = [&shape](int x, int y) { shape -= QRegion(x, y, 1, 1); };
    switch (static_cast<ButtonLook>(type)) {
    case ButtonLook::OutlinedBevel:
    case ButtonLook::GlossGradient:
        cut(0, 0), cut(W - 1, 0), cut(0, H - 1), cut(W - 1, H - 1);
        break;
    case ButtonLook::FlatEdge:
        cut(0, H - 1), cut(W - 1, 0);
        break;
    case ButtonLook::GradientRim:
    case ButtonLook::RoundedBevel:
        cut(0, 0), cut(1, 0), cut(0, 1);
        cut(W - 2, 0), cut(W - 1, 0), cut(W - 1, 1);
        cut(0, H - 2), cut(0, H - 1), cut(1, H - 1);
        cut(W - 1, H - 2), cut(W - 2, H - 1), cut(W - 1, H - 1);
        break;
    case ButtonLook::Oval: {
        shape = QRegion();
        for (const Span& s : EllipseSpans(0, 0, W, H)) shape += QRegion(s.x0, s.y, s.x1 - s.x0, 1);
        break;
    }
    default:
        break;
    }
    return shape;
}

InnerRectangle InnerRectFor(std::int32_t type, int W, int H) {
    const auto look = static_cast<ButtonLook>(type);
    if (look >= ButtonLook::ThinBevel && look <= ButtonLook::Oval) return {3, 3, W - 3, H - 3};
    if (look == ButtonLook::GlossGradient) return {6, 6, W - 4, H - 4};
    return {4, 4, W - 4, H - 4};
}

} // namespace chameleon_button

#pragma once
// The pixel sets of the button's window: corner pixels cut away by type, or the inscribed ellipse.
// The ellipse rasteriser is shared with the painting of ellipses, so shape and picture match.

#include "chameleon_button/EllipseSpans.h"

#include <QRegion>
#include <cstdint>

namespace chameleon_button {

// The window shape of ButtonType type on a W x H face.
QRegion BuildWindowShape(std::int32_t type, int W, int H);

struct InnerRectangle {
    int left, top, right, bottom;
    bool operator==(const InnerRectangle&) const = default;
};

// The client rectangle inset by the margin of type; it bounds the focus rectangle.
InnerRectangle InnerRectFor(std::int32_t type, int W, int H);

} // namespace chameleon_button

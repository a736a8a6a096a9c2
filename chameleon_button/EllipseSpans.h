#pragma once
// The one ellipse rasteriser of the button. The window shape of an Oval button and the painted
// ellipse of its face both take their pixels from EllipseSpans, so the face and the part of the
// window that takes the mouse are the same set of pixels. Never fails.

#include <vector>

namespace chameleon_button {

struct Span {
    int y, x0, x1; // pixels x0 .. x1 - 1 of row y
    bool operator==(const Span&) const = default;
};

// The rows of the ellipse inscribed in the rectangle (left, top, w, h): a pixel belongs to it when
// its centre lies inside the ellipse that touches the rectangle's outer edges. Rows are in top to
// bottom order, each row at most once; an empty rectangle gives no rows. The spans are symmetric
// left to right and top to bottom within the rectangle.
std::vector<Span> EllipseSpans(int left, int top, int w, int h);

} // namespace chameleon_button

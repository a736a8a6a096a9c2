#include "chameleon_button/EllipseSpans.h"

#include <cmath>

namespace chameleon_button {

std::vector<Span> EllipseSpans(int left, int top, int w, int h) {
    std::vector<Span> spans;
    if (w <= 0 || h <= 0) return spans;
    // Half-axes a and b around the rectangle's centre; row r's centre lies at r + 0.5.
    const double a = w / 2.0, b = h / 2.0;
    for (int row = 0; row < h; ++row) {
        const double dy = (row + 0.5 - b) / b;
        const double inside = 1.0 - dy * dy;
        if (inside <= 0) continue;
        const double half = a * std::sqrt(inside);
        // Columns whose centre c + 0.5 lies within [a - half, a + half], computed from the left
        // edge and mirrored so the row is symmetric whatever the rounding.
        int x0 = static_cast<int>(std::ceil(a - half - 0.5));
        if (x0 < 0) x0 = 0;
        const int x1 = w - x0;
        if (x1 > x0) spans.push_back({top + row, left + x0, left + x1});
    }
    return spans;
}

} // namespace chameleon_button

#include "chameleon_button/paint/Surface.h"

#include "chameleon_button/EllipseSpans.h"

#include <algorithm>
#include <cstdlib>

namespace chameleon_button::paint {

void Surface::Resize(int width, int height) {
    image_ = QImage(width < 0 ? 0 : width, height < 0 ? 0 : height, QImage::Format_RGB32);
    image_.fill(Qt::black);
    width_ = image_.width();
    height_ = image_.height();
    shaped_ = false;
    shape_.clear();
    shapeRuns_.clear();
    shapeRow_.clear();
    shapeRegion_ = QRegion();
}

void Surface::SetShape(const QRegion& shape) {
    if (shaped_ && shape == shapeRegion_) return;
    shaped_ = true;
    shapeRegion_ = shape;
    shapeRuns_.clear();
    shapeRow_.clear();
    shape_.assign(static_cast<std::size_t>(width_) * height_, 0);
    for (const QRect& r : shape)
        for (int y = std::max(r.top(), 0); y <= std::min(r.bottom(), height_ - 1); ++y)
            for (int x = std::max(r.left(), 0); x <= std::min(r.right(), width_ - 1); ++x)
                shape_[static_cast<std::size_t>(y) * width_ + x] = 1;
    for (int y = 0; y < height_; ++y) {
        shapeRow_.push_back(shapeRuns_.size());
        const std::uint8_t* inside = &shape_[static_cast<std::size_t>(y) * width_];
        for (int x = 0; x < width_;) {
            if (!inside[x]) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < width_ && inside[x]) ++x;
            shapeRuns_.emplace_back(start, x);
        }
    }
    shapeRow_.push_back(shapeRuns_.size());
}

void Surface::Clear(Colour colour) {
    image_.fill(ToQRgb(colour));
}

void Surface::Put(int x, int y, Colour colour) {
    if (Paintable(x, y)) Row(y)[x] = ToQRgb(colour);
}

Colour Surface::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return -1;
    return FromQRgb(image_.pixel(x, y));
}

void Surface::FillSpan(int x0, int x1, int y, Colour colour) {
    x0 = std::max(x0, 0), x1 = std::min(x1, width_);
    if (y < 0 || y >= height_ || x0 >= x1) return;
    QRgb* row = Row(y);
    const QRgb value = ToQRgb(colour);
    if (!shaped_) {
        std::fill(row + x0, row + x1, value);
        return;
    }
    for (std::size_t i = shapeRow_[y]; i < shapeRow_[y + 1]; ++i) {
        const int from = std::max(x0, shapeRuns_[i].first), to = std::min(x1, shapeRuns_[i].second);
        if (from < to) std::fill(row + from, row + to, value);
    }
}

void Surface::PaintRect(int x, int y, int w, int h, Colour colour, bool frameOnly) {
    if (w <= 0 || h <= 0) return;
    if (!frameOnly) {
        for (int row = std::max(y, 0); row < std::min(y + h, Height()); ++row)
            FillSpan(x, x + w, row, colour);
        return;
    }
    FillSpan(x, x + w, y, colour);
    FillSpan(x, x + w, y + h - 1, colour);
    for (int row = y + 1; row < y + h - 1; ++row) {
        Put(x, row, colour);
        Put(x + w - 1, row, colour);
    }
}

void Surface::PaintEllipse(int left, int top, int w, int h, Colour border, Colour fill) {
    // The outline is the ellipse minus the one two pixels further in; both come from the rasteriser
    // of the oval window shape, so the outline meets the cut exactly.
    for (const Span& s : EllipseSpans(left, top, w, h)) FillSpan(s.x0, s.x1, s.y, border);
    for (const Span& s : EllipseSpans(left + 2, top + 2, w - 4, h - 4)) FillSpan(s.x0, s.x1, s.y, fill);
}

// Bresenham's line from the pen to (x, y); the end pixel belongs to the next line of a path, so it
// is left out. The pen moves to (x, y).
void Surface::LineTo(int& penX, int& penY, int x, int y, Colour colour) {
    if (y == penY) { // the rows and columns of every frame: a span without the end pixel
        FillSpan(penX <= x ? penX : x + 1, penX <= x ? x : penX + 1, y, colour);
        penX = x;
        return;
    }
    if (x == penX) { // the sides of every frame: one pixel a row, the end row left out
        const int step = penY < y ? 1 : -1;
        if (x >= 0 && x < width_) {
            const QRgb value = ToQRgb(colour);
            uchar* bits = image_.bits();
            const qsizetype stride = image_.bytesPerLine();
            for (int row = penY; row != y; row += step)
                if (Paintable(x, row)) reinterpret_cast<QRgb*>(bits + row * stride)[x] = value;
        }
        penY = y;
        return;
    }
    const int dx = std::abs(x - penX), sx = penX < x ? 1 : -1;
    const int dy = -std::abs(y - penY), sy = penY < y ? 1 : -1;
    int error = dx + dy;
    while (penX != x || penY != y) {
        Put(penX, penY, colour);
        const int twice = 2 * error;
        if (twice >= dy) error += dy, penX += sx;
        if (twice <= dx) error += dx, penY += sy;
    }
}

void Surface::PaintLine(int x1, int y1, int x2, int y2, Colour colour) {
    LineTo(x1, y1, x2, y2, colour);
}

void Surface::PaintBevel(Colour c1, Colour c2, Colour c3, Colour c4, int inset, bool outerOnly) {
    // One connected path; each line leaves out its end pixel, so every corner goes to the later colour.
    const int m = std::abs(inset), right = Width() - 1 + inset, bottom = Height() - 1 + inset;
    int x = m, y = bottom;
    LineTo(x, y, m, m, c1);
    LineTo(x, y, right, m, c1);
    LineTo(x, y, right, bottom, c2);
    LineTo(x, y, m - 1, bottom, c2);
    if (outerOnly) return;
    x = m + 1, y = bottom - 1;
    LineTo(x, y, m + 1, m + 1, c3);
    LineTo(x, y, right - 1, m + 1, c3);
    LineTo(x, y, right - 1, bottom - 1, c4);
    LineTo(x, y, m, bottom - 1, c4);
}

void Surface::PaintPixel(int x, int y, Colour colour) {
    Put(x, y, colour);
}

void Surface::PaintFocusRect(int left, int top, int right, int bottom, Colour textColour) {
    if (right <= left || bottom <= top) return;
    const QRgb dot = 0xFFFFFF, between = ToQRgb(textColour) & 0xFFFFFF;
    const auto invert = [&](int x, int y) {
        if (!Paintable(x, y)) return;
        QRgb& p = reinterpret_cast<QRgb*>(image_.scanLine(y))[x];
        p ^= (x + y) % 2 == 0 ? dot : between;
    };
    // Four strips, as the platform draws them: a rectangle one pixel high has its top and bottom
    // strips on the same pixels, which are then inverted twice.
    for (int x = left; x < right; ++x) invert(x, top), invert(x, bottom - 1);
    for (int y = top + 1; y < bottom - 1; ++y) invert(left, y), invert(right - 1, y);
}

void Surface::DrawText(const QRect& rect, const QString& text, const QFont& font, int flags, Colour colour) {
    textColour_ = colour;
    if (image_.isNull() || text.isEmpty() || rect.isEmpty()) return;
    QFont plain = font;
    plain.setStyleStrategy(QFont::NoAntialias);
    for (const GlyphRun& run : glyphs_.Runs(text, plain, flags, rect.size()))
        FillSpan(rect.x() + run.x0, rect.x() + run.x1, rect.y() + run.y, colour);
}

void Surface::CopyFrom(const Surface& source) {
    const int w = std::min(width_, source.width_), h = std::min(height_, source.height_);
    for (int y = 0; y < h; ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(source.image_.constScanLine(y));
        QRgb* row = Row(y);
        for (int x = 0; x < w; ++x)
            if (Paintable(x, y)) row[x] = from[x] | 0xFF000000u;
    }
}

} // namespace chameleon_button::paint

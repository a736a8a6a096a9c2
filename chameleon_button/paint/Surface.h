#pragma once
// The drawing surface of a button: a persistent RGB32 image of the client size. All painting of
// the face goes onto it through the primitives below; the widget only copies it to the screen.
//
// Colours are RGB values 0x00BBGGRR. Coordinates are pixels of the face, origin top-left. Every
// primitive clips to the image and, when one is set, to the window shape. None of them fails.

#include "chameleon_button/ColorArithmetic.h"
#include "chameleon_button/paint/GlyphMasks.h"

#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <vector>

namespace chameleon_button::paint {

class Surface {
  public:
    Surface() = default;
    Surface(int width, int height) { Resize(width, height); }

    // A new size keeps nothing of the old picture (the next paint redraws the whole face) and drops
    // the window shape.
    void Resize(int width, int height);
    int Width() const { return width_; }
    int Height() const { return height_; }
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

    // Pixels outside shape are never painted from now on; an empty region leaves nothing to paint.
    void SetShape(const QRegion& shape);

    // Every pixel of the image, inside the shape or not, becomes colour.
    void Clear(Colour colour = 0);

    // frameOnly false fills the pixels x..x+w-1, y..y+h-1; true paints only their outermost ring.
    // A rectangle without width or height paints nothing.
    void PaintRect(int x, int y, int w, int h, Colour colour, bool frameOnly);

    // The ellipse inscribed in (left, top, w, h), filled, with an outline two pixels wide inside the
    // rectangle. Its pixels are those of the elliptic window shape of the same rectangle.
    void PaintEllipse(int left, int top, int w, int h, Colour border, Colour fill);

    // A one-pixel line from (x1, y1) towards (x2, y2): the start pixel is painted, the end pixel is
    // not, so a line of length zero paints nothing. Diagonals follow Bresenham's algorithm.
    void PaintLine(int x1, int y1, int x2, int y2, Colour colour);

    // Two nested one-pixel rings along the face border, outer c1 (top-left) and c2 (bottom-right),
    // inner c3 and c4; inset -1 moves them one pixel in. outerOnly paints the outer ring alone.
    void PaintBevel(Colour c1, Colour c2, Colour c3, Colour c4, int inset, bool outerOnly);

    void PaintPixel(int x, int y, Colour colour);

    // The dotted focus outline on the border of (left, top, right, bottom), right and bottom
    // exclusive: where x + y is even a pixel is XORed with white (the surface's background colour),
    // elsewhere with textColour. With black text every other pixel is inverted; painting the outline
    // twice at the same place restores the face.
    void PaintFocusRect(int left, int top, int right, int bottom, Colour textColour);

    // text laid out in rect by flags (Qt alignment and text flags) in font, without anti-aliasing:
    // only the glyphs' own pixels are painted, clipped to rect.
    void DrawText(const QRect& rect, const QString& text, const QFont& font, int flags, Colour colour);
    // The colour of the last text drawn (black before any): the text colour the surface holds.
    Colour TextColour() const { return textColour_; }

    // Pixels are read and written through these; PixelAt is -1 outside the image, Put paints only
    // where the primitives may paint.
    Colour PixelAt(int x, int y) const;
    void Put(int x, int y, Colour colour);
    bool Paintable(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
        return !shaped_ || shape_[static_cast<std::size_t>(y) * width_ + x] != 0;
    }

    // Every pixel of source that falls on this surface, copied to the same position unchanged.
    void CopyFrom(const Surface& source);

  private:
    void FillSpan(int x0, int x1, int y, Colour colour); // pixels x0 .. x1-1 of row y
    void LineTo(int& penX, int& penY, int x, int y, Colour colour);
    QRgb* Row(int y) { return reinterpret_cast<QRgb*>(image_.scanLine(y)); }

    QImage image_;
    int width_ = 0, height_ = 0;      // the image's, kept here because the painting asks them per pixel
    bool shaped_ = false;             // false until SetShape and after Resize: every pixel paints
    std::vector<std::uint8_t> shape_; // one flag a pixel, row by row, while shaped_
    // The same shape as runs x0 .. x1-1, row y's from shapeRuns_[shapeRow_[y]] to shapeRuns_[shapeRow_[y +
    // 1]].
    std::vector<std::pair<int, int>> shapeRuns_;
    std::vector<std::size_t> shapeRow_;
    GlyphMasks glyphs_;
    QRegion shapeRegion_;
    Colour textColour_ = 0;
};

} // namespace chameleon_button::paint

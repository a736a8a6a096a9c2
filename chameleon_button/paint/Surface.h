#pragma once
// The drawing surface of a button: a persistent RGB32 image of the client size. All painting of
// the face goes onto it; the widget only copies it to the screen.

#include <QImage>

namespace paint {

class Surface {
  public:
    Surface() = default;
    Surface(int width, int height) { Resize(width, height); }

    // A new size keeps nothing of the old picture: the next paint redraws the whole face.
    void Resize(int width, int height) {
        image_ = QImage(width < 0 ? 0 : width, height < 0 ? 0 : height, QImage::Format_RGB32);
        image_.fill(Qt::black);
    }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    QImage& Image() { return image_; }
    const QImage& Image() const { return image_; }

  private:
    QImage image_;
};

} // namespace paint

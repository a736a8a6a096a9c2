#include "chameleon_button/paint/BlitPicture.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <cmath>

namespace chameleon_button::paint {

int HiMetricToPixels(int hiMetric, double dpi) {
    const float pixels = static_cast<float>(hiMetric * dpi / 2540.0);
    return static_cast<int>(std::nearbyint(pixels));
}

double ScreenDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? 96.0 : screen->logicalDotsPerInch();
}

int GreyOf(int r, int g, int b) {
    const double red = std::nearbyint(0.3 * r);
    return static_cast<int>(std::nearbyint(red + 0.59 * g + 0.11 * b));
}

namespace {

int Red(Colour c) {
    return c & 255;
}
int Green(Colour c) {
    return (c >> 8) & 255;
}
int Blue(Colour c) {
    return (c >> 16) & 255;
}

// The working image P: w x h pixels of the picture; a pixel the picture does not cover is -1.
std::vector<Colour> WorkingImage(const Picture& picture, int w, int h, Colour maskColour) {
    std::vector<Colour> pixels(static_cast<std::size_t>(w) * h, -1);
    QImage source;
    if (picture.kind == Picture::Kind::Icon) {
        source = QImage(w, h, QImage::Format_RGB32);
        source.fill(ToQRgb(maskColour));
        QPainter painter(&source);
        painter.drawImage(0, 0, picture.image);
    } else {
        source = picture.image.convertToFormat(QImage::Format_RGB32);
    }
    for (int y = 0; y < std::min(h, source.height()); ++y)
        for (int x = 0; x < std::min(w, source.width()); ++x)
            pixels[static_cast<std::size_t>(y) * w + x] = FromQRgb(source.pixel(x, y));
    return pixels;
}

// The new colour of a face pixel q under picture pixel p, or q itself where it stays unchanged.
Colour Compose(Colour p, Colour q, const BlitStyle& style) {
    // The nearest colour the surface can show is p itself on a true-colour surface.
    if (style.useMaskColor && p == style.maskColour) return q;
    const int r = Red(p), g = Green(p), b = Blue(p);
    if (style.solidColour >= 0) {
        if (style.darkOnly && r + g + b > 384) return q;
        return style.solidColour;
    }
    if (style.greyscale) {
        const int grey = GreyOf(r, g, b);
        return Rgb(grey, grey, grey);
    }
    if (style.blend) return Rgb((2 * r + Red(q)) / 3, (2 * g + Green(q)) / 3, (2 * b + Blue(q)) / 3);
    return p;
}

} // namespace

void BlitPicture(Surface& surface, int x, int y, int w, int h, const Picture& picture,
                 const BlitStyle& style) {
    if (w == 0 || h == 0) return;
    if (w < 0) w = HiMetricToPixels(picture.widthHiMetric, ScreenDpi());
    if (h < 0) h = HiMetricToPixels(picture.heightHiMetric, ScreenDpi());
    if (w <= 0 || h <= 0) return;
    const std::vector<Colour> pixels = WorkingImage(picture, w, h, style.maskColour);
    for (int row = 0; row < h; ++row)
        for (int column = 0; column < w; ++column) {
            const Colour p = pixels[static_cast<std::size_t>(row) * w + column];
            const Colour q = surface.PixelAt(x + column, y + row);
            if (p < 0 || q < 0) continue;
            surface.Put(x + column, y + row, Compose(p, q, style));
        }
}

} // namespace chameleon_button::paint

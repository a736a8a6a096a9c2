#pragma once
// A picture of the button (its normal and hover pictures): the image, its kind, and its size in
// HiMetric units (hundredths of a millimetre), as pictures are stored.

#include <QImage>
#include <memory>

namespace chameleon_button {

struct Picture {
    enum class Kind { Bitmap, Icon, Other };
    Kind kind = Kind::Bitmap;
    QImage image; // ARGB32; an icon's transparent pixels have alpha 0
    int widthHiMetric = 0;
    int heightHiMetric = 0;

    // A picture of an image shown at dpi dots per inch (the image's pixel size at that density).
    static std::shared_ptr<const Picture> FromImage(const QImage& image, Kind kind, double dpi = 96.0);
};

using PictureRef = std::shared_ptr<const Picture>;

} // namespace chameleon_button

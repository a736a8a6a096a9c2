#include "chameleon_button/Picture.h"

#include <cmath>

namespace chameleon_button {

std::shared_ptr<const Picture> Picture::FromImage(const QImage& image, Kind kind, double dpi) {
    auto p = std::make_shared<Picture>();
    p->kind = kind;
    p->image = image.convertToFormat(QImage::Format_ARGB32);
    p->widthHiMetric = static_cast<int>(std::lround(image.width() * 2540.0 / dpi));
    p->heightHiMetric = static_cast<int>(std::lround(image.height() * 2540.0 / dpi));
    return p;
}

} // namespace chameleon_button

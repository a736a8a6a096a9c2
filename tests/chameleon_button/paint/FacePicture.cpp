#include "FacePicture.h"

#include <cstring>

std::string AsLetters(const paint::Surface& surface, const Legend& legend) {
    std::string out;
    for (int y = 0; y < surface.Height(); ++y) {
        if (y > 0) out += '\n';
        for (int x = 0; x < surface.Width(); ++x) {
            char letter = '?';
            for (const auto& [key, colour] : legend)
                if (colour == surface.PixelAt(x, y)) letter = key;
            out += letter;
        }
    }
    return out;
}

std::string Rows(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* row : rows) {
        if (!out.empty()) out += '\n';
        out += row;
    }
    return out;
}

paint::Surface FromLetters(std::initializer_list<const char*> rows, const Legend& legend) {
    const int h = static_cast<int>(rows.size());
    const int w = h == 0 ? 0 : static_cast<int>(std::strlen(*rows.begin()));
    paint::Surface surface(w, h);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < w; ++x) surface.PaintPixel(x, y, legend.at(row[x]));
        ++y;
    }
    return surface;
}

QImage ImageFromLetters(std::initializer_list<const char*> rows, const Legend& legend) {
    const int h = static_cast<int>(rows.size());
    const int w = h == 0 ? 0 : static_cast<int>(std::strlen(*rows.begin()));
    QImage image(w, h, QImage::Format_ARGB32);
    int y = 0;
    for (const char* row : rows) {
        for (int x = 0; x < w; ++x) image.setPixel(x, y, row[x] == ' ' ? 0u : ToQRgb(legend.at(row[x])));
        ++y;
    }
    return image;
}

#pragma once
// The pixels a text covers when drawn without anti-aliasing, kept for the texts a face draws again
// and again: a button repaints the same caption on every hover, press and release, and laying the
// text out and rasterising it costs more than the rest of the face together.

#include <QFont>
#include <QSize>
#include <QString>
#include <array>
#include <vector>

namespace chameleon_button::paint {

// A horizontal run of glyph pixels, x0 .. x1-1 of row y, relative to the text rectangle's corner.
struct GlyphRun {
    int y, x0, x1;
};

class GlyphMasks {
  public:
    // The runs of text laid out by flags in a rectangle of size at the origin, clipped to it. The
    // font is taken as given; the caller asks for the aliased strategy.
    const std::vector<GlyphRun>& Runs(const QString& text, const QFont& font, int flags, QSize size);

  private:
    struct Entry {
        QString text;
        QFont font;
        int flags = 0;
        QSize size;
        std::vector<GlyphRun> runs;
        bool used = false;
    };
    static std::vector<GlyphRun> Rasterise(const QString& text, const QFont& font, int flags, QSize size);

    // A caption with its effect copies and its hover and pressed states needs few entries.
    std::array<Entry, 8> entries_;
    std::size_t next_ = 0; // the entry replaced when a new text comes
};

} // namespace chameleon_button::paint

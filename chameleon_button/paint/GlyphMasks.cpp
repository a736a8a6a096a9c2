#include "chameleon_button/paint/GlyphMasks.h"

#include <QImage>
#include <QPainter>

namespace chameleon_button::paint {

const std::vector<GlyphRun>& GlyphMasks::Runs(const QString& text, const QFont& font, int flags, QSize size) {
    for (const Entry& e : entries_)
        if (e.used && e.flags == flags && e.size == size && e.text == text && e.font == font) return e.runs;
    Entry& e = entries_[next_];
    next_ = (next_ + 1) % entries_.size();
    e = Entry{text, font, flags, size, Rasterise(text, font, flags, size), true};
    return e.runs;
}

std::vector<GlyphRun> GlyphMasks::Rasterise(const QString& text, const QFont& font, int flags, QSize size) {
    std::vector<GlyphRun> runs;
    if (size.isEmpty() || text.isEmpty()) return runs;
    QImage ink(size, QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    {
        QPainter painter(&ink);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRect(QPoint(0, 0), size), flags, text);
    }
    for (int y = 0; y < size.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(ink.constScanLine(y));
        for (int x = 0; x < size.width();) {
            if (qAlpha(row[x]) == 0) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < size.width() && qAlpha(row[x]) != 0) ++x;
            runs.push_back({y, start, x});
        }
    }
    return runs;
}

} // namespace chameleon_button::paint

#include "chameleon_button/TextMetrics.h"

#include <QFontMetrics>

namespace chameleon_button {

QFont CaptionFont(const QFont& hostFont) {
    QFont font = hostFont;
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

int CaptionTextFlags() {
    return Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
}

QSize QtTextMetrics::Measure(const QString& caption, const QFont& font, int width) const {
    if (caption.isEmpty()) return {0, 0};
    const QFontMetrics metrics(CaptionFont(font));
    const QRect r =
        metrics.boundingRect(QRect(0, 0, width < 1 ? 1 : width, 100000),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
    return r.size();
}

} // namespace chameleon_button

// make_icons OUT_DIR SIZE...: writes the desktop icon as OUT_DIR/<SIZE>x<SIZE>/apps/<name>.png for the
// desktop's icon theme. The 16-pixel icon is the window's own pixel picture; every larger size is drawn
// afresh from the same design (a card of move names with a red gem) with smooth edges at that size, so
// that nothing is enlarged. The same size always gives the same bytes.

#include "editor/EditorPictures.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QString>

#include <cstdio>

namespace {

constexpr const char* IconName = "org.skirmela.Professional";

// The design in the 16 x 16 grid of the window icon; QPainter scales it to the icon's size.
const QColor Border(0x5a, 0x3a, 0x1a);
const QColor Card(0xf4, 0xe8, 0xc8);
const QColor Ink(0x40, 0x40, 0x40);
const QColor GemRim(0xb0, 0x18, 0x18);
const QColor GemLight(0xff, 0x60, 0x60);

// Lines of text on the card: their row (top edge) and length, starting at column 3.
struct TextLine {
    double row;
    double length;
};
constexpr TextLine TextLines[] = {{3, 6}, {5, 4}, {7, 6}, {9, 3}, {11, 5}};

QImage DrawIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const double unit = size / 16.0;
    p.scale(unit, unit);

    // The card, its brown rim a little finer than a grid cell once there are pixels to spare.
    const double rim = size >= 64 ? 0.75 : 1.0;
    const QRectF card(1 + rim / 2, 1 + rim / 2, 14 - rim, 13 - rim);
    p.setPen(QPen(Border, rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Card);
    p.drawRoundedRect(card, 1.2, 1.2);

    // Move names as strokes of ink, rounded at their ends.
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    for (const TextLine& line : TextLines) p.drawRoundedRect(QRectF(3, line.row, line.length, 1), 0.5, 0.5);

    // The gem: a red ball lit from the upper left, with a small highlight.
    const QPointF centre(12, 6);
    QRadialGradient light(QPointF(11.4, 5.4), 2.2);
    light.setColorAt(0, GemLight.lighter(115));
    light.setColorAt(0.55, GemLight);
    light.setColorAt(1, GemRim);
    p.setBrush(light);
    p.setPen(QPen(GemRim.darker(130), size >= 64 ? 0.25 : 0.4));
    p.drawEllipse(centre, 1.9, 1.9);
    if (size >= 32) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 170));
        p.drawEllipse(QPointF(11.3, 5.2), 0.55, 0.45);
    }
    p.end();
    return icon;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icons OUT_DIR SIZE...\n");
        return 1;
    }
    const QImage pixelIcon = editor::WindowIconPicture().convertToFormat(QImage::Format_ARGB32);
    if (pixelIcon.isNull()) {
        std::fprintf(stderr, "make_icons: the window icon cannot be decoded\n");
        return 1;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        if (!ok || size < pixelIcon.width() || size > 1024) {
            std::fprintf(stderr, "make_icons: %s is no icon size from %d to 1024\n", argv[i],
                         pixelIcon.width());
            return 1;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, QLatin1String(IconName));
        const QImage icon = size == pixelIcon.width() ? pixelIcon : DrawIcon(size);
        if (!QDir().mkpath(dir) || !icon.save(file, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

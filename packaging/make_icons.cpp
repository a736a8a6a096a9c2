// make_icons OUT_DIR SIZE...: writes the window's own icon as OUT_DIR/<SIZE>x<SIZE>/apps/<name>.png for
// the desktop's icon theme. Every size is a whole multiple of the 16-pixel picture, enlarged pixel for
// pixel so that its edges stay sharp, and the same picture always gives the same bytes.

#include "editor/EditorPictures.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

namespace {

constexpr const char* IconName = "org.skirmela.Professional";

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: make_icons OUT_DIR SIZE...\n");
        return 1;
    }
    const QImage picture = editor::WindowIconPicture().convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull()) {
        std::fprintf(stderr, "make_icons: the window icon cannot be decoded\n");
        return 1;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (int i = 2; i < argc; ++i) {
        bool ok = false;
        const int size = QString::fromLatin1(argv[i]).toInt(&ok);
        if (!ok || size <= 0 || size % picture.width() != 0 || picture.width() != picture.height()) {
            std::fprintf(stderr, "make_icons: %s is no whole multiple of the %d-pixel icon\n", argv[i],
                         picture.width());
            return 1;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, QLatin1String(IconName));
        const QImage icon = picture.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!QDir().mkpath(dir) || !icon.save(file, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}

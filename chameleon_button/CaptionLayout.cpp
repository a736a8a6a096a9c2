// Placing the caption and the picture on the face, and finding the caption's access key.

#include "chameleon_button/chameleonButton.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <cmath>

void chameleonButton::LayoutCaption() {
    const int W = ClientWidth, H = ClientHeight;
    ButtonRect work = CaptionRectDown; // positions outside 0 to 4 keep the previous working rectangle
    switch (PicturePosition) {
    case 0:
        work = {PictureWidth + 1, 1, W - 2, H - 2};
        break;
    case 1:
        work = {1, 1, W - 2 - PictureWidth, H - 2};
        break;
    case 2:
        work = {1, PictureHeight + 1, W - 2, H - 2};
        break;
    case 3:
        work = {1, 1, W - 2, H - 2 - PictureHeight};
        break;
    case 4:
        work = {1, 1, W - 2, H - 2};
        break;
    default:
        break;
    }
    const QSize measured = metrics_->Measure(Caption, font(), work.right - work.left);
    CaptionRect = {work.left, work.top, work.left + measured.width(), work.top + measured.height()};
    CaptionWidth = CaptionRect.right - CaptionRect.left;
    CaptionHeight = CaptionRect.bottom - CaptionRect.top;

    int dx = 0, dy = 0;
    switch (PicturePosition) {
    case 0:
    case 2:
    case 4:
        dx = (W - CaptionRect.right) / 2, dy = (H - CaptionRect.bottom) / 2;
        break;
    case 1:
        dx = (W - CaptionRect.right - PictureWidth - 4) / 2, dy = (H - CaptionRect.bottom) / 2;
        break;
    case 3:
        dx = (W - CaptionRect.right) / 2, dy = (H - CaptionRect.bottom - PictureHeight - 4) / 2;
        break;
    default:
        break;
    }
    CaptionRect = {CaptionRect.left + dx, CaptionRect.top + dy, CaptionRect.right + dx,
                   CaptionRect.bottom + dy};
    CaptionRectDown = {CaptionRect.left + 1, CaptionRect.top + 1, CaptionRect.right + 1,
                       CaptionRect.bottom + 1};
    PlacePicture();
}

void chameleonButton::ParseAccessKey() {
    accessKeys_.clear();
    const QString& c = Caption;
    const auto findKey = [&c]() -> QString {
        if (c.size() < 2) return {};
        const qsizetype p = c.indexOf(u'&');
        if (p < 0 || p == c.size() - 1) return {};
        if (c[p + 1] != u'&') return QString(c[p + 1]).toLower();
        const qsizetype q = c.indexOf(u'&', p + 2);
        if (q < 0) return {};
        if (q + 1 >= c.size()) return {};
        if (c[q + 1] == u'&') return {};
        return QString(c[q + 1]).toLower();
    };
    accessKeys_ = findKey();

    // The container routes Alt + the key to the button.
    delete accessShortcut_;
    accessShortcut_ = nullptr;
    if (!accessKeys_.isEmpty()) {
        accessShortcut_ = new QShortcut(QKeySequence(QStringLiteral("Alt+") + accessKeys_), this);
        accessShortcut_->setContext(Qt::WindowShortcut);
        connect(accessShortcut_, &QShortcut::activated, this, [this] { HandleAccessKey(); });
    }
}

void chameleonButton::MeasurePicture() {
    if (!PictureNormal) {
        PictureWidth = PictureHeight = 0;
        return;
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    const auto toPixels = [dpi](int hiMetric) {
        const float pixels = static_cast<float>(hiMetric * dpi / 2540.0);
        return static_cast<std::int32_t>(std::nearbyint(pixels));
    };
    PictureWidth = toPixels(PictureNormal->widthHiMetric);
    PictureHeight = toPixels(PictureNormal->heightHiMetric);
}

void chameleonButton::PlacePicture() {
    if (!PictureNormal && !PictureOver) return;
    const int W = ClientWidth, H = ClientHeight;
    // Only spaces count as blank here; a caption of tabs or line breaks still has the picture beside it.
    const bool blank = Caption.count(u' ') == Caption.size();
    if (!blank && PicturePosition != 4) {
        switch (PicturePosition) {
        case 0:
            PictureLeft = CaptionRect.left - PictureWidth - 4, PictureTop = (H - PictureHeight) / 2;
            break;
        case 1:
            PictureLeft = CaptionRect.right + 4, PictureTop = (H - PictureHeight) / 2;
            break;
        case 2:
            PictureLeft = (W - PictureWidth) / 2, PictureTop = CaptionRect.top - PictureHeight - 2;
            break;
        case 3:
            PictureLeft = (W - PictureWidth) / 2, PictureTop = CaptionRect.bottom + 2;
            break;
        default:
            break;
        }
        return;
    }
    PictureLeft = (W - PictureWidth) / 2;
    PictureTop = (H - PictureHeight) / 2;
}

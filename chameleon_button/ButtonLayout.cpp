// The button's face laid out: the caption placed by PlaceCaption, the picture measured and placed
// beside it, and the caption's access key found and routed to the button.

#include "chameleon_button/chameleonButton.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <cmath>

namespace chameleon_button {

CaptionRoom chameleonButton::CaptionRoomNow() const {
    // Positions without a name keep the previous working rectangle, which the layout holds in
    // CaptionRectDown.
    return {ClientWidth, ClientHeight, PicturePosition, PictureWidth, PictureHeight, CaptionRectDown};
}

void chameleonButton::LayoutCaption() {
    const CaptionLayout laid = PlaceCaption(Caption, font(), *metrics_, CaptionRoomNow());
    CaptionRect = laid.CaptionRect;
    CaptionRectDown = laid.CaptionRectDown;
    CaptionWidth = laid.CaptionWidth;
    CaptionHeight = laid.CaptionHeight;
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
    if (!blank && Placement() != PicturePlace::PictureBehindCaption) {
        switch (Placement()) {
        case PicturePlace::PictureLeftOfCaption:
            PictureLeft = CaptionRect.left - PictureWidth - 4, PictureTop = (H - PictureHeight) / 2;
            break;
        case PicturePlace::PictureRightOfCaption:
            PictureLeft = CaptionRect.right + 4, PictureTop = (H - PictureHeight) / 2;
            break;
        case PicturePlace::PictureAboveCaption:
            PictureLeft = (W - PictureWidth) / 2, PictureTop = CaptionRect.top - PictureHeight - 2;
            break;
        case PicturePlace::PictureBelowCaption:
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

} // namespace chameleon_button

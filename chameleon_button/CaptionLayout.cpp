// Where the caption goes on the face, as a pure function of the caption, its font and the room.

#include "chameleon_button/CaptionLayout.h"

namespace chameleon_button {

CaptionLayout PlaceCaption(const QString& caption, const QFont& font, const TextMetrics& metrics,
                           const CaptionRoom& room) {
    const int W = room.W, H = room.H;
    ButtonRect work = room.working;
    switch (static_cast<PicturePlace>(room.PicturePosition)) {
    case PicturePlace::PictureLeftOfCaption:
        work = {room.PictureWidth + 1, 1, W - 2, H - 2};
        break;
    case PicturePlace::PictureRightOfCaption:
        work = {1, 1, W - 2 - room.PictureWidth, H - 2};
        break;
    case PicturePlace::PictureAboveCaption:
        work = {1, room.PictureHeight + 1, W - 2, H - 2};
        break;
    case PicturePlace::PictureBelowCaption:
        work = {1, 1, W - 2, H - 2 - room.PictureHeight};
        break;
    case PicturePlace::PictureBehindCaption:
        work = {1, 1, W - 2, H - 2};
        break;
    default:
        break;
    }
    CaptionLayout out;
    out.Font = font;
    const QSize measured = metrics.Measure(caption, font, work.right - work.left);
    ButtonRect r{work.left, work.top, work.left + measured.width(), work.top + measured.height()};
    out.CaptionWidth = r.right - r.left;
    out.CaptionHeight = r.bottom - r.top;

    // The move halves the room left right of and below the measured text.
    int dx = 0, dy = 0;
    switch (static_cast<PicturePlace>(room.PicturePosition)) {
    case PicturePlace::PictureLeftOfCaption:
    case PicturePlace::PictureAboveCaption:
    case PicturePlace::PictureBehindCaption:
        dx = (W - r.right) / 2, dy = (H - r.bottom) / 2;
        break;
    case PicturePlace::PictureRightOfCaption:
        dx = (W - r.right - room.PictureWidth - 4) / 2, dy = (H - r.bottom) / 2;
        break;
    case PicturePlace::PictureBelowCaption:
        dx = (W - r.right) / 2, dy = (H - r.bottom - room.PictureHeight - 4) / 2;
        break;
    default:
        break;
    }
    out.CaptionRect = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    out.CaptionRectDown = {out.CaptionRect.left + 1, out.CaptionRect.top + 1, out.CaptionRect.right + 1,
                           out.CaptionRect.bottom + 1};
    return out;
}

} // namespace chameleon_button

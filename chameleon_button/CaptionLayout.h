#pragma once
// Where the caption goes: measured in a font and placed beside, above, below or over the picture.
// The button lays its caption out with its own font, and the default GlossGradient's caption in bold
// for the pass that shows it.

#include "chameleon_button/ButtonValues.h"
#include "chameleon_button/TextMetrics.h"

#include <QFont>

namespace chameleon_button {

// The caption as laid out in Font.
struct CaptionLayout {
    QFont Font;
    ButtonRect CaptionRect, CaptionRectDown; // CaptionRectDown is CaptionRect moved by (1, 1)
    std::int32_t CaptionWidth = 0, CaptionHeight = 0;
};

// The room the caption is laid out in: the face, the picture's position and size, and the working
// rectangle a position without a name keeps (the last layout's CaptionRectDown).
struct CaptionRoom {
    int W = 0, H = 0;
    std::int32_t PicturePosition = 0;
    std::int32_t PictureWidth = 0, PictureHeight = 0;
    ButtonRect working;
};

// caption measured with metrics in font within the working rectangle of room's picture position,
// then centred in the room the picture leaves (not moved for a position without a name).
CaptionLayout PlaceCaption(const QString& caption, const QFont& font, const TextMetrics& metrics,
                           const CaptionRoom& room);

} // namespace chameleon_button

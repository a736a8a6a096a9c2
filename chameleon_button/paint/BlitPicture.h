#pragma once
// Composition of a picture onto a face, pixel by pixel: transparency by a mask colour, solid
// silhouettes, greyscale and a two-to-one blend with what lies underneath.

#include "chameleon_button/Picture.h"
#include "chameleon_button/paint/Surface.h"

namespace chameleon_button::paint {

struct BlitStyle {
    Colour maskColour = 0; // RGB; the colour of transparent pixels while useMaskColor holds
    bool useMaskColor = false;
    Colour solidColour = -1; // RGB of a silhouette; negative: the picture's own colours
    bool darkOnly = false;   // a silhouette of the pixels with R + G + B at most 384 only
    bool greyscale = false;  // wins over blend; both are ignored for a silhouette
    bool blend = false;      // each channel (2 x picture + face) / 3
};

// Pixels of hiMetric hundredths of a millimetre at dpi dots per inch: single precision, ties to even.
int HiMetricToPixels(int hiMetric, double dpi);

// The logical resolution of the screen (96 without one).
double ScreenDpi();

// The grey of (r, g, b): round(round(0.3 r) + 0.59 g + 0.11 b), both roundings ties to even.
int GreyOf(int r, int g, int b);

// Draws the top-left w x h pixels of picture at (x, y) in style. An icon is drawn at its own size over
// the mask colour, so its transparent pixels take it. A negative w or h is the picture's own size at
// the screen's resolution; w or h 0 draws nothing. Pixels beyond a smaller bitmap stay unchanged.
void BlitPicture(Surface& surface, int x, int y, int w, int h, const Picture& picture,
                 const BlitStyle& style);

} // namespace chameleon_button::paint

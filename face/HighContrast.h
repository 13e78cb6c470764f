// The face's "High Contrast" drawing: winning paylines drawn thick with a dark edge, lamps that
// stand out from the black panel, a mark on the lamps of a winning line, and small captions on
// black.
#pragma once

#include <QImage>

namespace zandor {

// The lamp picture (unlit, lit, winning; 17 x 51 at a scale of 1, as MakeLampPicture lays it
// out otherwise) for high contrast: lit lamps in one bright colour without the darker shade,
// the winning lamp a lighter blue with a black and white mark in its middle.
QImage MakeHighContrastLamps(double scale = 1.0);

// A winning payline from (x0, y0) to (x1, y1): three pixels of red between edges of black,
// drawn the same every time it is drawn again.
void DrawThickPayline(QImage& canvas, int x0, int y0, int x1, int y1);

}  // namespace zandor

// A remembered spin drawn as the reel window looked when it stopped.
#pragma once

#include <QImage>

#include "machine/GameEvents.h"

namespace zandor {

// The reel window of a spin: the frame, the nine symbols from the artwork set (3 x 3 cells of
// symbolSize) and the winning paylines in red, lineWidth pixels wide (0: as on the face).
// Without artwork, each symbol is its number. The picture has the artwork's device pixel ratio
// (its size in logical pixels is the same at every ratio).
QImage DrawSpinPicture(const QImage& artwork, int symbolSize, const SpinReport& spin,
                       int lineWidth = 0);

}  // namespace zandor

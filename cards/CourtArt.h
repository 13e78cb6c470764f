// The court pictures of the king, queen and jack, drawn in code.
#pragma once

#include <QImage>

namespace zandor {

// The 141 x 148 sheet of court pictures 47 x 74: king at x 0, queen at x 47, jack at x 94;
// the upper row for the black suits, the lower row (from row 74) for the red suits. A scale
// other than 1 draws it that many times finer, marked with that device pixel ratio.
QImage MakeCourtSheet(double scale = 1.0);

}  // namespace zandor

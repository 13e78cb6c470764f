// The letter strip for meter captions: A..Z as bold stroked capitals for a black background.
#pragma once

#include <QImage>

namespace zandor::media {

// Letter L occupies columns 13L..13L+11 and rows 0..26; column 13L+12 stays black. At a scale
// other than 1 the same strokes are drawn that many times finer, for a high-density screen.
QImage RenderLetters(double scale = 1.0);

}  // namespace zandor::media

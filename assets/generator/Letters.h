// The letter strip for meter captions: A..Z as bold stroked capitals for a black background.
#pragma once

#include <QImage>

namespace media {

// Letter L occupies columns 13L..13L+11 and rows 0..26; column 13L+12 stays black.
QImage RenderLetters();

}  // namespace media

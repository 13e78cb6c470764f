// The remembered spin's picture at the screen's density: whole symbols, as sharp as the face.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdlib>

#include "face/Glyphs.h"
#include "record/SpinPicture.h"
#include "tests/support/TestApp.h"

using namespace zandor;

namespace {

QGuiApplication& App() { return TestApp<QGuiApplication>(); }

// An artwork set of logical cell size s drawn at a ratio: each cell is a smooth ramp (down in
// green, across in blue) in its own red, so a cell cut in the wrong place or at the wrong size
// shows as another ramp or another red.
QImage SmoothArt(int s, double ratio) {
  const int side = DevicePixel(3 * s, ratio), cell = DevicePixel(s, ratio);
  QImage img(side, side, QImage::Format_RGB32);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x) {
      const int v = (y / cell) * 3 + x / cell;
      img.setPixel(x, y,
                   qRgb(25 * v + 10, 40 + 170 * (y % cell) / cell, 40 + 170 * (x % cell) / cell));
    }
  img.setDevicePixelRatio(ratio);
  return img;
}

}  // namespace

// At 150 % and 200 % the picture holds that many more pixels, and brought back to one pixel
// per pixel it matches the picture drawn at 100 % inside every cell.
TEST(SpinPicture, SharpWholeSymbolsAtEveryScale) {
  App();
  const int s = 96, margin = 14, gap = 9;
  SpinReport spin;
  spin.Grid = {8, 0, 4, 2, 7, 1, 5, 3, 6};
  const QImage plain = DrawSpinPicture(SmoothArt(s, 1), s, spin);
  for (const double ratio : {1.5, 2.0}) {
    SCOPED_TRACE(ratio);
    const QImage fine = DrawSpinPicture(SmoothArt(s, ratio), s, spin);
    EXPECT_EQ(fine.devicePixelRatio(), ratio);
    EXPECT_EQ(fine.deviceIndependentSize().toSize(), plain.size());
    EXPECT_EQ(fine.width(), DevicePixel(plain.width(), ratio));
    const QImage back = fine.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int worst = 0;
    for (int reel = 0; reel < 3; ++reel)
      for (int row = 0; row < 3; ++row)
        for (int y = 4; y < s - 4; y += 7)
          for (int x = 4; x < s - 5; x += 7) {
            const QPoint at(margin + reel * (s + gap) + x, margin + row * s + y);
            const QRgb a = plain.pixel(at), b = back.pixel(at);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
          }
    EXPECT_LE(worst, 6);
  }
}

#include "record/SpinPicture.h"

#include <QPainter>

#include "face/Glyphs.h"

namespace zandor {

namespace {

// The frame around the reels, as wide as the face's.
constexpr int kMargin = 14;
constexpr int kGap = 9;

}  // namespace

QImage DrawSpinPicture(const QImage& artwork, int symbolSize, const SpinReport& spin,
                       int lineWidth) {
  const int s = symbolSize > 0 ? symbolSize : 96;
  const int w = 3 * s + 2 * kGap + 2 * kMargin, h = 3 * s + 2 * kMargin;
  // The picture is drawn at the artwork's density: on a high-density screen the artwork holds
  // more device pixels than logical ones, and the cells are cut in logical units from it.
  const double ratio = artwork.isNull() ? 1.0 : artwork.devicePixelRatio();
  QImage img = MakeCanvas(w, h, ratio, FaceColor);
  DrawBevel(img, kMargin - 6, kMargin - 6, w - kMargin + 6, h - kMargin + 6, 3);
  const bool art = !artwork.isNull() && artwork.width() >= DevicePixel(3 * s, ratio) &&
                   artwork.height() >= DevicePixel(3 * s, ratio);
  // The artwork's cells are copied pixel for pixel before any painter opens on the picture.
  for (int reel = 0; reel < 3 && art; ++reel)
    for (int row = 0; row < 3; ++row) {
      const int v = spin.Grid[reel * 3 + row];
      CopyRect(img, kMargin + reel * (s + kGap), kMargin + row * s, artwork, (v % 3) * s,
               (v / 3) * s, s - 1, s);
    }
  QPainter p(&img);
  for (int reel = 0; reel < 3 && !art; ++reel) {
    const int x = kMargin + reel * (s + kGap);
    for (int row = 0; row < 3; ++row) {
      const QRect cell(x, kMargin + row * s, s - 1, s);
      p.fillRect(cell, Qt::white);
      p.setPen(Qt::black);
      p.setFont(FaceFont(s / 6, true));
      p.drawText(cell, Qt::AlignCenter, QString::number(spin.Grid[reel * 3 + row]));
    }
  }
  // The paylines run through the cells' centres: middle, top, bottom and the two diagonals.
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::red, lineWidth > 0 ? lineWidth : std::max(2, s / 32)));
  const int l = kMargin - 10, r = w - kMargin + 10, top = kMargin, mid = kMargin + s / 2;
  const QLine lines[5] = {QLine(l, mid + s, r, mid + s), QLine(l, mid, r, mid),
                          QLine(l, mid + 2 * s, r, mid + 2 * s),
                          QLine(l, top - 10, r, h - top + 10), QLine(l, h - top + 8, r, top - 12)};
  for (int k = 0; k < 5; ++k)
    if (spin.LinePays[k] > 0) p.drawLine(lines[k]);
  return img;
}

}  // namespace zandor

#include "face/HighContrast.h"

#include <QPainter>
#include <cmath>

#include "face/Glyphs.h"

namespace zandor {

QImage MakeHighContrastLamps(double scale) {
  // Lit lamps in one colour without the darker shade; blue on black is too dark to see as lit,
  // so the winning lamp's blue is brighter than the red.
  const QRgb red = qRgb(255, 0, 0), lightBlue = qRgb(64, 160, 255);
  const LampColours colours{{qRgb(0, 0, 0), red, lightBlue}, {qRgb(0, 0, 0), red, lightBlue}};
  QImage lamps = MakeLampPicture(scale, colours);
  // The winning lamp's mark: a black square with a white centre, on whole device pixels.
  const auto at = [scale](int v) { return static_cast<int>(std::lround(v * scale)); };
  const int top = 2 * LampPitch(scale);
  const auto square = [&](int from, int to, QRgb c) {
    for (int y = at(from); y < at(to); ++y)
      for (int x = at(from); x < at(to); ++x) lamps.setPixel(x, top + y, c);
  };
  square(6, 11, qRgb(0, 0, 0));
  square(7, 10, qRgb(255, 255, 255));
  return lamps;
}

void DrawThickPayline(QImage& canvas, int x0, int y0, int x1, int y1) {
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing, false);
  const QLineF line(x0 + 0.5, y0 + 0.5, x1 + 0.5, y1 + 0.5);
  p.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(line);
  p.setPen(QPen(QColor(255, 0, 0), 3, Qt::SolidLine, Qt::FlatCap));
  p.drawLine(line);
}

}  // namespace zandor

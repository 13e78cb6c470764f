#include "face/HighContrast.h"

#include <QPainter>

#include "face/Glyphs.h"

namespace zandor {

QImage MakeHighContrastLamps() {
  QImage lamps = MakeLampPicture(1.0);
  const QRgb red = qRgb(255, 0, 0), darkRed = qRgb(128, 0, 0);
  const QRgb blue = qRgb(0, 0, 255), darkBlue = qRgb(0, 0, 128);
  // Blue on black is too dark to see as lit; this blue is brighter than the red.
  const QRgb lightBlue = qRgb(64, 160, 255);
  for (int y = 0; y < lamps.height(); ++y) {
    for (int x = 0; x < lamps.width(); ++x) {
      const QRgb c = lamps.pixel(x, y);
      if (c == darkRed) lamps.setPixel(x, y, red);
      if (c == blue || c == darkBlue) lamps.setPixel(x, y, lightBlue);
    }
  }
  // The winning lamp's mark: a black disc with a white centre.
  QPainter p(&lamps);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::black);
  p.drawRect(6, 34 + 6, 5, 5);
  p.setBrush(Qt::white);
  p.drawRect(7, 34 + 7, 3, 3);
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

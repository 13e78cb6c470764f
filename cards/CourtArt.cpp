#include "cards/CourtArt.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace zandor {

namespace {

enum Figure { King, Queen, Jack };

const QColor Gold(236, 186, 44);
const QColor Skin(252, 224, 190);
const QColor Outline(20, 20, 20);
const QColor Blue(36, 72, 170);
const QColor Crimson(196, 30, 36);

// The upper half (47 x 37) of a court picture; the lower half is the same turned round.
QImage Blank(int width, int height, double scale) {
  QImage image(static_cast<int>(std::lround(width * scale)),
               static_cast<int>(std::lround(height * scale)), QImage::Format_RGB32);
  // The painter then draws in the picture's own units, finer by the scale.
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  return image;
}

QImage CourtHalf(Figure figure, bool redRow, double scale) {
  QImage half = Blank(47, 37, scale);
  QPainter p(&half);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor robe = redRow ? Crimson : Blue;
  const QColor lining = redRow ? Blue : Crimson;
  // The king's head leans right of his corner pip, the queen's and jack's left of theirs.
  const double hx = figure == King ? 29.0 : 18.0;
  const QPen line(Outline, 0.8);

  // Robe over the shoulders.
  QPainterPath body;
  body.moveTo(hx - 17, 37);
  body.lineTo(hx - 15, 28);
  body.cubicTo(hx - 13, 23, hx - 6, 22, hx, 22);
  body.cubicTo(hx + 6, 22, hx + 13, 23, hx + 15, 28);
  body.lineTo(hx + 17, 37);
  body.closeSubpath();
  p.setPen(line);
  p.setBrush(robe);
  p.drawPath(body);
  // Sleeves in the lining colour with gold cuffs.
  p.setBrush(lining);
  p.drawRect(QRectF(hx - 15, 29, 6, 8));
  p.drawRect(QRectF(hx + 9, 29, 6, 8));
  p.setBrush(Gold);
  p.drawRect(QRectF(hx - 15, 33, 6, 2));
  p.drawRect(QRectF(hx + 9, 33, 6, 2));
  // Gold band down the front with lining-coloured lozenges.
  p.setBrush(Gold);
  p.drawRect(QRectF(hx - 3, 24, 6, 13));
  p.setPen(Qt::NoPen);
  p.setBrush(lining);
  for (int k = 0; k < 3; ++k) {
    const double y = 26.5 + 4.5 * k;
    QPolygonF lozenge;
    lozenge << QPointF(hx, y - 1.6) << QPointF(hx + 1.8, y) << QPointF(hx, y + 1.6)
            << QPointF(hx - 1.8, y);
    p.drawPolygon(lozenge);
  }
  // Collar: a white ruff for the queen, gold for the others.
  p.setPen(line);
  p.setBrush(figure == Queen ? QColor(Qt::white) : Gold);
  p.drawEllipse(QPointF(hx, 22.5), 7.5, 2.6);

  // Hair behind the face.
  const QColor hair = figure == King    ? QColor(235, 235, 228)
                      : figure == Queen ? QColor(214, 150, 40)
                                        : QColor(128, 74, 30);
  p.setBrush(hair);
  if (figure == Queen) {
    p.drawRoundedRect(QRectF(hx - 8, 8, 16, 15), 5, 5);
  } else {
    p.drawEllipse(QPointF(hx, 14), 6.8, 7.2);
  }
  // Face.
  p.setBrush(Skin);
  p.drawEllipse(QPointF(hx, 15), 5.0, 6.0);
  if (figure == King) {
    // Beard and moustache.
    QPainterPath beard;
    beard.moveTo(hx - 5, 16);
    beard.cubicTo(hx - 5, 23, hx + 5, 23, hx + 5, 16);
    beard.cubicTo(hx + 3, 18.5, hx - 3, 18.5, hx - 5, 16);
    p.setBrush(hair);
    p.drawPath(beard);
  }
  // Eyes and mouth.
  p.setPen(Qt::NoPen);
  p.setBrush(Outline);
  p.drawEllipse(QPointF(hx - 2, 14), 0.8, 0.8);
  p.drawEllipse(QPointF(hx + 2, 14), 0.8, 0.8);
  p.setPen(QPen(figure == King ? Outline : Crimson, 0.8));
  p.drawLine(QPointF(hx - 1.5, 18.2), QPointF(hx + 1.5, 18.2));

  // Head wear: crowns for king and queen, a feathered cap for the jack.
  p.setPen(line);
  p.setBrush(Gold);
  if (figure == Jack) {
    QPainterPath cap;
    cap.moveTo(hx - 7, 10);
    cap.cubicTo(hx - 6, 3, hx + 6, 3, hx + 7, 10);
    cap.closeSubpath();
    p.setBrush(lining);
    p.drawPath(cap);
    p.setBrush(Gold);
    p.drawRect(QRectF(hx - 7, 9, 14, 2));
    QPainterPath feather;
    feather.moveTo(hx + 4, 6);
    feather.cubicTo(hx + 10, 1, hx + 14, 3, hx + 15, 8);
    feather.cubicTo(hx + 12, 5, hx + 8, 5, hx + 4, 6);
    p.setBrush(robe);
    p.drawPath(feather);
  } else {
    const double top = figure == King ? 1.5 : 3.5;
    QPolygonF crown;
    crown << QPointF(hx - 6.5, 10) << QPointF(hx - 7, top) << QPointF(hx - 3.5, top + 4)
          << QPointF(hx, top - 0.5) << QPointF(hx + 3.5, top + 4) << QPointF(hx + 7, top)
          << QPointF(hx + 6.5, 10);
    p.drawPolygon(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(lining);
    p.drawEllipse(QPointF(hx, 8), 1.2, 1.2);
  }

  // What each one holds: the king a sword, the queen a flower, the jack a staff.
  p.setPen(line);
  if (figure == King) {
    p.setBrush(QColor(210, 214, 222));
    p.drawRect(QRectF(hx - 11.5, 7, 2, 22));
    p.setBrush(Gold);
    p.drawRect(QRectF(hx - 14, 27, 7, 2));
    p.drawRect(QRectF(hx - 11.5, 29, 2, 5));
  } else if (figure == Queen) {
    p.setPen(QPen(QColor(30, 120, 40), 1.0));
    p.drawLine(QPointF(hx + 12, 35), QPointF(hx + 12, 24));
    p.setPen(line);
    p.setBrush(lining);
    for (int i = 0; i < 4; ++i) {
      const double dx = (i % 2 ? 1.6 : -1.6) * (i < 2 ? 1 : 0),
                   dy = (i % 2 ? 1.6 : -1.6) * (i < 2 ? 0 : 1);
      p.drawEllipse(QPointF(hx + 12 + dx, 22 + dy), 1.7, 1.7);
    }
    p.setBrush(Gold);
    p.drawEllipse(QPointF(hx + 12, 22), 1.2, 1.2);
  } else {
    p.setBrush(QColor(150, 95, 40));
    p.drawRect(QRectF(hx + 11, 12, 1.8, 25));
    p.setBrush(QColor(210, 214, 222));
    QPolygonF head;
    head << QPointF(hx + 11.9, 4) << QPointF(hx + 14.5, 10) << QPointF(hx + 11.9, 13)
         << QPointF(hx + 9.3, 10);
    p.drawPolygon(head);
  }
  return half;
}

}  // namespace

QImage MakeCourtSheet(double scale) {
  QImage sheet = Blank(141, 148, scale);
  QPainter p(&sheet);
  for (int row = 0; row < 2; ++row) {
    for (int figure = King; figure <= Jack; ++figure) {
      const int x0 = 47 * figure, y0 = 74 * row;
      const QImage half = CourtHalf(static_cast<Figure>(figure), row == 1, scale);
      QImage turned = half.mirrored(true, true);
      turned.setDevicePixelRatio(scale);
      p.drawImage(x0, y0, half);
      p.drawImage(x0, y0 + 37, turned);
      // A thin frame in the suit's colour, with the two halves parted by a rule.
      p.setPen(row == 1 ? Crimson : Outline);
      p.setBrush(Qt::NoBrush);
      p.drawRect(x0, y0, 46, 73);
      p.drawLine(x0 + 1, y0 + 37, x0 + 45, y0 + 37);
    }
  }
  return sheet;
}

}  // namespace zandor

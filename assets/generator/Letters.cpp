#include "assets/generator/Letters.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <cmath>

namespace zandor::media {
namespace {

// Each letter is a list of strokes on a 9 x 18 design grid (y downwards). A stroke is a run of
// "x,y" points and "a:cx,cy,rx,ry,from,to" elliptic arcs (degrees, counter-clockwise from the
// positive x axis as seen on screen), all joined in order.
const char* const kStrokes[26] = {
    /*A*/ "0,18 4.5,0 9,18|1.8,11 7.2,11",
    /*B*/
    ("0,0 0,18|0,0 5.5,0 a:5.5,4.25,3.5,4.25,90,-90 0,8.5|0,8.5 5.2,8.5 "
     "a:5.2,13.25,3.8,4.75,90,-90 0,18"),
    /*C*/ "a:4.7,9,4.5,9,48,312",
    /*D*/ "0,0 0,18|0,0 3,0 a:3,9,6,9,90,-90 0,18",
    /*E*/ "9,0 0,0 0,18 9,18|0,9 6.5,9",
    /*F*/ "9,0 0,0 0,18|0,9 6.5,9",
    /*G*/ "a:4.6,9,4.5,9,48,360|5,10 9,10 9,16",
    /*H*/ "0,0 0,18|9,0 9,18|0,9 9,9",
    /*I*/ "4.5,0 4.5,18|1.5,0 7.5,0|1.5,18 7.5,18",
    /*J*/ "9,0 9,13.5 a:4.5,13.5,4.5,4.5,0,-180",
    /*K*/ "0,0 0,18|9,0 0,10.5|3,7.5 9,18",
    /*L*/ "0,0 0,18 9,18",
    /*M*/ "0,18 0,0 4.5,11 9,0 9,18",
    /*N*/ "0,18 0,0 9,18 9,0",
    /*O*/ "a:4.5,9,4.5,9,0,360",
    /*P*/ "0,18 0,0 5,0 a:5,4.75,4,4.75,90,-90 0,9.5",
    /*Q*/ "a:4.5,9,4.5,9,0,360|5,12 9.3,18",
    /*R*/ "0,18 0,0 5,0 a:5,4.75,4,4.75,90,-90 0,9.5|4.5,9.5 9,18",
    /*S*/ "a:4.5,4.5,4.3,4.5,30,270 a:4.5,13.5,4.5,4.5,90,-150",
    /*T*/ "0,0 9,0|4.5,0 4.5,18",
    /*U*/ "0,0 0,13.5 a:4.5,13.5,4.5,4.5,180,360 9,0",
    /*V*/ "0,0 4.5,18 9,0",
    /*W*/ "0,0 2,18 4.5,6 7,18 9,0",
    /*X*/ "0,0 9,18|9,0 0,18",
    /*Y*/ "0,0 4.5,9 9,0|4.5,9 4.5,18",
    /*Z*/ "0,0 9,0 0,18 9,18",
};

QPainterPath StrokePath(const QString& stroke, QPointF origin) {
  QPainterPath path;
  bool started = false;
  auto add = [&](QPointF q) {
    if (started) {
      path.lineTo(origin + q);
    } else {
      path.moveTo(origin + q);
      started = true;
    }
  };
  for (const QString& token : stroke.split(' ', Qt::SkipEmptyParts)) {
    if (token.startsWith("a:")) {
      const QStringList v = token.mid(2).split(',');
      const double cx = v[0].toDouble(), cy = v[1].toDouble(), rx = v[2].toDouble(),
                   ry = v[3].toDouble(), from = v[4].toDouble(), to = v[5].toDouble();
      const int steps = std::max(6, static_cast<int>(std::abs(to - from) / 8));
      for (int i = 0; i <= steps; ++i) {
        const double a = (from + (to - from) * i / steps) * M_PI / 180.0;
        add(QPointF(cx + rx * std::cos(a), cy - ry * std::sin(a)));
      }
    } else {
      const QStringList v = token.split(',');
      add(QPointF(v[0].toDouble(), v[1].toDouble()));
    }
  }
  return path;
}

}  // namespace

QImage RenderLetters(double scale) {
  QImage strip(static_cast<int>(std::lround(26 * 13 * scale)),
               static_cast<int>(std::lround(27 * scale)), QImage::Format_RGB32);
  strip.fill(Qt::black);
  QPainter p(&strip);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  // Warm gold, lighter at the top, like lettering on a lit marquee.
  QLinearGradient ink(0, 4, 0, 24);
  ink.setColorAt(0.0, QColor(255, 246, 176));
  ink.setColorAt(0.5, QColor(255, 214, 72));
  ink.setColorAt(1.0, QColor(240, 160, 24));
  QPen pen(QBrush(ink), 2.1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
  pen.setMiterLimit(1.1);
  p.setPen(pen);
  p.setBrush(Qt::NoBrush);
  for (int letter = 0; letter < 26; ++letter) {
    const QPointF origin(13 * letter + 1.5, 5.0);
    p.save();
    // Keep every letter inside its own 12 pixels so neighbours never bleed into each other.
    p.setClipRect(13 * letter, 0, 12, 27);
    for (const QString& stroke : QString(kStrokes[letter]).split('|')) {
      p.drawPath(StrokePath(stroke, origin));
    }
    p.restore();
  }
  p.end();
  return strip;
}

}  // namespace zandor::media

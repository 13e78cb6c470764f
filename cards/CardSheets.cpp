#include "cards/CardSheets.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

namespace zandor {

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Ink = qRgb(0, 0, 0);
const QRgb CardRed = qRgb(208, 0, 0);
const int CornerRadius = 6;

// Rank glyphs, 7 or 8 columns by 13 rows, in rank order A, 2 .. 10, J, Q, K.
const std::array<std::array<const char*, 13>, 13> RankGlyphs{{
    {"..###..", "..###..", ".##.##.", ".##.##.", ".##.##.", "##...##", "##...##", "#######",
     "#######", "##...##", "##...##", "##...##", "##...##"},
    {".#####.", "##...##", "##...##", ".....##", "....##.", "...##..", "..##...", ".##....",
     "##.....", "##.....", "##.....", "#######", "#######"},
    {".#####.", "##...##", ".....##", ".....##", "....##.", "..###..", "....##.", ".....##",
     ".....##", ".....##", "##...##", "##...##", ".#####."},
    {"....##.", "...###.", "..####.", ".##.##.", ".##.##.", "##..##.", "##..##.", "#######",
     "#######", "....##.", "....##.", "....##.", "....##."},
    {"#######", "##.....", "##.....", "##.....", "######.", ".....##", ".....##", ".....##",
     ".....##", ".....##", "##...##", "##...##", ".#####."},
    {"..####.", ".##....", "##.....", "##.....", "######.", "##...##", "##...##", "##...##",
     "##...##", "##...##", "##...##", "##...##", ".#####."},
    {"#######", "#######", ".....##", "....##.", "....##.", "...##..", "...##..", "..##...",
     "..##...", "..##...", ".##....", ".##....", ".##...."},
    {".#####.", "##...##", "##...##", "##...##", ".##.##.", "..###..", ".##.##.", "##...##",
     "##...##", "##...##", "##...##", "##...##", ".#####."},
    {".#####.", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##",
     ".######", ".....##", ".....##", "....##.", ".####.."},
    {".#..###.", "##.##.##", ".#.##.##", ".#.##.##", ".#.##.##", ".#.##.##", ".#.##.##", ".#.##.##",
     ".#.##.##", ".#.##.##", ".#.##.##", ".#.##.##", "###.###."},
    {"...####", "....##.", "....##.", "....##.", "....##.", "....##.", "....##.", "....##.",
     "....##.", "##..##.", "##..##.", "##..##.", ".####.."},
    {"..###..", ".##.##.", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##",
     "##.#.##", "##..###", ".##.##.", "..#####", "......#"},
    {"##...##", "##...##", "##..##.", "##..##.", "##.##..", "####...", "###....", "####...",
     "##.##..", "##..##.", "##..##.", "##...##", "##...##"},
}};

// The device pixel where a card pixel falls at a scale.
int Device(int logical, double scale) {
  return scale == 1 ? logical : static_cast<int>(std::lround(logical * scale));
}

QImage WhiteImage(int w, int h, double scale = 1) {
  QImage image(Device(w, scale), Device(h, scale), QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(White);
  return image;
}

// The device pixel (x, y) of a card drawn at a scale, by its centre: inside the rounded outline,
// and on the outline's band one card pixel wide.
bool InsideCardAt(int x, int y, double scale, double inset = 0) {
  const double px = (x + 0.5) / scale, py = (y + 0.5) / scale, r = CornerRadius - inset;
  const double cx = std::clamp(px, CornerRadius + 0.0, CardWidth - CornerRadius + 0.0);
  const double cy = std::clamp(py, CornerRadius + 0.0, CardHeight - CornerRadius + 0.0);
  if (px < inset || py < inset || px > CardWidth - inset || py > CardHeight - inset) return false;
  return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
}
bool OnOutlineAt(int x, int y, double scale) {
  return InsideCardAt(x, y, scale) && !InsideCardAt(x, y, scale, 1);
}

// Pixel (x, y) lies inside the card's rounded outline.
bool InsideCard(int x, int y) {
  const double px = x + 0.5, py = y + 0.5, r = CornerRadius;
  const double cx = std::clamp(px, r, CardWidth - r), cy = std::clamp(py, r, CardHeight - r);
  return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= r * r;
}

// On the outline: inside, with a side neighbour outside the card or off the picture.
bool OnOutline(int x, int y) {
  auto out = [](int u, int v) {
    return u < 0 || v < 0 || u >= CardWidth || v >= CardHeight || !InsideCard(u, v);
  };
  return InsideCard(x, y) && (out(x - 1, y) || out(x + 1, y) || out(x, y - 1) || out(x, y + 1));
}

QRgb Blend(QRgb ink, double coverage) {
  auto mix = [coverage](int a, int b) {
    return static_cast<int>(std::lround(a + (b - a) * coverage));
  };
  return qRgb(mix(255, qRed(ink)), mix(255, qGreen(ink)), mix(255, qBlue(ink)));
}

// Suit shapes on [-1, 1] x [-1, 1], y downwards.
bool InCircle(double x, double y, double cx, double cy, double r) {
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}
bool InStem(double x, double y, double top) {
  if (y < top || y > 0.98) return false;
  const double t = (y - top) / (0.98 - top);
  return std::abs(x) <= 0.07 + 0.33 * t * t;
}
bool InClub(double x, double y) {
  return InCircle(x, y, 0, -0.5, 0.37) || InCircle(x, y, -0.5, 0.12, 0.37) ||
         InCircle(x, y, 0.5, 0.12, 0.37) || InCircle(x, y, 0, 0.0, 0.22) || InStem(x, y, 0.0);
}
bool InHeart(double x, double y) {
  if (InCircle(x, y, -0.46, -0.4, 0.5) || InCircle(x, y, 0.46, -0.4, 0.5)) return true;
  return y >= -0.4 && std::abs(x) <= 0.95 * std::min(1.0, (0.98 - y) / 1.18);
}
bool InDiamond(double x, double y) { return std::abs(x) / 0.78 + std::abs(y) <= 0.99; }
bool InSpade(double x, double y) {
  if (InCircle(x, y, -0.45, 0.18, 0.45) || InCircle(x, y, 0.45, 0.18, 0.45)) return true;
  if (y >= -0.98 && y <= 0.18 && std::abs(x) <= 0.9 * (y + 0.98) / 1.16) return true;
  return InStem(x, y, 0.1);
}

// Renders one suit sign of n x n pixels into image at (left, top), rotated half a turn when
// upsideDown, with 4 x 4 samples a pixel so small signs keep clean edges.
void RenderSuit(QImage& image, int left, int top, int n, int suit, bool upsideDown) {
  const std::function<bool(double, double)> shapes[4] = {InClub, InHeart, InDiamond, InSpade};
  const QRgb ink = (suit == 1 || suit == 2) ? CardRed : Ink;
  const int samples = 4;
  for (int y = 0; y < n; ++y) {
    for (int x = 0; x < n; ++x) {
      int hits = 0;
      for (int sy = 0; sy < samples; ++sy) {
        for (int sx = 0; sx < samples; ++sx) {
          const double u = ((x + (sx + 0.5) / samples) / n) * 2 - 1;
          const double v = ((y + (sy + 0.5) / samples) / n) * 2 - 1;
          if (shapes[suit](u * 1.04, v * 1.04)) ++hits;
        }
      }
      const int px = upsideDown ? n - 1 - x : x, py = upsideDown ? n - 1 - y : y;
      image.setPixel(left + px, top + py, Blend(ink, hits / double(samples * samples)));
    }
  }
}

QImage MakeSuitSheet(int n, double scale) {
  // The signs are shapes, so a finer sheet samples them at its own pixels.
  const int d = Device(n, scale);
  QImage image = WhiteImage(4 * d, 2 * d);
  for (int suit = 0; suit < 4; ++suit) {
    RenderSuit(image, suit * d, 0, d, suit, false);
    RenderSuit(image, suit * d, d, d, suit, true);
  }
  image.setDevicePixelRatio(scale);
  return image;
}

QImage MakeGlyphSheet(QRgb ink, double scale) {
  QImage image = WhiteImage(117, 28, scale);
  // A rank glyph pixel is a block of the scale, edges rounded alike for neighbours.
  auto dot = [&](int x, int y) {
    for (int v = Device(y, scale); v < Device(y + 1, scale); ++v)
      for (int u = Device(x, scale); u < Device(x + 1, scale); ++u) image.setPixel(u, v, ink);
  };
  for (int rank = 0; rank < 13; ++rank) {
    for (int y = 0; y < 13; ++y) {
      const char* row = RankGlyphs[rank][y];
      for (int x = 0; row[x] != '\0'; ++x) {
        if (row[x] != '#') continue;
        dot(9 * rank + x, y);
        // The upside-down copy turns within the 8 x 13 cell the card's lower corner shows.
        dot(9 * rank + 7 - x, 14 + 12 - y);
      }
    }
  }
  return image;
}

// Whether a device pixel of a card at a scale is inside it and on its outline.
bool Inside(int x, int y, double scale) {
  return scale == 1 ? InsideCard(x, y) : InsideCardAt(x, y, scale);
}
bool Outline(int x, int y, double scale) {
  return scale == 1 ? OnOutline(x, y) : OnOutlineAt(x, y, scale);
}

QImage MakePos(double scale) {
  QImage image = WhiteImage(CardWidth, CardHeight, scale);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, Inside(x, y, scale) && !Outline(x, y, scale) ? White : Ink);
  return image;
}

QImage MakeNeg(double scale) {
  QImage image = WhiteImage(CardWidth, CardHeight, scale);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, Inside(x, y, scale) ? Ink : White);
  return image;
}

QImage MakeBack(double scale) {
  QImage image = WhiteImage(CardWidth, CardHeight, scale);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF panel(4.5, 4.5, CardWidth - 9, CardHeight - 9);
    QPainterPath panelPath;
    panelPath.addRoundedRect(panel, 3, 3);
    p.fillPath(panelPath, QColor(22, 42, 118));
    p.save();
    p.setClipPath(panelPath);
    // A lattice of fine diagonals with a dot in each diamond.
    p.setPen(QPen(QColor(86, 128, 214), 1.0));
    for (int k = -CardHeight; k < CardWidth + CardHeight; k += 7) {
      p.drawLine(QPointF(k, 0), QPointF(k + CardHeight, CardHeight));
      p.drawLine(QPointF(k, 0), QPointF(k - CardHeight, CardHeight));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(190, 210, 250));
    for (int y = 0; y < CardHeight; y += 7)
      for (int x = (y / 7 % 2) ? 3 : 0; x < CardWidth; x += 7)
        p.drawEllipse(QPointF(x + 0.5 + 3.5, y + 0.5), 0.9, 0.9);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 180, 60), 1.2));
    p.drawRoundedRect(panel.adjusted(2, 2, -2, -2), 2, 2);
    // The medallion in the middle.
    const QPointF centre(CardWidth / 2.0, CardHeight / 2.0);
    p.setBrush(QColor(22, 42, 118));
    p.setPen(QPen(QColor(220, 180, 60), 2.0));
    p.drawEllipse(centre, 14, 19);
    p.setPen(QPen(QColor(240, 210, 110), 1.0));
    p.drawEllipse(centre, 10, 15);
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
      const double a = i * M_PI / 4, r = (i % 2) ? 4.0 : 9.0;
      const QPointF pt = centre + QPointF(std::sin(a) * r * 0.8, -std::cos(a) * r);
      i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.fillPath(star, QColor(240, 210, 110));
  }
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!Inside(x, y, scale) || Outline(x, y, scale)) image.setPixel(x, y, Ink);
  return image;
}

}  // namespace

QImage MakeCourtSheet(double scale);  // CourtArt.cpp

CardSheets MakeCardSheets(double scale) {
  if (!(scale > 0)) scale = 1;
  CardSheets sheets;
  sheets.Pos = MakePos(scale);
  sheets.Neg = MakeNeg(scale);
  sheets.Back = MakeBack(scale);
  sheets.Black = MakeGlyphSheet(Ink, scale);
  sheets.Red = MakeGlyphSheet(CardRed, scale);
  sheets.SuitSm = MakeSuitSheet(11, scale);
  sheets.Suits = MakeSuitSheet(15, scale);
  sheets.Royal = MakeCourtSheet(scale);
  return sheets;
}

namespace {

// A rectangle of logical pixels in the device pixels of an image drawn at a scale.
QRect InDevicePixels(const QRect& r, double scale) {
  if (scale == 1) return r;
  const int l = Device(r.left(), scale), t = Device(r.top(), scale);
  return QRect(l, t, Device(r.left() + r.width(), scale) - l,
               Device(r.top() + r.height(), scale) - t);
}

}  // namespace

void CopyRect(QImage& dst, const QRect& logicalTo, const QImage& src, const QRect& logicalFrom) {
  const QRect to = InDevicePixels(logicalTo, dst.devicePixelRatio());
  const QRect from = InDevicePixels(logicalFrom, src.devicePixelRatio());
  for (int y = 0; y < to.height(); ++y) {
    const int sy = from.top() + y * from.height() / to.height();
    const int dy = to.top() + y;
    if (dy < 0 || dy >= dst.height() || sy < 0 || sy >= src.height()) continue;
    for (int x = 0; x < to.width(); ++x) {
      const int sx = from.left() + x * from.width() / to.width();
      const int dx = to.left() + x;
      if (dx < 0 || dx >= dst.width() || sx < 0 || sx >= src.width()) continue;
      dst.setPixel(dx, dy, src.pixel(sx, sy));
    }
  }
}

namespace {

// Where the large pips of the ranks ace to ten go on the card.
std::vector<QRect> PipTargets(int rank) {
  std::vector<QRect> four = {Span(14, 10, 29, 25), Span(14, 72, 29, 87), Span(42, 10, 58, 25),
                             Span(42, 72, 58, 87)};
  std::vector<QRect> eight = {Span(14, 10, 29, 25), Span(14, 72, 29, 87), Span(42, 10, 58, 25),
                              Span(42, 72, 58, 87), Span(14, 31, 29, 46), Span(14, 51, 29, 66),
                              Span(42, 31, 58, 46), Span(42, 51, 58, 66)};
  auto with = [](std::vector<QRect> base, std::initializer_list<QRect> more) {
    base.insert(base.end(), more);
    return base;
  };
  switch (rank) {
    case 1:
      return {Span(28, 42, 43, 57)};
    case 2:
      return {Span(28, 10, 43, 25), Span(28, 72, 43, 87)};
    case 3:
      return {Span(28, 10, 43, 25), Span(28, 72, 43, 87), Span(28, 41, 43, 56)};
    case 4:
      return four;
    case 5:
      return with(four, {Span(28, 41, 43, 56)});
    case 6:
      return with(four, {Span(14, 41, 29, 56), Span(42, 41, 57, 56)});
    case 7:
      return with(four, {Span(14, 41, 29, 56), Span(42, 41, 57, 56), Span(28, 27, 43, 42)});
    case 8:
      return eight;
    case 9:
      return with(eight, {Span(28, 20, 43, 35)});
    case 10:
      return with(eight, {Span(28, 20, 43, 35), Span(28, 62, 43, 77)});
    default:
      return {};
  }
}

}  // namespace

QImage ComposeCard(const CardSheets& sheets, int id) {
  QImage bitmap = sheets.Pos.copy();
  const int r = id % 13 + 1, s = id / 13;
  const bool red = (s == 1 || s == 2);
  const QImage& glyphs = red ? sheets.Red : sheets.Black;
  CopyRect(bitmap, Span(3, 3, 12, 16), glyphs, Span(9 * r - 9, 0, 9 * r, 13));
  CopyRect(bitmap, Span(61, 82, 69, 95), glyphs, Span(9 * r - 9, 14, 9 * r - 1, 27));
  CopyRect(bitmap, Span(2, 18, 13, 29), sheets.SuitSm, Span(11 * s, 0, 11 * s + 11, 11));
  CopyRect(bitmap, Span(60, 70, 71, 81), sheets.SuitSm, Span(11 * s, 11, 11 * s + 11, 22));
  const QRect pip = Span(15 * s, 0, 15 * s + 15, 15);
  const QRect pipDown = Span(15 * s, 15, 15 * s + 15, 30);
  if (r <= 10) {
    for (const QRect& to : PipTargets(r)) CopyRect(bitmap, to, sheets.Suits, pip);
    return bitmap;
  }
  const int x0 = r == 11 ? 94 : r == 12 ? 47 : 0, y0 = red ? 74 : 0;
  CopyRect(bitmap, Span(13, 13, 60, 87), sheets.Royal, Span(x0, y0, x0 + 47, y0 + 74));
  if (r == 13) {
    CopyRect(bitmap, Span(15, 15, 30, 30), sheets.Suits, pip);
    CopyRect(bitmap, Span(43, 70, 58, 85), sheets.Suits, pipDown);
  } else {
    CopyRect(bitmap, Span(43, 15, 58, 30), sheets.Suits, pip);
    CopyRect(bitmap, Span(15, 70, 30, 85), sheets.Suits, pipDown);
  }
  return bitmap;
}

void MaskOnto(QImage& window, const QImage& mask, const QImage& picture, int x, int y) {
  x = Device(x, window.devicePixelRatio());
  y = Device(y, window.devicePixelRatio());
  for (int v = 0; v < picture.height(); ++v) {
    const int wy = y + v;
    if (wy < 0 || wy >= window.height()) continue;
    for (int u = 0; u < picture.width(); ++u) {
      const int wx = x + u;
      if (wx < 0 || wx >= window.width()) continue;
      const QRgb under = window.pixel(wx, wy) & mask.pixel(u, v);
      window.setPixel(wx, wy, under | picture.pixel(u, v));
    }
  }
}

}  // namespace zandor

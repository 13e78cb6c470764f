#include "face/Glyphs.h"

#include <QFontInfo>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cstring>

#include "assets/generator/Letters.h"
#include "face/HighContrast.h"

namespace zandor {

namespace {

// The classic desktop scheme, indexed by system colour number.
constexpr std::array<QRgb, 25> kSystemColours{
    qRgb(192, 192, 192),  // scroll bar
    qRgb(0, 128, 128),    // desktop
    qRgb(0, 0, 128),      // active caption
    qRgb(128, 128, 128),  // inactive caption
    qRgb(192, 192, 192),  // menu
    qRgb(255, 255, 255),  // window
    qRgb(0, 0, 0),        // window frame
    qRgb(0, 0, 0),        // menu text
    qRgb(0, 0, 0),        // window text
    qRgb(255, 255, 255),  // caption text
    qRgb(192, 192, 192),  // active border
    qRgb(192, 192, 192),  // inactive border
    qRgb(128, 128, 128),  // application workspace
    qRgb(0, 0, 128),      // selection
    qRgb(255, 255, 255),  // selection text
    qRgb(192, 192, 192),  // button face
    qRgb(128, 128, 128),  // button shadow
    qRgb(128, 128, 128),  // grey text
    qRgb(0, 0, 0),        // button text
    qRgb(192, 192, 192),  // inactive caption text
    qRgb(255, 255, 255),  // button highlight
    qRgb(0, 0, 0),        // dark 3-D shadow
    qRgb(223, 223, 223),  // 3-D light
    qRgb(0, 0, 0),        // tooltip text
    qRgb(255, 255, 225),  // tooltip background
};

// The seven digit colours, one per colour row of the strip.
constexpr std::array<QRgb, 7> kDigitColours{
    qRgb(0, 0, 255), qRgb(0, 255, 255),   qRgb(0, 255, 0),  qRgb(255, 0, 255),
    qRgb(255, 0, 0), qRgb(255, 255, 255), qRgb(255, 255, 0)};

// Segment bits: a top, b upper right, c lower right, d bottom, e lower left, f upper left, g
// middle.
constexpr std::array<uint8_t, 10> kSegments{0x3F, 0x06, 0x5B, 0x4F, 0x66,
                                            0x6D, 0x7D, 0x07, 0x7F, 0x6F};

void Fill(QImage& img, int x0, int y0, int x1, int y1, QRgb c) {
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) img.setPixel(x, y, c);
}

// One digit at columns 2..right and rows 2..18 of its cell (12 x 17 as designed, right = 13;
// narrower for a long meter text); segments taper to points so neighbouring segments meet with
// a one-pixel diagonal gap, like a real display. The bars keep their widths at any width.
void DrawSevenSegment(QImage& img, int cx, int cy, uint8_t s, QRgb c, int right = 13) {
  auto across = [&](int row) { Fill(img, cx + 4, cy + row, cx + right - 2, cy + row, c); };
  auto inner = [&](int row) { Fill(img, cx + 5, cy + row, cx + right - 3, cy + row, c); };
  if (s & 0x01) {  // a
    across(2);
    inner(3);
  }
  if (s & 0x08) {  // d
    across(18);
    inner(17);
  }
  if (s & 0x40) {  // g
    across(10);
    inner(9);
    inner(11);
  }
  auto vertical = [&](int outer, int in, int top, int bottom) {
    Fill(img, cx + outer, cy + top, cx + outer, cy + bottom, c);
    Fill(img, cx + in, cy + top + 1, cx + in, cy + bottom - 1, c);
  };
  if (s & 0x20) vertical(2, 3, 3, 9);                // f
  if (s & 0x02) vertical(right, right - 1, 3, 9);    // b
  if (s & 0x10) vertical(2, 3, 11, 17);              // e
  if (s & 0x04) vertical(right, right - 1, 11, 17);  // c
}

// The glyph columns of the sharp digit grid after the ten digits.
constexpr int kBlank = 10, kPoint = 11, kMinus = 12, kGlyphColumns = 13;

// A glyph drawn from its shapes at a device pixel ratio, its cell's corner at the whole device
// pixel (ox, oy), in a cell `cell` logical pixels wide (15 as designed). The long edges of the
// segments lie on whole device pixels: each segment is as wide as its kind in every digit, and
// only the tapered tips are smoothed.
void DrawSharpGlyph(QPainter& p, int ox, int oy, double r, int glyph, const QColor& c,
                    int cell = 15) {
  const auto at = [r](double v) { return static_cast<double>(std::lround(v * r)); };
  const double t = std::max(1.0, at(2)), tm = std::max(1.0, at(3));  // bar and middle bar
  const double left = at(2), right = at(cell - 1), top = at(2), bottom = at(19);
  const double middle = std::floor((top + bottom - tm) / 2), centre = middle + tm / 2;
  const double taper = 0.75 * t, gap = 0.5 * r;
  using Shape = std::initializer_list<QPointF>;
  auto vertical = [&](double outer, double inner, double from, double to) -> QPolygonF {
    return Shape{{outer, from}, {inner, from + taper}, {inner, to - taper}, {outer, to}};
  };
  const QPolygonF segments[7] = {Shape{{left + t, top},
                                       {right - t, top},
                                       {right - t - taper, top + t},
                                       {left + t + taper, top + t}},                        // a
                                 vertical(right, right - t, top + t / 2, centre - gap),     // b
                                 vertical(right, right - t, centre + gap, bottom - t / 2),  // c
                                 Shape{{left + t + taper, bottom - t},
                                       {right - t - taper, bottom - t},
                                       {right - t, bottom},
                                       {left + t, bottom}},                               // d
                                 vertical(left, left + t, centre + gap, bottom - t / 2),  // e
                                 vertical(left, left + t, top + t / 2, centre - gap),     // f
                                 Shape{{left + t, centre},
                                       {left + t + tm / 2, middle},
                                       {right - t - tm / 2, middle},
                                       {right - t, centre},
                                       {right - t - tm / 2, middle + tm},
                                       {left + t + tm / 2, middle + tm}}};  // g
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  if (glyph == kPoint) {
    // The round dot at the foot of its cell, three pixels wide and four high as designed.
    p.drawEllipse(QRectF(ox + at(1), oy + at(15), at(4) - at(1), at(19) - at(15)));
    return;
  }
  const uint8_t lit = glyph == kMinus ? 0x40 : glyph < 10 ? kSegments[glyph] : 0;
  for (int seg = 0; seg < 7; ++seg)
    if (lit & (1 << seg)) p.drawPolygon(segments[seg].translated(ox, oy));
}

// The colour of a lamp at a point in lamp pixels, (0, 0) the centre of its top left pixel.
QRgb LampColourAt(int lamp, double x, double y, const LampColours& colours) {
  const QRgb yellow = qRgb(255, 255, 0), olive = qRgb(128, 128, 0);
  const double dx = x - 8, dy = y - 8;
  const double d2 = dx * dx + dy * dy;
  if (d2 > 8.4 * 8.4) return qRgb(0, 0, 0);
  // The ring is lit from the top left: its lower right half is darker.
  if (d2 > 5.6 * 5.6) return (dx + dy > 3) ? olive : yellow;
  // A small highlight up and to the left of the centre.
  const double hx = x - 6, hy = y - 5;
  if (hx * hx + hy * hy <= 2.3) return lamp > 0 ? qRgb(255, 255, 255) : qRgb(128, 128, 128);
  return (lamp > 0 && dx + dy > 5) ? colours.Shade[lamp] : colours.Fill[lamp];
}

}  // namespace

QColor ResolveColor(int32_t value) {
  const uint32_t v = static_cast<uint32_t>(value);
  if (v & 0x80000000u) {
    const uint32_t index = v & 0xFFu;
    switch (index) {
      case 0x0F:
        return FaceColor;
      case 0x10:
        return ShadowColor;
      case 0x14:
        return HighlightColor;
      case 0x12:
        return ButtonTextColor;
      default:
        break;
    }
    // An unknown system colour number falls back to the button face rather than black.
    return index < kSystemColours.size() ? QColor(kSystemColours[index]) : FaceColor;
  }
  return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

QImage MakeDigitStrip() {
  QImage img(188, 147, QImage::Format_RGB32);
  img.fill(qRgb(0, 0, 0));
  for (int row = 0; row < 7; ++row) {
    const QRgb c = kDigitColours[row];
    const int y = 21 * row;
    for (int d = 0; d < 10; ++d) DrawSevenSegment(img, 16 * d, y, kSegments[d], c);
    // The point: a round dot of eight pixels at the foot of its 4-pixel cell.
    img.setPixel(178, y + 15, c);
    Fill(img, 177, y + 16, 179, y + 17, c);
    img.setPixel(178, y + 18, c);
    // The colon, kept with the strip though nothing draws it.
    Fill(img, 183, y + 6, 184, y + 7, c);
    Fill(img, 183, y + 14, 184, y + 15, c);
  }
  // The blank cell (160, 42)-(175, 62) is left black.
  return img;
}

int LampPitch(double scale) {
  return scale == 1 ? 17 : static_cast<int>(std::ceil(17 * scale - 1e-9));
}

QImage MakeLampPicture(double scale, const LampColours& colours) {
  const int pitch = LampPitch(scale);
  QImage img(pitch, 3 * pitch, QImage::Format_RGB32);
  img.setDevicePixelRatio(scale);
  img.fill(Qt::black);
  // The design takes each pixel's colour at its centre. Finer, each device pixel averages a
  // grid of samples, so the edges of the ring and the disc come out round and smooth.
  const int n = scale == 1 ? 1 : 4;
  for (int lamp = 0; lamp < 3; ++lamp) {
    for (int y = 0; y < pitch; ++y) {
      auto* line = reinterpret_cast<QRgb*>(img.scanLine(lamp * pitch + y));
      for (int x = 0; x < pitch; ++x) {
        int red = 0, green = 0, blue = 0;
        for (int sy = 0; sy < n; ++sy) {
          for (int sx = 0; sx < n; ++sx) {
            const QRgb c = LampColourAt(lamp, (x + (sx + 0.5) / n) / scale - 0.5,
                                        (y + (sy + 0.5) / n) / scale - 0.5, colours);
            red += qRed(c);
            green += qGreen(c);
            blue += qBlue(c);
          }
        }
        const int half = n * n / 2;
        line[x] = qRgb((red + half) / (n * n), (green + half) / (n * n), (blue + half) / (n * n));
      }
    }
  }
  return img;
}

namespace {

// The block copy in device pixels of both images.
void CopyDevicePixels(QImage& target, int dx, int dy, const QImage& source, int sx, int sy, int w,
                      int h) {
  // Clip against the source, then against the target, keeping both rectangles in step.
  if (sx < 0) {
    dx -= sx;
    w += sx;
    sx = 0;
  }
  if (sy < 0) {
    dy -= sy;
    h += sy;
    sy = 0;
  }
  w = std::min(w, source.width() - sx);
  h = std::min(h, source.height() - sy);
  if (dx < 0) {
    sx -= dx;
    w += dx;
    dx = 0;
  }
  if (dy < 0) {
    sy -= dy;
    h += dy;
    dy = 0;
  }
  w = std::min(w, target.width() - dx);
  h = std::min(h, target.height() - dy);
  if (w <= 0 || h <= 0) return;
  const bool raw = target.depth() == 32 && source.depth() == 32 &&
                   source.format() != QImage::Format_ARGB32 &&
                   target.format() != QImage::Format_ARGB32;
  if (raw) {
    for (int y = 0; y < h; ++y) {
      std::memcpy(target.scanLine(dy + y) + 4 * dx, source.constScanLine(sy + y) + 4 * sx,
                  static_cast<size_t>(w) * 4);
    }
    return;
  }
  // Views at a ratio of 1, so the painter copies pixel for pixel.
  QImage to(target.bits(), target.width(), target.height(), target.bytesPerLine(), target.format());
  QImage from = source.copy(sx, sy, w, h);
  from.setDevicePixelRatio(1);
  QPainter p(&to);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QPoint(dx, dy), from);
}

}  // namespace

QImage MakeCanvas(int width, int height, double ratio, const QColor& fill) {
  QImage img(std::max(DevicePixel(width, ratio), 1), std::max(DevicePixel(height, ratio), 1),
             QImage::Format_RGB32);
  img.setDevicePixelRatio(ratio);
  img.setDotsPerMeterX(3780);
  img.setDotsPerMeterY(3780);
  img.fill(fill);
  return img;
}

namespace {

// The device pixels of a glyph cell this many logical pixels wide at ratio, with one spare so
// that antialiased edges are never cut.
int GlyphCell(int logical, double ratio) {
  return static_cast<int>(std::ceil(logical * ratio - 1e-9)) + 1;
}

}  // namespace

const SharpGlyphs& GlyphSet::At(double ratio) const {
  const long key = std::lround(ratio * 1000);
  auto found = sharp_.find(key);
  if (found != sharp_.end()) return found->second;
  // A window scaled to one size after another drops the glyphs of earlier sizes now and then
  // rather than keep every one.
  if (sharp_.size() >= 4) sharp_.clear();
  SharpGlyphs& sharp = sharp_[key];
  sharp.DigitPitch = QSize(GlyphCell(15, ratio), GlyphCell(20, ratio));
  sharp.Digits = QImage(kGlyphColumns * sharp.DigitPitch.width(), 7 * sharp.DigitPitch.height(),
                        QImage::Format_RGB32);
  sharp.Digits.fill(Qt::black);
  {
    // Drawn in device pixels; the ratio is set once the picture is done.
    QPainter p(&sharp.Digits);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row < 7; ++row)
      for (int glyph = 0; glyph < kGlyphColumns; ++glyph)
        DrawSharpGlyph(p, glyph * sharp.DigitPitch.width(), row * sharp.DigitPitch.height(), ratio,
                       glyph, QColor(kDigitColours[row]));
  }
  sharp.Digits.setDevicePixelRatio(ratio);
  sharp.LampPitch = LampPitch(ratio);
  sharp.Lamps = MakeLampPicture(ratio);
  sharp.ContrastLamps = MakeHighContrastLamps(ratio);
  return sharp;
}

const QImage& GlyphSet::LettersAt(double ratio) const {
  if (ratio == 1 || LetterStrip.isNull()) return LetterStrip;
  const SharpGlyphs& sharp = At(ratio);
  // The letters are the program's file; they may come after the first glyphs were drawn.
  if (sharp.Letters.isNull()) {
    QImage letters = media::RenderLetters(ratio);
    letters.setDevicePixelRatio(ratio);
    sharp_[std::lround(ratio * 1000)].Letters = std::move(letters);
  }
  return sharp.Letters;
}

const NarrowDigits& GlyphSet::NarrowAt(double ratio, int cell) const {
  const std::pair<long, int> key(std::lround(ratio * 1000), cell);
  auto found = narrow_.find(key);
  if (found != narrow_.end()) return found->second;
  if (narrow_.size() >= 8) narrow_.clear();
  NarrowDigits& narrow = narrow_[key];
  narrow.DigitPitch = QSize(GlyphCell(cell, ratio), GlyphCell(20, ratio));
  const int w = narrow.DigitPitch.width(), h = narrow.DigitPitch.height();
  narrow.Digits = QImage(kGlyphColumns * w, 7 * h, QImage::Format_RGB32);
  narrow.Digits.fill(Qt::black);
  if (ratio == 1) {
    // Pixel by pixel like the designed strip, one pixel of margin fewer on neither side: only
    // the bars between the upright ones get shorter.
    for (int row = 0; row < 7; ++row) {
      for (int d = 0; d < 10; ++d)
        DrawSevenSegment(narrow.Digits, d * w, row * h, kSegments[d], kDigitColours[row], cell - 2);
      DrawSevenSegment(narrow.Digits, kMinus * w, row * h, 0x40, kDigitColours[row], cell - 2);
    }
    return narrow;
  }
  QPainter p(&narrow.Digits);
  p.setRenderHint(QPainter::Antialiasing);
  for (int row = 0; row < 7; ++row)
    for (const int glyph : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, kMinus})
      DrawSharpGlyph(p, glyph * w, row * h, ratio, glyph, QColor(kDigitColours[row]), cell);
  return narrow;
}

void CopyRect(QImage& target, int dx, int dy, const QImage& source, int sx, int sy, int w, int h) {
  if (target.isNull() || source.isNull() || w <= 0 || h <= 0) return;
  const double to = target.devicePixelRatio(), from = source.devicePixelRatio();
  if (to == from) {
    // Both drawn at one ratio: the same rectangle in device pixels, edges rounded alike.
    const int x = DevicePixel(dx, to), y = DevicePixel(dy, to);
    CopyDevicePixels(target, x, y, source, DevicePixel(sx, to), DevicePixel(sy, to),
                     DevicePixel(dx + w, to) - x, DevicePixel(dy + h, to) - y);
    return;
  }
  // A picture made for another density (a player's tile) is stretched to the logical place.
  QPainter p(&target);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(QRectF(dx, dy, w, h), source, QRectF(sx * from, sy * from, w * from, h * from));
}

namespace {

// Copies one digit glyph (0..9, kBlank, kPoint or kMinus) of a colour row to the cell whose top
// left corner is (x, y): the designed strip's cell at a ratio of 1, the sharp glyph otherwise.
void PutGlyph(QImage& target, const GlyphSet& g, int glyph, int colourRow, int x, int y) {
  const double ratio = target.devicePixelRatio();
  const int width = glyph == kPoint ? 4 : 15;
  if (ratio != 1) {
    const SharpGlyphs& sharp = g.At(ratio);
    const int dx = DevicePixel(x, ratio), dy = DevicePixel(y, ratio);
    CopyDevicePixels(target, dx, dy, sharp.Digits, glyph * sharp.DigitPitch.width(),
                     colourRow * sharp.DigitPitch.height(), DevicePixel(x + width, ratio) - dx,
                     DevicePixel(y + 20, ratio) - dy);
    return;
  }
  if (glyph == kPoint) {
    CopyRect(target, x, y, g.Digits, 176, 21 * colourRow, 4, 20);
  } else if (glyph == kBlank || glyph == kMinus) {
    CopyRect(target, x, y, g.Digits, 160, 42, width, 20);
    // A minus is the middle bar of an 8 on a blank cell; the 8's other bars lie outside it.
    if (glyph == kMinus)
      CopyRect(target, x + 4, y + 9, g.Digits, 16 * 8 + 4, 21 * colourRow + 9, 8, 3);
  } else {
    CopyRect(target, x, y, g.Digits, 16 * glyph, 21 * colourRow, width, 20);
  }
}

// Copies a digit, blank or minus glyph of a narrow cell `cell` logical pixels wide.
void PutNarrowGlyph(QImage& target, const GlyphSet& g, int glyph, int colourRow, int x, int y,
                    int cell) {
  const double ratio = target.devicePixelRatio();
  const NarrowDigits& narrow = g.NarrowAt(ratio, cell);
  const int dx = DevicePixel(x, ratio), dy = DevicePixel(y, ratio);
  CopyDevicePixels(target, dx, dy, narrow.Digits, glyph * narrow.DigitPitch.width(),
                   colourRow * narrow.DigitPitch.height(), DevicePixel(x + cell, ratio) - dx,
                   DevicePixel(y + 20, ratio) - dy);
}

// The decimal point, or the comma of a locale that writes one: a narrow cell of its own.
bool IsPoint(char ch) { return ch == '.' || ch == ','; }

// The glyph column of a meter character: a digit, the minus, or blank for a space.
int DigitGlyph(char ch) {
  return ch == ' ' ? kBlank : ch == '-' ? kMinus : (ch >= '0' && ch <= '9') ? ch - '0' : 0;
}

// A meter's x at the artwork size: the largest artwork's face is wider, its left column of
// meters 13 pixels further left and its right column 13 further right.
int ShiftedForArtwork(const GlyphSet& g, int x) {
  return g.SymbolSize == 144 ? x + (x >= 200 ? 13 : -13) : x;
}

// Paints the logical rectangle black on the same device pixels the glyph cells over it cover.
void Blacken(QImage& target, int x, int y, int w, int h) {
  const double ratio = target.devicePixelRatio();
  const int l = std::max(DevicePixel(x, ratio), 0), t = std::max(DevicePixel(y, ratio), 0);
  const int r = std::min(DevicePixel(x + w, ratio), target.width());
  const int b = std::min(DevicePixel(y + h, ratio), target.height());
  if (r <= l || b <= t || target.depth() != 32) return;
  for (int row = t; row < b; ++row) {
    auto* line = reinterpret_cast<QRgb*>(target.scanLine(row));
    std::fill(line + l, line + r, qRgb(0, 0, 0));
  }
}

}  // namespace

int MeterCellWidth(std::string_view text) {
  if (static_cast<int>(text.size()) <= kMeterCells) return 15;
  const int points = static_cast<int>(std::count_if(text.begin(), text.end(), IsPoint));
  const int cells = static_cast<int>(text.size()) - points;
  // Below 9 pixels the bars between the upright ones would vanish; a text needing less than
  // that (none the game can hold) loses its leftmost characters instead.
  return cells <= 0 ? 15 : std::clamp((139 - 4 * points) / cells, 9, 15);
}

void DrawMeterDigits(QImage& target, const GlyphSet& g, std::string_view text, int x, int y,
                     int colourRow) {
  const int cell = MeterCellWidth(text);
  if (cell == 15) {
    DrawDigits(target, g, text, x, y, false, colourRow);
    return;
  }
  x = ShiftedForArtwork(g, x);
  // The ten designed cells: x - 124 up to x + 14. All of them go black first, since the
  // narrower cells may leave a few columns at the left where a shorter text's digit was.
  const int left = x - 124, right = x + 15;
  Blacken(target, left, y, right - left, 20);
  int at = right;
  for (auto it = text.rbegin(); it != text.rend(); ++it) {
    const char ch = *it;
    const bool point = IsPoint(ch);
    at -= point ? 4 : cell;
    if (at < left) break;
    if (point) {
      PutGlyph(target, g, kPoint, colourRow, at, y);
      continue;
    }
    PutNarrowGlyph(target, g, DigitGlyph(ch), colourRow, at, y, cell);
  }
}

void DrawDigits(QImage& target, const GlyphSet& g, std::string_view text, int x, int y,
                bool leftToRight, int colourRow) {
  x = ShiftedForArtwork(g, x);
  const int n = static_cast<int>(text.size());
  for (int i = 0; i < n; ++i) {
    const char ch = leftToRight ? text[i] : text[n - 1 - i];
    if (IsPoint(ch)) {
      if (!leftToRight) x -= 4;
      PutGlyph(target, g, kPoint, colourRow, leftToRight ? x + 15 : x, y);
      if (leftToRight) x += 4;
      continue;
    }
    if (i != 0) x += leftToRight ? 15 : -15;
    PutGlyph(target, g, DigitGlyph(ch), colourRow, x, y);
  }
}

void DrawLamp(QImage& target, const GlyphSet& g, int x, int y, int lamp, bool highContrast) {
  const double ratio = target.devicePixelRatio();
  if (ratio == 1) {
    CopyRect(target, x, y, highContrast ? g.ContrastLamps : g.Lamps, 0, 17 * lamp, 17, 17);
    return;
  }
  // Every lamp the same whole device pixels from its rounded corner, as the digits are.
  const SharpGlyphs& sharp = g.At(ratio);
  const int pitch = sharp.LampPitch;
  CopyDevicePixels(target, DevicePixel(x, ratio), DevicePixel(y, ratio),
                   highContrast ? sharp.ContrastLamps : sharp.Lamps, 0, pitch * lamp, pitch, pitch);
}

void DrawLabel(QImage& target, const GlyphSet& g, std::string_view caption, int x, int y, int width,
               int height) {
  if (g.SymbolSize == 144) x += (x >= 100) ? 13 : -13;
  const int h = height == 0 ? 52 : height;
  if (width > 0 && h > 0) {
    QPainter p(&target);
    p.fillRect(QRect(x, y, width, h), ShadowColor);
    if (width > 2 && h > 2) p.fillRect(QRect(x + 1, y + 1, width - 2, h - 2), Qt::black);
  }
  const int r = x + width - 20;
  const QImage& letters = g.LettersAt(target.devicePixelRatio());
  const int n = static_cast<int>(caption.size());
  for (int j = 0; j < n; ++j) {
    const char ch = caption[n - 1 - j];
    if (ch < 'A' || ch > 'Z') continue;  // spaces leave their cell black
    CopyRect(target, r - 15 * j, y + 2, letters, 13 * (ch - 'A'), 0, 12, 27);
  }
}

void DrawBevel(QImage& target, int l, int t, int r, int b, int style) {
  const int m = (style <= 1) ? 8 : 3;
  const bool sunken = style == 0 || style == 2;
  QPainter p(&target);
  if (sunken) {
    // The outline's pixels: column l-1, column r, row t-1 and row b.
    p.fillRect(QRect(l - 1, t - 1, r - l + 2, 1), Qt::black);
    p.fillRect(QRect(l - 1, b, r - l + 2, 1), Qt::black);
    p.fillRect(QRect(l - 1, t - 1, 1, b - t + 2), Qt::black);
    p.fillRect(QRect(r, t - 1, 1, b - t + 2), Qt::black);
  }
  const QColor lowerRight = sunken ? HighlightColor : ShadowColor;
  const QColor upperLeft = sunken ? ShadowColor : HighlightColor;
  // Each edge stops one pixel short of its end point, and the corners stay untouched.
  p.fillRect(QRect(r + m, t - m + 1, 1, (b + m - 1) - (t - m + 1)), lowerRight);
  p.fillRect(QRect(l - m + 2, b + m, (r + m - 1) - (l - m + 1), 1), lowerRight);
  p.fillRect(QRect(l - m, t - m + 1, 1, (b + m - 1) - (t - m + 1)), upperLeft);
  p.fillRect(QRect(l - m + 1, t - m, (r + m - 1) - (l - m + 1), 1), upperLeft);
}

QFont FaceFont(int points, bool bold) {
  // A sans face close to the classic dialog font in width; the first one installed wins.
  static const QString family = [] {
    for (const char* name : {"Nimbus Sans", "Liberation Sans", "Arial", "DejaVu Sans"}) {
      QString wanted = QString::fromLatin1(name);
      // The database may add a foundry in brackets: "Nimbus Sans [urw]".
      if (QFontInfo(QFont(wanted)).family().startsWith(wanted, Qt::CaseInsensitive)) return wanted;
    }
    return QString::fromLatin1("Sans Serif");
  }();
  QFont f(family);
  f.setPointSize(points);
  f.setBold(bold);
  return f;
}

}  // namespace zandor

#include "face/Glyphs.h"

#include <gtest/gtest.h>

#include <QGuiApplication>

using namespace zandor;

namespace {

constexpr QRgb kBlack = 0xFF000000;

// A canvas filled with a colour no glyph uses, so untouched pixels are easy to tell.
QImage Canvas(int w = 700, int h = 400) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(qRgb(1, 2, 3));
  return img;
}

// The letter strip: letter L is a flat colour (10 * L, 100, 200) so each cell is recognisable.
QImage Letters() {
  QImage img(13 * 26, 27, QImage::Format_RGB32);
  for (int l = 0; l < 26; ++l)
    for (int y = 0; y < 27; ++y)
      for (int x = 0; x < 13; ++x) img.setPixel(13 * l + x, y, qRgb(10 * l, 100, 200));
  return img;
}

GlyphSet Glyphs(int size = 96) {
  GlyphSet g;
  g.Digits = MakeDigitStrip();
  g.Lamps = MakeLampPicture();
  g.LetterStrip = Letters();
  g.SymbolSize = size;
  return g;
}

// True when the columns [x0, x1] of rows [y, y+19] equal the digit strip's cell at (sx, sy).
bool CellIs(const QImage& img, int x0, int x1, int y, const QImage& strip, int sx, int sy) {
  for (int dy = 0; dy < 20; ++dy)
    for (int dx = 0; dx <= x1 - x0; ++dx)
      if (img.pixel(x0 + dx, y + dy) != strip.pixel(sx + dx, sy + dy)) return false;
  return true;
}

}  // namespace

// Stored colours resolve as 0x00BBGGRR, and the desktop's colour numbers as the classic scheme.
TEST(Glyphs, ResolveColor) {
  EXPECT_EQ(ResolveColor(0x00336699), QColor(0x99, 0x66, 0x33));
  EXPECT_EQ(ResolveColor(static_cast<int32_t>(0x8000000F)), FaceColor);
  EXPECT_EQ(ResolveColor(-2147483633), FaceColor);
  EXPECT_EQ(ResolveColor(static_cast<int32_t>(0x80000010)), ShadowColor);
  EXPECT_EQ(ResolveColor(static_cast<int32_t>(0x80000014)), HighlightColor);
  EXPECT_EQ(ResolveColor(static_cast<int32_t>(0x80000012)), ButtonTextColor);
  EXPECT_EQ(ResolveColor(static_cast<int32_t>(0x80000001)), QColor(0, 128, 128));
  EXPECT_EQ(ResolveColor(static_cast<int32_t>(0x800000FF)), FaceColor);
}

// The strip holds only black and the row's colour, the point is a round 8-pixel dot, the
// blank cell is black and every digit keeps a black margin to its cell's edges.
TEST(Glyphs, DigitStripLayout) {
  const QImage s = MakeDigitStrip();
  ASSERT_EQ(s.size(), QSize(188, 147));
  const QRgb colours[7] = {qRgb(0, 0, 255),   qRgb(0, 255, 255), qRgb(0, 255, 0),
                           qRgb(255, 0, 255), qRgb(255, 0, 0),   qRgb(255, 255, 255),
                           qRgb(255, 255, 0)};
  for (int c = 0; c < 7; ++c) {
    for (int y = 21 * c; y < 21 * c + 21; ++y)
      for (int x = 0; x < 188; ++x) {
        const QRgb p = s.pixel(x, y);
        ASSERT_TRUE(p == kBlack || p == colours[c]) << x << "," << y;
      }
    for (int d = 0; d < 10; ++d) {
      int lit = 0;
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 15; ++x) {
          const bool on = s.pixel(16 * d + x, 21 * c + y) != kBlack;
          lit += on;
          if (x < 2 || x > 13 || y < 2 || y > 18) EXPECT_FALSE(on) << d << " " << x << "," << y;
        }
      EXPECT_GT(lit, d == 1 ? 15 : 30);
    }
    int dot = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 176; x < 180; ++x) {
        const bool on = s.pixel(x, 21 * c + y) == colours[c];
        dot += on;
        if (on) EXPECT_TRUE(y >= 15 && y <= 18 && x >= 177) << x << "," << y;
      }
    EXPECT_EQ(dot, 8);
  }
  for (int y = 42; y < 62; ++y)
    for (int x = 160; x < 175; ++x) EXPECT_EQ(s.pixel(x, y), kBlack);
  // "8" lights every segment that any other digit lights.
  for (int d = 0; d < 10; ++d)
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 15; ++x)
        if (s.pixel(16 * d + x, y) != kBlack) EXPECT_NE(s.pixel(128 + x, y), kBlack);
}

// The lamps: a yellow ring, black inside when unlit, a red or blue disc when lit.
TEST(Glyphs, LampPicture) {
  const QImage l = MakeLampPicture();
  ASSERT_EQ(l.size(), QSize(17, 51));
  EXPECT_EQ(l.pixel(0, 8), qRgb(255, 255, 0));
  EXPECT_EQ(l.pixel(8, 0), qRgb(255, 255, 0));
  EXPECT_EQ(l.pixel(0, 0), kBlack);
  EXPECT_EQ(l.pixel(9, 9), kBlack);
  EXPECT_EQ(l.pixel(9, 17 + 9), qRgb(255, 0, 0));
  EXPECT_EQ(l.pixel(9, 34 + 9), qRgb(0, 0, 255));
  EXPECT_EQ(l.pixel(0, 34 + 8), qRgb(255, 255, 0));
}

// Right to left, 1000.00 ends on the cell at x and starts 124 pixels left of it; the point
// takes four pixels; the leading blanks come from the black blank cell.
TEST(Glyphs, DigitsRightToLeft) {
  const GlyphSet g = Glyphs();
  QImage img = Canvas();
  const int x = 400, y = 50;
  DrawDigits(img, g, "   1000.00", x, y, false, 4);
  EXPECT_TRUE(CellIs(img, x, x + 14, y, g.Digits, 0, 84));                // last 0
  EXPECT_TRUE(CellIs(img, x - 15, x - 1, y, g.Digits, 0, 84));            // 0
  EXPECT_TRUE(CellIs(img, x - 19, x - 16, y, g.Digits, 176, 84));         // point
  EXPECT_TRUE(CellIs(img, x - 79, x - 65, y, g.Digits, 16, 84));          // 1
  EXPECT_TRUE(CellIs(img, x - 124, x - 80, y, Canvas(), 0, 0) == false);  // drawn over
  for (int yy = y; yy < y + 20; ++yy) {
    for (int xx = x - 124; xx <= x - 80; ++xx) EXPECT_EQ(img.pixel(xx, yy), kBlack);
    EXPECT_EQ(img.pixel(x - 125, yy), qRgb(1, 2, 3));
    EXPECT_EQ(img.pixel(x + 15, yy), qRgb(1, 2, 3));
  }
  EXPECT_EQ(img.pixel(x, y - 1), qRgb(1, 2, 3));
  EXPECT_EQ(img.pixel(x, y + 20), qRgb(1, 2, 3));

  // A comma draws as the point; a minus sign is an 8's middle bar alone on a blank cell.
  QImage a = Canvas(), b = Canvas();
  DrawDigits(a, g, "1,5", x, y, false, 2);
  DrawDigits(b, g, "1.5", x, y, false, 2);
  EXPECT_EQ(a, b);
  QImage m = Canvas();
  DrawDigits(m, g, "-7", x, y, false, 2);
  EXPECT_EQ(m.pixel(x - 15 + 7, y + 10), g.Digits.pixel(16 * 8 + 7, 21 * 2 + 10));
  EXPECT_EQ(m.pixel(x - 15 + 7, y + 2), g.Digits.pixel(160, 42));
  EXPECT_EQ(m.pixel(x - 15 + 2, y + 5), g.Digits.pixel(160, 42));
}

// Left to right, 12.5 puts "1" at x, "2" at x+15, the point at x+30 and "5" at x+34.
TEST(Glyphs, DigitsLeftToRight) {
  const GlyphSet g = Glyphs();
  QImage img = Canvas();
  DrawDigits(img, g, "12.5", 100, 10, true, 6);
  EXPECT_TRUE(CellIs(img, 100, 114, 10, g.Digits, 16, 126));
  EXPECT_TRUE(CellIs(img, 115, 129, 10, g.Digits, 32, 126));
  EXPECT_TRUE(CellIs(img, 130, 133, 10, g.Digits, 176, 126));
  EXPECT_TRUE(CellIs(img, 134, 148, 10, g.Digits, 80, 126));
  EXPECT_EQ(img.pixel(149, 15), qRgb(1, 2, 3));
}

// With the 144 artwork the digits move 13 pixels outwards from x = 200, labels from x = 100.
TEST(Glyphs, Shift144) {
  const GlyphSet g96 = Glyphs(96), g144 = Glyphs(144), g192 = Glyphs(192);
  for (auto [x, moved] :
       {std::pair{608, 621}, std::pair{129, 116}, std::pair{200, 213}, std::pair{199, 186}}) {
    QImage a = Canvas(), b = Canvas(), c = Canvas();
    DrawDigits(a, g144, "   1000.00", x, 30, false, 4);
    DrawDigits(b, g96, "   1000.00", moved, 30, false, 4);
    DrawDigits(c, g192, "   1000.00", moved, 30, false, 4);
    EXPECT_EQ(a, b) << x;
    EXPECT_EQ(c, b) << x;
  }
  for (auto [x, moved] : {std::pair{100, 113}, std::pair{99, 86}}) {
    QImage a = Canvas(), b = Canvas();
    DrawLabel(a, g144, "WON", x, 30, 144, 0);
    DrawLabel(b, g96, "WON", moved, 30, 144, 0);
    EXPECT_EQ(a, b) << x;
  }
}

// A label is a black box with a shadow border; letters are right-aligned at a pitch of 15 and
// a space leaves its cell black; a height of 1 is one shadow line.
TEST(Glyphs, Label) {
  const GlyphSet g = Glyphs();
  QImage img = Canvas();
  const int x = 200, y = 100;
  DrawLabel(img, g, "WON", x, y, 144, 0);
  const QRgb shadow = ShadowColor.rgb();
  EXPECT_EQ(img.pixel(x, y), shadow);
  EXPECT_EQ(img.pixel(x + 143, y + 51), shadow);
  EXPECT_EQ(img.pixel(x + 143, y + 20), shadow);
  EXPECT_EQ(img.pixel(x + 144, y + 20), qRgb(1, 2, 3));
  EXPECT_EQ(img.pixel(x + 20, y + 52), qRgb(1, 2, 3));
  EXPECT_EQ(img.pixel(x + 1, y + 1), kBlack);
  EXPECT_EQ(img.pixel(x + 20, y + 40), kBlack);
  const int letters[3] = {'W' - 'A', 'O' - 'A', 'N' - 'A'};
  for (int i = 0; i < 3; ++i) {
    const int lx = x + 94 + 15 * i;
    EXPECT_EQ(img.pixel(lx, y + 2), qRgb(10 * letters[i], 100, 200));
    EXPECT_EQ(img.pixel(lx + 11, y + 28), qRgb(10 * letters[i], 100, 200));
    EXPECT_EQ(img.pixel(lx + 12, y + 10), kBlack);
    EXPECT_EQ(img.pixel(lx, y + 29), kBlack);
  }
  EXPECT_EQ(img.pixel(x + 93, y + 10), kBlack);

  QImage b = Canvas();
  DrawLabel(b, g, "BONUS PCT", x, y, 144, 246);
  const int r = x + 144 - 20;
  EXPECT_EQ(b.pixel(r, y + 5), qRgb(10 * ('T' - 'A'), 100, 200));
  EXPECT_EQ(b.pixel(r - 30, y + 5), qRgb(10 * ('P' - 'A'), 100, 200));
  for (int xx = r - 45; xx < r - 45 + 12; ++xx) EXPECT_EQ(b.pixel(xx, y + 5), kBlack);
  EXPECT_EQ(b.pixel(r - 60, y + 5), qRgb(10 * ('S' - 'A'), 100, 200));
  EXPECT_EQ(b.pixel(x, y + 245), shadow);

  QImage line = Canvas();
  DrawLabel(line, g, "", x, y, 144, 1);
  for (int xx = x; xx < x + 144; ++xx) EXPECT_EQ(line.pixel(xx, y), shadow);
  EXPECT_EQ(line.pixel(x + 144, y), qRgb(1, 2, 3));
  EXPECT_EQ(line.pixel(x, y + 1), qRgb(1, 2, 3));
}

// Bevel style 3 around (10,262)-(34,286): highlight on column 7 and row 259, shadow on column 37
// and row 289, corners and the box untouched; the sunken styles add a black outline.
TEST(Glyphs, Bevel) {
  QImage img = Canvas(100, 320);
  DrawBevel(img, 10, 262, 34, 286, 3);
  const QRgb hi = HighlightColor.rgb(), sh = ShadowColor.rgb(), bg = qRgb(1, 2, 3);
  for (int y = 260; y <= 287; ++y) {
    EXPECT_EQ(img.pixel(7, y), hi) << y;
    EXPECT_EQ(img.pixel(37, y), sh) << y;
  }
  for (int x = 8; x <= 35; ++x) EXPECT_EQ(img.pixel(x, 259), hi) << x;
  for (int x = 9; x <= 36; ++x) EXPECT_EQ(img.pixel(x, 289), sh) << x;
  for (auto [x, y] : {std::pair{7, 259}, std::pair{37, 259}, std::pair{7, 289}, std::pair{37, 289},
                      std::pair{36, 259}, std::pair{8, 289}, std::pair{9, 261}, std::pair{34, 286},
                      std::pair{20, 270}})
    EXPECT_EQ(img.pixel(x, y), bg) << x << "," << y;

  QImage sunk = Canvas(100, 320);
  DrawBevel(sunk, 10, 262, 34, 286, 0);
  EXPECT_EQ(sunk.pixel(2, 270), sh);
  EXPECT_EQ(sunk.pixel(42, 270), hi);
  EXPECT_EQ(sunk.pixel(20, 254), sh);
  EXPECT_EQ(sunk.pixel(20, 294), hi);
  EXPECT_EQ(sunk.pixel(9, 261), kBlack);
  EXPECT_EQ(sunk.pixel(34, 286), kBlack);
  EXPECT_EQ(sunk.pixel(9, 286), kBlack);
  EXPECT_EQ(sunk.pixel(35, 270), bg);
  EXPECT_EQ(sunk.pixel(20, 287), bg);
  EXPECT_EQ(sunk.pixel(10, 262), bg);
}

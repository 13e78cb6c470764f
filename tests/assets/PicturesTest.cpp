// Checks the generated pictures: sizes, cell layouts and the properties the face relies on.
#include <gtest/gtest.h>

#include <QImage>
#include <QSet>
#include <cstdlib>

#include "tests/assets/MediaTestUtil.h"

using namespace zandor;

using mediatest::LE;
using mediatest::MediaDir;
using mediatest::ReadBytes;

namespace {

QImage Load(const std::string& name) { return QImage(QString::fromStdString(MediaDir() + name)); }

// Sum of absolute channel differences between two equally sized regions.
long Difference(const QImage& img, QPoint a, QPoint b, int w, int h) {
  long d = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const QRgb p = img.pixel(a.x() + x, a.y() + y), q = img.pixel(b.x() + x, b.y() + y);
      d += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
           std::abs(qBlue(p) - qBlue(q));
    }
  }
  return d;
}

}  // namespace

// Each artwork set is a 24-bit 3 x 3 grid of its cell size; every cell's visible part holds its
// own picture, and the hidden last row and column carry no art (they are the plain reel face).
TEST(Pictures, ArtworkSetsHoldNineDistinctCells) {
  for (int s : {96, 144, 192}) {
    const std::string name = "ZANDOR" + std::to_string(s) + ".bmp";
    SCOPED_TRACE(name);
    const auto bytes = ReadBytes(name);
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(LE(bytes, 28, 2), 24u);
    const QImage img = Load(name);
    ASSERT_EQ(img.size(), QSize(3 * s, 3 * s));
    for (int v = 0; v < 9; ++v) {
      const QPoint cell((v % 3) * s, (v / 3) * s);
      // A picture, not a flat fill: many distinct colours and strong contrast (outlines).
      QSet<QRgb> colours;
      int darkest = 255, lightest = 0;
      for (int y = 0; y < s - 1; y += 2) {
        for (int x = 0; x < s - 1; x += 2) {
          const QRgb c = img.pixel(cell.x() + x, cell.y() + y);
          colours.insert(c);
          darkest = std::min(darkest, qGray(c));
          lightest = std::max(lightest, qGray(c));
        }
      }
      EXPECT_GT(colours.size(), 200) << "cell " << v;
      EXPECT_GT(lightest - darkest, 120) << "cell " << v;
      for (int w = 0; w < v; ++w) {
        const QPoint other((w % 3) * s, (w / 3) * s);
        EXPECT_GT(Difference(img, cell, other, s - 1, s - 1), 20L * s * s) << v << " vs " << w;
      }
      for (int y = 1; y < s; ++y) {
        EXPECT_EQ(img.pixel(cell.x() + s - 1, cell.y() + y), img.pixel(cell.x() + s - 1, cell.y()))
            << "cell " << v << " last column, row " << y;
      }
      EXPECT_EQ(Difference(img, cell + QPoint(0, s - 1), QPoint(0, s - 1), s, 1), 0)
          << "cell " << v;
    }
  }
}

// The payoff chart opens the small set under a second spelling; it must be the same picture.
TEST(Pictures, SecondSpellingOfSmallSetIsIdentical) {
  const auto upper = ReadBytes("ZANDOR96.bmp");
  ASSERT_FALSE(upper.empty());
  EXPECT_EQ(ReadBytes("Zandor96.bmp"), upper);
}

// The letter strip holds 26 bright letters, each within its 12 x 27 cell, with a black gap
// column after each so captions drawn at a pitch of 15 never pick up a neighbour's edge.
TEST(Pictures, LetterStripHasTwentySixLettersInTheirCells) {
  const QImage img = Load("Alpha.bmp");
  ASSERT_EQ(img.size(), QSize(338, 27));
  for (int letter = 0; letter < 26; ++letter) {
    int lit = 0, bright = 0;
    for (int y = 0; y < 27; ++y) {
      EXPECT_EQ(qGray(img.pixel(13 * letter + 12, y)), 0) << "gap after letter " << letter;
      for (int x = 0; x < 12; ++x) {
        const int g = qGray(img.pixel(13 * letter + x, y));
        if (g > 40) ++lit;
        bright = std::max(bright, g);
      }
    }
    EXPECT_GT(lit, 25) << "letter " << letter;
    EXPECT_GT(bright, 180) << "letter " << letter;
    for (int other = 0; other < letter; ++other) {
      EXPECT_GT(Difference(img, QPoint(13 * letter, 0), QPoint(13 * other, 0), 12, 27), 1500)
          << char('A' + letter) << " looks like " << char('A' + other);
    }
  }
}

// Laid at a pitch of its size minus one, the tile meets itself without a visible seam: the step
// from its last shown column back to column 0 is no harsher than steps inside the tile.
TEST(Pictures, BackgroundTileWrapsSeamlessly) {
  const QImage img = Load("_BACK1.BMP");
  ASSERT_FALSE(img.isNull());
  const int w = img.width(), h = img.height();
  ASSERT_GE(w, 32);
  ASSERT_GE(h, 32);
  long inside = 0;
  for (int x = 0; x + 1 < w - 1; ++x)
    inside += Difference(img, QPoint(x, 0), QPoint(x + 1, 0), 1, h - 1);
  EXPECT_LE(Difference(img, QPoint(w - 2, 0), QPoint(0, 0), 1, h - 1), 3 * inside / (w - 2) + h);
  inside = 0;
  for (int y = 0; y + 1 < h - 1; ++y)
    inside += Difference(img, QPoint(0, y), QPoint(0, y + 1), w - 1, 1);
  EXPECT_LE(Difference(img, QPoint(0, h - 2), QPoint(0, 0), w - 1, 1), 3 * inside / (h - 2) + w);
  // Not so bright that the meters and reels get lost on it.
  long sum = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) sum += qGray(img.pixel(x, y));
  EXPECT_LT(sum / (w * h), 110);
}

// The application icon is 256 x 256 with transparent corners and an opaque middle.
TEST(Pictures, IconHasAlpha) {
  const QImage img = Load("zandor-slots.png");
  ASSERT_EQ(img.size(), QSize(256, 256));
  ASSERT_TRUE(img.hasAlphaChannel());
  EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
  EXPECT_EQ(qAlpha(img.pixel(255, 255)), 0);
  EXPECT_EQ(qAlpha(img.pixel(128, 128)), 255);
}

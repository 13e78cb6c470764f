#include <gtest/gtest.h>

#include <QAccessible>
#include <QFile>
#include <QPushButton>
#include <QRegion>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "face/FaceAccessible.h"
#include "face/FacePainter.h"
#include "machine/SlotMachine.h"
#include "platform/AccessEvents.h"
#include "tests/face/FaceArt.h"
#include "tests/support/Dollars.h"

using namespace zandor;

namespace {

constexpr QRgb kBack = qRgb(0x99, 0x66, 0x33);  // the solid background of most tests
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kBlack = qRgb(0, 0, 0);

class FaceTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApp(); }
  void SetUp() override {
    Game.Dirs.Program = Art.Path;
    Game.Options.BackColor = 0x00336699;
    Face.TiledChecked = false;
    ASSERT_EQ(Face.LoadLetters(), "");
  }
  // Loads the set for a window size and paints the whole face.
  void Paint(int w = 632, int h = 394) {
    ASSERT_EQ(Face.FitToSize(w, h), "");
    SetReelStrips(Game.Machine);  // as the window does after every resize
    Face.PaintFace();
  }
  // True when the 15 x 20 region at (x, y) equals the digit strip's cell (sx, sy).
  bool DigitAt(int x, int y, int sx, int sy, int w = 15) const {
    for (int dy = 0; dy < 20; ++dy)
      for (int dx = 0; dx < w; ++dx)
        if (Face.Canvas.pixel(x + dx, y + dy) != Face.Glyphs.Digits.pixel(sx + dx, sy + dy))
          return false;
    return true;
  }
  QRgb At(int x, int y) const { return Face.Canvas.pixel(x, y); }

  ArtFolder Art;
  GameState Game;
  FacePainter Face{Game.Machine, Game.Options, Game.Dirs};
};

}  // namespace

// The designed window: the layout values and the boxes of the worked example.
TEST_F(FaceTest, DesignedLayout) {
  Paint();
  EXPECT_EQ(Face.SymbolSize, 96);
  EXPECT_EQ(Face.ReelTop, 23);
  EXPECT_EQ(Face.ReelLeft, 162);
  EXPECT_EQ(Face.CreditsY, 40);
  EXPECT_EQ(Face.WagerY, 97);
  EXPECT_EQ(Face.WonY, 154);
  EXPECT_EQ(Face.PaylinesY, 211);
  EXPECT_EQ(Face.MeterX, 608);
  EXPECT_EQ(Face.LeftMargin, 24);
  const QRgb shadow = ShadowColor.rgb();
  // CREDITS box x 483..626, y 14..65; SPINS box x 4..147.
  EXPECT_EQ(At(483, 14), shadow);
  EXPECT_EQ(At(626, 65), shadow);
  EXPECT_EQ(At(484, 15), kBlack);
  EXPECT_EQ(At(482, 30), kBack);
  EXPECT_EQ(At(627, 30), kBack);
  EXPECT_EQ(At(500, 66), kBack);
  EXPECT_EQ(At(500, 13), kBack);
  EXPECT_EQ(At(4, 14), shadow);
  EXPECT_EQ(At(147, 65), shadow);
  EXPECT_EQ(At(3, 30), kBack);
  EXPECT_EQ(At(148, 30), kBack);
  // CREDITS shows 1000.00 in red ending on the cell at MeterX; SPINS shows 0.
  EXPECT_TRUE(DigitAt(608, 40, 0, 84));
  EXPECT_TRUE(DigitAt(608 - 79, 40, 16, 84));
  EXPECT_TRUE(DigitAt(24 + 105, 40, 0, 84));
  // The plate in the face colour around the reels, and the reels' black outlines.
  EXPECT_EQ(At(162 - 8, 40), FaceColor.rgb());
  EXPECT_EQ(At(162 + 288 + 26, 140), FaceColor.rgb());
  EXPECT_EQ(At(162 + 288 + 27, 140), ShadowColor.rgb());  // the plate's raised bevel
  EXPECT_EQ(At(162 - 9, 140), HighlightColor.rgb());
  EXPECT_EQ(At(162 + 288 + 28, 140), kBack);
  EXPECT_EQ(At(162 + 95, 23 + 10), kBlack);
  EXPECT_EQ(At(162, 23 + 287), kBlack);
  // The green line numbers of the PAYLINES box.
  EXPECT_TRUE(DigitAt(608 - 114, 211 + 2, 16, 42));
  EXPECT_TRUE(DigitAt(608 - 114, 211 + 82, 80, 42));
}

// The artwork set follows the width, a width above 5000 keeps the set, the buttons spread out.
TEST_F(FaceTest, SizeClassesAndButtons) {
  for (auto [w, s] : {std::pair{750, 96}, std::pair{751, 144}, std::pair{1000, 144},
                      std::pair{1001, 192}, std::pair{5000, 192}, std::pair{5001, 192}}) {
    ASSERT_EQ(Face.FitToSize(w, 300), "") << w;
    EXPECT_EQ(Face.SymbolSize, s) << w;
    EXPECT_EQ(Face.Glyphs.SymbolSize, s) << w;
    EXPECT_EQ(Face.Artwork.size(), QSize(3 * s, 3 * s)) << w;
    for (const QImage& r : Face.ReelImages) EXPECT_EQ(r.size(), QSize(s, 3 * s)) << w;
  }
  ASSERT_EQ(Face.FitToSize(700, 300), "");
  ASSERT_EQ(Face.FitToSize(6000, 300), "");
  EXPECT_EQ(Face.SymbolSize, 96);
  EXPECT_EQ(ButtonLefts(632), (std::array<int, 4>{22, 174, 326, 478}));
  const auto wide = ButtonLefts(1024);
  EXPECT_EQ(wide[1] - wide[0], wide[3] - wide[2]);
  EXPECT_EQ(wide[0], (1024 - 4 * 132 - 3 * ((1024 - 528) / 5)) / 2);
}

// On a high-density screen the face keeps its logical layout while the artwork set follows
// the width in device pixels: the reels show the finer set's own pixels, not the small set
// enlarged, and the meter boxes stand where they stand at 100 %.
TEST_F(FaceTest, ArtworkByDeviceWidth) {
  struct Case {
    double Ratio;
    int Set;
  };
  for (const Case c : {Case{1, 96}, Case{1.5, 144}, Case{2, 192}}) {
    ASSERT_EQ(Face.FitToSize(632, 394, c.Ratio), "") << c.Ratio;
    Face.PaintFace();
    auto dev = [&](int logical) { return static_cast<int>(std::lround(logical * c.Ratio)); };
    EXPECT_EQ(Face.SymbolSize, 96) << c.Ratio;
    EXPECT_EQ(Face.ArtworkSet, c.Set) << c.Ratio;
    EXPECT_EQ(Face.Canvas.size(), QSize(dev(632), dev(394))) << c.Ratio;
    EXPECT_EQ(Face.ReelLeft, 162) << c.Ratio;
    EXPECT_EQ(Face.ReelTop, 23) << c.Ratio;
    // The top symbol of reel 1, device pixel for device pixel from the set's cell: only the
    // set's own last row carries the mark, one device pixel high.
    const int v = Game.Machine.ReelStrips[0][Game.Machine.ReelStops[0] / 2] - '0';
    const int x0 = dev(162), y0 = dev(23);
    for (int x : {0, c.Set / 2, c.Set - 3}) {
      EXPECT_EQ(Face.Canvas.pixel(x0 + x, y0 + 7), ArtColour(v, x, 7, c.Set)) << c.Ratio;
      EXPECT_EQ(Face.Canvas.pixel(x0 + x, y0 + c.Set - 2), ArtColour(v, x, c.Set - 2, c.Set))
          << c.Ratio;
      EXPECT_EQ(Face.Canvas.pixel(x0 + x, y0 + c.Set - 1), ArtColour(v, x, c.Set - 1, c.Set))
          << c.Ratio;
    }
    // The CREDITS box's left border at x 483, the background just outside it.
    EXPECT_EQ(Face.Canvas.pixel(dev(483), dev(30)), ShadowColor.rgb()) << c.Ratio;
    EXPECT_EQ(Face.Canvas.pixel(dev(483) - 1, dev(30)), kBack) << c.Ratio;
  }
}

// A set that cannot be loaded reports the toolkit's text and leaves strips and grid alone;
// a good load restores the normal strips (reel 2 loses its free-spin strip).
TEST_F(FaceTest, ArtworkErrors) {
  Paint();
  Game.Machine.ReelStrips[1] = FreeSpinStrip;
  const auto grid = Game.Machine.ReelGrid;
  QFile::remove(QString::fromStdString(Art.Path + "ZANDOR144.bmp"));
  EXPECT_EQ(Face.FitToSize(800, 394), "Cannot open file " + Art.Path + "ZANDOR144.bmp");
  EXPECT_EQ(Face.SymbolSize, 144);
  EXPECT_EQ(Game.Machine.ReelStrips[1], FreeSpinStrip);
  EXPECT_EQ(Game.Machine.ReelGrid, grid);
  for (const QImage& r : Face.ReelImages) EXPECT_TRUE(r.isNull());
  Face.PaintFace();  // paints without reels rather than failing

  QFile bad(QString::fromStdString(Art.Path + "ZANDOR192.bmp"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly | QIODevice::Truncate));
  bad.write("not a picture at all");
  bad.close();
  EXPECT_EQ(Face.FitToSize(1200, 394), "Bitmap image is not valid");

  Game.Machine.FreeSpins = 3;  // a won bonus keeps reel 2 on its free-spin strip through a resize
  EXPECT_EQ(Face.FitToSize(632, 394), "");
  SetReelStrips(Game.Machine);
  EXPECT_EQ(Game.Machine.ReelStrips[1], FreeSpinStrip);
  Game.Machine.FreeSpins = 0;
  SetReelStrips(Game.Machine);
  EXPECT_EQ(Game.Machine.ReelStrips[1], NormalStrips[1]);
  // Start stops 26, 2, 8 show GAIN at the bottom of reel 1, the middle of 2, the top of 3.
  EXPECT_EQ(Game.Machine.ReelGrid, (std::array<int, 9>{5, 4, 0, 1, 0, 5, 0, 4, 5}));
  EXPECT_EQ(Face.LoadTile(Art.Path + "missing.bmp"),
            "Cannot open file " + Art.Path + "missing.bmp");
  // A tile whose name is not UTF-8 loads by the bytes of its name.
  const std::string latin1 = Art.Path + "caf\xe9.bmp";
  std::filesystem::copy_file(Art.Path + "ZANDOR96.bmp", latin1);
  EXPECT_EQ(Face.LoadTile(latin1), "");
  std::filesystem::remove(latin1);
}

// A picture cut short is refused with the same text as a broken one, however much of it is
// left, instead of loading with its missing rows undefined; the reels stay empty. A run-length
// coded tile is held to the same rule, and the pixels its codes skip come out as colour 0.
TEST_F(FaceTest, PictureCutShortIsRefused) {
  auto bytesOf = [](const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  auto write = [](const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  };
  // A 4 x 3 tile of 8 bits per pixel, run-length coded: a grey scale palette, the bottom row
  // a run of 200, the middle row skipped to its third pixel then a run of 100, the top row a
  // run of 50, then the end code.
  auto runLengthTile = [](size_t keepCodes) {
    std::string palette;
    for (int i = 0; i < 256; ++i) palette += {char(i), char(i), char(i), 0};
    const std::string codes("\x04\xc8\0\0\0\x02\x02\0\x02\x64\0\0\x04\x32\0\x01", 16);
    const std::string data = codes.substr(0, keepCodes);
    auto le = [](uint32_t v, int n) {
      std::string out;
      for (int i = 0; i < n; ++i) out += char(i < 4 ? v >> (8 * i) : 0);
      return out;
    };
    const uint32_t at = 14 + 40 + 1024;
    return "BM" + le(at + data.size(), 4) + le(0, 4) + le(at, 4) + le(40, 4) + le(4, 4) + le(3, 4) +
           le(1, 2) + le(8, 2) + le(1, 4) + le(data.size(), 4) + le(0, 16) + palette + data;
  };
  const std::string set = Art.Path + "ZANDOR96.bmp";
  const std::string whole = bytesOf(set);
  ASSERT_GT(whole.size(), 3u * 96 * 3 * 96 * 3);
  const std::string tile = Art.Path + "runs.bmp";
  const std::string refused = "Bitmap image is not valid";
  struct Row {
    const char* What;
    std::string Path, Bytes, Error;
  };
  const Row rows[] = {
      {"the set's first 100 bytes", set, whole.substr(0, 100), refused},
      {"the set's headers alone", set, whole.substr(0, 54), refused},
      {"the set but its last byte", set, whole.substr(0, whole.size() - 1), refused},
      {"the whole set", set, whole, ""},
      {"a coded tile cut inside its codes", tile, runLengthTile(9), refused},
      {"a coded tile without its end code", tile, runLengthTile(14), refused},
      {"a whole coded tile", tile, runLengthTile(16), ""},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.What);
    write(r.Path, r.Bytes);
    if (r.Path == set) {
      EXPECT_EQ(Face.FitToSize(632, 394), r.Error);
      for (const QImage& reel : Face.ReelImages) EXPECT_EQ(reel.isNull(), !r.Error.empty());
      continue;
    }
    Face.TileBitmap = QImage();
    EXPECT_EQ(Face.LoadTile(r.Path), r.Error);
    if (!r.Error.empty()) continue;
    ASSERT_EQ(Face.TileBitmap.size(), QSize(4, 3));
    const QRgb grey[3][4] = {{50, 50, 50, 50}, {0, 0, 100, 100}, {200, 200, 200, 200}};
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x)
        EXPECT_EQ(Face.TileBitmap.pixel(x, y), qRgb(grey[y][x], grey[y][x], grey[y][x]))
            << x << "," << y;
  }
}

// A reel image at rest shows three whole symbols; half a step further the lower half of the
// first, two whole and the upper part of the fourth; the strip wraps after 20; the image's
// last column is never written.
TEST_F(FaceTest, DrawReelPositions) {
  Paint();
  const int s = 96;
  QImage& img = Face.ReelImages[1];  // reel 2: "51053425345235425346"
  auto check = [&](int y, int v, int ly, const char* what) {
    for (int x : {0, 40, 94}) EXPECT_EQ(img.pixel(x, y), ArtColour(v, x, ly, s)) << what << y;
  };
  auto untouchedLastColumn = [&] {
    for (int y = 0; y < 3 * s; y += 7) EXPECT_EQ(img.pixel(s - 1, y), kBlack) << y;
  };
  img.fill(kBlack);
  Face.DrawReel(2, 0);
  check(0, 5, 0, "p0");
  check(s - 1, 5, s - 1, "p0");
  check(s, 1, 0, "p0");
  check(2 * s + 60, 0, 60, "p0");
  check(3 * s - 1, 0, s - 1, "p0");
  untouchedLastColumn();

  img.fill(kBlack);
  Face.DrawReel(2, 1);
  check(0, 5, 48, "p1");
  check(47, 5, 95, "p1");
  check(48, 1, 0, "p1");
  check(48 + 95, 1, 95, "p1");
  check(144, 0, 0, "p1");
  check(240, 5, 0, "p1");
  check(286, 5, 46, "p1");
  for (int x = 0; x < s; ++x) EXPECT_EQ(img.pixel(x, 287), kBlack);
  untouchedLastColumn();

  img.fill(kBlack);
  Face.DrawReel(2, 38);  // characters 20, 1, 2: symbols 6, 5, 1
  check(10, 6, 10, "p38");
  check(s + 10, 5, 10, "p38");
  check(2 * s + 10, 1, 10, "p38");

  img.fill(kBlack);
  Face.DrawReel(2, 39);  // lower half of 20, then 1 and 2, then the upper part of 3
  check(0, 6, 48, "p39");
  check(48, 5, 0, "p39");
  check(144, 1, 0, "p39");
  check(240, 0, 0, "p39");
  untouchedLastColumn();

  // DrawReels copies S-1 by 3S-1 pixels to each reel's place and nothing else.
  Face.Canvas.fill(qRgb(1, 2, 3));
  Face.DrawReels({0, 0, 0});
  for (int i = 1; i <= 3; ++i) {
    const int x = Face.ReelX(i);
    const int v = NormalStrips[i - 1][0] - '0';
    EXPECT_EQ(At(x, 23), ArtColour(v, 0, 0, s)) << i;
    EXPECT_EQ(At(x + s - 2, 23 + 3 * s - 2),
              ArtColour(NormalStrips[i - 1][2] - '0', s - 2, s - 2, s));
    EXPECT_EQ(At(x + s - 1, 23 + 10), qRgb(1, 2, 3));
    EXPECT_EQ(At(x + 10, 23 + 3 * s - 1), qRgb(1, 2, 3));
    EXPECT_EQ(At(x - 1, 23 + 10), qRgb(1, 2, 3));
  }
}

// Lamps: three coins at 10 cents light exactly column 1 rows 1 to 3; a winning line's lamps are
// blue; the shown wager falls back to the last wager; the 144 set moves the panel 13 right.
TEST_F(FaceTest, Lamps) {
  Game.Machine.CoinValue = 0.10_usd;
  Game.Machine.Wager = 0.30_usd;
  Paint();
  auto lamp = [&](int j, int k, int shift = 0) {
    return At(Face.MeterX - 85 + 20 * (j - 1) + shift + 8, Face.PaylinesY + 4 + 20 * (k - 1) + 8);
  };
  int lit = 0;
  for (int j = 1; j <= 5; ++j)
    for (int k = 1; k <= 5; ++k) lit += lamp(j, k) != kBlack;
  EXPECT_EQ(lit, 3);
  EXPECT_EQ(lamp(1, 1), kRed);
  EXPECT_EQ(lamp(1, 3), kRed);
  EXPECT_EQ(lamp(1, 4), kBlack);

  Game.Machine.CoinValue = 0.25_usd;
  Game.Machine.Wager = 0_usd;
  Game.Machine.LastWager = 6.25_usd;
  Game.Machine.LinePays = {0, 5, 0, 20, 0};
  Face.PaintFace();
  for (int j = 1; j <= 5; ++j)
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(lamp(j, k), (k == 2 || k == 4) ? kBlue : kRed);
  EXPECT_TRUE(DigitAt(608, 97, 80, 84));       // WAGER ends in 5 of 6.25
  EXPECT_TRUE(DigitAt(608 - 15, 97, 32, 84));  // 2

  // A wager of more coins than lamps (a stored game) lights the panel and nothing beyond it.
  Game.Machine.LastWager = 100_usd;
  Game.Machine.LinePays = {};
  Face.DrawLamps(Game.Machine.CoinValue, Game.Machine.LastWager);
  for (int j = 1; j <= 5; ++j)
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(lamp(j, k), kRed);
  Game.Machine.LastWager = 0_usd;
  ASSERT_EQ(Face.FitToSize(800, 450), "");
  Face.PaintFace();
  for (int j = 1; j <= 5; ++j)
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(lamp(j, k, 13), kBlack);
  Game.Machine.Wager = 0.25_usd;
  Face.DrawLamps(Game.Machine.CoinValue, Game.Machine.Wager);
  EXPECT_EQ(lamp(1, 1, 13), kRed);
  EXPECT_EQ(lamp(1, 2, 13), kBlack);
}

// The bonus bar: red above, blue below, P rows of blue; the frame in the shadow colour.
TEST_F(FaceTest, BonusBar) {
  for (int size : {632, 800}) {
    for (int p : {0, 37, 100}) {
      Game.Machine.PowerPts = p;
      Paint(size, 450);
      const int l = Face.SymbolSize == 144 ? Face.LeftMargin - 13 : Face.LeftMargin;
      const int top = Face.WagerY + Face.SymbolSize - 86;
      for (int y = top; y < top + 100; ++y) {
        if (y >= top + 42 && y < top + 62) continue;  // the percentage text
        const QRgb want = y >= top + 100 - p ? kBlue : kRed;
        EXPECT_EQ(At(l + 33, y), want) << p << " " << y;
        EXPECT_EQ(At(l + 71, y), want) << p << " " << y;
      }
      EXPECT_EQ(At(l + 72, top + 5), ShadowColor.rgb());
      EXPECT_EQ(At(l + 32, top + 5), ShadowColor.rgb());
      EXPECT_EQ(At(l + 50, top - 1), ShadowColor.rgb());
      EXPECT_EQ(At(l + 50, top + 100), ShadowColor.rgb());
      // The white percentage lies on the bar's middle rows.
      int white = 0;
      for (int y = Face.WagerY + Face.SymbolSize - 44; y < Face.WagerY + Face.SymbolSize - 30; ++y)
        for (int x = l + 33; x < l + 72; ++x) white += At(x, y) == qRgb(255, 255, 255);
      EXPECT_GT(white, 10) << p;
    }
  }
}

// A stored meter outside 0..100 fills the bar and never paints over the box around it.
TEST_F(FaceTest, BonusBarOutOfRange) {
  for (int p : {150, -20}) {
    Game.Machine.PowerPts = p;
    Paint();
    const int top = Face.WagerY + 96 - 86;
    EXPECT_EQ(At(24 + 40, top - 1), ShadowColor.rgb()) << p;
    EXPECT_EQ(At(24 + 40, top - 2), kBlack) << p;
    EXPECT_EQ(At(24 + 40, top + 100), ShadowColor.rgb()) << p;
    EXPECT_EQ(At(24 + 40, top + 101), kBlack) << p;
    EXPECT_EQ(At(24 + 40, top + 5), p > 0 ? kBlue : kRed) << p;
  }
}

// Only winning paylines cross the reels; the others show in the margins and between reels.
TEST_F(FaceTest, WinningPaylinesOnTop) {
  Game.Machine.LinePays = {0, 5, 0, 0, 0};
  Paint();
  const int line2 = 23 + 48, line3 = 23 + 240, line1 = 23 + 96 + 48 + 8;
  for (int i = 1; i <= 3; ++i) {
    const int x = Face.ReelX(i);
    EXPECT_EQ(At(x + 30, line2), kRed) << i;
    EXPECT_NE(At(x + 30, line3), kRed) << i;
    EXPECT_NE(At(x + 30, line1), kRed) << i;
  }
  for (int y : {line1, line2, line3}) {
    EXPECT_EQ(At(162 - 10, y), kRed);
    EXPECT_EQ(At(162 - 7, y), kRed);
    EXPECT_EQ(At(Face.ReelX(1) + 96 + 4, y), kRed);
    EXPECT_EQ(At(162 + 288 + 27, y), kRed);
    EXPECT_NE(At(162 + 288 + 28, y), kRed);  // the end point itself is not drawn
    EXPECT_NE(At(162 - 11, y), kRed);
  }
  EXPECT_EQ(At(162 - 10, 23 - 10), kRed);       // line 4 starts at the top left
  EXPECT_EQ(At(162 - 10, 23 + 288 + 8), kRed);  // line 5 at the bottom left
}

// High contrast tells a win by more than colour: the winning line is three pixels of red between
// black edges across the reels, its lamps are a lighter blue with a black and white mark, and
// lit lamps have no dark shade; the bonus percentage and the free-spins caption sit on black.
// Switched off, the same face is drawn exactly as designed.
TEST_F(FaceTest, HighContrast) {
  Game.Machine.LinePays = {0, 5, 0, 0, 0};
  Game.Machine.Wager = 0.50_usd;  // two coins: lines 1 and 2
  Paint();
  const QImage designed = Face.Canvas.copy();
  Face.HighContrast = true;
  Face.PaintFace();
  const int line2 = 23 + 48, x = Face.ReelX(2) + 30;
  EXPECT_EQ(At(x, line2 - 2), kBlack);
  for (int y = line2 - 1; y <= line2 + 1; ++y) EXPECT_EQ(At(x, y), kRed) << y;
  EXPECT_EQ(At(x, line2 + 2), kBlack);
  auto lamp = [&](int k, int dx, int dy) {
    return At(Face.MeterX - 85 + dx, Face.PaylinesY + 4 + 20 * (k - 1) + dy);
  };
  EXPECT_EQ(lamp(2, 8, 8), qRgb(255, 255, 255));  // the mark's white centre
  EXPECT_EQ(lamp(2, 6, 8), kBlack);               // its black ring
  EXPECT_EQ(lamp(2, 5, 10), qRgb(64, 160, 255));  // the lighter blue around it
  EXPECT_EQ(lamp(1, 11, 11), kRed);               // no darker shade on a lit lamp
  EXPECT_EQ(lamp(3, 8, 8), kBlack);               // unlit
  const int top = Face.WagerY + 96 - 86;
  int black = 0;
  for (int y = Face.WagerY + 96 - 44; y < Face.WagerY + 96 - 30; ++y)
    for (int x2 = 24 + 33; x2 < 24 + 72; ++x2) black += At(x2, y) == kBlack;
  EXPECT_GT(black, 100);
  EXPECT_EQ(At(24 + 33, top + 5), kRed);  // the bar itself keeps its colours
  Face.HighContrast = false;
  Face.PaintFace();
  EXPECT_EQ(Face.Canvas, designed);
}

// Tiles are laid at a pitch of one less than their size, showing their top left part; a tile
// larger than the window is drawn once; a 1-pixel tile draws nothing.
TEST_F(FaceTest, TiledBackground) {
  Face.TiledChecked = true;
  Face.TileBitmap = MakeTile(64, 64);
  Paint();
  for (int x = 0; x < 632; ++x)
    for (int y : {0, 9, 340, 393}) ASSERT_EQ(At(x, y), TileColour(x % 63, y % 63)) << x;
  for (int y = 0; y < 394; ++y)
    for (int x : {0, 3}) ASSERT_EQ(At(x, y), TileColour(x % 63, y % 63)) << y;

  Face.TileBitmap = MakeTile(700, 500);
  Face.PaintFace();
  for (int x = 0; x < 632; x += 3) ASSERT_EQ(At(x, 393), TileColour(x, 393)) << x;

  for (QSize size : {QSize(1, 1), QSize(1, 40), QSize(40, 1)}) {
    Face.TileBitmap = MakeTile(size.width(), size.height());
    Face.Canvas.fill(qRgb(9, 9, 9));
    Face.PaintFace();
    EXPECT_EQ(At(0, 0), qRgb(9, 9, 9));
    EXPECT_EQ(At(631, 393), qRgb(9, 9, 9));
  }

  Face.TiledChecked = false;
  Game.Options.BackColor = ButtonFaceColor;
  Face.PaintFace();
  EXPECT_EQ(At(0, 0), FaceColor.rgb());
  EXPECT_EQ(At(631, 393), FaceColor.rgb());
}

// Free spins replace the bonus area by the SPIN FREE counter; the meters redraw in place, the
// free-spin count in cyan, and a full paint brings the red SPINS count back.
TEST_F(FaceTest, FreeSpinsAndMeters) {
  Game.Machine.FreeSpins = 7;
  Game.Machine.PowerPts = 50;
  Paint();
  EXPECT_EQ(At(4, 154 - 26), ShadowColor.rgb());
  EXPECT_TRUE(DigitAt(24 + 42, 154, 112, 84));  // 7
  const int l = 24, top = 97 + 96 - 86;
  EXPECT_EQ(At(l + 40, top + 90), kBack);  // no bonus bar
  EXPECT_EQ(At(l + 40, 97 + 96 + 56 + 10), kBack);

  Face.Redraw(FaceElement::FreeSpinsLeft);
  EXPECT_TRUE(DigitAt(24 + 42, 154, 96, 84));  // 6
  Game.Machine.FreeSpinCount = 3;
  Face.Redraw(FaceElement::FreeSpinCount);
  EXPECT_TRUE(DigitAt(24 + 105, 40, 48, 21));  // cyan 3
  EXPECT_TRUE(DigitAt(24 + 105 - 15, 40, 160, 42));
  Game.Machine.Spins = 12;
  Face.PaintFace();
  EXPECT_TRUE(DigitAt(24 + 105, 40, 32, 84));  // red 2
  EXPECT_TRUE(DigitAt(24 + 90, 40, 16, 84));   // red 1

  Game.Machine.Credits = 1234567.89_usd;
  Game.Machine.WinPending = 2.5_usd;
  Game.Machine.BonusPool = 53_usd;
  Game.Machine.FreeSpins = 0;
  Face.PaintFace();
  Face.Redraw(FaceElement::Credits);
  Face.Redraw(FaceElement::Won);
  Face.Redraw(FaceElement::Bonus);
  EXPECT_TRUE(DigitAt(608, 40, 144, 84));       // ...7.89
  EXPECT_TRUE(DigitAt(608 - 124, 40, 16, 84));  // the 1 in the box's first cell
  EXPECT_TRUE(DigitAt(608, 154, 0, 84));        // 2.50
  EXPECT_TRUE(DigitAt(608 - 34, 154, 32, 84));
  EXPECT_TRUE(DigitAt(24 + 105 - 34, 97 + 96 + 56, 48, 84));  // 53.00
}

// Every GAIN cell swaps between its picture and cell 7 (cell 8 while a LOSS shows); the other
// cells stay, and a winning payline stays on top in every phase.
TEST_F(FaceTest, Blink) {
  Game.Machine.LinePays = {10, 0, 0, 0, 0};
  Paint();
  const int s = 96, line1 = 23 + 96 + 48 + 8;
  const int gx[3] = {Face.ReelX(1), Face.ReelX(2), Face.ReelX(3)};
  const int gy[3] = {23 + 2 * s, 23 + s, 23};              // bottom of 1, middle of 2, top of 3
  Face.Canvas.setPixel(gx[0] + 5, 23 + 5, qRgb(1, 2, 3));  // a cell without GAIN
  for (int tick = 1; tick <= 4; ++tick) {
    Face.Blink();
    const bool normal = tick % 2 == 0;
    EXPECT_EQ(Face.BlinkPhase, normal);
    for (int n = 0; n < 3; ++n) {
      const int v = normal ? 0 : 7;
      EXPECT_EQ(At(gx[n] + 5, gy[n] + 5), ArtColour(v, 5, 5, s)) << tick << " " << n;
      EXPECT_EQ(At(gx[n] + s - 2, gy[n] + s - 2), ArtColour(v, s - 2, s - 2, s));
    }
    EXPECT_EQ(At(gx[1] + 5, line1), kRed) << tick;
    EXPECT_EQ(At(gx[0] + 5, 23 + 5), qRgb(1, 2, 3));
    EXPECT_EQ(At(gx[0] + s - 1, gy[0] + 5), kBlack);  // the outline column stays
  }
  Game.Machine.ReelGrid[8] = LOSS;
  Face.Blink();
  EXPECT_EQ(At(gx[2] + 5, gy[2] + 5), ArtColour(8, 5, 5, s));
  EXPECT_EQ(At(gx[1] + 5, line1), kRed);
}

namespace {

// The runs of lit pixels along a line of a canvas: where each starts and how long it is, and
// whether every pixel of it is exactly the colour (no half-covered pixel on a long edge).
struct Runs {
  std::vector<int> Lengths;
  bool Pure = true;
};
Runs RunsAlong(const QImage& img, QPoint from, QPoint step, int count, QRgb colour) {
  Runs runs;
  int length = 0;
  for (int i = 0; i <= count; ++i) {
    const QPoint p = from + i * step;
    const QRgb c = i < count ? img.pixel(p) : qRgb(0, 0, 0);
    if (c != qRgb(0, 0, 0)) {
      ++length;
      runs.Pure = runs.Pure && c == colour;
    } else if (length > 0) {
      runs.Lengths.push_back(length);
      length = 0;
    }
  }
  return runs;
}

// The mean difference per colour channel between two images over a device rectangle (0..255).
double MeanDifference(const QImage& a, const QImage& b, const QRect& r) {
  double sum = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  return sum / (3.0 * r.width() * r.height());
}

// The aligned 2 x 2 blocks of a device rectangle whose four pixels are not all alike: none at
// all is the mark of a picture drawn at 100 % and doubled.
int MixedBlocks(const QImage& img, const QRect& r) {
  int mixed = 0;
  for (int y = r.top() & ~1; y + 1 <= r.bottom(); y += 2)
    for (int x = r.left() & ~1; x + 1 <= r.right(); x += 2) {
      const QRgb p = img.pixel(x, y);
      mixed += img.pixel(x + 1, y) != p || img.pixel(x, y + 1) != p || img.pixel(x + 1, y + 1) != p;
    }
  return mixed;
}

}  // namespace

// From 125 % to 200 % the digits and lamps are drawn from their shapes at the screen's own
// pixels: close to the designed face enlarged (a mean difference per channel under 16 of 255
// over the CREDITS digits and the lamp panel; 6 to 12 come out), yet with smooth tips and round
// lamps instead of doubled pixels, and each kind of bar equally wide with clean long edges in
// every digit of a meter. High contrast's lamps likewise.
TEST_F(FaceTest, DigitsAndLampsSharpAtEveryRatio) {
  Game.Machine.Credits = 8888.88_usd;
  Game.Machine.CoinValue = 0.25_usd;
  Game.Machine.Wager = 3_usd;  // 12 coins: columns 1 and 2 and two lamps of column 3
  Game.Machine.LinePays = {0, 5, 0, 0, 0};
  Paint();
  const QImage designed = Face.Canvas.copy();
  const QRect credits(483, 40, 140, 20), lamps(523, 215, 97, 97);
  const int eights[] = {608, 593, 574, 559, 544, 529};
  for (const double r : {1.25, 1.5, 1.75, 2.0}) {
    SCOPED_TRACE(r);
    ASSERT_EQ(Face.FitToSize(632, 394, r), "");
    Face.PaintFace();
    const QImage& canvas = Face.Canvas;
    auto dev = [r](int logical) { return static_cast<int>(std::lround(logical * r)); };
    auto device = [&](const QRect& q) {
      return QRect(QPoint(dev(q.left()), dev(q.top())),
                   QPoint(dev(q.right() + 1) - 1, dev(q.bottom() + 1) - 1));
    };
    const QImage enlarged =
        designed.scaled(canvas.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(MeanDifference(canvas, enlarged, device(credits)), 16);
    EXPECT_LT(MeanDifference(canvas, enlarged, device(lamps)), 16);

    // Each 8 of 8888.88: the upright bars across its upper half, the three bars down its
    // middle, all the same in every digit and as wide as the bar width at this ratio.
    const int bar = dev(2), middleBar = dev(3);
    for (const int x : eights) {
      const QPoint corner(dev(x), dev(40));
      const Runs across = RunsAlong(canvas, corner + QPoint(0, dev(6)), {1, 0}, dev(15), kRed);
      EXPECT_EQ(across.Lengths, std::vector<int>({bar, bar})) << x;
      EXPECT_TRUE(across.Pure) << x;
      const Runs down = RunsAlong(canvas, corner + QPoint(dev(8), 0), {0, 1}, dev(20), kRed);
      EXPECT_EQ(down.Lengths, std::vector<int>({bar, middleBar, bar})) << x;
      EXPECT_TRUE(down.Pure) << x;
    }
    if (r == 2) {
      // Doubled pixels leave every aligned 2 x 2 block of one colour; drawn shapes do not.
      EXPECT_GT(MixedBlocks(canvas, device(credits)), 6 * 8);
      EXPECT_GT(MixedBlocks(canvas, device(lamps)), 25 * 16);
    }

    // A lamp's middle: unlit black, lit red, a winning line's blue; each lamp alike.
    auto lampAt = [&](int j, int k, double dx, double dy) {
      return canvas.pixel(dev(Face.MeterX - 85 + 20 * (j - 1)) + static_cast<int>(dx * r),
                          dev(Face.PaylinesY + 4 + 20 * (k - 1)) + static_cast<int>(dy * r));
    };
    EXPECT_EQ(lampAt(1, 1, 10, 10), kRed);
    EXPECT_EQ(lampAt(1, 2, 10, 10), kBlue);
    EXPECT_EQ(lampAt(4, 1, 10, 10), kBlack);
    EXPECT_EQ(lampAt(4, 1, 1.5, 8.5), qRgb(255, 255, 0));  // the ring's lit side
    for (int k = 1; k <= 5; ++k)
      for (int j = 1; j <= 5; ++j)
        EXPECT_EQ(lampAt(j, k, 1.5, 8.5), lampAt(1, 1, 1.5, 8.5)) << j << "," << k;

    Face.HighContrast = true;
    Face.PaintFace();
    EXPECT_EQ(lampAt(1, 2, 8.5, 8.5), qRgb(255, 255, 255));  // the mark's white centre
    EXPECT_EQ(lampAt(1, 2, 6.5, 8.5), kBlack);               // its black ring
    EXPECT_EQ(lampAt(1, 2, 5, 11), qRgb(64, 160, 255));      // the lighter blue around it
    EXPECT_EQ(lampAt(1, 1, 11, 11), kRed);                   // no darker shade
    Face.HighContrast = false;
  }
}

// A money meter holds the largest amount the game allows, 9999999999.99, inside its box at
// every artwork size and screen density, high contrast or not: nothing outside the boxes'
// insides changes, all of it lies within the meters' redraw areas, the first digit has clean bars,
// and redrawing one amount over the other gives exactly the face the new amounts paint.
TEST_F(FaceTest, LongestAmountsStayInTheirBoxes) {
  const FaceElement meters[] = {FaceElement::Credits, FaceElement::Wager, FaceElement::Won,
                                FaceElement::Bonus};
  auto setAll = [this](Money m) {
    Game.Machine.Credits = Game.Machine.Wager = Game.Machine.WinPending = m;
    Game.Machine.BonusPool = m;
  };
  for (const auto& [w, h] : {std::pair{632, 394}, std::pair{900, 540}, std::pair{1200, 700}})
    for (const double r : {1.0, 1.25, 1.5, 2.0})
      for (const bool contrast : {false, true}) {
        SCOPED_TRACE(testing::Message() << w << " at " << r << (contrast ? " contrast" : ""));
        Face.HighContrast = contrast;
        ASSERT_EQ(Face.FitToSize(w, h, r), "");
        SetReelStrips(Game.Machine);
        setAll(9876543.21_usd);
        Face.PaintFace();
        const QImage normal = Face.Canvas.copy();
        setAll(9999999999.99_usd);
        for (const FaceElement e : meters) Face.Redraw(e);
        const QImage grown = Face.Canvas.copy();  // no digit of the shorter amounts left over
        Face.PaintFace();
        const QImage longest = Face.Canvas.copy();
        EXPECT_TRUE(grown == longest);

        const int s = Face.SymbolSize, shift = s == 144 ? 13 : 0;
        const int digitsX[] = {Face.MeterX + shift, Face.MeterX + shift, Face.MeterX + shift,
                               Face.LeftMargin + 105 - shift};
        const int digitsY[] = {Face.CreditsY, Face.WagerY, Face.WonY, Face.WagerY + s + 56};
        auto dev = [r](int logical) { return static_cast<int>(std::lround(logical * r)); };
        auto device = [&](const QRect& q) {
          return QRect(QPoint(dev(q.left()), dev(q.top())),
                       QPoint(dev(q.right() + 1) - 1, dev(q.bottom() + 1) - 1));
        };
        QRegion insides, areas;
        for (int m = 0; m < 4; ++m) {
          // The box's inside: the caption box at x - 125, 144 x 52, less its border.
          insides += device(QRect(digitsX[m] - 124, digitsY[m] - 25, 142, 50));
          areas += device(Face.MeterArea(meters[m]));
          // The first of the twelve digits, its upright bars as wide and clean as designed.
          const QPoint first(dev(digitsX[m] - 121), dev(digitsY[m] + 6));
          const Runs across = RunsAlong(longest, first, {1, 0}, dev(11), kRed);
          EXPECT_EQ(across.Lengths, std::vector<int>({dev(2), dev(2)})) << m;
          EXPECT_TRUE(across.Pure) << m;
        }
        int outside = 0, unredrawn = 0;
        for (int y = 0; y < normal.height(); ++y)
          for (int x = 0; x < normal.width(); ++x)
            if (normal.pixel(x, y) != longest.pixel(x, y)) {
              outside += !insides.contains(QPoint(x, y));
              unredrawn += !areas.contains(QPoint(x, y));
            }
        EXPECT_EQ(outside, 0);
        EXPECT_EQ(unredrawn, 0);

        setAll(9876543.21_usd);
        for (const FaceElement e : meters) Face.Redraw(e);
        EXPECT_TRUE(Face.Canvas == normal);
      }
  Face.HighContrast = false;
}

// A screen reader entering the machine hears where it is and one thing, the part the keyboard
// is on, as an item of a list with its place in it, not every part at once; the arrows walk the
// parts painted now in reading order; the bonus meter is an item read once, by its name with
// its per cent, and its changes are told as a new name, never as the value of a progress bar.
TEST_F(FaceTest, ScreenReaderEntersTheMachineAsAList) {
  Paint();
  Game.Machine.PowerPts = 10;
  QWidget window;
  window.resize(632, 394);
  auto* area = new PaintedArea(&window, QAccessible::Grouping, "Slot machine",
                               [this] { return FaceParts(Face, Game.Machine); });
  area->setGeometry(0, 0, 632, 394);
  auto* before = new QPushButton("Spin", &window);
  before->setGeometry(0, 0, 10, 10);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(area);
  EXPECT_EQ(list->role(), QAccessible::List);

  std::vector<QAccessibleInterface*> focused;
  std::vector<std::pair<QAccessible::Event, QString>> told;
  ListenToAccessibility([&](QAccessibleEvent& e) {
    QAccessibleInterface* iface = e.accessibleInterface();
    if (e.type() == QAccessible::Focus) focused.push_back(iface);
    told.emplace_back(e.type(), iface ? iface->text(QAccessible::Name) : QString());
  });
  area->setFocus(Qt::TabFocusReason);
  QCoreApplication::processEvents();
  ASSERT_EQ(focused.size(), 1U);
  EXPECT_EQ(focused[0]->text(QAccessible::Name), "Credits 1000.00");
  EXPECT_EQ(focused[0]->role(), QAccessible::ListItem);
  EXPECT_EQ(focused[0]->parent(), list);

  QStringList walked{focused[0]->text(QAccessible::Name)};
  for (int i = 0; i < 25; ++i) QTest::keyClick(area, Qt::Key_Down);
  for (size_t i = 1; i < focused.size(); ++i) walked << focused[i]->text(QAccessible::Name);
  EXPECT_EQ(walked.size(), 20);  // every part but "Free spins left", which is not painted
  EXPECT_EQ(
      walked.mid(0, 7),
      QStringList({"Credits 1000.00", "Wager 0.00", "Won 0.00", "Spins 0", "Bonus meter 10%",
                   "Bonus pool 50.00", "Reel 1, top: " + SymbolName(Game.Machine.ReelGrid[0])}));
  EXPECT_TRUE(walked.back().startsWith("Payline 5, bottom left to top right: "));
  for (QAccessibleInterface* item : focused) EXPECT_EQ(item->role(), QAccessible::ListItem);
  EXPECT_EQ(focused[4]->valueInterface(), nullptr);

  area->Changed();  // the first look
  told.clear();
  Game.Machine.PowerPts = 20;
  area->Changed();
  ListenToAccessibility(nullptr);
  EXPECT_EQ(told, (std::vector<std::pair<QAccessible::Event, QString>>{
                      {QAccessible::NameChanged, "Bonus meter 20%"}}));
}

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <random>
#include <set>

#include "cards/CardSheets.h"
#include "tests/cards/Decks.h"

using namespace zandor;

namespace {

const CardSheets& Sheets() {
  static int argc = 1;
  static char name[] = "cards_sheets_test";
  static char* argv[] = {name, nullptr};
  static QGuiApplication app(argc, argv);
  static const CardSheets sheets = MakeCardSheets();
  return sheets;
}

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

// Pixels of a's rectangle equal pixels of b's rectangle of the same size.
::testing::AssertionResult SameArea(const QImage& a, const QRect& ra, const QImage& b,
                                    const QRect& rb) {
  if (ra.size() != rb.size()) return ::testing::AssertionFailure() << "sizes differ";
  for (int y = 0; y < ra.height(); ++y)
    for (int x = 0; x < ra.width(); ++x)
      if (a.pixel(ra.left() + x, ra.top() + y) != b.pixel(rb.left() + x, rb.top() + y))
        return ::testing::AssertionFailure() << "differs at offset (" << x << ", " << y << ")";
  return ::testing::AssertionSuccess();
}

// True when the area holds a pixel of this colour.
bool HasColour(const QImage& image, const QRect& area, QRgb colour) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixel(x, y) == colour) return true;
  return false;
}

}  // namespace

// The sheets have their fixed sizes, so every source rectangle of a card lies inside them.
TEST(CardSheets, Sizes) {
  const CardSheets& s = Sheets();
  EXPECT_EQ(s.Pos.size(), QSize(73, 98));
  EXPECT_EQ(s.Neg.size(), QSize(73, 98));
  EXPECT_EQ(s.Back.size(), QSize(73, 98));
  EXPECT_EQ(s.Black.size(), QSize(117, 28));
  EXPECT_EQ(s.Red.size(), QSize(117, 28));
  EXPECT_EQ(s.SuitSm.size(), QSize(44, 22));
  EXPECT_EQ(s.Suits.size(), QSize(60, 30));
  EXPECT_EQ(s.Royal.size(), QSize(141, 148));
}

// Wherever the mask leaves the window (white), the face and the back are black, so the OR
// changes nothing there; inside the outline the mask is black, the blank face white inside
// its frame, and the corners are really rounded.
TEST(CardSheets, MaskFaceAndBackAgree) {
  const CardSheets& s = Sheets();
  for (int y = 0; y < 98; ++y) {
    for (int x = 0; x < 73; ++x) {
      const QRgb mask = s.Neg.pixel(x, y);
      ASSERT_TRUE(mask == White || mask == Black) << x << "," << y;
      if (mask == White) {
        ASSERT_EQ(s.Pos.pixel(x, y), Black) << x << "," << y;
        ASSERT_EQ(s.Back.pixel(x, y), Black) << x << "," << y;
      }
    }
  }
  for (QPoint corner : {QPoint(0, 0), QPoint(72, 0), QPoint(0, 97), QPoint(72, 97)})
    EXPECT_EQ(s.Neg.pixel(corner), White);
  EXPECT_EQ(s.Neg.pixel(36, 0), Black);
  EXPECT_EQ(s.Neg.pixel(0, 49), Black);
  EXPECT_EQ(s.Pos.pixel(36, 0), Black);  // the frame
  EXPECT_EQ(s.Pos.pixel(36, 1), White);
  EXPECT_EQ(s.Pos.pixel(36, 49), White);
  EXPECT_NE(s.Back.pixel(36, 30), White);  // the back is patterned, not blank
}

// Rank glyphs and suit signs: the lower row is the upper row turned half round, black
// sheets hold only black ink and the red sheet red ink.
TEST(CardSheets, UpsideDownRowsAreTurnedCopies) {
  const CardSheets& s = Sheets();
  for (const QImage* glyphs : {&s.Black, &s.Red}) {
    for (int r = 0; r < 13; ++r)
      for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 8; ++x)
          ASSERT_EQ(glyphs->pixel(9 * r + x, y), glyphs->pixel(9 * r + 7 - x, 14 + 12 - y));
  }
  for (auto [sheet, n] : {std::pair{&s.SuitSm, 11}, std::pair{&s.Suits, 15}})
    for (int suit = 0; suit < 4; ++suit)
      for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
          ASSERT_EQ(sheet->pixel(n * suit + x, y),
                    sheet->pixel(n * suit + n - 1 - x, 2 * n - 1 - y));
  EXPECT_TRUE(HasColour(s.Black, QRect(0, 0, 9, 13), Black));
  EXPECT_FALSE(HasColour(s.Red, QRect(0, 0, 117, 28), Black));
  EXPECT_EQ(s.Suits.pixel(7, 7), Black);       // centre of the club
  EXPECT_NE(qRed(s.Suits.pixel(22, 9)), 0);    // the heart is red...
  EXPECT_EQ(qGreen(s.Suits.pixel(22, 9)), 0);  // ...and fully inked in its middle
}

// The seven of hearts: red rank and small suit in both corners, the seven pips at their
// places (the right-hand corner pips stretched to 16 columns) and nothing where an eight
// would have pips.
TEST(CardSheets, SevenOfHeartsOnPixels) {
  const CardSheets& s = Sheets();
  const QImage card = ComposeCard(s, CardId(6, 1));
  ASSERT_EQ(card.size(), QSize(73, 98));
  EXPECT_TRUE(SameArea(card, Span(3, 3, 12, 16), s.Red, Span(54, 0, 63, 13)));
  EXPECT_TRUE(SameArea(card, Span(61, 82, 69, 95), s.Red, Span(54, 14, 62, 27)));
  EXPECT_TRUE(SameArea(card, Span(2, 18, 13, 29), s.SuitSm, Span(11, 0, 22, 11)));
  EXPECT_TRUE(SameArea(card, Span(60, 70, 71, 81), s.SuitSm, Span(11, 11, 22, 22)));
  const QRect pip = Span(15, 0, 30, 15);
  for (QRect to : {Span(14, 10, 29, 25), Span(14, 72, 29, 87), Span(14, 41, 29, 56),
                   Span(42, 41, 57, 56), Span(28, 27, 43, 42)})
    EXPECT_TRUE(SameArea(card, to, s.Suits, pip)) << to.x() << "," << to.y();
  for (QRect to : {Span(42, 10, 58, 25), Span(42, 72, 58, 87)}) {
    // Every source column appears, in order, with one of them doubled.
    int source = 0;
    for (int x = 0; x < 16; ++x) {
      const QRect column(to.left() + x, to.top(), 1, 15);
      if (SameArea(card, column, s.Suits, QRect(15 + source + 1, 0, 1, 15)) && source < 14)
        ++source;
      else
        ASSERT_TRUE(SameArea(card, column, s.Suits, QRect(15 + source, 0, 1, 15))) << x;
    }
    EXPECT_EQ(source, 14);
  }
  for (QRect empty :
       {Span(14, 27, 29, 40), Span(14, 58, 29, 71), Span(44, 27, 57, 40), Span(28, 60, 43, 71)})
    EXPECT_FALSE(HasColour(card, empty, s.Suits.pixel(22, 9))) << empty.x() << "," << empty.y();
  EXPECT_EQ(card.pixel(36, 6), White);
}

// Court cards show their picture in (13,13)-(60,87) from the right column and row, with the
// large pip over it: the queen of spades top right and bottom left, the king of diamonds top
// left and bottom right.
TEST(CardSheets, CourtCardsOnPixels) {
  const CardSheets& s = Sheets();
  const QImage queen = ComposeCard(s, CardId(11, 3));
  EXPECT_TRUE(SameArea(queen, Span(13, 13, 43, 70), s.Royal, Span(47, 0, 77, 57)));
  EXPECT_TRUE(SameArea(queen, Span(43, 30, 60, 70), s.Royal, Span(77, 17, 94, 57)));
  EXPECT_TRUE(SameArea(queen, Span(43, 15, 58, 30), s.Suits, Span(45, 0, 60, 15)));
  EXPECT_TRUE(SameArea(queen, Span(15, 70, 30, 85), s.Suits, Span(45, 15, 60, 30)));
  EXPECT_TRUE(SameArea(queen, Span(3, 3, 12, 16), s.Black, Span(99, 0, 108, 13)));

  const QImage king = ComposeCard(s, CardId(12, 2));
  EXPECT_TRUE(SameArea(king, Span(30, 13, 60, 70), s.Royal, Span(17, 74, 47, 131)));
  EXPECT_TRUE(SameArea(king, Span(15, 15, 30, 30), s.Suits, Span(30, 0, 45, 15)));
  EXPECT_TRUE(SameArea(king, Span(43, 70, 58, 85), s.Suits, Span(30, 15, 45, 30)));
  EXPECT_TRUE(SameArea(king, Span(3, 3, 12, 16), s.Red, Span(108, 0, 117, 13)));

  const QImage jack = ComposeCard(s, CardId(10, 0));
  EXPECT_TRUE(SameArea(jack, Span(13, 30, 43, 70), s.Royal, Span(94, 17, 124, 57)));
  // The court picture is drawn in several colours, blue and red among them.
  std::set<QRgb> colours;
  for (int y = 13; y < 87; ++y)
    for (int x = 13; x < 60; ++x) colours.insert(jack.pixel(x, y));
  EXPECT_GT(colours.size(), 8u);
}

// Masking a card onto any window sets exactly the card's shape to the composed face and
// leaves every other pixel, including those outside the rounded corners, as it was.
TEST(CardSheets, MaskOntoKeepsTheWindowOutsideTheCard) {
  const CardSheets& s = Sheets();
  QImage window(120, 130, QImage::Format_RGB32);
  std::mt19937 noise(7);  // NOLINT(bugprone-random-generator-seed): the same noise every run
  for (int y = 0; y < window.height(); ++y)
    for (int x = 0; x < window.width(); ++x) window.setPixel(x, y, noise() | 0xff000000u);
  const QImage before = window.copy();
  const QImage card = ComposeCard(s, CardId(0, 3));
  MaskOnto(window, s.Neg, card, 20, 15);
  for (int y = 0; y < window.height(); ++y) {
    for (int x = 0; x < window.width(); ++x) {
      const int u = x - 20, v = y - 15;
      const bool onCard = u >= 0 && v >= 0 && u < 73 && v < 98 && s.Neg.pixel(u, v) == Black;
      ASSERT_EQ(window.pixel(x, y), onCard ? card.pixel(u, v) : before.pixel(x, y))
          << x << "," << y;
    }
  }
  EXPECT_EQ(window.pixel(20, 15), before.pixel(20, 15));  // the rounded corner
  // A card hanging over the window's edge is clipped, not written out of bounds.
  MaskOnto(window, s.Neg, s.Back, 80, 100);
  MaskOnto(window, s.Neg, s.Back, -40, -50);
  EXPECT_EQ(window.pixel(119, 129), s.Back.pixel(39, 29));
}

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "face/PayoffChart.h"
#include "platform/AccessEvents.h"
#include "platform/PaintedArea.h"
#include "tests/face/FaceArt.h"
#include "tests/support/Dollars.h"
#include "tests/support/FakePrompts.h"

using namespace zandor;

namespace {

class PayoffsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApp(); }
  void SetUp() override {
    Game.Dirs.Program = Art.Path;
    Glyphs.Digits = MakeDigitStrip();
    Glyphs.SymbolSize = 96;
    Chart = std::make_unique<PayoffChart>(Game.Machine, Game.Dirs, Glyphs, Boxes);
  }
  // Shows the chart at a coin value (index into the coin table).
  void ShowAt(int bet) {
    Game.Machine.Bet = static_cast<uint8_t>(bet);
    Game.Machine.CoinValue = CoinTable[bet].Value;
    Chart->LoadPictures();
    Chart->PaintChart();
  }
  // True when the chart shows text right-aligned on the cell at x: digits and blanks 15 apart,
  // a point 4 wide, each cell equal to the strip's cell in the colour row.
  bool Shows(int x, int y, int row, const std::string& text) const {
    for (int i = static_cast<int>(text.size()) - 1, first = 1; i >= 0; --i) {
      const char ch = text[i];
      int sx = 0, sy = 21 * row, w = 15;
      if (ch == '.') {
        x -= 4;
        sx = 176;
        w = 4;
      } else {
        if (!first) x -= 15;
        if (ch == ' ')
          sx = 160, sy = 42;
        else
          sx = 16 * (ch - '0');
      }
      first = 0;
      for (int dy = 0; dy < 20; ++dy)
        for (int dx = 0; dx < w; ++dx)
          if (Chart->Chart.pixel(x + dx, y + dy) != Glyphs.Digits.pixel(sx + dx, sy + dy))
            return false;
    }
    return true;
  }

  ArtFolder Art;
  GameState Game;
  GlyphSet Glyphs;
  std::unique_ptr<PayoffChart> Chart;
  FakePrompts Boxes;
  std::vector<QString>& Errors = Boxes.Messages;
};

}  // namespace

// At 25 cents the first row reads 250.00 .. 1250.00 and the last 0.50 .. 2.50, each column in
// its colour and ending on its caption's right edge; the captions follow the coin value.
TEST_F(PayoffsTest, AmountsAtQuarter) {
  ShowAt(3);
  const int rows[5] = {4, 5, 1, 3, 2};
  const char* first[5] = {" 250.00", "  500.00", "  750.00", " 1000.00", " 1250.00"};
  const char* last[5] = {"   0.50", "    1.00", "    1.50", "    2.00", "    2.50"};
  for (int n = 0; n < 5; ++n) {
    EXPECT_TRUE(Shows(PayoffChart::ColumnRight[n], 42, rows[n], first[n])) << n;
    EXPECT_TRUE(Shows(PayoffChart::ColumnRight[n], 262 + 2, rows[n], last[n])) << n;
    EXPECT_FALSE(Shows(PayoffChart::ColumnRight[n], 42, (rows[n] + 1) % 7, first[n])) << n;
  }
  EXPECT_TRUE(Shows(197, 77 + 2, 4, "  50.00"));
  EXPECT_TRUE(Shows(647, 225 + 2, 2, "    6.25"));
  EXPECT_EQ(Chart->windowTitle(), "Zandor Slots Payoffs");
  EXPECT_EQ(Chart->CoinValueLabel->text(), QString::fromUtf8("25\u00a2"));
  EXPECT_EQ(Chart->TitleLabel->text(), "Zandor Slots");
  EXPECT_TRUE(Errors.empty());
  ShowAt(4);
  EXPECT_EQ(Chart->CoinValueLabel->text(), QString::fromUtf8("10\u00a2"));
}

// At $5 the biggest amount fills its field exactly; at 5 cents the smallest is three blanks,
// 0, the point and 10.
TEST_F(PayoffsTest, AmountsAtExtremes) {
  ShowAt(0);
  EXPECT_TRUE(Shows(647, 42, 2, "25000.00"));
  EXPECT_TRUE(Shows(197, 42, 4, "5000.00"));
  ShowAt(5);
  EXPECT_TRUE(Shows(197, 264, 4, "   0.10"));
  EXPECT_EQ(Chart->CoinValueLabel->text(), QString::fromUtf8("5\u00a2"));
}

// With the 144 artwork the first column moves 13 pixels left and the others 13 right.
TEST_F(PayoffsTest, Shift144) {
  Glyphs.SymbolSize = 144;
  ShowAt(3);
  EXPECT_TRUE(Shows(197 - 13, 42, 4, " 250.00"));
  EXPECT_TRUE(Shows(311 + 13, 42, 5, "  500.00"));
  EXPECT_TRUE(Shows(535 + 13, 42, 3, " 1000.00"));
}

// Symbol rows: the quarter-size picture in three bevelled cells, row 7 only twice.
TEST_F(PayoffsTest, SymbolRows) {
  ShowAt(3);
  EXPECT_EQ(Chart->ChartSymbols.size(), QSize(72, 72));
  const QImage& c = Chart->Chart;
  for (int r = 1; r <= 7; ++r) {
    const int y = 40 + 37 * (r - 1), v = r == 7 ? 5 : r - 1;
    for (int i = 0; i < (r == 7 ? 2 : 3); ++i) {
      const int x = 10 + 34 * i;
      EXPECT_EQ(c.pixel(x + 5, y + 5), ArtColour(v, 5, 5, 96)) << r << " " << i;
      EXPECT_EQ(qGreen(c.pixel(x + 5, y + 20)), 150) << r << " " << i;
      EXPECT_EQ(c.pixel(x - 3, y + 10), HighlightColor.rgb());
      EXPECT_EQ(c.pixel(x + 10, y - 3), HighlightColor.rgb());
      EXPECT_EQ(c.pixel(x + 27, y + 10), ShadowColor.rgb());
      EXPECT_EQ(c.pixel(x + 10, y + 27), ShadowColor.rgb());
    }
  }
  EXPECT_EQ(c.pixel(78 + 5, 262 + 5), FaceColor.rgb());
  EXPECT_EQ(c.pixel(78 - 3, 262 + 10), FaceColor.rgb());
}

// A missing picture is reported with its path; the chart still shows its bevels and amounts
// with empty cells, and the captions keep their texts.
TEST_F(PayoffsTest, MissingPicture) {
  ShowAt(3);
  QFile::remove(QString::fromStdString(Art.Path + "Zandor96.bmp"));
  Chart->setWindowTitle("before");
  ShowAt(4);
  ASSERT_EQ(Errors.size(), 1u);
  EXPECT_EQ(Errors[0].toStdString(), "Cannot open file " + Art.Path + "Zandor96.bmp");
  EXPECT_EQ(Chart->windowTitle(), "before");
  EXPECT_EQ(Chart->Chart.pixel(15, 45), FaceColor.rgb());
  EXPECT_EQ(Chart->Chart.pixel(7, 50), HighlightColor.rgb());
  EXPECT_TRUE(Shows(197, 42, 4, " 100.00"));
}

// The dialog is 674 x 393, titled exactly by its caption and centred on the screen.
TEST_F(PayoffsTest, WindowPlacement) {
  Game.Machine.CoinValue = 0.25_usd;
  Chart->show();
  EXPECT_EQ(Chart->size(), QSize(674, 393));
  EXPECT_EQ(Chart->windowTitle(), "Zandor Slots Payoffs");
  const QRect area = Chart->screen()->availableGeometry();
  const QRect outer = Chart->frameGeometry();
  EXPECT_LE(std::abs(outer.center().x() - area.center().x()), 1);
  EXPECT_LE(std::abs(outer.center().y() - area.center().y()), 1);
  EXPECT_EQ(Chart->ColumnLabels[0]->geometry().right() + 1, 197);
  EXPECT_EQ(Chart->ColumnLabels[4]->geometry().right() + 1, 647);
  Chart->OkButton->click();
  EXPECT_EQ(Chart->result(), QDialog::Accepted);
}

// With every artwork set and at every coin value, each amount shows whole in its column: its
// leading cell after the symbols' cells (the first column) or the previous column's last cell,
// its last cell inside the chart. The coin value and the title keep clear of the bottom edge.
TEST_F(PayoffsTest, EveryAmountInsideItsColumn) {
  const int rows[5] = {4, 5, 1, 3, 2};
  for (const int size : {96, 144, 192})
    for (int bet = 0; bet < 6; ++bet) {
      SCOPED_TRACE(testing::Message() << "artwork " << size << ", coin value " << bet);
      Glyphs.SymbolSize = size;
      ShowAt(bet);
      int previousEnd = 10 + 34 * 2 + 24;
      for (int n = 0; n < 5; ++n) {
        int end = 0;
        for (int r = 0; r < 7; ++r) {
          const std::string text =
              (CoinTable[bet].Value * (PayFactors[r] * (n + 1))).Padded(n == 0 ? 7 : 8);
          const int width = 15 * (static_cast<int>(text.size()) - 1) + 4 - 15;
          int at = -1;
          for (int x = PayoffChart::ColumnRight[n] - 15;
               at < 0 && x <= std::min(PayoffChart::ColumnRight[n] + 15, 674 - 15); ++x)
            if (Shows(x, 40 + 37 * r + 2, rows[n], text)) at = x;
          ASSERT_GE(at, 0) << text << " in column " << n + 1;
          EXPECT_GE(at - width, previousEnd) << text << " in column " << n + 1;
          end = std::max(end, at + 15);
        }
        previousEnd = end;
      }
      for (const QLabel* label : {Chart->CoinValueLabel, Chart->TitleLabel}) {
        const QFontMetrics metrics(label->font());
        const int baseline =
            label->y() + (label->height() - metrics.height()) / 2 + metrics.ascent();
        EXPECT_LE(baseline + metrics.tightBoundingRect(label->text()).bottom(), 393 - 3)
            << label->text().toStdString();
      }
    }
}

// A screen reader walks the chart as a table: seven rows of the symbols and the five pays at the
// coin value, under their column captions; Tab reaches it and the arrow keys move cell by cell
// and row by row (Home and End along the row), each move told as a focus on the cell.
TEST_F(PayoffsTest, ReadAsATable) {
  ShowAt(3);  // 25 cents
  Chart->show();
  Chart->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Chart.get()));
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(Chart->Table);
  ASSERT_NE(table, nullptr);
  QAccessibleTableInterface* t = table->tableInterface();
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(table->text(QAccessible::Name), "Payoffs");
  EXPECT_EQ(t->rowCount(), 7);
  EXPECT_EQ(t->columnCount(), 6);
  EXPECT_EQ(t->columnDescription(0), "Symbols");
  EXPECT_EQ(t->columnDescription(5), "5 Coins");
  const struct {
    int Row, Column;
    const char* Name;
  } cells[] = {{0, 0, "Power Up, Power Up, Power Up"},
               {0, 1, "250.00"},
               {0, 5, "1250.00"},
               {1, 0, "Diamond, Diamond, Diamond"},
               {5, 3, "3.75"},
               {6, 0, "Cherry, Cherry, any symbol"},
               {6, 2, "1.00"}};
  for (const auto& c : cells) {
    QAccessibleInterface* cell = t->cellAt(c.Row, c.Column);
    ASSERT_NE(cell, nullptr) << c.Name;
    EXPECT_EQ(cell->text(QAccessible::Name), c.Name);
    EXPECT_EQ(cell->tableCellInterface()->rowIndex(), c.Row);
    EXPECT_EQ(cell->tableCellInterface()->columnHeaderCells().value(0)->text(QAccessible::Name),
              t->columnDescription(c.Column));
  }

  std::vector<QString> focused;
  ListenToAccessibility([&](QAccessibleEvent& e) {
    if (e.type() == QAccessible::Focus && e.accessibleInterface())
      focused.push_back(e.accessibleInterface()->text(QAccessible::Name));
  });
  Chart->OkButton->setFocus();
  QTest::keyClick(Chart->OkButton, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), Chart->Table);
  for (Qt::Key k : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Right, Qt::Key_End, Qt::Key_Up})
    QTest::keyClick(Chart->Table, k);
  ListenToAccessibility(nullptr);
  EXPECT_EQ(focused, (std::vector<QString>{"Diamond, Diamond, Diamond", "50.00", "100.00", "250.00",
                                           "1250.00"}));
  EXPECT_EQ(table->focusChild(), t->cellAt(0, 5));
}

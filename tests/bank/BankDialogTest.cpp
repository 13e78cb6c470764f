// The bank dialog on the offscreen platform: layout, the amount rules and their messages, and
// the meters' pixels.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <vector>

#include "bank/Bank.h"
#include "bank/BankDialog.h"
#include "help/Help.h"
#include "tests/support/Dollars.h"
#include "tests/support/FakePrompts.h"

using namespace zandor;

namespace {

// Constructed before the dialog that uses them.
struct OwnPrompts {
  FakePrompts Prompts;
};

// The bank with its boxes captured instead of shown.
class TestBank : OwnPrompts, public BankDialog {
 public:
  TestBank(MachineState& g, const GlyphSet& glyphs) : BankDialog(g, glyphs, Prompts) {}
  std::vector<QString>& Messages = Prompts.Messages;
  std::vector<HelpTopic>& Topics = Prompts.Topics;
  std::vector<std::string>& Log = Prompts.Log;
};

// The bank's size, caption, button places, the red mode label and borrow mode on every opening.
TEST(BankDialogTest, Layout) {
  MachineState g;
  GlyphSet glyphs;
  glyphs.Digits = MakeDigitStrip();
  TestBank bank(g, glyphs);
  EXPECT_EQ(bank.windowTitle(), "Use this form to borrow or pay back credits");
  EXPECT_EQ(bank.size(), QSize(582, 300));
  EXPECT_EQ(bank.minimumSize(), bank.maximumSize());
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(bank.AmountButtons[i]->geometry(), QRect(9 + 96 * i, 104, 80, 57));
    EXPECT_TRUE(bank.AmountButtons[i]->text().isEmpty());
  }
  EXPECT_EQ(bank.ModeLabel->text(), "Mode:");
  EXPECT_EQ(bank.ModeLabel->pos(), QPoint(56, 192));
  EXPECT_EQ(bank.ModeLabel->palette().color(QPalette::WindowText), QColor(Qt::red));
  EXPECT_EQ(bank.BorrowButton->geometry(), QRect(147, 192, 190, 33));
  EXPECT_EQ(bank.PayBackButton->geometry(), QRect(355, 192, 190, 33));
  EXPECT_EQ(bank.OkButton->geometry(), QRect(442, 246, 127, 46));
  EXPECT_TRUE(bank.OkButton->isDefault());
  EXPECT_EQ(bank.HelpButton->geometry(), QRect(10, 246, 127, 46));
  EXPECT_TRUE(bank.BorrowButton->isChecked());
  bank.PayBackButton->setChecked(true);
  TestBank again(g, glyphs);
  EXPECT_TRUE(again.BorrowButton->isChecked());

  // Banknotes are green paper, the 10-cent coin silver, the cent copper; all six differ.
  QImage note = BankDialog::AmountPicture(1).toImage();
  QColor paper = note.pixelColor(8, 24);
  EXPECT_GT(paper.green(), paper.red());
  QColor cent = BankDialog::AmountPicture(6).toImage().pixelColor(22, 24);
  EXPECT_GT(cent.red(), cent.blue() + 40);
  for (int a = 1; a <= 6; ++a) {
    for (int b = a + 1; b <= 6; ++b) {
      EXPECT_NE(BankDialog::AmountPicture(a).toImage(), BankDialog::AmountPicture(b).toImage());
    }
  }
}

// Every refusal with its exact message, in the order credits first, then borrowed; holding
// exactly the amount is enough, down to the last owed cent.
TEST(BankDialogTest, AmountRulesAndMessages) {
  MachineState g;
  GlyphSet glyphs;
  glyphs.Digits = MakeDigitStrip();
  TestBank bank(g, glyphs);
  QTest::mouseClick(bank.AmountButtons[0], Qt::LeftButton);
  bank.ChooseAmount(1);
  EXPECT_EQ(g.Credits, 3000.0_usd);
  EXPECT_EQ(g.Borrowed, 3000.0_usd);

  bank.PayBackButton->setChecked(true);
  g.Credits = g.Borrowed = 1000_usd;
  bank.ChooseAmount(1);
  EXPECT_EQ(g.Credits, 0.0_usd);
  EXPECT_EQ(g.Borrowed, 0.0_usd);
  const char* shortOf[] = {"You do not have 1000 credits!", "You do not have 100 credits!",
                           "You do not have 10 credits!",   "You do not have 1 credit!",
                           "You do not have 0.10 credits!", "You do not have 0.01 credits!"};
  for (int b = 1; b <= 6; ++b) {
    bank.Messages.clear();
    bank.ChooseAmount(b);
    ASSERT_EQ(bank.Messages.size(), 1u);
    EXPECT_EQ(bank.Messages[0], shortOf[b - 1]);
  }
  const QString overpay = "You cannot pay back more credits than you have borrowed!";
  g.Credits = 1200_usd;
  g.Borrowed = 0_usd;
  bank.Messages.clear();
  for (int b = 1; b <= 6; ++b) bank.ChooseAmount(b);
  EXPECT_EQ(bank.Messages, std::vector<QString>(6, overpay));
  g.Credits = 50_usd;
  bank.Messages.clear();
  bank.ChooseAmount(2);
  EXPECT_EQ(bank.Messages, std::vector<QString>{"You do not have 100 credits!"});
  EXPECT_EQ(g.Credits, 50.0_usd);

  g.Credits = g.Borrowed = 10_usd;
  bank.ChooseAmount(3);
  EXPECT_EQ(g.Credits, 0.0_usd);
  EXPECT_EQ(g.Borrowed, 0.0_usd);

  // The last owed cent can be paid, and the debt then stands at exactly nothing.
  g.Credits = 0.01_usd;
  g.Borrowed = 0.01_usd;
  bank.Messages.clear();
  bank.ChooseAmount(6);
  EXPECT_TRUE(bank.Messages.empty());
  EXPECT_EQ(g.Borrowed, 0.0_usd);
  EXPECT_EQ(g.Credits, 0.0_usd);
  g.Credits = 1_usd;
  bank.ChooseAmount(6);
  EXPECT_EQ(bank.Messages, std::vector<QString>{overpay});
  g.Credits = 0_usd;
  bank.ChooseAmount(6);
  EXPECT_EQ(bank.Messages.back(), "You do not have 0.01 credits!");

  // An amount the bank does not offer is refused, never reported as lent or paid.
  g.Credits = g.Borrowed = 1000_usd;
  Bank rules(g);
  for (int amount : {-1, 6, 99}) {
    EXPECT_EQ(std::string(rules.Borrow(amount)), "The bank has no such amount.");
    EXPECT_EQ(std::string(rules.PayBack(amount)), "The bank has no such amount.");
  }
  EXPECT_EQ(g.Credits, 1000.0_usd);
  EXPECT_EQ(g.Borrowed, 1000.0_usd);


  // Help shows the bank's instructions in a box; F1 opens the bank's page of the manual.
  bank.Log.clear();
  QTest::mouseClick(bank.HelpButton, Qt::LeftButton);
  EXPECT_EQ(bank.Log,
            std::vector<std::string>{
                "inform:Use this screen to borrow credits or pay back credits that you borrowed "
                "previously.  Click on the button representing the amount to borrow (or pay "
                "back).\n\nTo switch between \"borrow\" and \"pay back\" select the mode."});
  EXPECT_TRUE(bank.Topics.empty());
  QTest::keyClick(&bank, Qt::Key_F1);
  EXPECT_EQ(bank.Topics, (std::vector<HelpTopic>{HelpTopic::Bank}));
}

// True when the canvas holds the strip's cell (sx, sy, w x 20) at (x, y).
bool HasCell(const QImage& canvas, const QImage& strip, int x, int y, int sx, int sy, int w) {
  for (int dy = 0; dy < 20; ++dy) {
    for (int dx = 0; dx < w; ++dx) {
      if (canvas.pixel(x + dx, y + dy) != strip.pixel(sx + dx, sy + dy)) return false;
    }
  }
  return true;
}

// Credits are green digits right-aligned on client width - 30, borrowed red digits from x 20,
// both at y 40; the captions sit at y 20, "Credits:" ending 20 pixels from the right edge.
TEST(BankDialogTest, MeterPixels) {
  MachineState g;
  g.Credits = 1000_usd;
  g.Borrowed = 1000_usd;
  GlyphSet glyphs;
  glyphs.Digits = MakeDigitStrip();
  TestBank bank(g, glyphs);
  bank.PaintBank();
  const QImage& c = bank.Canvas();
  const QImage& s = glyphs.Digits;
  // "   1000.00" right to left from 552, green row at y 42 of the strip.
  EXPECT_TRUE(HasCell(c, s, 552, 40, 0, 42, 15));
  EXPECT_TRUE(HasCell(c, s, 537, 40, 0, 42, 15));
  EXPECT_TRUE(HasCell(c, s, 533, 40, 176, 42, 4));
  EXPECT_TRUE(HasCell(c, s, 473, 40, 16, 42, 15));
  EXPECT_TRUE(HasCell(c, s, 428, 40, 160, 42, 15));
  EXPECT_EQ(c.pixel(427, 50), qRgb(192, 192, 192));
  // The same left to right from 20, red row at y 84.
  EXPECT_TRUE(HasCell(c, s, 20, 40, 160, 42, 15));
  EXPECT_TRUE(HasCell(c, s, 65, 40, 16, 84, 15));
  EXPECT_TRUE(HasCell(c, s, 110, 40, 0, 84, 15));
  EXPECT_TRUE(HasCell(c, s, 125, 40, 176, 84, 4));
  EXPECT_TRUE(HasCell(c, s, 144, 40, 0, 84, 15));
  EXPECT_EQ(c.pixel(159, 50), qRgb(192, 192, 192));

  // The digits follow the money after a successful click.
  bank.ChooseAmount(4);
  EXPECT_TRUE(HasCell(c, s, 473, 40, 16, 42, 15));
  EXPECT_TRUE(HasCell(c, s, 518, 40, 16, 42, 15));  // 1001.00
  EXPECT_TRUE(HasCell(c, s, 110, 40, 16, 84, 15));

  // Caption ink: "Borrowed:" starts near x 20, "Credits:" ends just before 582 - 20.
  int left = 1000, right = -1, top = 1000;
  for (int y = 15; y < 38; ++y) {
    for (int x = 0; x < 582; ++x) {
      if (qGray(c.pixel(x, y)) > 100) continue;
      if (x < 291) left = std::min(left, x);
      if (x >= 291) right = std::max(right, x);
      top = std::min(top, y);
    }
  }
  EXPECT_GE(left, 20);
  EXPECT_LE(left, 23);
  EXPECT_LT(right, 562);
  EXPECT_GE(right, 556);
  EXPECT_GE(top, 20);
  EXPECT_LE(top, 24);
}

// The two modes are one group of choices: the arrow keys switch between them and the focus
// goes with the choice, so a screen reader says the mode now chosen; a borrowing follows it.
// Tab and Shift+Tab enter the group at the mode chosen, never at the other one.
TEST(BankDialogTest, ArrowsSwitchTheMode) {
  MachineState g;
  g.Credits = 1000.0_usd;
  g.Borrowed = 0.0_usd;
  GlyphSet glyphs;
  glyphs.Digits = MakeDigitStrip();
  TestBank bank(g, glyphs);
  bank.show();
  bank.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&bank));
  bank.BorrowButton->setFocus();
  struct Step {
    Qt::Key Key;
    QRadioButton* Chosen;
  };
  const Step steps[] = {{Qt::Key_Down, bank.PayBackButton}, {Qt::Key_Down, bank.PayBackButton},
                        {Qt::Key_Up, bank.BorrowButton},    {Qt::Key_Right, bank.PayBackButton},
                        {Qt::Key_Left, bank.BorrowButton},  {Qt::Key_Down, bank.PayBackButton}};
  for (const Step& s : steps) {
    QTest::keyClick(QApplication::focusWidget(), s.Key);
    EXPECT_TRUE(s.Chosen->isChecked()) << s.Chosen->text().toStdString();
    EXPECT_EQ(QApplication::focusWidget(), s.Chosen);
    QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(s.Chosen);
    EXPECT_TRUE(radio->state().checked && radio->state().focused);
  }
  EXPECT_FALSE(bank.BorrowButton->isChecked());
  struct Entry {
    bool PayBack;  // the mode chosen before
    Qt::Key Key;   // pressed on OK
  };
  for (const Entry e : {Entry{true, Qt::Key_Backtab}, Entry{false, Qt::Key_Backtab},
                        Entry{true, Qt::Key_Tab}, Entry{false, Qt::Key_Tab}}) {
    QRadioButton* chosen = e.PayBack ? bank.PayBackButton : bank.BorrowButton;
    chosen->setChecked(true);
    // Tab goes on from the last amount, Shift+Tab back from OK.
    QWidget* from = e.Key == Qt::Key_Tab ? static_cast<QWidget*>(bank.AmountButtons[5])
                                         : static_cast<QWidget*>(bank.OkButton);
    from->setFocus();
    QTest::keyClick(from, Qt::Key_Tab, e.Key == Qt::Key_Tab ? Qt::NoModifier : Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), chosen) << e.PayBack << " " << e.Key;
  }
  bank.PayBackButton->setChecked(true);
  // Paying back with nothing borrowed is refused: the arrows chose the mode that is used.
  bank.AmountButtons[0]->click();
  EXPECT_EQ(bank.Messages.size(), 1U);
  EXPECT_EQ(g.Credits, 1000.0_usd);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

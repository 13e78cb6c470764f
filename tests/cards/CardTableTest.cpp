#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <vector>

#include "cards/CardTable.h"
#include "platform/Announcement.h"
#include "platform/PaintedArea.h"
#include "tests/cards/Decks.h"
#include "tests/support/Dollars.h"
#include "tests/support/FakePrompts.h"

using namespace zandor;

namespace {

void EnsureApp() {
  static int argc = 1;
  static char name[] = "cards_table_test";
  static char* argv[] = {name, nullptr};
  // Never destroyed: the devices key events create must not outlive it at exit.
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

const QRgb Maroon = qRgb(128, 0, 0);
const QRgb Yellow = qRgb(255, 255, 0);

int CountColour(const QImage& image, const QRect& area, QRgb colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
  return n;
}

bool SameAsCard(const QImage& face, int x, int y, const QImage& card, const QImage& mask) {
  for (int v = 0; v < 98; ++v)
    for (int u = 0; u < 73; ++u)
      if (mask.pixel(u, v) == qRgb(0, 0, 0) && face.pixel(x + u, y + v) != card.pixel(u, v))
        return false;
  return true;
}

struct Table {
  Money Win = 12.5_usd;
  std::vector<Effect> Sounds;
  // What the table showed as each sound played: the winnings line and the result's yellow.
  std::vector<std::pair<QString, int>> ShownAtSound;
  Lcg Rng;
  FakePrompts Prompts;
  CardTable Form{Win, Rng,
                 [this](Effect e) {
                   Sounds.push_back(e);
                   ShownAtSound.emplace_back(
                       Form.WinningsLabel->text(),
                       CountColour(Form.Face(), QRect(200, 50, 220, 25), qRgb(255, 255, 0)));
                 },
                 Prompts};
};

}  // namespace

// The window carries its caption, size, colour and every control at its place with its text.
TEST(CardTable, LayoutAndCaptions) {
  EnsureApp();
  Table t;
  CardTable& f = t.Form;
  EXPECT_EQ(f.windowTitle(), "Double or Nothing Card Game");
  EXPECT_EQ(f.size(), QSize(640, 440));
  struct Expect {
    QWidget* Widget;
    QRect Place;
    QString Text;
  };
  for (const Expect& e :
       std::vector<Expect>{{f.SkipButton, QRect(24, 270, 97, 43), "&Skips: 5"},
                           {f.GoAgainButton, QRect(408, 270, 97, 43), "&Go Again"},
                           {f.DrawButton, QRect(514, 270, 96, 42), "&Draw"},
                           {f.HelpButton, QRect(408, 366, 96, 42), "&Help"},
                           {f.OkButton, QRect(524, 366, 96, 42), "&OK"},
                           {f.RulesLabel, QRect(12, 328, 605, 33), ""},
                           {f.WinningsLabel, QRect(4, 382, 301, 35), "Winnings:      12.50"}}) {
    EXPECT_EQ(e.Widget->geometry(), e.Place) << e.Text.toStdString();
    if (auto* b = qobject_cast<QPushButton*>(e.Widget)) EXPECT_EQ(b->text(), e.Text);
  }
  EXPECT_EQ(f.WinningsLabel->text(), "Winnings:      12.50");
  EXPECT_TRUE(
      f.RulesLabel->text().contains(">If you think the next card will be between the two cards"));
  EXPECT_TRUE(
      f.RulesLabel->text().contains("Otherwise you lose your winnings.  An ACE's value is 1.<"));
  EXPECT_EQ(f.RulesLabel->font().pixelSize(), 11);
  EXPECT_EQ(f.WinningsLabel->font().pixelSize(), 19);
  EXPECT_EQ(f.WinningsLabel->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
  EXPECT_TRUE(f.DrawButton->isDefault());
  EXPECT_TRUE(f.DrawButton->isEnabled());
  EXPECT_TRUE(f.SkipButton->isEnabled());
  EXPECT_FALSE(f.GoAgainButton->isEnabled());
  EXPECT_TRUE(f.DeckUsedUpLabel->isHidden());
}

// Shown, the window stands centred on the screen's available area.
TEST(CardTable, CentredOnTheScreen) {
  EnsureApp();
  Table t;
  t.Form.show();
  QApplication::processEvents();
  const QRect area = t.Form.screen()->availableGeometry();
  const QRect outer = t.Form.frameGeometry();
  EXPECT_EQ(outer.left(), area.left() + (area.width() - 640) / 2);
  if (t.Form.screen()->geometry().width() >= 700)
    EXPECT_EQ(outer.top(), area.top() + (area.height() - 440) / 2);
  else
    EXPECT_EQ(outer.top(), t.Form.screen()->geometry().top());
  t.Form.close();
}

// The table shows both showing cards and the four-card pile on maroon, and the third card
// stays hidden until drawn.
TEST(CardTable, TableShowsPairAndPile) {
  EnsureApp();
  Table t;
  CardTable& f = t.Form;
  f.StartWith(DeckStartingWith({CardId(2, 0), CardId(8, 1), CardId(4, 2)}));
  const CardSheets sheets = MakeCardSheets();
  const QImage& face = f.Face();
  EXPECT_EQ(face.size(), QSize(640, 440));
  EXPECT_TRUE(SameAsCard(face, 100, 50, ComposeCard(sheets, CardId(2, 0)), sheets.Neg));
  EXPECT_TRUE(SameAsCard(face, 450, 50, ComposeCard(sheets, CardId(8, 1)), sheets.Neg));
  EXPECT_TRUE(SameAsCard(face, 276, 214, sheets.Back, sheets.Neg));  // top of the pile
  EXPECT_EQ(face.pixel(306, 220 + 97), qRgb(0, 0, 0));               // bottom card's frame
  EXPECT_EQ(face.pixel(100, 50), Maroon);                            // rounded corner
  EXPECT_EQ(face.pixel(300, 120), Maroon);                           // no third card yet
  EXPECT_EQ(face.pixel(5, 5), Maroon);
  EXPECT_EQ(CountColour(face, QRect(0, 0, 640, 200), Yellow), 0);
}

// A whole hand: Draw wins (Win sound, doubled, "You Won!" in yellow, Go Again open), Go
// Again clears the band and deals the following pair, a skip counts down, and a losing draw
// plays Lose, sets the win to 0 and leaves only OK.
TEST(CardTable, WholeHandThroughTheButtons) {
  EnsureApp();
  Table t;
  CardTable& f = t.Form;
  // 3 / 9 / 5 wins; 7 / 7 / x is skipped; ace / king / queen wins; 2 / 4 / 4 loses.
  f.StartWith(DeckStartingWith({CardId(2, 0), CardId(8, 1), CardId(4, 2),    //
                                CardId(6, 0), CardId(6, 1), CardId(9, 0),    //
                                CardId(0, 1), CardId(12, 3), CardId(11, 2),  //
                                CardId(1, 2), CardId(3, 3), CardId(3, 0)}));
  const CardSheets sheets = MakeCardSheets();
  const QRect result(200, 50, 220, 25);

  f.DrawButton->click();
  EXPECT_EQ(t.Sounds, std::vector<Effect>{Effect::Win});
  // The sound plays first, the result and the winnings follow it.
  EXPECT_EQ(t.ShownAtSound, (std::vector<std::pair<QString, int>>{{"Winnings:      12.50", 0}}));
  EXPECT_EQ(t.Win, 25.0_usd);
  EXPECT_EQ(f.WinningsLabel->text(), "Winnings:       25.00");
  EXPECT_TRUE(SameAsCard(f.Face(), 273, 80, ComposeCard(sheets, CardId(4, 2)), sheets.Neg));
  const int yellow = CountColour(f.Face(), result, Yellow);
  EXPECT_GT(yellow, 40);
  // The text is centred on x = 310 and its top is at y = 50.
  EXPECT_GT(CountColour(f.Face(), QRect(260, 50, 50, 20), Yellow), 10);
  EXPECT_GT(CountColour(f.Face(), QRect(310, 50, 50, 20), Yellow), 10);
  EXPECT_EQ(CountColour(f.Face(), QRect(200, 30, 220, 20), Yellow), 0);
  EXPECT_FALSE(f.DrawButton->isEnabled());
  EXPECT_FALSE(f.SkipButton->isEnabled());
  EXPECT_TRUE(f.GoAgainButton->isEnabled());
  f.PaintTable();  // a repaint neither removes nor draws the result again
  EXPECT_EQ(CountColour(f.Face(), result, Yellow), yellow);

  f.GoAgainButton->click();
  EXPECT_EQ(CountColour(f.Face(), result, Yellow), 0);
  EXPECT_EQ(f.Face().pixel(300, 120), Maroon);  // third card cleared
  EXPECT_TRUE(SameAsCard(f.Face(), 100, 50, ComposeCard(sheets, CardId(6, 0)), sheets.Neg));
  EXPECT_TRUE(SameAsCard(f.Face(), 450, 50, ComposeCard(sheets, CardId(6, 1)), sheets.Neg));
  EXPECT_TRUE(SameAsCard(f.Face(), 276, 214, sheets.Back, sheets.Neg));  // pile untouched
  EXPECT_TRUE(f.DrawButton->isEnabled());
  EXPECT_TRUE(f.SkipButton->isEnabled());
  EXPECT_FALSE(f.GoAgainButton->isEnabled());

  f.SkipButton->click();
  EXPECT_EQ(f.SkipButton->text(), "&Skips: 4");
  EXPECT_TRUE(SameAsCard(f.Face(), 100, 50, ComposeCard(sheets, CardId(0, 1)), sheets.Neg));
  EXPECT_TRUE(SameAsCard(f.Face(), 450, 50, ComposeCard(sheets, CardId(12, 3)), sheets.Neg));
  f.DrawButton->click();
  EXPECT_EQ(t.Win, 50.0_usd);
  f.GoAgainButton->click();

  f.DrawButton->click();
  EXPECT_EQ(t.Sounds, (std::vector<Effect>{Effect::Win, Effect::Win, Effect::Lose}));
  EXPECT_EQ(t.Win, 0.0_usd);
  EXPECT_EQ(f.WinningsLabel->text(), "Winnings:        0.00");
  EXPECT_GT(CountColour(f.Face(), result, Yellow), 40);  // "You Lost"
  EXPECT_FALSE(f.DrawButton->isEnabled());
  EXPECT_FALSE(f.GoAgainButton->isEnabled());
  EXPECT_FALSE(f.SkipButton->isEnabled());
  EXPECT_TRUE(f.OkButton->isEnabled());
  f.OkButton->click();
  EXPECT_EQ(f.result(), QDialog::Accepted);
  EXPECT_EQ(t.Win, 0.0_usd);
}

// OK before any draw ends the game with the win untouched and no sound.
TEST(CardTable, OkBeforeDrawKeepsTheWin) {
  EnsureApp();
  Table t;
  t.Form.show();
  t.Form.OkButton->click();
  EXPECT_FALSE(t.Form.isVisible());
  EXPECT_EQ(t.Form.result(), QDialog::Accepted);
  EXPECT_EQ(t.Win, 12.5_usd);
  EXPECT_TRUE(t.Sounds.empty());
}

// Keys never press Draw while the table has been open less than a second, nor as a held key
// repeats: an Enter meant for the spin must not gamble the win. Then Enter draws as before;
// the mouse draws at any time.
TEST(CardTable, KeysWaitBeforeDrawing) {
  EnsureApp();
  auto key = [](QWidget* to, int k, bool repeat = false) {
    for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent e(type, k, Qt::NoModifier, QString(), repeat);
      QApplication::sendEvent(to, &e);
    }
  };
  for (bool mouse : {false, true}) {
    Table t;
    int64_t opened = 0;
    t.Form.SinceOpened = [&] { return opened; };
    t.Form.show();
    if (mouse) {
      t.Form.DrawButton->click();
      EXPECT_TRUE(t.Form.Hand().ThirdShown);
      continue;
    }
    for (int k : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) key(t.Form.DrawButton, k);
    key(&t.Form, Qt::Key_Return);
    opened = CardTable::KeyGuardMs - 1;
    key(t.Form.DrawButton, Qt::Key_Return);
    opened = CardTable::KeyGuardMs;
    key(t.Form.DrawButton, Qt::Key_Return, true);  // a held key repeating
    EXPECT_FALSE(t.Form.Hand().ThirdShown);
    EXPECT_EQ(t.Win, 12.5_usd);
    key(t.Form.DrawButton, Qt::Key_Return);
    EXPECT_TRUE(t.Form.Hand().ThirdShown);
  }
}

// Alt+S skips as long as skips are left: the caption keeps its accelerator after every skip.
TEST(CardTable, AltSSkipsEveryTime) {
  EnsureApp();
  Table t;
  CardTable& f = t.Form;
  f.StartWith(EveryDrawWinsDeck());
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  for (int left = 4; left >= 0; --left) {
    QTest::keyClick(&f, Qt::Key_S, Qt::AltModifier);
    // A mnemonic presses its button for a moment, as a click does.
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.Hand().SkipsLeft == left; }));
    EXPECT_EQ(f.SkipButton->text(), QString("&Skips: %1").arg(left));
  }
  EXPECT_FALSE(f.SkipButton->isEnabled());
  f.close();
}

// On the last pair the deck can give, Skips and Go Again stay closed and the note tells the
// player why.
TEST(CardTable, DeckUsedUpNote) {
  EnsureApp();
  Table t;
  CardTable& f = t.Form;
  f.StartWith(EveryDrawWinsDeck());
  for (int pair = 1; pair <= 16; ++pair) {
    f.DrawButton->click();
    ASSERT_TRUE(f.GoAgainButton->isEnabled()) << pair;
    EXPECT_TRUE(f.DeckUsedUpLabel->isHidden());
    f.GoAgainButton->click();
  }
  EXPECT_FALSE(f.DeckUsedUpLabel->isHidden());
  EXPECT_TRUE(f.DeckUsedUpLabel->text().contains("deck is used up"));
  EXPECT_FALSE(f.SkipButton->isEnabled());
  f.DrawButton->click();
  EXPECT_FALSE(f.GoAgainButton->isEnabled());
  EXPECT_EQ(f.Hand().DealPos, 50);
}

// A screen reader hears the table: every card in words, the drawn card and the result once they
// are painted, and each draw and fresh pair spoken; after Draw the focus goes to Go Again, or to
// OK once the game is over, never to Help, where Enter would open the manual.
TEST(CardTable, ScreenReaderHearsTheCards) {
  EnsureApp();
  const std::pair<Card, QString> names[] = {
      {MakeCard(CardId(0, 0)), "ace of clubs"},     {MakeCard(CardId(6, 1)), "seven of hearts"},
      {MakeCard(CardId(9, 2)), "ten of diamonds"},  {MakeCard(CardId(10, 0)), "jack of clubs"},
      {MakeCard(CardId(11, 3)), "queen of spades"}, {MakeCard(CardId(12, 3)), "king of spades"}};
  for (const auto& [card, name] : names) EXPECT_EQ(CardName(card), name);

  Table t;
  CardTable& f = t.Form;
  // 7 / Q / 9 wins; the next pair, ace / 10, loses to a king.
  f.StartWith(DeckStartingWith({CardId(6, 1), CardId(11, 3), CardId(8, 0),  //
                                CardId(0, 2), CardId(9, 2), CardId(12, 3)}));
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(f.Cards);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->text(QAccessible::Name), "Card table");
  auto heard = [&] {
    QStringList shown;
    for (int i = 0; i < table->childCount(); ++i)
      if (!table->child(i)->state().invisible) shown << table->child(i)->text(QAccessible::Name);
    return shown;
  };
  EXPECT_EQ(heard(), QStringList({"Left card: seven of hearts", "Right card: queen of spades",
                                  "Draw pile"}));

  f.DrawButton->click();
  EXPECT_EQ(heard(), QStringList({"Left card: seven of hearts", "Right card: queen of spades",
                                  "Drawn card: nine of clubs", "Result: You Won!", "Draw pile"}));
  EXPECT_EQ(LastAnnouncement(&f), "Nine of clubs. You Won! Winnings 25.00.");
  EXPECT_EQ(QApplication::focusWidget(), f.GoAgainButton);

  f.GoAgainButton->click();
  EXPECT_EQ(heard(), QStringList({"Left card: ace of diamonds", "Right card: ten of diamonds",
                                  "Draw pile"}));
  EXPECT_EQ(LastAnnouncement(&f), "Ace of diamonds and ten of diamonds.");
  EXPECT_EQ(QApplication::focusWidget(), f.DrawButton);

  f.DrawButton->click();
  EXPECT_EQ(heard().value(3), "Result: You Lost");
  EXPECT_EQ(LastAnnouncement(&f), "King of spades. You Lost. Winnings 0.00.");
  EXPECT_EQ(QApplication::focusWidget(), f.OkButton);
  f.close();
}

// As the table opens a screen reader hears the win, the two cards and the choice in one go, not
// the rules (some twenty seconds of speech): they are a paragraph, not a label read with the
// window, and the key R reads them on request.
TEST(CardTable, RulesOnRequest) {
  EnsureApp();
  const QString rules =
      "If you think the next card will be between the two cards showing then click the DRAW "
      "button.  If the next card is between (but not equal to) the other two cards, then your "
      "winnings are doubled.  Otherwise you lose your winnings.  An ACE's value is 1.";
  Table t;
  CardTable& f = t.Form;
  f.StartWith(DeckStartingWith({CardId(6, 1), CardId(11, 3), CardId(8, 0)}));
  f.show();
  f.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !LastAnnouncement(&f).isEmpty(); }));
  EXPECT_EQ(LastAnnouncement(&f),
            "Your win of 12.50 is on the table. The cards: seven of hearts and queen of spades. "
            "Draw, Skip or OK to keep it; R reads the rules.");
  QAccessibleInterface* text = QAccessible::queryAccessibleInterface(f.RulesLabel);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->role(), QAccessible::Paragraph);
  EXPECT_EQ(text->text(QAccessible::Name), rules);

  QTest::keyClick(f.focusWidget(), Qt::Key_R);
  EXPECT_EQ(LastAnnouncement(&f), rules);
  EXPECT_FALSE(f.Hand().ThirdShown);  // the key reads; it does not draw
  f.close();
}

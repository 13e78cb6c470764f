// Presses that come to nothing in the real window: each says why once, in a passing note at
// the control pressed and to a screen reader, and never in a box.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QToolTip>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/Dirs.h"
#include "app/MainWindow.h"
#include "platform/Announcement.h"
#include "platform/PassingNote.h"
#include "tests/support/Dollars.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/TestApp.h"

using namespace zandor;

TEST(RefusalNotes, PressesThatComeToNothingSayWhy) {
  TestApp();
  QTemporaryDir settings;
  GameState game;
  FakePrompts prompts;
  game.Dirs.Program = ProgramDirectory();
  game.Dirs.Settings = settings.path().toStdString() + "/";
  MainWindow form(GameHandle(game), prompts);
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  MachineState& m = game.Machine;
  QAction* coinDime = form.findChild<QAction*>("coinDimeAction");
  QAction* autoSpin = form.findChild<QAction*>("autoSpinAction");
  const auto button = [&form](const char* name) { return form.findChild<QPushButton*>(name); };
  ASSERT_NE(coinDime, nullptr);
  ASSERT_NE(autoSpin, nullptr);

  // A fresh game's coin value waits for the first spin: greyed, with the reason as its tip.
  EXPECT_FALSE(coinDime->isEnabled());
  EXPECT_EQ(coinDime->toolTip(),
            "The coin value can be changed after your first spin.");
  // The tip shows when the pointer rests on the greyed entry.
  QMenu* coinMenu = coinDime->associatedObjects().isEmpty()
                        ? nullptr
                        : qobject_cast<QMenu*>(coinDime->associatedObjects().first());
  ASSERT_NE(coinMenu, nullptr);
  coinMenu->popup(form.mapToGlobal(QPoint(100, 100)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(coinMenu));
  const QPoint at = coinMenu->actionGeometry(coinDime).center();
  QHelpEvent hover(QEvent::ToolTip, at, coinMenu->mapToGlobal(at));
  QApplication::sendEvent(coinMenu, &hover);
  EXPECT_EQ(QToolTip::text(), "The coin value can be changed after your first spin.");
  coinMenu->close();

  struct Case {
    QPushButton* Button;
    Money Credits;
    int FreeSpins;
    const char* Note;
  };
  const Case cases[] = {
      {button("betMaxButton"), 0.60_usd, 0,
       "Not enough credits for Bet Max: it needs 6.25 and you have 0.60. Bet fewer coins or "
       "borrow credits."},
      {button("betFiveButton"), 0.60_usd, 0,
       "Not enough credits for Bet 5: it needs 1.25 and you have 0.60. Bet fewer coins or "
       "borrow credits."},
      {button("betOneButton"), 0.10_usd, 0,
       "Not enough credits for Bet 1: it needs 0.25 and you have 0.10. Borrow credits to play "
       "on."},
      {button("betOneButton"), 100_usd, 2,
       "Your free spins are playing: you can bet again once they are over."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Note);
    m.Credits = c.Credits;
    m.FreeSpins = c.FreeSpins;
    c.Button->click();
    EXPECT_EQ(ShownPassingNote(&form), c.Note);
    EXPECT_EQ(LastAnnouncement(&form), c.Note);
    EXPECT_EQ(m.Credits, c.Credits);
    EXPECT_EQ(m.Wager, 0_usd);
  }
  m.FreeSpins = 0;

  // Auto Spin with no bet to repeat goes off again at its first tick, and says why.
  m.Credits = 1000_usd;
  autoSpin->trigger();
  EXPECT_TRUE(autoSpin->isChecked());
  QTest::qWait(1300);
  EXPECT_FALSE(autoSpin->isChecked());
  EXPECT_EQ(ShownPassingNote(&form),
            "Auto Spin repeats your last bet, and there is none yet: place a bet and spin once "
            "first.");
  EXPECT_TRUE(prompts.Messages.empty());

  // After a spin the coin values open, with no tip left.
  m.Spins = 1;
  form.RulesHost().StateChanged();
  EXPECT_TRUE(coinDime->isEnabled());
  EXPECT_TRUE(coinDime->toolTip().isEmpty() ||
              coinDime->toolTip() == coinDime->text());
}

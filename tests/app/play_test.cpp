// Play through the real window: bets and spins, the keys and the focus, the card game, missing
// media, the record, and what a screen reader hears of each spin.
#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <sstream>

#include "app/Dirs.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/SpinAnnouncer.h"
#include "audio/GameAudio.h"
#include "audio/MusicDialog.h"
#include "audio/SoundDialog.h"
#include "audio/VolumeDialog.h"
#include "bank/BankDialog.h"
#include "cards/CardTable.h"
#include "face/PayoffChart.h"
#include "help/Help.h"
#include "platform/AccessEvents.h"
#include "platform/Announcement.h"
#include "platform/PaintedArea.h"
#include "record/AutoSpinLimitsDialog.h"
#include "record/RecentSpinsWindow.h"
#include "record/RecordKeeper.h"
#include "record/StatisticsWindow.h"
#include "saves/SlotDialog.h"
#include "store/Settings.h"
#include "tests/app/WindowTest.h"
#include "tests/support/Dollars.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/TestApp.h"

using namespace zandor;

using namespace zandor;

// Bet Max through the real window takes 25 coins, spins and settles with the money intact.
TEST_F(Window, BetMaxSpinsThroughTheWindow) {
  Open();
  Game.Options.AceyDucey = false;
  QTest::mouseClick(Button("betMaxButton"), Qt::LeftButton);
  EXPECT_EQ(Game.Machine.Spins, 1);
  EXPECT_EQ(Game.Machine.Wager, 0_usd);
  EXPECT_EQ(Game.Machine.LastWager, 6.25_usd);
  EXPECT_EQ(Game.Machine.Credits, 1000_usd - 6.25_usd + Game.Machine.SpinWin);
  EXPECT_TRUE(Button("spinButton")->isEnabled());
  EXPECT_TRUE(Form->WinBlinking());
  // Enter repeats the bet.
  QTest::keyClick(Form.get(), Qt::Key_Return);
  EXPECT_EQ(Game.Machine.Spins, 2);
}

// Menus that would swap the game are greyed while the reels turn, and a close asked for
// meanwhile waits for the spin to settle, then saves.
TEST_F(Window, DuringASpin) {
  Open();
  Game.Options.AceyDucey = false;
  bool greyed = false, closedEarly = false;
  QTimer probe;
  probe.setInterval(50);
  QObject::connect(&probe, &QTimer::timeout, [&] {
    if (!Form->Rules().Busy()) return;
    greyed = !Action("newGameAction")->isEnabled() && !Action("openAction")->isEnabled() &&
             !Action("saveAction")->isEnabled() && !Action("coinNickelAction")->isEnabled();
    Form->close();
    closedEarly = !Form->isVisible();
  });
  probe.start();
  Game.Machine.Spins = 1;
  Form->Rules().ChooseSpeed(SpinSpeed::Slow);
  QTest::mouseClick(Button("spinButton"), Qt::LeftButton);  // refused: no bet
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_EQ(Messages[0], "Please place a bet before spinning.");
  QTest::mouseClick(Button("betMaxButton"), Qt::LeftButton);
  probe.stop();
  EXPECT_TRUE(greyed);
  EXPECT_FALSE(closedEarly);
  QTest::qWait(50);
  EXPECT_FALSE(Form->isVisible());
  std::string ini = ReadFile(Game.Dirs.Settings + "ZANDOR.INI");
  EXPECT_NE(ini.find("Spins=2\n"), std::string::npos);
}

// Spins played in the window reach the statistics, which agree with the credits to the cent,
// and the recent spins with their pictures; both come back after a restart, with the limits.
TEST_F(Window, PlayerRecordThroughTheWindow) {
  Open();
  Game.Options.AceyDucey = false;
  for (int i = 0; i < 3; ++i) QTest::mouseClick(Button("betMaxButton"), Qt::LeftButton);
  QTest::mouseClick(Button("betOneButton"), Qt::LeftButton);  // a coin waits on the lines
  PlayerRecord& record = Form->Record().Record;
  {
    StatisticsWindow stats(record, Game.Machine, nullptr, Prompts, Form.get());
    EXPECT_EQ(stats.Figure("Spins (paid / free)", 0), "3 / 0");
    EXPECT_EQ(stats.Figure("Money wagered", 1), "$18.75");
    const auto& g = record.Game;
    EXPECT_EQ(g.StartCredits + g.Net() + g.Lent - g.Repaid,
              CentsOf(Game.Machine.Credits + Game.Machine.Wager));
  }
  {
    RecentSpinsWindow recent(
        record.Recent,
        [this] {
          return std::pair{&Form->Painter().Artwork, Form->Painter().SymbolSize};
        },
        Prompts, Form.get());
    ASSERT_EQ(recent.Table->rowCount(), 3);
    recent.Table->selectRow(2);
    ASSERT_FALSE(recent.View->Picture().isNull());
    // The oldest spin drawn large: its reels in the artwork's own cells.
    const SpinReport& oldest = record.Recent.Entries()[2].Spin;
    const int s = Form->Painter().SymbolSize, v = oldest.Grid[4];
    EXPECT_EQ(recent.View->Picture().pixel(14 + s + 9 + s / 3, 14 + s + 5),
              Form->Painter().Artwork.pixel((v % 3) * s + s / 3, (v / 3) * s + 5));
  }
  {
    AutoSpinLimitsDialog limits(record.Limits, Prompts, Form.get());
    limits.SpinsCheck->setChecked(true);
    limits.SpinsBox->setValue(40);
    limits.CreditsCheck->setChecked(true);
    limits.CreditsBox->setValue(123.45);
    record.Limits = limits.Limits();
  }
  const auto spins = record.Recent.Entries();
  Form->close();

  Open();
  const PlayerRecord& back = Form->Record().Record;
  EXPECT_EQ(back.Recent.Entries(), spins);
  EXPECT_EQ(back.Lifetime.Spins, 3);
  EXPECT_EQ(back.Game.Spins, 3);
  EXPECT_EQ(
      back.Limits,
      (AutoSpinLimits{.SpinsOn = true, .Spins = 40, .CreditsOn = true, .CreditsBelow = 12345}));
  EXPECT_EQ(back.Game.StartCredits + back.Game.Net(), CentsOf(Game.Machine.Credits));
}

// A winning spin opens the card game with the win; what it leaves is what gets counted.
// Switching the offer off in the menu skips it.
TEST_F(Window, WinningSpinOffersTheCardGame) {
  Open();
  Game.Machine.ReelGrid = {4, 5, 0, 4, 5, 2, 4, 1, 3};  // 4 4 4 on line 2, 5 5 1 on line 1
  Form->Rules().UpdateLineBets(0.25_usd, 2.50_usd);
  QString caption;
  Money seen;
  QTimer::singleShot(300, [&] {
    QWidget* dlg = QApplication::activeModalWidget();
    ASSERT_NE(dlg, nullptr);
    caption = dlg->windowTitle();
    seen = Game.Machine.SpinWin;
    dlg->close();  // the close box keeps the win as it stands
  });
  Form->Rules().EvaluatePaylines();
  EXPECT_EQ(caption, "Double or Nothing Card Game");
  EXPECT_EQ(seen, 6.00_usd);
  EXPECT_EQ(Game.Machine.WinPending, 6.00_usd);

  Action("aceyDuceyAction")->trigger();
  EXPECT_FALSE(Game.Options.AceyDucey);
  EXPECT_FALSE(Action("aceyDuceyAction")->isChecked());
  bool opened = false;
  QTimer::singleShot(300, [&] {
    if (QWidget* dlg = QApplication::activeModalWidget()) {
      opened = true;
      dlg->close();
    }
  });
  Form->Rules().EvaluatePaylines();
  QTest::qWait(400);
  EXPECT_FALSE(opened);
}

// With every media file missing the game still starts, says what is missing, and plays.
TEST_F(Window, NoMediaAtAll) {
  QTemporaryDir empty;
  Open("", empty.path().toStdString() + "/");
  ASSERT_GE(Messages.size(), 2u);
  bool artwork = false, sounds = false;
  for (const QString& m : Messages) {
    artwork |= m.startsWith("Cannot open file") && m.contains("ZANDOR96.bmp");
    sounds |= m == "File not found";
  }
  EXPECT_TRUE(artwork);
  EXPECT_TRUE(sounds);
  EXPECT_EQ(Game.Options.BackMode, BackgroundMode::SolidColor);  // no tile: solid colour
  Game.Options.AceyDucey = false;
  Form->Rules().ChooseSpeed(SpinSpeed::Fast);
  QTest::mouseClick(Button("betMaxButton"), Qt::LeftButton);
  EXPECT_EQ(Game.Machine.Spins, 1);
  EXPECT_EQ(Game.Machine.Credits, 1000_usd - 6.25_usd + Game.Machine.SpinWin);
  // The chart says its picture is missing and still opens.
  Messages.clear();
  bool chartOpen = false;
  QTimer::singleShot(300, [&] {
    QWidget* dlg = QApplication::activeModalWidget();
    chartOpen = dlg && dlg->windowTitle().endsWith("Payoffs");
    if (dlg) dlg->close();
  });
  Action("payoffsAction")->trigger();
  EXPECT_TRUE(chartOpen);
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].contains("Zandor96.bmp"));
}

// Every media file present but empty, or cut off halfway: the game starts, says what it
// could not read (a picture cut short is refused whole), and a spin still runs and pays.
TEST_F(Window, EmptyAndTruncatedMedia) {
  namespace fs = std::filesystem;
  const std::string real = ProgramDirectory();
  for (bool empty : {true, false}) {
    QTemporaryDir dir;
    const std::string to = dir.path().toStdString() + "/";
    int files = 0;
    for (const auto& entry : fs::directory_iterator(real)) {
      const std::string ext = entry.path().extension().string();
      if (ext != ".bmp" && ext != ".BMP" && ext != ".WAV" && ext != ".MID") continue;
      std::string bytes = empty ? "" : ReadFile(entry.path().string());
      std::ofstream(to + entry.path().filename().string(), std::ios::binary)
          << bytes.substr(0, bytes.size() / 2);
      ++files;
    }
    ASSERT_GT(files, 25);
    Messages.clear();
    Game = GameState();
    Open("[Settings]\nAceyDucey=0\n", to);
    EXPECT_GE(Messages.size(), 2u);
    // Without its artwork the face keeps its layout: the panel and buttons sit in place.
    EXPECT_EQ(Panel()->geometry().bottom(), Form->centralWidget()->height() - 1);
    EXPECT_EQ(Button("spinButton")->pos(), QPoint(ButtonLefts(Panel()->width())[3], 4));
    QTest::mouseClick(Button("betMaxButton"), Qt::LeftButton);
    EXPECT_EQ(Game.Machine.Spins, 1);
    EXPECT_EQ(Game.Machine.Credits, 1000_usd - 6.25_usd + Game.Machine.SpinWin);
    QTest::qWait(1500);  // the music starts and, with broken songs, says so
    Form->close();
    Form.reset();
  }
}

// The bet and spin keys work whatever has the focus in the window, exactly as the buttons do:
// 1, 5 and M bet from anywhere; Space and Enter press the bet button that has the focus and spin
// from Spin or the face, so a focused "Bet 5" never spends a whole wager. Nothing happens while
// the buttons are disabled, the focus stays where it was through a bet and is on Spin after a
// spin (on the face, it stays there), and a modal dialog (the card table) keeps its keys.
TEST_F(Window, KeysForTheButtons) {
  Open();
  Game.Options.AceyDucey = false;
  Game.Sound.On = false;  // the win and lose sounds would hold each spin for their length
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  EXPECT_EQ(QApplication::focusWidget(), Button("spinButton"));
  struct Row {
    QWidget* Focus;
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    Money Wager;  // after the key, with the buttons enabled
    int Spins;
  };
  const Row rows[] = {{Button("betOneButton"), Qt::Key_1, {}, 0.25_usd, 0},
                      {Button("spinButton"), Qt::Key_5, Qt::KeypadModifier, 1.50_usd, 0},
                      {Button("betOneButton"), Qt::Key_Space, {}, 1.75_usd, 0},
                      {Button("betFiveButton"), Qt::Key_Return, {}, 3.00_usd, 0},
                      {Button("spinButton"), Qt::Key_Space, {}, 0_usd, 1},
                      {Area(), Qt::Key_Return, {}, 0_usd, 2},
                      {Button("betOneButton"), Qt::Key_M, {}, 0_usd, 3},
                      {Button("betMaxButton"), Qt::Key_Enter, Qt::KeypadModifier, 0_usd, 4}};
  for (const Row& r : rows) {
    SCOPED_TRACE(QKeySequence(r.Key).toString().toStdString() + " on " +
                 r.Focus->metaObject()->className());
    r.Focus->setFocus();
    Form->RulesHost().SetBetButtonsEnabled(false);
    const Money credits = Game.Machine.Credits, wager = Game.Machine.Wager;
    const int spins = Game.Machine.Spins;
    QTest::keyClick(Form.get(), r.Key, r.Modifiers);
    EXPECT_EQ(Game.Machine.Credits, credits);
    EXPECT_EQ(Game.Machine.Wager, wager);
    EXPECT_EQ(Game.Machine.Spins, spins);
    Form->RulesHost().SetBetButtonsEnabled(true);
    EXPECT_EQ(QApplication::focusWidget(), r.Focus);
    QTest::keyClick(r.Focus, r.Key, r.Modifiers);
    EXPECT_EQ(Game.Machine.Wager, r.Wager);
    EXPECT_EQ(Game.Machine.Spins, r.Spins);
    const bool toSpin = r.Spins > spins && r.Focus != Area();
    EXPECT_EQ(QApplication::focusWidget(), toSpin ? Button("spinButton") : r.Focus);
  }

  Game.Options.AceyDucey = true;
  Game.Machine.ReelGrid = {4, 5, 0, 4, 5, 2, 4, 1, 3};  // a win of 6.00 opens the card table
  Form->Rules().UpdateLineBets(0.25_usd, 2.50_usd);
  Money before = -1_usd, after = -1_usd;
  QTimer::singleShot(300, [&] {
    QWidget* dlg = QApplication::activeModalWidget();
    ASSERT_NE(dlg, nullptr);
    for (Qt::Key k : {Qt::Key_1, Qt::Key_5, Qt::Key_M}) QTest::keyClick(dlg, k);
    before = Game.Machine.SpinWin;
    // The table's Draw button has the focus, but no key presses it in the table's first second.
    QTest::keyClick(dlg->focusWidget(), Qt::Key_Space);
    after = Game.Machine.SpinWin;
    dlg->close();
  });
  Form->Rules().EvaluatePaylines();
  EXPECT_EQ(Game.Machine.Spins, 4);
  EXPECT_EQ(before, 6_usd);
  EXPECT_EQ(after, 6_usd);
}

// After a spin the focus is on Spin, so Enter spins again, however the spin began: Bet 5 clicked
// until its 25th coin spins. After a menu, a menu left and entered again from the keyboard, or
// auto spin stopped from its menu, the focus is on one of the machine's controls, never nowhere.
TEST_F(Window, FocusAfterASpinOrAMenu) {
  Open();
  Game.Options.AceyDucey = false;
  Game.Sound.On = false;
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  QWidget* view = Form->centralWidget();

  struct Step {
    const char* What;
    std::function<void()> Act;
  };
  const Step steps[] = {
      {"Bet 5 until it spins",
       [&] {
         for (int i = 0; i < 5; ++i) QTest::mouseClick(Button("betFiveButton"), Qt::LeftButton);
         EXPECT_EQ(Game.Machine.Spins, 1);
         EXPECT_EQ(QApplication::focusWidget(), Button("spinButton"));
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
         EXPECT_EQ(Game.Machine.Spins, 2);
         EXPECT_EQ(Game.Machine.Wager, 0_usd);
       }},
      {"a menu left and entered again",
       [&] {
         QTest::keyClick(Form.get(), Qt::Key_O, Qt::AltModifier);
         ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() != nullptr; }));
         QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
         ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == nullptr; }));
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);
         ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() != nullptr; }));
         QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Up);
         QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
         ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == nullptr; }));
         EXPECT_TRUE(Action("highContrastAction")->isChecked());
       }},
      {"auto spin stopped from its menu",
       [&] {
         // A spin runs to its end inside the timer's event that started it; the menu is
         // opened after the first automatic spin, before the next one is due.
         Form->activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
         const int spins = Game.Machine.Spins;
         Action("autoSpinAction")->trigger();
         ASSERT_TRUE(QTest::qWaitFor([&] { return Game.Machine.Spins > spins; }, 10000));
         QTest::keyClick(Form.get(), Qt::Key_A, Qt::AltModifier);
         ASSERT_NE(QApplication::activePopupWidget(), nullptr);
         QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
         EXPECT_FALSE(Game.Machine.AutoSpin);
         const int stoppedAt = Game.Machine.Spins;
         QTest::qWait(1500);  // longer than the pause between two automatic spins
         EXPECT_EQ(Game.Machine.Spins, stoppedAt);
       }},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.What);
    step.Act();
    QTest::qWait(50);
    // The window's own focus: offscreen, a closed menu may leave no window active.
    QWidget* focus = Form->focusWidget();
    EXPECT_TRUE(focus && view->isAncestorOf(focus) && focus->isEnabled())
        << (focus ? focus->metaObject()->className() : "nowhere");
  }
}

// A screen reader hears the face: every meter, the bonus meter, the nine reel cells and the
// five paylines by name and value, as painted before and after a winning spin; a count-up tells
// each meter once, at its final value, never coin by coin; and a settled spin is spoken in one
// sentence through the window's notification.
TEST_F(Window, ScreenReaderHearsTheFace) {
  Open();
  Game.Options.AceyDucey = false;
  Game.Sound.On = false;
  struct Heard {
    QAccessible::Event Type;
    QString Name;
    QVariant Value;
  };
  std::vector<Heard> heard;
  ListenToAccessibility([&](QAccessibleEvent& e) {
    QAccessibleInterface* iface = e.accessibleInterface();
    heard.push_back({e.type(), iface ? iface->text(QAccessible::Name) : QString(),
                     e.type() == QAccessible::ValueChanged
                         ? static_cast<QAccessibleValueChangeEvent&>(e).value()
                         : QVariant()});
  });
  struct StopListening {
    ~StopListening() { ListenToAccessibility(nullptr); }
  } stop;
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Area());
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->text(QAccessible::Name), "Slot machine");
  auto names = [&] {
    QStringList shown;
    for (int i = 0; i < face->childCount(); ++i)
      if (!face->child(i)->state().invisible) shown << face->child(i)->text(QAccessible::Name);
    return shown;
  };
  // The reels stand at 26, 2 and 8.
  EXPECT_EQ(names(), QStringList({"Credits 1000.00",
                                  "Wager 0.00",
                                  "Won 0.00",
                                  "Spins 0",
                                  "Bonus meter 0%",
                                  "Bonus pool 50.00",
                                  "Reel 1, top: Cherry",
                                  "Reel 2, top: Diamond",
                                  "Reel 3, top: Power Up",
                                  "Reel 1, middle: Lemon",
                                  "Reel 2, middle: Power Up",
                                  "Reel 3, middle: Lemon",
                                  "Reel 1, bottom: Power Up",
                                  "Reel 2, bottom: Cherry",
                                  "Reel 3, bottom: Cherry",
                                  "Payline 1, middle row: 0 coins",
                                  "Payline 2, top row: 0 coins",
                                  "Payline 3, bottom row: 0 coins",
                                  "Payline 4, top left to bottom right: 0 coins",
                                  "Payline 5, bottom left to top right: 0 coins"}));
  // A list of items, the bonus meter one of them: its per cent are in its name alone.
  EXPECT_EQ(face->role(), QAccessible::List);
  QAccessibleInterface* meter = face->child(5);
  EXPECT_EQ(meter->role(), QAccessible::ListItem);
  EXPECT_EQ(meter->valueInterface(), nullptr);
  EXPECT_EQ(face->child(0)->text(QAccessible::Value), "1000.00");
  EXPECT_TRUE(
      Area()->geometry().contains(face->child(0)->rect().center() - Area()->mapToGlobal(QPoint())));

  // Ten coins, then the reels stop on three lemons along the top and two cherries in the middle.
  QTest::mouseClick(Button("betFiveButton"), Qt::LeftButton);
  QTest::mouseClick(Button("betFiveButton"), Qt::LeftButton);
  Game.Machine.ReelGrid = {4, 5, 0, 4, 5, 2, 4, 1, 3};
  Game.Machine.PowerPts = 40;
  Form->Rules().EvaluatePaylines();
  heard.clear();
  Form->Rules().CountUpWin();
  const QStringList after = names();
  EXPECT_EQ(after.mid(0, 6), QStringList({"Credits 1003.50", "Wager 2.50", "Won 0.00", "Spins 0",
                                          "Bonus meter 40%", "Bonus pool 50.00"}));
  EXPECT_EQ(after.mid(6, 3),
            QStringList({"Reel 1, top: Lemon", "Reel 2, top: Lemon", "Reel 3, top: Lemon"}));
  EXPECT_EQ(after.mid(15),
            QStringList({"Payline 1, middle row: 2 coins, pays 1.00",
                         "Payline 2, top row: 2 coins, pays 5.00", "Payline 3, bottom row: 2 coins",
                         "Payline 4, top left to bottom right: 2 coins",
                         "Payline 5, bottom left to top right: 2 coins"}));
  // 24 coins counted; the credits are told once, at the end.
  std::vector<Heard> credits;
  for (const Heard& h : heard)
    if (h.Name.startsWith("Credits")) credits.push_back(h);
  ASSERT_EQ(credits.size(), 2u);
  EXPECT_EQ(credits[0].Type, QAccessible::NameChanged);
  EXPECT_EQ(credits[0].Name, "Credits 1003.50");
  EXPECT_EQ(credits[1].Type, QAccessible::ValueChanged);
  EXPECT_DOUBLE_EQ(credits[1].Value.toDouble(), 1003.50);

  // A real spin of the placed coins, from the face, is spoken in one sentence, and the focus
  // stays on the face.
  Form->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form.get()));
  Area()->setFocus();
  heard.clear();
  QTest::keyClick(Area(), Qt::Key_Space);
  const SpinReport& spin = Form->Record().Record.Recent.Entries().front().Spin;
  const QString sentence = SpinSentence(spin, Game.Machine.PowerPts);
  EXPECT_EQ(LastAnnouncement(Form.get()), sentence);
  EXPECT_TRUE(
      sentence.contains("Credits " + QString::fromStdString(Game.Machine.Credits.Padded(0))));
  QCoreApplication::processEvents();  // the sentences of a turn are spoken as it ends
  auto* note = Form->findChild<QWidget*>("Announcement");
  ASSERT_NE(note, nullptr);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(note)->role(), QAccessible::Notification);
  bool shown = false;
  for (const Heard& h : heard) shown |= h.Type == QAccessible::ObjectShow && h.Name == sentence;
  EXPECT_TRUE(shown);
  EXPECT_EQ(QApplication::focusWidget(), Area());
  EXPECT_EQ(names().value(3), "Spins 1");
}

// One sentence says how a spin settled: each winning line with its symbols and pay, the total
// (after the card game when it changed it), a won bonus or the free spin, the credits, and the
// bonus meter while it shows; as the card game is offered, the winning lines and the credits.
TEST(SpinSentences, SaySpinsInWords) {
  App();
  const std::array<int, 9> grid{4, 5, 0, 4, 5, 2, 4, 1, 3};
  auto spin = [&](std::array<int64_t, 5> pays, int64_t win, int64_t credits) {
    SpinReport r;
    r.Grid = grid;
    r.LinePays = pays;
    r.Win = win;
    r.CreditsAfter = credits;
    return r;
  };
  SpinReport doubled = spin({100, 500, 0, 0, 0}, 1200, 100950);
  doubled.CardOffered = true;
  SpinReport kept = doubled;
  kept.Win = 600;
  kept.CreditsAfter = 100350;
  SpinReport free = spin({}, 0, 105000);
  free.Free = true;
  free.FreeSpinsLeft = 4;
  SpinReport lastFree = free;
  lastFree.FreeSpinsLeft = 0;
  SpinReport bonus = spin({}, 0, 104400);
  bonus.Pool = 5025;
  bonus.FreeSpinsLeft = 7;
  const struct {
    SpinReport Spin;
    int Meter;
    const char* Said;
  } rows[] = {
      {spin({}, 0, 99375), 20, "No win. Credits 993.75. Bonus meter 20%."},
      {spin({100, 500, 0, 0, 0}, 600, 100350), 30,
       "Line 1: Cherry, Cherry, Diamond pays 1.00. Line 2: Lemon, Lemon, Lemon pays 5.00. "
       "Total win 6.00. Credits 1003.50. Bonus meter 30%."},
      {doubled, 30,
       "Line 1: Cherry, Cherry, Diamond pays 1.00. Line 2: Lemon, Lemon, Lemon pays 5.00. "
       "After the card game you win 12.00. Credits 1009.50. Bonus meter 30%."},
      {kept, 30,
       "Line 1: Cherry, Cherry, Diamond pays 1.00. Line 2: Lemon, Lemon, Lemon pays 5.00. "
       "Total win 6.00. Credits 1003.50. Bonus meter 30%."},
      {bonus, 0, "No win. Bonus won: 50.25 and 7 free spins. Credits 1044.00."},
      {free, 0, "Free spin 3 of 7. No win. Credits 1050.00."},
      {lastFree, 0, "Free spin 7 of 7. No win. Credits 1050.00. Bonus meter 0%."},
  };
  for (const auto& r : rows) EXPECT_EQ(SpinSentence(r.Spin, r.Meter), r.Said);

  // As the card game is offered, before the win is counted.
  MachineState m;
  m.ReelGrid = grid;
  m.LineBets = {0.50_usd, 0.50_usd, 0.25_usd, 0.25_usd, 0.25_usd};
  m.LinePays = {2, 10, 0, 0, 0};
  m.Credits = 997.50_usd;
  EXPECT_EQ(CardOfferSentence(m),
            "Line 1: Cherry, Cherry, Diamond pays 1.00. Line 2: Lemon, Lemon, Lemon pays 5.00. "
            "Credits 997.50.");
}

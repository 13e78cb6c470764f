// What a screen reader is told during play: short phrases for spins that come by themselves,
// the wager after each bet, and a word for every change of game, coin value or auto spin.
#include <gtest/gtest.h>

#include <QStringList>

#include "app/SpeechPlan.h"
#include "app/SpinAnnouncer.h"
#include "face/FaceAccessible.h"
#include "face/FacePainter.h"
#include "machine/SlotMachine.h"
#include "platform/Language.h"
#include "record/AutoSpinLimits.h"
#include "tests/support/Dollars.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TestApp.h"

using namespace zandor;

namespace {

SpinReport Spin(bool byItself, std::array<int64_t, 5> pays, int64_t win, int64_t credits) {
  SpinReport r;
  r.AutoSpin = byItself;
  r.Grid = {4, 5, 0, 4, 5, 2, 4, 1, 3};
  r.LinePays = pays;
  r.Win = win;
  r.CreditsAfter = credits;
  return r;
}

SpinReport Free(int left, std::array<int64_t, 5> pays, int64_t win, int64_t credits) {
  SpinReport r = Spin(false, pays, win, credits);
  r.Free = true;
  r.FreeSpinsLeft = left;
  return r;
}

}  // namespace

// A spin the player started is told in its whole sentence. One that followed by itself (auto
// spin, free spins) says only what changed: no win or the win, the credits, and the bonus meter
// when it moved; short enough (at most 32 characters, about two seconds of speech) for speech
// to keep up with a spin every two seconds. A won bonus is told whole even then.
TEST(SpeechPlan, SpinsThatComeByThemselvesAreToldShort) {
  TestApp();
  MachineState machine;
  QStringList said;
  SpeechPlan plan(machine, [&](const QString& s) { said << s; });
  SpinReport bonus = Spin(true, {}, 0, 103400);
  bonus.Pool = 5025;
  bonus.FreeSpinsLeft = 7;
  const struct {
    SpinReport Spin;
    int Meter;
    const char* Said;
  } rows[] = {
      {Spin(false, {}, 0, 99375), 20, "No win. Credits 993.75. Bonus meter 20%."},
      {Spin(true, {}, 0, 98750), 20, "No win, 987.50."},
      {Spin(true, {0, 0, 0, 250, 0}, 250, 99000), 30, "Won 2.50, 990.00. Meter 30%."},
      {Spin(true, {}, 0, 98375), 15, "No win, 983.75. Meter 15%."},
      {Spin(true, {}, 0, 97750), 15, "No win, 977.50."},
      {bonus, 0, "No win. Bonus won: 50.25 and 7 free spins. Credits 1034.00."},
      {Free(6, {}, 0, 103400), 0, "Free spin 1. No win, 1034.00."},
      {Free(5, {1250, 0, 0, 0, 0}, 1250, 104650), 0, "Free spin 2. Won 12.50, 1046.50."},
      {Free(0, {}, 0, 104650), 0, "Free spin 7. No win, 1046.50."},
      {Spin(false, {0, 500, 0, 0, 0}, 500, 104525), 0,
       "Line 2: Lemon, Lemon, Lemon pays 5.00. Total win 5.00. Credits 1045.25. "
       "Bonus meter 0%."},
  };
  for (const auto& r : rows) {
    machine.PowerPts = r.Meter;
    said.clear();
    plan.SpinScored(r.Spin);
    ASSERT_EQ(said.size(), 1);
    EXPECT_EQ(said[0], r.Said);
    if (CameByItself(r.Spin) && r.Spin.Pool == 0) EXPECT_LE(said[0].size(), 32) << r.Said;
  }
}

// Every bet says the wager it leaves, once the bet has placed its coins: Bet 5's five coins and
// Bet Max's are one phrase, Bet Max's before its spin; a refused bet says nothing. New Game,
// Open (which slot, its name, its credits), a coin value and the auto spin switch each say what
// they did.
TEST(SpeechPlan, BetsAndGameChangesAreConfirmed) {
  TestApp();
  MachineState machine;
  PlayerOptions options;
  options.AceyDucey = false;
  Lcg rng;
  FakeHost host;
  SlotMachine game(machine, options, rng, host);
  QStringList said;
  SpeechPlan plan(machine, [&](const QString& s) { said << s; });
  game.SetEvents(&plan);
  const struct {
    const char* Action;
    std::function<void()> Do;
    QStringList Said;  // a spin's sentence is checked by its start alone
  } rows[] = {
      {"Bet 1", [&] { game.BetOne(); }, {"Wager 0.25, 1 coin."}},
      {"Bet 5", [&] { game.BetFive(); }, {"Wager 1.50, 6 coins."}},
      {"Bet Max", [&] { game.BetMax(); }, {"Wager 6.25, 25 coins.", "*"}},
      {"Bet 1 without credits",
       [&] {
         machine.Credits = 0.20_usd;
         game.BetOne();
       },
       {}},
      {"New Game", [&] { game.NewGame(); }, {"New game. Credits 1000.00."}},
      {"Bet 1 after New Game", [&] { game.BetOne(); }, {"Wager 0.25, 1 coin."}},
      {"Coin value, after a spin",
       [&] {
         machine.Spins = 1;
         game.ChooseCoinValue(4);
       },
       {"Coin value 0.10. Credits 1000.00."}},
      {"Auto spin on", [&] { game.ToggleAutoSpin(); }, {"Auto spin on."}},
      {"Auto spin off", [&] { game.ToggleAutoSpin(); }, {"Auto spin off."}},
      {"Open a named slot",
       [&] {
         plan.GameOpened(125000, 100000);
         plan.SavedGameOpened(3, "Evening", 125000);
       },
       {"Opened slot 3, Evening. Credits 1250.00."}},
      {"Open an unnamed slot",
       [&] { plan.SavedGameOpened(5, "", 4050); },
       {"Opened slot 5. Credits 40.50."}},
  };
  for (const auto& r : rows) {
    said.clear();
    r.Do();
    ASSERT_EQ(said.size(), r.Said.size()) << r.Action << ": " << said.join(" | ").toStdString();
    for (qsizetype i = 0; i < said.size(); ++i)
      if (r.Said[i] == "*")
        EXPECT_TRUE(said[i].contains("Credits")) << r.Action;
      else
        EXPECT_EQ(said[i], r.Said[i]) << r.Action;
  }
}

// What a screen reader hears of the figures follows the player's locale: amounts with its
// decimal sign (ungrouped, as spoken figures always were), percentages as it writes them, and
// a stopping limit's sum as the locale writes money; English reads as it always has.
TEST(SpeechPlan, FiguresAsTheLocaleWritesThem) {
  TestApp();
  const QString nb = QString(QChar(0x00a0)), nnb = QString(QChar(0x202f));
  struct Row {
    const char* Locale;
    QString Sentence, Short, Face, Stopped;
  } rows[] = {
      {"en_US",
       "Line 2: Lemon, Lemon, Lemon pays 2.50. Total win 2.50. Credits 1234.56. Bonus meter 30%.",
       "Won 2.50, 1234.56. Meter 30%.", "Credits 1234.56|Bonus meter 30%",
       "Automatic spins stopped: the credits fell below $2,000.00."},
      {"de_DE",
       "Line 2: Lemon, Lemon, Lemon pays 2,50. Total win 2,50. Credits 1234,56. Bonus meter 30" +
           nb + "%.",
       "Won 2,50, 1234,56. Meter 30" + nb + "%.", "Credits 1234,56|Bonus meter 30" + nb + "%",
       "Automatic spins stopped: the credits fell below 2.000,00" + nb + "$."},
      {"fr_FR",
       "Line 2: Lemon, Lemon, Lemon pays 2,50. Total win 2,50. Credits 1234,56. Bonus meter 30" +
           nnb + "%.",
       "Won 2,50, 1234,56. Meter 30" + nnb + "%.", "Credits 1234,56|Bonus meter 30" + nnb + "%",
       "Automatic spins stopped: the credits fell below 2" + nnb + "000,00" + nb + "$."},
      {"pl_PL",
       "Line 2: Lemon, Lemon, Lemon pays 2,50. Total win 2,50. Credits 1234,56. Bonus meter 30%.",
       "Won 2,50, 1234,56. Meter 30%.", "Credits 1234,56|Bonus meter 30%",
       "Automatic spins stopped: the credits fell below 2000,00" + nb + "$."},
  };
  SpinReport spin;
  spin.Grid = {4, 5, 0, 4, 5, 2, 4, 1, 3};
  spin.LinePays = {0, 250, 0, 0, 0};
  spin.Win = 250;
  spin.CreditsAfter = 123456;
  spin.AutoSpin = true;
  MachineState machine;
  machine.Credits = Money::Cents(123456);
  machine.PowerPts = 30;
  const PlayerOptions options;
  const Folders dirs;
  const FacePainter face(machine, options, dirs);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Locale);
    QLocale::setDefault(QLocale(row.Locale));
    EXPECT_EQ(SpinSentence(spin, 30), row.Sentence);
    EXPECT_EQ(ShortSpinPhrase(spin, 30, true), row.Short);
    QStringList heard;
    for (const PaintedPart& part : FaceParts(face, machine))
      if (part.Name.startsWith("Credits") || part.Name.startsWith("Bonus meter"))
        heard << part.Name;
    EXPECT_EQ(heard.join('|'), row.Face);
    AutoSpinWatch watch;
    watch.Spin({.CreditsOn = true, .CreditsBelow = 200000}, spin);
    EXPECT_EQ(Translated(watch.TakeReason()), row.Stopped);
  }
  QLocale::setDefault(QLocale::c());
}

// The window's start over the session: a spin that a crash interrupted is completed before the
// player sees the machine, without a single drawing call before the face exists, and the
// window then shows the spin settled.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "app/Dirs.h"
#include "app/MainWindow.h"
#include "machine/SlotMachine.h"
#include "machine/SpinPlan.h"
#include "session/GameKeeper.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/TestApp.h"

using namespace zandor;

namespace {

std::vector<std::string> warnings;

// What painting on a canvas that does not exist yet says.
void Collect(QtMsgType, const QMessageLogContext&, const QString& text) {
  if (text.contains("QPainter")) warnings.push_back(text.toStdString());
}

TEST(Start, AnInterruptedSpinIsCompletedAndToldOnceTheFaceIsUp) {
  TestApp();
  struct Case {
    const char* Name;
    bool Free;
  };
  for (const Case& c : {Case{"a paid spin", false}, Case{"a free spin", true}}) {
    SCOPED_TRACE(c.Name);
    QTemporaryDir settings;
    const std::string dir = settings.path().toStdString() + "/";
    // A spin with a power-up symbol: its bonus meter is drawn as it settles.
    uint32_t seed = 4242;
    for (;; ++seed) {
      Lcg rng;
      MachineState shown;
      shown.ReelStops = PlanSpin(rng, seed).Stops;
      ComputeReelGrid(shown);
      if (std::count(shown.ReelGrid.begin(), shown.ReelGrid.end(), GAIN) > 0) break;
    }
    {
      // The game as a kill leaves it: settled once, then a spin whose reels had started.
      GameState g;
      g.Dirs.Settings = dir;
      PlayerIni file(dir);
      PlayerRecord record;
      GameKeeper keeper(g, g.Machine, file, record);
      keeper.Restore();
      MachineState& m = g.Machine;
      if (c.Free) m.FreeSpins = 3;
      m.LastWager = 25 * m.CoinValue;
      ASSERT_TRUE(keeper.KeepSettled().empty());
      SpinInProgress spin;
      Lcg rng;
      spin.Seed = seed;
      spin.Stops = PlanSpin(rng, seed).Stops;
      spin.Free = c.Free;
      spin.Wager = m.LastWager;
      if (!c.Free) m.Credits -= spin.Wager;
      ASSERT_TRUE(keeper.KeepSpin(spin));
    }
    GameState game;
    game.Dirs.Program = ProgramDirectory();
    game.Dirs.Settings = dir;
    FakePrompts prompts;
    warnings.clear();
    const QtMessageHandler before = qInstallMessageHandler(Collect);
    MainWindow form(GameHandle(game), prompts);
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    qInstallMessageHandler(before);
    EXPECT_EQ(warnings, std::vector<std::string>{});
    // Told once, in a box over the face: the spin is finished, and free spins go on.
    ASSERT_EQ(prompts.Messages.size(), 1);
    EXPECT_TRUE(
        prompts.Messages[0].startsWith("Your last spin was interrupted. It has been completed: "));
    EXPECT_EQ(prompts.Messages[0].endsWith(" Your free spins continue."), c.Free);
    Lcg rng;
    EXPECT_EQ(game.Machine.ReelStops, PlanSpin(rng, seed).Stops);
    EXPECT_EQ(game.Machine.Wager, Money());
    form.close();
  }
}

}  // namespace

namespace {

// A signal while the boxes of a failed save at close are up ends the close at once, whatever
// the box would have been answered: no second round of boxes, no second try.
TEST(Close, ASignalDuringTheBoxesOfAFailedSaveEndsTheClose) {
  TestApp();
  QTemporaryDir settings;
  GameState game;
  game.Dirs.Program = ProgramDirectory();
  game.Dirs.Settings = settings.path().toStdString() + "/";
  FakePrompts prompts;
  MainWindow form(GameHandle(game), prompts);
  form.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
  // Both files are kept once; then ZANDOR.INI is marked read-only, so the close cannot save.
  form.close();
  const QString ini = QString::fromStdString(game.Dirs.Settings + "ZANDOR.INI");
  ASSERT_TRUE(QFile::setPermissions(ini, QFile::ReadOwner));
  MainWindow again(GameHandle(game), prompts);
  again.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&again));
  prompts.Log.clear();
  prompts.Answers = {true, true, true};  // "try again", each time it is asked
  prompts.WhileAsking = [&] { again.CloseOnSignal(); };
  again.close();
  QFile::setPermissions(ini, QFile::ReadOwner | QFile::WriteOwner);
  ASSERT_EQ(prompts.Log.size(), 2u);
  EXPECT_TRUE(prompts.Log[0].starts_with("warning:Unable to write to ")) << prompts.Log[0];
  EXPECT_TRUE(prompts.Log[1].starts_with("confirm:")) << prompts.Log[1];
  EXPECT_FALSE(again.isVisible());
}

}  // namespace

// Money is never created or lost: across thousands of random sequences of player actions,
// including actions fired from inside the waits of spins, bet loops, count-ups and bonus
// payouts, credits plus wager move only by the stakes of spins and by what wins, the bonus, the
// bank, a new game and an opened game explain; the player's statistics explain the same money to
// the cent.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>

#include "machine/TMachine.h"
#include "record/PlayerRecord.h"
#include "store/SavedGames.h"
#include "tests/support/FakeHost.h"

namespace {

struct Ledger : FakeHost {
  TGame* Game = nullptr;
  double Explained = 0;  // money the rules are allowed to add since the last check
  void Play(Effect e) override {
    // Every counted coin of a win or of the pool moves one coin into the credits.
    if (e == Effect::Credit) Explained += Game->CoinValue;
    FakeHost::Play(e);
  }
  void Redraw(FaceElement e) override {
    // A paid spin has started: its wager now belongs to the machine.
    if (e == FaceElement::Spins) Explained -= Game->Wager;
    FakeHost::Redraw(e);
  }
};

struct Session {
  TGame g;
  Ledger host;
  TMachine m{g, host};
  std::mt19937 rng;
  int actions = 0, nested = 0, depth = 0;
  std::string dir;
  PlayerRecord record;  // the player's statistics, fed by the machine's events

  explicit Session(uint32_t seed) : rng(seed) {
    host.Game = &g;
    m.SetEvents(&record);
    record.GameReplaced(CentsOf(g.Credits), CentsOf(g.Borrowed));
    // Saved games are written often here: keep them in memory where the machine has a tmpfs.
    std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                     ? std::filesystem::path("/dev/shm")
                                     : std::filesystem::temp_directory_path();
    dir = (base / ("zandor-conservation-" + std::to_string(seed))).string() + "/";
    std::filesystem::create_directories(dir);
    g.SettingsDir = dir;
    host.TimeOfDay = seed;
    host.CardGame = [this](double& win) {
      if (rng() % 3 == 0) win *= 2;
      else if (rng() % 3 == 0) win = 0;
    };
    host.DuringWait = [this] {
      if (depth == 0 && rng() % 40 == 0) {
        ++depth;
        ++nested;
        Act();
        --depth;
      }
    };
  }
  ~Session() { std::filesystem::remove_all(dir); }

  double Money() const { return g.Credits + g.Wager; }

  // One random player action; the ledger notes what may explain a change of money.
  void Act() {
    ++actions;
    host.TimeOfDay = host.TimeOfDay * 1103515245u + 12345u;
    int which = static_cast<int>(rng() % 14);
    switch (which) {
      case 0: case 1: m.BitBtn1Click(); break;
      case 2: case 3: m.BitBtn2Click(); break;
      case 4: m.BitBtn3Click(); break;
      case 5: case 6: m.Button1Click(); break;
      case 7: m.Timer1Timer(); break;
      case 8: m.AutoSpin2Click(); break;
      case 9: m.ChooseCoinValue(static_cast<int>(rng() % 6)); break;
      case 10: {  // the bank: borrow or pay back when covered
        double amounts[] = {1000, 100, 10, 1, 0.10, 0.01};
        double a = amounts[rng() % 6];
        if (rng() % 2) {
          g.Credits += a;
          g.Borrowed += a;
          host.Explained += a;
          record.Loan(CentsOf(a));
        } else if (g.Credits >= a && g.Borrowed >= a) {
          g.Credits -= a;
          g.Borrowed -= a;
          host.Explained -= a;
          record.Loan(-CentsOf(a));
        }
        break;
      }
      case 11: {
        double before = Money();
        if (m.NewGame2Click()) host.Explained += Money() - before;  // a fresh 1000.00
        break;
      }
      case 12: SaveIntoSlot(g, 1 + static_cast<int>(rng() % 8), "slot"); break;
      case 13: {
        if (m.Busy()) break;  // the window greys Open while money is in motion
        double before = Money();
        ReadSavedGames(g);
        OpenSlot(g, 1 + static_cast<int>(rng() % 8));
        host.Explained += Money() - before;
        record.GameReplaced(CentsOf(Money()), CentsOf(g.Borrowed));
        break;
      }
    }
  }
};

}  // namespace

TEST(Conservation, RandomSequencesOfActions) {
  long total = 0, nested = 0;
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    Session run(seed);
    run.g.CoinValue = CoinTable[seed % 6].Value;
    run.g.Bet = static_cast<uint8_t>(seed % 6);
    run.g.PowerPts = static_cast<int>(seed % 10) * 10;
    for (int i = 0; i < 60; ++i) {
      double before = run.Money();
      run.host.Explained = 0;
      run.Act();
      double after = run.Money();
      ASSERT_NEAR(after, before + run.host.Explained, 1e-6)
          << "seed " << seed << " action " << i << " credits " << run.g.Credits;
      ASSERT_GE(run.g.Wager, 0);
      ASSERT_LE(run.g.Wager, 25 * run.g.CoinValue + 1e-9);
      ASSERT_FALSE(run.m.Busy());
      // The statistics explain the same money, to the cent.
      const auto& game = run.record.Game;
      ASSERT_EQ(CentsOf(after), game.StartCredits + game.Net() + game.Lent - game.Repaid)
          << "seed " << seed << " action " << i;
    }
    total += run.actions;
    nested += run.nested;
  }
  std::printf("conservation: %ld actions, %ld fired from inside waits\n", total, nested);
  EXPECT_GT(nested, 100);
}

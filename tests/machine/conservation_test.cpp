// Money is never created or lost: across thousands of random sequences of player actions,
// including actions fired from inside the waits of spins, bet loops, count-ups and bonus
// payouts, credits plus wager move, to the cent, only by the stakes of spins and by what wins,
// the bonus, the bank, a new game and an opened game explain, and the player's statistics explain
// the same money. Resizes, coin values and the auto-spin switch during free spins never take a
// won bonus's free-spin strip away.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "bank/Bank.h"
#include "machine/SlotMachine.h"
#include "record/PlayerRecord.h"
#include "saves/SavedGames.h"
#include "tests/support/FakeHost.h"

using namespace zandor;

namespace {

struct Ledger : FakeHost {
  MachineState* Game = nullptr;
  Money Explained;  // money the rules are allowed to add since the last check
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

// Saved games are written often here: keep them in memory where the machine has a tmpfs.
std::string SettingsFolder(uint32_t seed) {
  std::filesystem::path base = std::filesystem::is_directory("/dev/shm")
                                   ? std::filesystem::path("/dev/shm")
                                   : std::filesystem::temp_directory_path();
  return (base / ("zandor-conservation-" + std::to_string(seed))).string() + "/";
}

struct Session {
  MachineState g;
  PlayerOptions options;
  Lcg random;
  Ledger host;
  SlotMachine m{g, options, random, host};
  std::mt19937 rng;
  int actions = 0, nested = 0, depth = 0;
  std::string dir;
  SavedGameTable slots;
  PlayerRecord record;  // the player's statistics, fed by the machine's events

  explicit Session(uint32_t seed) : rng(seed), dir(SettingsFolder(seed)), slots(dir) {
    host.Game = &g;
    m.SetEvents(&record);
    record.GameReplaced(CentsOf(g.Credits), CentsOf(g.Borrowed));
    std::filesystem::create_directories(dir);
    host.TimeOfDay = seed;
    host.CardGame = [this](Money& win) {
      if (rng() % 3 == 0)
        win = win * 2;
      else if (rng() % 3 == 0)
        win = Money();
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

  Money Held() const { return g.Credits + g.Wager; }

  // One random player action; the ledger notes what may explain a change of money.
  void Act() {
    ++actions;
    host.TimeOfDay = host.TimeOfDay * 1103515245u + 12345u;
    int which = static_cast<int>(rng() % 16);
    switch (which) {
      case 0:
      case 1:
        m.BetOne();
        break;
      case 2:
      case 3:
        m.BetFive();
        break;
      case 4:
        m.BetMax();
        break;
      case 5:
      case 6:
        m.Spin();
        break;
      case 7:
        m.NextAutomaticSpin();
        break;
      case 8:
        m.ToggleAutoSpin();
        break;
      case 9:
        m.ChooseCoinValue(static_cast<int>(rng() % 6));
        break;
      case 10: {  // the bank: what it lends or takes back moves the debt by as much
        Bank bank(g, &record);
        const int amount = static_cast<int>(rng() % BankAmounts.size());
        const Money borrowed = g.Borrowed;
        if (rng() % 2)
          bank.Borrow(amount);
        else
          bank.PayBack(amount);
        host.Explained += g.Borrowed - borrowed;
        break;
      }
      case 11: {
        const Money before = Held();
        if (m.NewGame()) host.Explained += Held() - before;  // a fresh 1000.00
        break;
      }
      case 12:
        slots.Save(g, 1 + static_cast<int>(rng() % 8), "slot");
        break;
      case 13: {
        if (m.Busy()) break;  // the window greys Open while money is in motion
        const Money before = Held();
        slots.Read();
        slots.Open(1 + static_cast<int>(rng() % 8), g);
        host.Explained += Held() - before;
        record.GameReplaced(CentsOf(Held()), CentsOf(g.Borrowed));
        break;
      }
      case 14:
        SetReelStrips(g);
        break;  // a resize loads the artwork and sets the strips
      case 15:  // free spins: the timer ticks and the switch flips
        if (g.FreeSpins > 0) (rng() % 2 ? m.ToggleAutoSpin() : m.NextAutomaticSpin());
        break;
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
      const Money before = run.Held();
      run.host.Explained = Money();
      run.Act();
      ASSERT_EQ(run.Held(), before + run.host.Explained)
          << "seed " << seed << " action " << i << " credits " << run.g.Credits.Padded();
      ASSERT_GE(run.g.Wager, Money());
      ASSERT_LE(run.g.Wager, 25 * run.g.CoinValue);
      ASSERT_FALSE(run.m.Busy());
      ASSERT_EQ(run.g.ReelStrips[1] == FreeSpinStrip, run.g.FreeSpins > 0) << "seed " << seed;
      // The statistics explain the same money, to the cent.
      const auto& game = run.record.Game;
      ASSERT_EQ(CentsOf(run.Held()), game.StartCredits + game.Net() + game.Lent - game.Repaid)
          << "seed " << seed << " action " << i;
    }
    total += run.actions;
    nested += run.nested;
  }
  std::printf("conservation: %ld actions, %ld fired from inside waits\n", total, nested);
  EXPECT_GT(nested, 100);
}

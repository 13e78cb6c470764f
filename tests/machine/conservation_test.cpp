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
  MachineState G;
  PlayerOptions Options;
  Lcg Random;
  Ledger Host;
  SlotMachine M{G, Options, Random, Host};
  std::mt19937 Rng;
  int Actions = 0, Nested = 0, Depth = 0;
  std::string Dir;
  PlayerIni PlayerFile;
  SavedGameTable Slots;
  PlayerRecord Record;  // the player's statistics, fed by the machine's events

  explicit Session(uint32_t seed)
      : Rng(seed), Dir(SettingsFolder(seed)), PlayerFile(Dir), Slots(Dir, PlayerFile) {
    Host.Game = &G;
    M.SetEvents(&Record);
    Record.GameReplaced(CentsOf(G.Credits), CentsOf(G.Borrowed));
    std::filesystem::create_directories(Dir);
    Host.TimeOfDay = seed;
    Host.CardGame = [this](Money& win) {
      if (Rng() % 3 == 0)
        win = win * 2;
      else if (Rng() % 3 == 0)
        win = Money();
    };
    Host.DuringWait = [this] {
      if (Depth == 0 && Rng() % 40 == 0) {
        ++Depth;
        ++Nested;
        Act();
        --Depth;
      }
    };
  }
  ~Session() { std::filesystem::remove_all(Dir); }

  Money Held() const { return G.Credits + G.Wager; }

  // One random player action; the ledger notes what may explain a change of money.
  void Act() {
    ++Actions;
    Host.TimeOfDay = Host.TimeOfDay * 1103515245u + 12345u;
    int which = static_cast<int>(Rng() % 16);
    switch (which) {
      case 0:
      case 1:
        M.BetOne();
        break;
      case 2:
      case 3:
        M.BetFive();
        break;
      case 4:
        M.BetMax();
        break;
      case 5:
      case 6:
        M.Spin();
        break;
      case 7:
        M.NextAutomaticSpin();
        break;
      case 8:
        M.ToggleAutoSpin();
        break;
      case 9:
        M.ChooseCoinValue(static_cast<int>(Rng() % 6));
        break;
      case 10: {  // the bank: what it lends or takes back moves the debt by as much
        Bank bank(G, &Record);
        const int amount = static_cast<int>(Rng() % BankAmounts.size());
        const Money borrowed = G.Borrowed;
        if (Rng() % 2)
          bank.Borrow(amount);
        else
          bank.PayBack(amount);
        Host.Explained += G.Borrowed - borrowed;
        break;
      }
      case 11: {
        const Money before = Held();
        if (M.NewGame()) Host.Explained += Held() - before;  // a fresh 1000.00
        break;
      }
      case 12:
        Slots.Save(G, 1 + static_cast<int>(Rng() % 8), "slot");
        break;
      case 13: {
        if (M.Busy()) break;  // the window greys Open while money is in motion
        const Money before = Held();
        Slots.Read();
        Slots.Open(1 + static_cast<int>(Rng() % 8), G);
        Host.Explained += Held() - before;
        Record.GameReplaced(CentsOf(Held()), CentsOf(G.Borrowed));
        break;
      }
      case 14:
        SetReelStrips(G);
        break;  // a resize loads the artwork and sets the strips
      case 15:  // free spins: the timer ticks and the switch flips
        if (G.FreeSpins > 0) (Rng() % 2 ? M.ToggleAutoSpin() : M.NextAutomaticSpin());
        break;
      default:  // Rng() % 16 has no other value
        break;
    }
  }
};

}  // namespace

TEST(Conservation, RandomSequencesOfActions) {
  long total = 0, nested = 0;
  for (uint32_t seed = 1; seed <= 60; ++seed) {
    Session run(seed);
    run.G.CoinValue = CoinTable[seed % 6].Value;
    run.G.Bet = static_cast<uint8_t>(seed % 6);
    run.G.PowerPts = static_cast<int>(seed % 10) * 10;
    for (int i = 0; i < 60; ++i) {
      const Money before = run.Held();
      run.Host.Explained = Money();
      run.Act();
      ASSERT_EQ(run.Held(), before + run.Host.Explained)
          << "seed " << seed << " action " << i << " credits " << run.G.Credits.Padded();
      ASSERT_GE(run.G.Wager, Money());
      ASSERT_LE(run.G.Wager, 25 * run.G.CoinValue);
      ASSERT_FALSE(run.M.Busy());
      ASSERT_EQ(run.G.ReelStrips[1] == FreeSpinStrip, run.G.FreeSpins > 0) << "seed " << seed;
      // The statistics explain the same money, to the cent.
      const auto& game = run.Record.Game;
      ASSERT_EQ(CentsOf(run.Held()), game.StartCredits + game.Net() + game.Lent - game.Repaid)
          << "seed " << seed << " action " << i;
    }
    total += run.Actions;
    nested += run.Nested;
  }
  std::printf("conservation: %ld actions, %ld fired from inside waits\n", total, nested);
  EXPECT_GT(nested, 100);
}

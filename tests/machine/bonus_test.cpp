// The bonus feature: the pool's growth, the meter, the award and the seven free spins.
#include "tests/machine/MachineFixture.h"
#include "tests/support/Dollars.h"

using namespace zandor;

using Bonus = MachineFixture;

// Records what the SPIN FREE counter shows as each free spin starts.
struct CounterHost : FakeHost {
  const MachineState* Game = nullptr;
  std::vector<int> Shown;
  void Redraw(FaceElement e) override {
    if (e == FaceElement::FreeSpinsLeft) Shown.push_back(Game->FreeSpins - 1);
    FakeHost::Redraw(e);
  }
};

// Only a full 25-coin wager feeds the pool, by exactly one coin.
TEST_F(Bonus, PoolContribution) {
  O.AceyDucey = false;
  H.TimeOfDay = FindTimeOfDay([](const MachineState& g) { return CountOf(g, GAIN) == 0; });
  Place(24);
  M.Spin();
  EXPECT_EQ(G.BonusPool, 50.00_usd);
  Place(25);
  M.Spin();
  EXPECT_EQ(G.BonusPool, 50.25_usd);
}

// GAIN symbols anywhere add ten points each up to 100; any LOSS halves the meter instead.
TEST_F(Bonus, MeterArithmetic) {
  O.AceyDucey = false;
  struct Case {
    int Gains, Losses, Before, After;
  };
  for (Case c : {Case{1, 0, 95, 100}, Case{3, 0, 90, 100}, Case{2, 1, 57, 28}, Case{0, 1, 1, 0},
                 Case{1, 0, 20, 30}, Case{0, 0, 40, 40}}) {
    uint32_t t = FindTimeOfDay([&](const MachineState& g) {
      return CountOf(g, GAIN) == c.Gains && CountOf(g, LOSS) == c.Losses;
    });
    G.PowerPts = c.Before;
    G.FreeSpins = 0;
    G.ReelStrips[1] = NormalStrips[1];
    G.BonusPool = 0_usd;  // an award pays nothing here; only the meter is looked at
    H.Clear();
    H.TimeOfDay = t;
    Place(1);
    M.Spin();
    int reached = c.After >= 100 ? 0 : c.After;  // the award resets the meter
    EXPECT_EQ(G.PowerPts, reached) << c.Before << " with " << c.Gains << " GAIN";
    EXPECT_EQ(G.FreeSpins, c.After >= 100 ? 7 : 0);
    EXPECT_EQ(H.Count(Effect::PowerUp), c.Losses == 0 && c.Gains > 0 ? 1 : 0);
    EXPECT_EQ(H.Count(Effect::PowerDown), c.Losses > 0 ? 1 : 0);
    EXPECT_EQ(H.Count(Effect::Bonus), c.After >= 100 ? 1 : 0);
  }
}

// Winning the bonus with 53.00 in the pool at 25 cents pays 212 coins, then seven free
// spins follow one per AutomaticSpins tick showing 6..0 left; afterwards the pool restarts
// at 50.00, reel 2 is back on its strip with the LOSS symbol and no further spin starts.
TEST_F(Bonus, AwardAndFreeSpinSequence) {
  CounterHost host;
  host.Game = &G;
  SlotMachine m(G, O, R, host);
  O.AceyDucey = false;
  G.PowerPts = 95;
  G.BonusPool = 53.00_usd - 0.25_usd;  // the full wager below adds the last coin
  host.TimeOfDay = FindTimeOfDay(
      [](const MachineState& g) { return CountOf(g, GAIN) == 1 && CountOf(g, LOSS) == 0; });
  Place(25);
  const Money before = G.Credits;
  m.Spin();
  const Money firstWin = G.SpinWin;
  EXPECT_EQ(host.Count(Effect::Credit), 212 + static_cast<int>(firstWin.CoinsOf(0.25_usd)));
  EXPECT_EQ(G.FreeSpins, 7);
  EXPECT_EQ(G.PowerPts, 0);
  EXPECT_EQ(G.ReelStrips[1], FreeSpinStrip);
  EXPECT_TRUE(host.AutomaticSpins);
  EXPECT_EQ(G.Credits, before + firstWin + 53.00_usd);

  Money freeWins;
  const int spins = G.Spins;
  for (int i = 0; i < 7; ++i) {
    ASSERT_TRUE(host.AutomaticSpins) << i;
    Money creditsBefore = G.Credits;
    host.TimeOfDay += 7919;
    m.NextAutomaticSpin();
    freeWins += G.SpinWin;
    EXPECT_EQ(G.Credits, creditsBefore + G.SpinWin);  // a free spin costs nothing
  }
  EXPECT_EQ(host.Shown, (std::vector<int>{6, 5, 4, 3, 2, 1, 0}));
  EXPECT_EQ(G.FreeSpins, 0);
  EXPECT_EQ(G.FreeSpinCount, 7);
  EXPECT_EQ(G.Spins, spins);
  EXPECT_EQ(G.BonusPool, 50.00_usd);
  EXPECT_EQ(G.PowerPts, 0);
  EXPECT_NE(G.ReelStrips[1].find('6'), std::string::npos);
  EXPECT_FALSE(host.AutomaticSpins);
  EXPECT_EQ(G.Credits, before + firstWin + 53.00_usd + freeWins);
}

// A pool that is not a whole number of coins still pays its last part as a whole coin.
TEST_F(Bonus, PoolRemainderPaysAWholeCoin) {
  G.CoinValue = 1.0_usd;
  G.BonusPool = 2.50_usd;
  M.PayBonusPool();
  EXPECT_EQ(H.Count(Effect::Credit), 3);
  EXPECT_LT(G.BonusPool, 0.01_usd);
}

// Bets are refused while free spins remain: the free spin would overwrite them.
TEST_F(Bonus, NoBetsDuringFreeSpins) {
  G.FreeSpins = 3;
  Money credits = G.Credits;
  M.BetOne();
  M.BetFive();
  M.BetMax();
  EXPECT_EQ(G.Credits, credits);
  EXPECT_EQ(G.Wager, 0_usd);
}

// Once won, the seven free spins are the player's: a coin value is refused while any remain
// (even the current one, which would zero the wager they play), and the auto-spin switch,
// flipped in the pause between them, neither stops nor doubles them; it decides only what
// follows the last one.
TEST_F(Bonus, FreeSpinsRunToTheirEnd) {
  O.AceyDucey = false;
  G.Spins = 5;
  G.FreeSpins = 2;
  G.ReelStrips[1] = FreeSpinStrip;
  G.LastWager = 6.25_usd;
  H.AutomaticSpins = true;  // the pause before the next free spin
  for (int bet : {3, 1}) M.ChooseCoinValue(bet);
  EXPECT_FALSE(M.CoinValueOpen());
  EXPECT_EQ(G.LastWager, 6.25_usd);
  EXPECT_EQ(G.CoinValue, 0.25_usd);
  for (bool on : {true, false, true}) {
    M.ToggleAutoSpin();
    EXPECT_EQ(G.AutoSpin, on);
    EXPECT_TRUE(H.AutomaticSpins);
  }
  const Money credits = G.Credits;
  Money won;
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(H.AutomaticSpins);
    H.TimeOfDay += 7919;
    M.NextAutomaticSpin();
    EXPECT_EQ(G.Wager, 0_usd);
    EXPECT_EQ(G.LastWager, 6.25_usd);
    won += G.SpinWin;
  }
  EXPECT_EQ(G.FreeSpins, 0);
  EXPECT_EQ(G.FreeSpinCount, 2);
  EXPECT_EQ(G.Credits, credits + won);
  EXPECT_TRUE(M.CoinValueOpen());
  EXPECT_TRUE(H.AutomaticSpins);  // auto spin was left on, so play goes on
  M.ChooseCoinValue(1);
  EXPECT_EQ(G.CoinValue, 1.00_usd);
}

// The spin cycle: taking the wager, the animation and its timing and sounds, scoring,
// the count-up, auto spin, and money that stays put while the spin runs.
#include <limits>

#include "tests/machine/MachineFixture.h"
#include "tests/support/Dollars.h"

using namespace zandor;

using Spin = MachineFixture;

namespace {
// A time of day whose spin ends on stops 12, 4, 34: 5 5 5 on line 1 and 3 3 3 on line 3,
// one GAIN at the top of reel 2 (worked out by hand from the generator and the strips).
constexpr uint32_t kWinningTime = 34332250;
// Stops 6, 2, 30: no line wins, one GAIN in the middle of reel 2.
constexpr uint32_t kLosingTime = 49530123;
}  // namespace

// Repeating the last bet takes it from the credits before the reels move.
TEST_F(Spin, RepeatsLastWagerBeforeTheReelsMove) {
  G.Credits = 10.00_usd;
  G.LastWager = 1.25_usd;
  H.TimeOfDay = kLosingTime;
  Money creditsWhileTurning = -1_usd;
  H.DuringWait = [&] {
    if (creditsWhileTurning < 0_usd) creditsWhileTurning = G.Credits;
  };
  M.Spin();
  EXPECT_EQ(creditsWhileTurning, 8.75_usd);
  ASSERT_FALSE(H.Lamps.empty());
  EXPECT_EQ(H.Lamps.front(), (std::pair<Money, Money>{0.25_usd, 1.25_usd}));
  EXPECT_EQ(G.BonusPool, 50.00_usd);  // five coins make no pool contribution
}

// Refused spins say why and take nothing.
TEST_F(Spin, RefusedSpins) {
  M.Spin();
  ASSERT_EQ(H.Messages.size(), 1u);
  EXPECT_EQ(H.Messages[0], "Please place a bet before spinning.");
  EXPECT_EQ(G.Spins, 0);
  EXPECT_TRUE(H.ReelDraws.empty());

  H.Clear();
  G.LastWager = 6.25_usd;
  G.Credits = 6.00_usd;
  G.AutoSpin = true;
  M.Spin();
  ASSERT_EQ(H.Messages.size(), 1u);
  EXPECT_EQ(H.Messages[0],
            "You do not have enough credits to bet the same amount as you last spin; you better "
            "borrow some credits!.");
  EXPECT_FALSE(G.AutoSpin);
  EXPECT_EQ(G.Credits, 6.00_usd);
  EXPECT_TRUE(H.ReelDraws.empty());
}

// The golden spin: fixed time of day, exact stops, lines, win and credits.
TEST_F(Spin, GoldenWinningSpin) {
  O.AceyDucey = false;
  Place(25);
  H.TimeOfDay = kWinningTime;
  M.Spin();
  EXPECT_EQ(G.ReelStops, (std::array<int, 3>{12, 4, 34}));
  EXPECT_EQ(G.ReelGrid, (std::array<int, 9>{4, 5, 3, 0, 5, 3, 1, 5, 3}));
  EXPECT_EQ(G.LinePays, (std::array<int, 5>{5, 0, 20, 0, 0}));
  EXPECT_EQ(G.SpinWin, 31.25_usd);
  EXPECT_EQ(G.Credits, 1000_usd - 6.25_usd + 31.25_usd);
  EXPECT_EQ(H.Count(Effect::Credit), 125);
  EXPECT_EQ(H.Paylines, (std::vector<int>{1, 3}));
  EXPECT_EQ(H.Count(Effect::Win), 1);
  EXPECT_EQ(H.Count(Effect::Lose), 0);
  EXPECT_EQ(G.PowerPts, 10);
  EXPECT_EQ(G.Wager, 0_usd);
  EXPECT_EQ(G.LastWager, 6.25_usd);
  EXPECT_EQ(G.BonusPool, 50.25_usd);
  EXPECT_EQ(G.Spins, 1);
  EXPECT_TRUE(H.BetButtons);
  EXPECT_TRUE(H.WinBlink);
  EXPECT_FALSE(H.AutomaticSpins);
}

// The card game sees the win after the win sound and may double it before it is counted.
TEST_F(Spin, CardGameDoublesTheWinBeforeTheCountUp) {
  Place(25);
  H.TimeOfDay = kWinningTime;
  H.CardGame = [&](Money& win) {
    EXPECT_EQ(H.Sounds.back(), Effect::Win);
    win = win * 2;
  };
  M.Spin();
  EXPECT_EQ(H.CardGames, 1);
  EXPECT_EQ(G.Credits, 1000_usd - 6.25_usd + 62.50_usd);

  // With auto spin on the card game is not offered.
  H.Clear();
  G.AutoSpin = true;
  Place(25);
  M.Spin();
  EXPECT_EQ(H.CardGames, 0);
}

// The reels turn for 101 steps of SpinDelay and stop on even positions in order 1, 2, 3.
TEST_F(Spin, AnimationTimingAndStops) {
  for (int speed : {0, 1, 2}) {
    M.ChooseSpeed(static_cast<SpinSpeed>(speed));
    H.Clear();
    G.LastWager = 0.25_usd;
    H.TimeOfDay = kLosingTime;
    uint32_t start = H.Now;
    M.Spin();
    EXPECT_EQ(H.Now - start, 101u * SpeedDelays[speed]) << speed;
    ASSERT_EQ(H.ReelDraws.size(), 101u);
    EXPECT_EQ(H.ReelDraws.back(), G.ReelStops);
    for (int p : G.ReelStops) EXPECT_EQ(p % 2, 0);
    // Reel 1 is still from step 61, reel 2 from step 81, reel 3 moves to the last step.
    EXPECT_EQ(H.ReelDraws[59][0], G.ReelStops[0]);
    EXPECT_NE(H.ReelDraws[58][0], G.ReelStops[0]);
    EXPECT_EQ(H.ReelDraws[79][1], G.ReelStops[1]);
    EXPECT_NE(H.ReelDraws[78][1], G.ReelStops[1]);
    EXPECT_NE(H.ReelDraws[99][2], G.ReelStops[2]);
    EXPECT_EQ(G.Wager, 0_usd);
  }
}

// At Medium speed the spin sound comes on every third step before 99, the stop sound at
// 59, 79 and 99.
TEST_F(Spin, SpinAndStopSoundsByStep) {
  M.ChooseSpeed(SpinSpeed::Medium);
  G.LastWager = 0.25_usd;
  H.TimeOfDay = kLosingTime;
  uint32_t start = H.Now;
  M.Spin();
  std::vector<int> spinSteps, stopSteps;
  for (size_t i = 0; i < H.Sounds.size(); ++i) {
    int step = static_cast<int>(H.SoundTimes[i] - start) / 35;
    if (H.Sounds[i] == Effect::Spin) spinSteps.push_back(step);
    if (H.Sounds[i] == Effect::Stop) stopSteps.push_back(step);
  }
  std::vector<int> expected;
  for (int s = 3; s < 99; s += 3) expected.push_back(s);
  EXPECT_EQ(spinSteps, expected);
  EXPECT_EQ(stopSteps, (std::vector<int>{59, 79, 99}));
}

// Lines add up; a winning line without coins is marked but pays nothing.
TEST_F(Spin, LinesAddUpAndUnbetLinesPayNothing) {
  G.CoinValue = 1.0_usd;
  O.AceyDucey = false;
  G.ReelGrid = {4, 5, 0, 4, 5, 2, 4, 1, 3};  // 4 4 4 on line 2, 5 5 1 on line 1
  M.UpdateLineBets(1.0_usd, 10.0_usd);
  M.EvaluatePaylines();
  EXPECT_EQ(G.SpinWin, 24.00_usd);
  EXPECT_EQ(G.WinPending, 24.00_usd);

  H.Clear();
  G.WinPending = 0_usd;
  G.ReelGrid = {3, 4, 2, 3, 5, 2, 1, 5, 2};  // 2 2 2 on line 3 only
  M.UpdateLineBets(1.0_usd, 1.0_usd);
  M.EvaluatePaylines();
  EXPECT_EQ(G.LinePays[2], 50);
  EXPECT_EQ(G.SpinWin, 0_usd);
  EXPECT_EQ(H.Paylines, (std::vector<int>{3}));
  EXPECT_EQ(H.Count(Effect::Lose), 1);
  EXPECT_EQ(G.WinPending, 0_usd);
}

// 250.00 at 5 cents counts 5000 coins, fast while many remain and slower towards the end.
TEST_F(Spin, CountUpOfFiveThousandCoins) {
  G.CoinValue = 0.05_usd;
  G.WinPending = 250.00_usd;
  Money credits = G.Credits;
  uint32_t start = H.Now;
  M.CountUpWin();
  EXPECT_EQ(H.Count(Effect::Credit), 5000);
  EXPECT_EQ(G.Credits, credits + 250.00_usd);
  EXPECT_LE(G.WinPending, 0.04_usd);
  // Each band starts exactly at its number of coins: 4501 pauses of 1 ms (from 5000 down to
  // 500 coins), 400 of 2.5 ms (a fake tick rounds them to 3), 50 of 10, 35 of 25, 9 of 35 and
  // the last 5 of 60 ms.
  EXPECT_EQ(H.Now - start, 4501u * 1 + 400 * 3 + 50 * 10 + 35 * 25 + 9 * 35 + 5 * 60);
  for (size_t i = 2; i < H.SoundTimes.size(); ++i)
    EXPECT_GE(H.SoundTimes[i] - H.SoundTimes[i - 1], H.SoundTimes[i - 1] - H.SoundTimes[i - 2]);
}

// Auto spin switched on with no previous bet switches itself off at the first tick;
// with a bet it spins again at every tick until the credits run short.
TEST_F(Spin, AutoSpin) {
  M.ToggleAutoSpin();
  EXPECT_TRUE(G.AutoSpin);
  EXPECT_TRUE(H.AutomaticSpins);
  M.NextAutomaticSpin();
  EXPECT_FALSE(G.AutoSpin);
  EXPECT_FALSE(H.AutomaticSpins);

  G.LastWager = 0.25_usd;
  G.Credits = 0.50_usd;
  O.AceyDucey = true;  // never offered during auto spin
  M.ToggleAutoSpin();
  int spins = 0;
  while (H.AutomaticSpins && spins < 50) {
    M.NextAutomaticSpin();
    ++spins;
  }
  EXPECT_FALSE(G.AutoSpin);
  EXPECT_LT(G.Credits, 0.25_usd);
  EXPECT_EQ(H.CardGames, 0);
}

// Whatever the player clicks while the reels turn or a win is counted, the money stays
// consistent: the coin value, a new game and further bets or spins wait for the spin.
TEST_F(Spin, MenusDuringASpinCannotMoveMoney) {
  O.AceyDucey = false;
  G.Spins = 3;
  Place(25);
  H.TimeOfDay = kWinningTime;
  const Money before = G.Credits;  // the wager is already out of the credits
  int tries = 0;
  H.DuringWait = [&] {
    ++tries;
    M.ChooseCoinValue(0);
    EXPECT_FALSE(M.NewGame());
    M.BetOne();
    M.BetMax();
    M.Spin();
    M.NextAutomaticSpin();
  };
  M.Spin();
  H.DuringWait = nullptr;
  EXPECT_GT(tries, 200);
  EXPECT_EQ(G.CoinValue, 0.25_usd);
  EXPECT_EQ(G.Spins, 4);
  EXPECT_EQ(G.Credits, before + G.SpinWin);
  EXPECT_FALSE(M.Busy());
  EXPECT_TRUE(M.NewGame());
  EXPECT_EQ(G.Credits, 1000.00_usd);
}

// New Game resets the player's fortune and drops the wager, nothing else.
TEST_F(Spin, NewGame) {
  G.CoinValue = 1.0_usd;
  G.Bet = 1;
  Place(3);
  G.Spins = 9;
  G.PowerPts = 50;
  G.FreeSpinCount = 4;
  G.FreeSpins = 2;
  M.NewGame();
  EXPECT_EQ(G.BonusPool, 200.00_usd);
  EXPECT_EQ(G.Wager, 0_usd);
  EXPECT_EQ(G.Spins, 0);
  EXPECT_EQ(G.PowerPts, 0);
  EXPECT_EQ(G.FreeSpinCount, 0);
  EXPECT_EQ(G.FreeSpins, 2);
  EXPECT_EQ(G.Credits, 1000.00_usd);
  EXPECT_EQ(G.Borrowed, 1000.00_usd);
  EXPECT_EQ(G.Bet, 1);
}

// A close asked for while money is in motion never waits on a player: a win is not offered
// to the card game, what is left of a win or of a huge pool goes into the credits at once and
// silently, no further automatic spin starts, and counters at their largest value stay there.
TEST_F(Spin, PendingCloseSettlesAtOnce) {
  struct Case {
    const char* What;
    bool Bonus;  // a full meter: the pool is paid after the spin
    Money Pool;
  };
  for (const Case& c : {Case{"win", false, 50_usd}, Case{"pool", true, 9999999999.95_usd}}) {
    G = MachineState();
    H.Clear();
    H.Waits = 0;
    SlotMachine m(G, O, R, H);
    G.CoinValue = 0.05_usd;
    G.Spins = G.FreeSpinCount = std::numeric_limits<int32_t>::max();
    G.PowerPts = c.Bonus ? std::numeric_limits<int32_t>::max() : 0;  // GAIN must not wrap it
    G.BonusPool = c.Pool;
    G.AutoSpin = false;
    G.LastWager = 1.25_usd;
    H.TimeOfDay = kWinningTime;
    bool asked = false;
    H.DuringWait = [&] {
      if (!asked) m.RequestClose();
      asked = true;
    };
    const Money before = G.Credits - G.LastWager;
    // A full wager feeds the pool first; a won bonus then pays all of it.
    const Money paid = c.Bonus ? c.Pool + G.LastWager.PoolShare() : 0_usd;
    m.Spin();
    EXPECT_EQ(H.CardGames, 0) << c.What;
    EXPECT_EQ(H.Count(Effect::Credit), 0) << c.What;
    EXPECT_GT(G.SpinWin, 0_usd) << c.What;
    EXPECT_EQ(G.WinPending, 0_usd) << c.What;
    // The credits stop at the most the files can keep.
    EXPECT_EQ(G.Credits, std::min(before + G.SpinWin + paid, MoneyMax)) << c.What;
    EXPECT_LT(H.Waits, 200) << c.What;  // the animation's steps, not a coin's pause each
    EXPECT_EQ(G.Spins, std::numeric_limits<int32_t>::max());
    H.AutomaticSpins = true;
    m.NextAutomaticSpin();
    EXPECT_FALSE(H.AutomaticSpins);
    EXPECT_EQ(G.Spins, std::numeric_limits<int32_t>::max()) << c.What;
  }
}

// A press during a count-up puts the rest into the credits at once with one credit sound: the
// same money as the whole count would have moved, for a win or the bonus pool, odd cents and
// all, pressed at its first coin or near its end. No press, no hurry.
TEST(CountUp, HurriedCreditsWhatTheWholeCountWould) {
  struct Rig {
    MachineState G;
    PlayerOptions O;
    Lcg R;
    FakeHost H;
    SlotMachine M{G, O, R, H};
  };
  struct Case {
    Money Coin, Amount;
    bool Pool;
    int PressAt;  // the wait of the count in which the player presses
  };
  const Case cases[] = {
      {0.05_usd, 250.00_usd, false, 1}, {0.05_usd, 250.03_usd, false, 4990},
      {0.25_usd, 12.60_usd, true, 3},   {5.00_usd, 10012.50_usd, true, 1},
      {1.00_usd, 7.00_usd, false, 5},   {0.10_usd, 0.47_usd, false, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Amount.InCents() << " at " << c.Coin.InCents());
    Rig slow, fast;
    for (Rig* r : {&slow, &fast}) {
      r->G.CoinValue = c.Coin;
      (c.Pool ? r->G.BonusPool : r->G.WinPending) = c.Amount;
    }
    EXPECT_FALSE(fast.M.HurryCountUp());
    EXPECT_EQ(fast.M.CountUpMs(), -1);
    int waits = 0;
    fast.H.DuringWait = [&] {
      if (++waits == c.PressAt) EXPECT_TRUE(fast.M.HurryCountUp());
    };
    for (Rig* r : {&slow, &fast}) c.Pool ? r->M.PayBonusPool() : r->M.CountUpWin();
    EXPECT_EQ(fast.G.Credits, slow.G.Credits);
    EXPECT_EQ(fast.G.WinPending, slow.G.WinPending);
    EXPECT_EQ(fast.G.BonusPool, slow.G.BonusPool);
    EXPECT_EQ(fast.H.Count(Effect::Credit), c.PressAt + 1);
    EXPECT_GT(slow.H.Count(Effect::Credit), c.PressAt + 1);
    EXPECT_LT(fast.H.Now, slow.H.Now);
    EXPECT_EQ(fast.M.CountUpMs(), -1);
  }
}

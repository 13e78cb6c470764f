// Wagering, the coin value, the line deal and the payoff table.
#include "machine/Refusals.h"
#include "tests/machine/MachineFixture.h"
#include "tests/support/Dollars.h"

using namespace zandor;

using Wagering = MachineFixture;

namespace {

// What the machine said when a press came to nothing, as an English player reads it.
struct Refusals : GameEvents {
  std::vector<std::pair<int, std::string>> Said;  // the bet's coins (0: Auto Spin), the text
  void BetRefused(int coins, const PlayerText& why) override {
    Said.emplace_back(coins, why.English());
  }
  void AutoSpinRefused(const PlayerText& why) override { Said.emplace_back(0, why.English()); }
};

}  // namespace

// A bet the credits do not cover, or one pressed while free spins play, changes nothing, shows
// no box and says why once; so does "&Auto Spin" going off again by itself.
TEST_F(Wagering, RefusalsChangeNothingAndSayWhy) {
  using Press = void (SlotMachine::*)();
  struct Case {
    Press Pressed;
    Money Credits, Wager, LastWager;
    int FreeSpins;
    int Coins;
    const char* Why;
  };
  const Case cases[] = {
      {&SlotMachine::BetMax, 0.60_usd, 0_usd, 0_usd, 0, 25,
       "Not enough credits for Bet Max: it needs 6.25 and you have 0.60. Bet fewer coins or "
       "borrow credits."},
      // Bet Max with 10 coins placed and credit for 14.
      {&SlotMachine::BetMax, 3.50_usd, 2.50_usd, 0_usd, 0, 25,
       "Not enough credits for Bet Max: it needs 3.75 and you have 3.50. Bet fewer coins or "
       "borrow credits."},
      // Bet 5 with 3 coins placed needs credit for five coins; two are not enough.
      {&SlotMachine::BetFive, 0.50_usd, 0.75_usd, 0_usd, 0, 5,
       "Not enough credits for Bet 5: it needs 1.25 and you have 0.50. Bet fewer coins or "
       "borrow credits."},
      // With 22 placed it needs only the last three.
      {&SlotMachine::BetFive, 0.50_usd, 5.50_usd, 0_usd, 0, 5,
       "Not enough credits for Bet 5: it needs 0.75 and you have 0.50. Bet fewer coins or "
       "borrow credits."},
      {&SlotMachine::BetOne, 0.20_usd, 0_usd, 0_usd, 0, 1,
       "Not enough credits for Bet 1: it needs 0.25 and you have 0.20. Borrow credits to play "
       "on."},
      {&SlotMachine::BetOne, 500_usd, 0_usd, 6.25_usd, 3, 1,
       "Your free spins are playing: you can bet again once they are over."},
      {&SlotMachine::BetMax, 500_usd, 0_usd, 6.25_usd, 3, 25,
       "Your free spins are playing: you can bet again once they are over."},
      // Auto Spin at the start of a game: no bet to repeat, off again at the next tick.
      {&SlotMachine::NextAutomaticSpin, 1000_usd, 0_usd, 0_usd, 0, 0,
       "Auto Spin repeats your last bet, and there is none yet: place a bet and spin once "
       "first."},
      {&SlotMachine::NextAutomaticSpin, 6.00_usd, 0_usd, 6.25_usd, 0, 0,
       "Auto Spin stopped: your credits of 6.00 do not cover your last bet of 6.25."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Why);
    Refusals said;
    M.SetEvents(&said);
    G.Credits = c.Credits;
    G.Wager = c.Wager;
    G.LastWager = c.LastWager;
    G.FreeSpins = c.FreeSpins;
    G.AutoSpin = c.Coins == 0;
    H.Sounds.clear();
    (M.*c.Pressed)();
    EXPECT_EQ(G.Credits, c.Credits);
    EXPECT_EQ(G.Wager, c.Wager);
    EXPECT_EQ(G.Spins, 0);
    EXPECT_FALSE(G.AutoSpin);
    EXPECT_TRUE(H.Sounds.empty());
    EXPECT_TRUE(H.Messages.empty());
    ASSERT_EQ(said.Said.size(), 1u);
    EXPECT_EQ(said.Said[0].first, c.Coins);
    EXPECT_EQ(said.Said[0].second, c.Why);
  }
  M.SetEvents(nullptr);

  // The coin-value entries say why they are closed; after the first spin they are open.
  G.FreeSpins = 0;
  EXPECT_EQ(CoinValueClosedText(G, false).English(),
            "The coin value can be changed after your first spin.");
  G.Spins = 1;
  EXPECT_EQ(CoinValueClosedText(G, true).English(),
            "The coin value can be changed once the reels have stopped.");
  G.FreeSpins = 2;
  EXPECT_EQ(CoinValueClosedText(G, false).English(),
            "The coin value stays as it is until your free spins are over.");
  G.FreeSpins = 0;
  EXPECT_TRUE(CoinValueClosedText(G, false).Empty());
}

// Twenty-five presses of Bet 1 take 6.25 and the last one spins.
TEST_F(Wagering, BetOneTwentyFiveTimesSpins) {
  O.AceyDucey = false;
  for (int i = 0; i < 24; ++i) M.BetOne();
  EXPECT_EQ(G.Spins, 0);
  EXPECT_EQ(G.Wager, 6.00_usd);
  EXPECT_EQ(H.Count(Effect::Coin), 24);
  Money before = G.Credits;
  M.BetOne();
  EXPECT_EQ(G.Spins, 1);
  EXPECT_EQ(G.LastWager, 6.25_usd);
  EXPECT_EQ(G.Wager, 0_usd);
  EXPECT_EQ(G.Credits, before - 0.25_usd + G.SpinWin);
}

// Bet 5 deals one coin to each line, a coin every tenth of a second, and the fifth press spins.
TEST_F(Wagering, BetFivePlacesFiveCoinsThenSpins) {
  O.AceyDucey = false;
  M.BetFive();
  EXPECT_EQ(G.Wager, 1.25_usd);
  EXPECT_EQ(G.LineBets, (std::array<Money, 5>{0.25_usd, 0.25_usd, 0.25_usd, 0.25_usd, 0.25_usd}));
  ASSERT_EQ(H.SoundTimes.size(), 5u);
  for (int i = 1; i < 5; ++i) EXPECT_EQ(H.SoundTimes[i] - H.SoundTimes[i - 1], 100u);
  EXPECT_EQ(G.Spins, 0);
  for (int i = 0; i < 3; ++i) M.BetFive();
  EXPECT_EQ(G.Spins, 0);
  M.BetFive();
  EXPECT_EQ(G.Spins, 1);
  EXPECT_EQ(G.LastWager, 6.25_usd);
}

// With 22 coins placed Bet 5 needs credit for 3 coins only, adds them and spins.
TEST_F(Wagering, BetFiveTopsUpTheLastCoins) {
  O.AceyDucey = false;
  G.Wager = 22 * 0.25_usd;
  G.Credits = 3 * 0.25_usd;
  M.BetFive();
  EXPECT_EQ(H.Count(Effect::Coin), 3);
  EXPECT_EQ(G.Spins, 1);
  EXPECT_EQ(G.Credits, G.SpinWin);
}

// Bet Max with 10 coins placed takes 15 more, 0.1 s apart, then spins.
TEST_F(Wagering, BetMaxFillsToTwentyFive) {
  O.AceyDucey = false;
  Place(10);
  Money before = G.Credits;
  M.BetMax();
  EXPECT_EQ(H.Count(Effect::Coin), 15);
  EXPECT_EQ(H.SoundTimes[14] - H.SoundTimes[0], 1400u);
  EXPECT_EQ(G.Spins, 1);
  EXPECT_EQ(G.Credits, before - 15 * 0.25_usd + G.SpinWin);
  EXPECT_EQ(G.BonusPool, 50.25_usd);  // a full wager adds one coin to the pool
}

// Changing the coin value returns the wager and resets the pool and meter, but only once
// the game has had a paid spin.
TEST_F(Wagering, CoinValueChange) {
  Place(3);
  M.ChooseCoinValue(1);
  EXPECT_EQ(G.CoinValue, 0.25_usd);
  EXPECT_EQ(G.Bet, 3);
  EXPECT_EQ(H.Repaints, 0);

  G.Spins = 1;
  G.PowerPts = 40;
  G.LastWager = 1.0_usd;
  Money credits = G.Credits;
  M.ChooseCoinValue(1);
  EXPECT_EQ(G.CoinValue, 1.00_usd);
  EXPECT_EQ(G.Credits, credits + 0.75_usd);
  EXPECT_EQ(G.Wager, 0_usd);
  EXPECT_EQ(G.LastWager, 0_usd);
  EXPECT_EQ(G.BonusPool, 200.00_usd);
  EXPECT_EQ(G.PowerPts, 0);
  EXPECT_EQ(G.Bet, 1);
  EXPECT_EQ(H.Repaints, 1);
  M.ChooseCoinValue(5);
  EXPECT_EQ(G.BonusPool, 10.00_usd);
}

// The n-th coin lies on line ((n-1) mod 5) + 1.
TEST_F(Wagering, CoinsAreDealtToLinesInTurn) {
  M.UpdateLineBets(0.10_usd, 0.30_usd);
  EXPECT_EQ(G.LineBets, (std::array<Money, 5>{0.10_usd, 0.10_usd, 0.10_usd, 0_usd, 0_usd}));
  M.UpdateLineBets(1.0_usd, 7.0_usd);
  EXPECT_EQ(G.LineBets, (std::array<Money, 5>{2_usd, 2_usd, 1_usd, 1_usd, 1_usd}));
  M.UpdateLineBets(0.05_usd, 1.25_usd);
  for (Money b : G.LineBets) EXPECT_EQ(b, 0.25_usd);
  M.UpdateLineBets(0.25_usd, 0_usd);
  EXPECT_EQ(G.LineBets, (std::array<Money, 5>{}));
  ASSERT_FALSE(H.Lamps.empty());
  EXPECT_EQ(H.Lamps.back(), (std::pair<Money, Money>{0.25_usd, 0_usd}));
}

// Speeds set the step delay; out-of-range requests change nothing.
TEST_F(Wagering, SpinSpeeds) {
  M.ChooseSpeed(SpinSpeed::Medium);
  EXPECT_EQ(G.SpinDelay, 35);
  M.ChooseSpeed(SpinSpeed::Slow);
  EXPECT_EQ(G.SpinDelay, 55);
  EXPECT_EQ(G.Speed, SpinSpeed::Slow);
  M.ChooseSpeed(static_cast<SpinSpeed>(7));
  EXPECT_EQ(G.Speed, SpinSpeed::Slow);
  M.ChooseSpeed(SpinSpeed::Fast);
  EXPECT_EQ(G.SpinDelay, 10);
}

// The payoff rows are tried in order; LOSS never pays, GAIN only as itself.
TEST(Payoffs, RowsInOrder) {
  EXPECT_EQ(PayFactor(0, 0, 0), 1000);
  EXPECT_EQ(PayFactor(1, 1, 1), 200);
  EXPECT_EQ(PayFactor(2, 2, 2), 50);
  EXPECT_EQ(PayFactor(3, 3, 3), 20);
  EXPECT_EQ(PayFactor(4, 4, 4), 10);
  EXPECT_EQ(PayFactor(5, 5, 5), 5);
  EXPECT_EQ(PayFactor(5, 5, 2), 2);
  EXPECT_EQ(PayFactor(5, 5, 0), 2);
  EXPECT_EQ(PayFactor(2, 5, 5), 0);
  EXPECT_EQ(PayFactor(6, 6, 6), 0);
  EXPECT_EQ(PayFactor(0, 5, 5), 0);
}

// Every stop combination equally likely: a line pays back 6748 of 8000 coins on the normal
// strips and 7748 with reel 2 on the free-spin strip.
TEST(Payoffs, PaybackByEnumeration) {
  for (auto [reel2, expected] : {std::pair{NormalStrips[1], 6748}, {FreeSpinStrip, 7748}}) {
    const std::string s1 = NormalStrips[0], s2 = reel2, s3 = NormalStrips[2];
    int total = 0;
    for (char a : s1)
      for (char b : s2)
        for (char c : s3) total += PayFactor(a - '0', b - '0', c - '0');
    EXPECT_EQ(total, expected) << reel2;
  }
}

// The strips hold exactly the symbol counts the machine's odds are built on.
TEST(Payoffs, StripCounts) {
  auto count = [](const std::string& s, char c) { return std::count(s.begin(), s.end(), c); };
  EXPECT_EQ(count(NormalStrips[1], '6'), 1);
  EXPECT_EQ(count(FreeSpinStrip, '6'), 0);
  EXPECT_EQ(count(FreeSpinStrip, '0'), 2);
  EXPECT_EQ(count(NormalStrips[0], '5'), 6);
  EXPECT_EQ(count(NormalStrips[2], '4'), 5);
}

// Positions map to strip indices, wrapping after 20.
TEST(Reels, GridFromStops) {
  MachineState g;
  ComputeReelGrid(g);  // the start-up stops 26, 2, 8 show 0 0 0 on line 5
  auto l5 = PaylineCells(5);
  EXPECT_EQ(g.ReelGrid[l5[0]], 0);
  EXPECT_EQ(g.ReelGrid[l5[1]], 0);
  EXPECT_EQ(g.ReelGrid[l5[2]], 0);
  EXPECT_EQ(g.ReelGrid[2], 0);  // bottom of reel 1
  EXPECT_EQ(g.ReelGrid[4], 0);  // middle of reel 2
  EXPECT_EQ(g.ReelGrid[6], 0);  // top of reel 3
  g.ReelStops = {0, 38, 38};
  ComputeReelGrid(g);
  EXPECT_EQ((std::array<int, 3>{g.ReelGrid[0], g.ReelGrid[1], g.ReelGrid[2]}),
            (std::array<int, 3>{3, 5, 1}));
  EXPECT_EQ((std::array<int, 3>{g.ReelGrid[3], g.ReelGrid[4], g.ReelGrid[5]}),
            (std::array<int, 3>{6, 5, 1}));
  g.ReelStops = {38, 0, 0};
  ComputeReelGrid(g);
  EXPECT_EQ((std::array<int, 3>{g.ReelGrid[0], g.ReelGrid[1], g.ReelGrid[2]}),
            (std::array<int, 3>{4, 3, 5}));
}

// Balances that hold exactly the coins a bet needs are enough, whatever the coin: Bet Max
// with 2.50 at 10 cents (or 1.25 at 5) spins 25 coins and feeds the pool one coin, a repeated
// 25-coin bet is covered by exactly its amount, Bet 5 tops up 22 coins from 0.30, and the
// last dime left after 9,999 bets still bets.
TEST_F(Wagering, ExactBalances) {
  enum Action { BetMax, Repeat, BetFive, BetOne };
  struct Case {
    int Bet;  // row of CoinTable
    Money Credits;
    int Placed;
    Action Press;
  };
  const Case cases[] = {
      {4, 2.50_usd, 0, BetMax},   {5, 1.25_usd, 0, BetMax}, {4, 2.50_usd, 0, Repeat},
      {4, 0.30_usd, 22, BetFive}, {4, 1000_usd, 0, BetOne},
  };
  for (const Case& c : cases) {
    G = MachineState();
    H.Clear();
    O.AceyDucey = false;
    G.Bet = static_cast<uint8_t>(c.Bet);
    G.CoinValue = CoinTable[c.Bet].Value;
    G.BonusPool = 200 * G.CoinValue;
    Place(c.Placed);
    G.Credits = c.Credits;
    H.TimeOfDay = 49530123;  // a spin that wins nothing
    const Money pool = G.BonusPool;
    switch (c.Press) {
      case BetMax:
        M.BetMax();
        break;
      case BetFive:
        M.BetFive();
        break;
      case Repeat:
        G.LastWager = 25 * G.CoinValue;
        M.Spin();
        break;
      case BetOne:
        for (int i = 0; i < 9999; ++i) G.Credits -= G.CoinValue;
        M.BetOne();
        EXPECT_EQ(G.Wager, G.CoinValue);
        EXPECT_EQ(G.Credits, 0_usd);
        continue;
    }
    EXPECT_TRUE(H.Messages.empty()) << c.Bet << " " << c.Press;
    EXPECT_EQ(G.Spins, 1) << c.Bet << " " << c.Press;
    EXPECT_EQ(G.LastWager, 25 * G.CoinValue);
    EXPECT_EQ(G.LineBets[4], 5 * G.CoinValue);
    EXPECT_EQ(G.BonusPool, pool + G.CoinValue);
    EXPECT_EQ(G.Credits, 0_usd);
  }
}

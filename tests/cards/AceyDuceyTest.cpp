#include <gtest/gtest.h>

#include <set>

#include "cards/AceyDucey.h"
#include "machine/Lcg.h"
#include "tests/cards/Decks.h"
#include "tests/support/Dollars.h"

using namespace zandor;

// Only a rank strictly between the two showing ranks wins, whichever side is higher, with the
// ace lowest; equal and neighbouring pairs can never win.
TEST(AceyDuceyRules, WinsOnlyStrictlyBetween) {
  auto winners = [](int a, int b) {
    std::set<int> won;
    for (int d = 0; d < 13; ++d)
      if (DrawWins(a, b, d)) won.insert(d);
    EXPECT_EQ(won, [&] {
      std::set<int> again;
      for (int d = 0; d < 13; ++d)
        if (DrawWins(b, a, d)) again.insert(d);
      return again;
    }()) << "order of the showing cards must not matter";
    return won;
  };
  EXPECT_EQ(winners(2, 8), (std::set<int>{3, 4, 5, 6, 7}));  // 3 and 9: four to eight win
  EXPECT_EQ(winners(12, 0), (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));  // king, ace
  EXPECT_TRUE(winners(6, 6).empty());                                             // two sevens
  EXPECT_TRUE(winners(6, 7).empty());                                             // seven, eight
}

// The deck numbers ranks and suits from the Id, and the red suits are hearts and diamonds.
TEST(AceyDuceyRules, CardNumbering) {
  EXPECT_EQ(MakeCard(0), (Card{0, 0, 0}));
  EXPECT_EQ(MakeCard(25), (Card{25, 12, 1}));
  EXPECT_EQ(MakeCard(51), (Card{51, 12, 3}));
  EXPECT_FALSE(IsRedSuit(0));
  EXPECT_TRUE(IsRedSuit(1));
  EXPECT_TRUE(IsRedSuit(2));
  EXPECT_FALSE(IsRedSuit(3));
}

// A shuffle from a fixed time of day always deals the same deck (worked out independently of
// this code), and every shuffle is a permutation of the 52 cards.
TEST(AceyDuceyRules, ShuffleIsFixedBySeedAndAPermutation) {
  const int golden[52] = {27, 11, 32, 12, 13, 46, 22, 48, 2,  41, 18, 15, 8,  19, 49, 47, 34, 9,
                          33, 40, 28, 24, 6,  10, 51, 23, 45, 44, 50, 39, 3,  26, 5,  4,  25, 0,
                          37, 1,  16, 20, 17, 21, 36, 30, 42, 38, 14, 29, 43, 35, 7,  31};
  Lcg rng;
  const CardDeck deck = ShuffleDeck(rng, 20250101);
  for (int i = 0; i < 52; ++i) {
    EXPECT_EQ(deck[i].Id, golden[i]) << "position " << i;
    EXPECT_EQ(deck[i], MakeCard(deck[i].Id));
  }
  for (uint32_t seed : {0u, 1u, 86399999u}) {
    std::set<int> ids;
    for (const Card& card : ShuffleDeck(rng, seed)) ids.insert(card.Id);
    EXPECT_EQ(ids.size(), 52u);
  }
  EXPECT_NE(ShuffleDeck(rng, 1), ShuffleDeck(rng, 2));
}

// The winnings line has one blank after the colon on opening and two after a draw.
TEST(AceyDuceyRules, WinningsText) {
  EXPECT_EQ(WinningsText(12.5_usd, false), "Winnings:      12.50");
  EXPECT_EQ(WinningsText(50_usd, true), "Winnings:       50.00");
  EXPECT_EQ(WinningsText(0_usd, true), "Winnings:        0.00");
  EXPECT_EQ(WinningsText(1234567.89_usd, true), "Winnings:  1234567.89");
}

// Opening a game deals the first two cards face up, hides the third and allows Draw and
// Skips but not Go Again.
TEST(AceyDuceyHand, OpeningHand) {
  AceyDucey hand;
  Lcg rng;
  hand.NewGame(rng, 4242);
  EXPECT_EQ(hand.Deck, ShuffleDeck(rng, 4242));
  EXPECT_EQ(hand.LeftCard, hand.Deck[0].Id);
  EXPECT_EQ(hand.RightCard, hand.Deck[1].Id);
  EXPECT_EQ(hand.DealPos, 2);
  EXPECT_FALSE(hand.ThirdShown);
  EXPECT_EQ(hand.SkipsLeft, 5);
  EXPECT_TRUE(hand.DrawEnabled);
  EXPECT_TRUE(hand.SkipsEnabled);
  EXPECT_FALSE(hand.GoAgainEnabled);
}

// Two wins double 12.50 to 50.00; Go Again deals the two cards after the drawn one and the
// next one after those becomes the hidden third card.
TEST(AceyDuceyHand, WinsDoubleAndGoAgainDealsTheFollowingCards) {
  AceyDucey hand;
  // 3 and 9 with a 5 drawn; then ace and king with a queen drawn.
  hand.StartWith(DeckStartingWith(
      {CardId(2, 0), CardId(8, 1), CardId(4, 2), CardId(0, 3), CardId(12, 0), CardId(11, 1)}));
  Money win = 12.5_usd;
  EXPECT_EQ(hand.Draw(win), DrawOutcome::Won);
  EXPECT_EQ(win, 25.0_usd);
  EXPECT_TRUE(hand.ThirdShown);
  EXPECT_EQ(hand.ThirdCard().Id, CardId(4, 2));
  EXPECT_FALSE(hand.DrawEnabled);
  EXPECT_FALSE(hand.SkipsEnabled);
  EXPECT_TRUE(hand.GoAgainEnabled);
  EXPECT_EQ(hand.Draw(win), DrawOutcome::None) << "a second draw on the same pair";
  EXPECT_EQ(win, 25.0_usd);

  ASSERT_TRUE(hand.GoAgain());
  EXPECT_EQ(hand.LeftCard, CardId(0, 3));
  EXPECT_EQ(hand.RightCard, CardId(12, 0));
  EXPECT_EQ(hand.DealPos, 5);
  EXPECT_FALSE(hand.ThirdShown);
  EXPECT_TRUE(hand.DrawEnabled);
  EXPECT_TRUE(hand.SkipsEnabled);
  EXPECT_FALSE(hand.GoAgainEnabled);
  EXPECT_EQ(hand.Draw(win), DrawOutcome::Won);
  EXPECT_EQ(win, 50.0_usd);
}

// A loss sets the win to 0 and leaves only OK: Draw, Go Again and Skips all refuse.
TEST(AceyDuceyHand, LossLeavesOnlyOk) {
  AceyDucey hand;
  hand.StartWith(DeckStartingWith({CardId(2, 0), CardId(8, 1), CardId(8, 2)}));  // 3, 9, 9
  Money win = 12.5_usd;
  EXPECT_EQ(hand.Draw(win), DrawOutcome::Lost);
  EXPECT_EQ(win, 0.0_usd);
  EXPECT_FALSE(hand.DrawEnabled);
  EXPECT_FALSE(hand.GoAgainEnabled);
  EXPECT_FALSE(hand.SkipsEnabled);
  EXPECT_FALSE(hand.GoAgain());
  EXPECT_FALSE(hand.Skip());
  EXPECT_EQ(hand.DealPos, 2);
}

// Each skip uses three cards and counts down the caption; after the fifth, Skips stays
// disabled for the rest of the game, even after a won draw and Go Again.
TEST(AceyDuceyHand, FifthSkipDisablesSkipsForGood) {
  AceyDucey hand;
  hand.StartWith(EveryDrawWinsDeck());
  for (int k = 1; k <= 5; ++k) {
    ASSERT_TRUE(hand.Skip());
    EXPECT_EQ(hand.SkipsCaption(), "Skips: " + std::to_string(5 - k));
    EXPECT_EQ(hand.DealPos, 2 + 3 * k);
    EXPECT_EQ(hand.LeftCard, hand.Deck[3 * k].Id);
    EXPECT_EQ(hand.RightCard, hand.Deck[3 * k + 1].Id);
    EXPECT_EQ(hand.SkipsEnabled, k < 5);
    EXPECT_FALSE(hand.GoAgainEnabled) << "a skip leaves Go Again alone";
  }
  EXPECT_FALSE(hand.Skip());
  EXPECT_EQ(hand.SkipsLeft, 0);
  Money win = 1_usd;
  ASSERT_EQ(hand.Draw(win), DrawOutcome::Won);
  ASSERT_TRUE(hand.GoAgain());
  EXPECT_FALSE(hand.SkipsEnabled);
  EXPECT_FALSE(hand.Skip());
}

// The deck holds sixteen fresh pairs: on the last pair Skips is closed even with skips left,
// a win there does not offer Go Again, and nothing ever reads past the 52nd card.
TEST(AceyDuceyHand, DeckUsedUpClosesSkipsAndGoAgain) {
  AceyDucey hand;
  hand.StartWith(EveryDrawWinsDeck());
  Money win = 0.05_usd;
  for (int pair = 1; pair <= 16; ++pair) {
    ASSERT_EQ(hand.Draw(win), DrawOutcome::Won) << "pair " << pair;
    ASSERT_TRUE(hand.GoAgainEnabled);
    ASSERT_TRUE(hand.GoAgain());
    EXPECT_EQ(hand.CanDealFreshPair(), pair < 16);
  }
  EXPECT_EQ(hand.DealPos, 50);
  EXPECT_EQ(hand.LeftCard, hand.Deck[48].Id);
  EXPECT_EQ(hand.RightCard, hand.Deck[49].Id);
  EXPECT_EQ(hand.SkipsLeft, 5);
  EXPECT_FALSE(hand.SkipsEnabled);
  EXPECT_FALSE(hand.Skip());
  EXPECT_EQ(hand.Draw(win), DrawOutcome::Won);
  EXPECT_EQ(win, 0.05_usd * (1 << 17));
  EXPECT_FALSE(hand.GoAgainEnabled);
  EXPECT_FALSE(hand.GoAgain());
  EXPECT_EQ(hand.DealPos, 50);
}

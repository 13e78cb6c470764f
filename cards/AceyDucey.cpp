#include "cards/AceyDucey.h"

#include <cstdio>
#include <utility>

namespace zandor {

Card MakeCard(int id) { return Card{id, id % 13, id / 13}; }

bool IsRedSuit(int suit) { return suit == 1 || suit == 2; }

CardDeck ShuffleDeck(Lcg& rng, uint32_t utcTimeOfDayMs) {
  // The generator the spin draws from is reseeded here, as the spin reseeds it before each spin.
  rng.Randomize(utcTimeOfDayMs);
  CardDeck deck;
  for (int i = 0; i < static_cast<int>(deck.size()); ++i) deck[i] = MakeCard(i);
  for (int pass = 0; pass < 31; ++pass) {
    for (int k = 0; k < 52; ++k) std::swap(deck[k], deck[rng.Next(52)]);
  }
  return deck;
}

bool DrawWins(int leftRank, int rightRank, int drawnRank) {
  return (leftRank < drawnRank && drawnRank < rightRank) ||
         (rightRank < drawnRank && drawnRank < leftRank);
}

std::string WinningsText(Money spinWin, bool afterDraw) {
  return std::string(afterDraw ? "Winnings:  " : "Winnings: ") + spinWin.Padded();
}

void AceyDucey::NewGame(Lcg& rng, uint32_t utcTimeOfDayMs) {
  StartWith(ShuffleDeck(rng, utcTimeOfDayMs));
}

void AceyDucey::StartWith(const CardDeck& deck) {
  Deck = deck;
  SkipsLeft = 5;
  LeftCard = Deck[0].Id;
  RightCard = Deck[1].Id;
  ThirdShown = false;
  DealPos = 2;
  DrawEnabled = true;
  GoAgainEnabled = false;
  SkipsEnabled = true;
}

DrawOutcome AceyDucey::Draw(Money& spinWin) {
  if (!DrawEnabled) return DrawOutcome::None;
  SkipsEnabled = false;
  ThirdShown = true;
  DrawEnabled = false;
  const bool won = DrawWins(Deck[DealPos - 2].Rank, Deck[DealPos - 1].Rank, Deck[DealPos].Rank);
  if (won) {
    spinWin = spinWin * 2;
    // With no cards left for another pair, the player's only way on is OK.
    GoAgainEnabled = CanDealFreshPair();
    return DrawOutcome::Won;
  }
  spinWin = Money();
  return DrawOutcome::Lost;
}

bool AceyDucey::GoAgain() {
  if (!GoAgainEnabled || !CanDealFreshPair()) return false;
  GoAgainEnabled = false;
  if (SkipsLeft > 0) SkipsEnabled = true;
  FreshPair();
  return true;
}

bool AceyDucey::Skip() {
  if (!SkipsEnabled || SkipsLeft < 1 || !CanDealFreshPair()) return false;
  --SkipsLeft;
  if (SkipsLeft < 1) SkipsEnabled = false;
  FreshPair();
  return true;
}

std::string AceyDucey::SkipsCaption() const { return "Skips: " + std::to_string(SkipsLeft); }

void AceyDucey::FreshPair() {
  ThirdShown = false;
  DrawEnabled = true;
  LeftCard = Deck[++DealPos].Id;
  RightCard = Deck[++DealPos].Id;
  ++DealPos;
  // The last pair in the deck can be drawn on but neither skipped nor followed.
  if (!CanDealFreshPair()) SkipsEnabled = false;
}

}  // namespace zandor

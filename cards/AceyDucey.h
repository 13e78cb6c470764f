// The double-or-nothing card game's rules: the deck, the shuffle, one hand's state and the
// three actions (Draw, Go Again, Skips). Plain C++ only; nothing here may include a Qt header.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "machine/Lcg.h"
#include "machine/Money.h"

namespace zandor {

// One playing card: Id 0..51, Rank 0 ace .. 12 king, Suit 0 clubs, 1 hearts, 2 diamonds, 3 spades.
struct Card {
  int Id = 0;
  int Rank = 0;
  int Suit = 0;
  bool operator==(const Card&) const = default;
};

// The 52 cards in dealing order.
using CardDeck = std::array<Card, 52>;

// The card with this Id (0..51).
Card MakeCard(int id);

// True for hearts and diamonds, which are drawn red.
bool IsRedSuit(int suit);

// Seeds the generator from the UTC time of day and deals a fresh shuffled deck from it.
CardDeck ShuffleDeck(Lcg& rng, uint32_t utcTimeOfDayMs);

// True when the drawn rank lies strictly between the two showing ranks (the ace is lowest).
bool DrawWins(int leftRank, int rightRank, int drawnRank);

// The winnings line: "Winnings: " on opening, "Winnings:  " after a draw, then "%10.2f".
// English; the card table shows the same line in the player's language.
std::string WinningsText(Money spinWin, bool afterDraw);

// What a Draw came to.
enum class DrawOutcome { None, Won, Lost };

// One visit to the card table: the deck, the hand and which of the three actions are open.
class AceyDucey {
 public:
  // Positions a fresh pair takes from the deck: two showing cards and the hidden third.
  static constexpr int CardsPerPair = 3;

  CardDeck Deck{};
  int DealPos = 2;          // deck position of the hidden third card
  int LeftCard = 0;         // Id of the left showing card
  int RightCard = 0;        // Id of the right showing card
  bool ThirdShown = false;  // the third card is face up
  int SkipsLeft = 5;        // fresh pairs the player may still ask for
  bool DrawEnabled = true;
  bool GoAgainEnabled = false;
  bool SkipsEnabled = true;

  // Shuffles with the generator seeded from the clock and sets the opening hand.
  void NewGame(Lcg& rng, uint32_t utcTimeOfDayMs);
  // Sets the opening hand over a given deck (a replayed or arranged game).
  void StartWith(const CardDeck& deck);

  // Turns the third card up, doubles or zeroes spinWin and opens the next actions.
  // Does nothing (returns None) while Draw is disabled.
  DrawOutcome Draw(Money& spinWin);
  // After a win: deals the cards that follow the one just drawn. False when not allowed.
  bool GoAgain();
  // Spends one skip on a fresh pair. False when not allowed.
  bool Skip();

  // The drawn (or hidden) third card.
  const Card& ThirdCard() const { return Deck[DealPos]; }
  // True while the deck still holds the three cards of another fresh pair.
  bool CanDealFreshPair() const { return DealPos + CardsPerPair < static_cast<int>(Deck.size()); }
  // The Skips button's caption after a skip ("Skips: 4"), in English as the card table shows
  // it in the player's language.
  std::string SkipsCaption() const;

 private:
  void FreshPair();
};

}  // namespace zandor

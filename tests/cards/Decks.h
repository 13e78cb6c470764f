// Arranged decks for the card game's tests.
#pragma once

#include <algorithm>
#include <vector>

#include "cards/AceyDucey.h"

namespace zandor {

// Ids of a card by rank (0 ace .. 12 king) and suit (0 clubs .. 3 spades).
inline int CardId(int rank, int suit) { return suit * 13 + rank; }

// A full deck that starts with these Ids, followed by the rest in order.
inline CardDeck DeckStartingWith(const std::vector<int>& front) {
  CardDeck deck;
  std::vector<int> ids = front;
  for (int id = 0; id < 52; ++id)
    if (std::find(front.begin(), front.end(), id) == front.end()) ids.push_back(id);
  for (int i = 0; i < 52; ++i) deck[i] = MakeCard(ids[i]);
  return deck;
}

// A real deck where the opening pair and each of the next fifteen fresh pairs is won
// (low, high, then a card between), and the sixteenth fresh pair (4, 8, then 6) wins too.
inline CardDeck EveryDrawWinsDeck() {
  std::vector<int> lows, mids, highs;
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank < 4; ++rank) lows.push_back(CardId(rank, suit));
    for (int rank = 9; rank < 13; ++rank) highs.push_back(CardId(rank, suit));
  }
  // Ranks five to nine; keep a 5, a 9 and a 7 for the last pair.
  for (int suit = 0; suit < 4; ++suit)
    for (int rank = 4; rank < 9; ++rank)
      if (suit != 3 || rank % 2 != 0) mids.push_back(CardId(rank, suit));
  std::vector<int> ids;
  for (int t = 0; t < 16; ++t) {
    ids.push_back(lows[t]);
    ids.push_back(highs[t]);
    ids.push_back(mids[t]);
  }
  ids.insert(ids.end(), {CardId(4, 3), CardId(8, 3), CardId(6, 3)});
  return DeckStartingWith(ids);
}

}  // namespace zandor

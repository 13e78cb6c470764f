// A spin whose reels have started, as a start after a crash needs it to complete the spin.
// Plain C++ only; nothing here may include a Qt header.
#pragma once

#include <array>
#include <cstdint>

#include "machine/Money.h"

namespace zandor {

struct SpinInProgress {
  uint32_t Seed = 0;           // the whole spin follows from it
  std::array<int, 3> Stops{};  // where the reels come to rest
  bool Free = false;           // a free spin: its wager was not paid
  Money Wager;                 // on the lines
  Money PoolShare;             // what this spin added to the bonus pool
  bool CardDecided = false;    // the card game has been played for this spin's win
  Money CardWin;               // the lines' win after the card game, once decided
  bool operator==(const SpinInProgress&) const = default;
};

// The lines' win a spin completed after a crash pays when its card game had decided: the kept
// card win where the cards could have left it (nothing, or the line win doubled any number of
// times), else the line win, as a table still waiting counts it.
inline Money KeptCardWin(Money lineWin, Money cardWin) {
  if (cardWin == Money()) return cardWin;
  if (lineWin <= Money()) return lineWin;
  for (Money w = lineWin; w <= cardWin && w <= MoneyMax; w = w * 2)
    if (w == cardWin) return cardWin;
  return lineWin;
}

}  // namespace zandor

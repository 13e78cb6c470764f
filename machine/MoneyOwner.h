// The one writer of the machine's money outside a spin: the bank, the saved games and the
// session change it only through these named operations, and read it through a const view.
// Plain C++ only; nothing here may include a Qt header.
#pragma once

#include <cstdint>
#include <optional>

#include "machine/MachineState.h"
#include "machine/SpinInProgress.h"

namespace zandor {

// The part of a game a saved slot keeps: the player's fortune.
struct Fortune {
  Money Credits, Borrowed, BonusPool;
  int32_t Spins = 0, FreeSpinCount = 0, PowerPts = 0;

  // The machine's current fortune.
  static Fortune Of(const MachineState& m);
};

class MoneyOwner {
 public:
  // Writes this machine's state, which outlives the owner; a handle, cheap to pass by value.
  MoneyOwner(MachineState& machine) : m_(&machine) {}  // NOLINT(google-explicit-constructor)

  // What the machine holds now.
  const MachineState& State() const { return *m_; }

  // The start: the machine as the settings file holds it, with the coin value its Bet setting
  // names (as CoinValueFromSetting) and the reels' grid filled from its stops.
  void StartFrom(const MachineState& stored);
  // The bank lends: the credits and the debt both grow by amount.
  void Lend(Money amount);
  // The bank is paid back: the credits and the debt both shrink by amount.
  void Repay(Money amount);
  // The coin value the Bet setting names, as a start reads it; a setting outside the coin
  // table leaves the coin value as it is.
  void CoinValueFromSetting();
  // A crash struck between the keeping of the two files: the game goes on from the meters the
  // player's file settled last (its count of free spins played is set with the free spins).
  void CarryForward(const Fortune& settled, uint8_t bet);
  // The free spins still to come and those played, with the wager they repeat and, when given,
  // the pool they play on; the reels get the strips they carry then.
  void CarryFreeSpins(int32_t freeSpins, int32_t freeSpinCount, Money lastWager,
                      std::optional<Money> pool);
  // A spin a crash interrupted starts again where its reels started: the machine as it was
  // then, and a paid spin's wager on the lines (out of the credits already).
  void ResumeSpin(const Fortune& at, Money lastWager, int32_t freeSpins,
                  const SpinInProgress& spin);
  // A saved game replaces the one at play. Coins placed on the machine belong to the game
  // being replaced and go with it; nothing else of the machine changes.
  void ReplaceGame(const Fortune& game);

 private:
  MachineState* m_;
};

}  // namespace zandor

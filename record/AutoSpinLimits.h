// The four optional limits that switch automatic spins off by themselves.
// Plain C++ only; nothing here may include a Qt header.
#pragma once

#include <cstdint>
#include <string>

#include "machine/GameEvents.h"
#include "machine/PlayerText.h"

namespace zandor {

// The player's choice of limits; none is set at first. Amounts are cents.
struct AutoSpinLimits {
  bool SpinsOn = false;
  int64_t Spins = 100;  // stop after this many automatic spins
  bool CreditsOn = false;
  int64_t CreditsBelow = 10000;  // stop when the credits fall below this
  bool WinOn = false;
  int64_t WinAtLeast = 10000;  // stop on a single win of at least this
  bool BonusOn = false;        // stop when the bonus is won
  bool operator==(const AutoSpinLimits&) const = default;

  // Brings stored values into range: at least one spin, no negative amounts.
  void Clamp();
};

// Watches the spins of one run of automatic play against the limits.
class AutoSpinWatch {
 public:
  // Automatic spins were switched on or off: a fresh count either way.
  void Switched();
  // A spin settled; a limit it reaches is held until the free spins are over.
  void Spin(const AutoSpinLimits& limits, const SpinReport& spin);
  // The reason held, if any, and forgets it with the count: the automatic spins stop now.
  // The sentence for the player's language; Empty() when no limit was reached.
  PlayerText TakeReason();
  // Paid spins counted since automatic spins were switched on.
  int64_t Count() const { return count_; }

 private:
  int64_t count_ = 0;
  PlayerText reason_;
};

}  // namespace zandor

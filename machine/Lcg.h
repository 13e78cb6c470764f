// The 32-bit linear congruential generator the spin and the card game's shuffle draw from.
// Plain C++ only; nothing here may include a Qt header.
#pragma once

#include <cstdint>

namespace zandor {

// One generator; its owner hands it to whoever draws, so a run can be replayed from its seeds.
struct Lcg {
  uint32_t Seed = 0;
  // Seeds from milliseconds since UTC midnight.
  void Randomize(uint32_t utcTimeOfDayMs) { Seed = utcTimeOfDayMs; }
  // A draw below n: the seed steps, then (seed * n) div 2^32.
  int Next(int n) {
    Seed = Seed * 134775813u + 1u;
    return static_cast<int>((static_cast<uint64_t>(Seed) * static_cast<uint32_t>(n)) >> 32);
  }
};

}  // namespace zandor

#include "machine/SpinPlan.h"

namespace zandor {

SpinPlan PlanSpin(Lcg& rng, uint32_t seed) {
  rng.Randomize(seed);
  // The three starting positions are drawn but never shown: the first step replaces them.
  std::array<int, 3> pos{};
  for (int& p : pos) p = rng.Next(40);

  auto down = [](int p) { return p == 0 ? 39 : p - 1; };
  // Reel 1 stops first, then reel 2, then reel 3: each turns at random until its step, lands on
  // an even stop there, then settles by half steps (the first two for 20 steps, the last to the
  // end).
  constexpr std::array<int, 3> kLandingStep{40, 60, 79};
  SpinPlan plan;
  for (int s = 1; s <= SpinSteps; ++s) {
    for (int r = 0; r < 3; ++r) {
      const int landing = kLandingStep[r];
      if (s < landing)
        pos[r] = rng.Next(40);
      else if (s == landing)
        pos[r] = 2 * rng.Next(20);
      else if (r == 2 || s <= landing + 20)
        pos[r] = down(pos[r]);
    }
    plan.Frames[static_cast<size_t>(s - 1)] = pos;
  }
  plan.Stops = pos;
  return plan;
}

}  // namespace zandor

// The whole course of a spin follows from its seed: every position the reels show on their
// way, and where they stop. Plain C++ only.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "machine/Lcg.h"

namespace zandor {

// The reels' animation takes this many steps.
inline constexpr int SpinSteps = 101;

// A spin drawn from one seed.
struct SpinPlan {
  std::array<std::array<int, 3>, SpinSteps> Frames{};  // positions (0..39) shown at steps 1..101
  std::array<int, 3> Stops{};                          // where the reels come to rest
};

// Draws a spin from the generator as the reels would: the generator is seeded with `seed` and
// left where the spin leaves it, so whatever draws next (the card game's shuffle) draws the same.
SpinPlan PlanSpin(Lcg& rng, uint32_t seed);

}  // namespace zandor

// A machine's state, its options and generator, a fake host and the machine between them, plus
// seed search for chosen outcomes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "machine/SlotMachine.h"
#include "tests/support/Dollars.h"
#include "tests/support/FakeHost.h"

namespace zandor {

struct MachineFixture : ::testing::Test {
  MachineState G;
  PlayerOptions O;
  Lcg R;
  FakeHost H;
  SlotMachine M{G, O, R, H};

  MachineFixture() { ComputeReelGrid(G); }

  // Places coins directly, as earlier bet presses would have.
  void Place(int coins) {
    G.Wager += coins * G.CoinValue;
    G.Credits -= coins * G.CoinValue;
    M.UpdateLineBets(G.CoinValue, G.Wager);
  }

  // The first time of day from `from` on whose spin ends on a grid the predicate accepts.
  static uint32_t FindTimeOfDay(const std::function<bool(const MachineState&)>& accept,
                                uint32_t from = 1000, const char* reel2 = NormalStrips[1]) {
    for (uint32_t t = from; t < from + 2000000; t += 7) {
      MachineState g;
      g.ReelStrips[1] = reel2;
      g.FreeSpins = 1;  // a free spin: no bets, no meter, nothing but the stops
      g.LastWager = 0_usd;
      PlayerOptions options;
      options.AceyDucey = false;
      Lcg rng;
      FakeHost h;
      h.TimeOfDay = t;
      SlotMachine m(g, options, rng, h);
      m.Spin();
      MachineState shown;
      shown.ReelStrips[1] = reel2;
      shown.ReelStops = g.ReelStops;
      ComputeReelGrid(shown);
      if (accept(shown)) return t;
    }
    ADD_FAILURE() << "no time of day gives the wanted grid";
    return 0;
  }
  static int CountOf(const MachineState& g, int symbol) {
    int n = 0;
    for (int v : g.ReelGrid) n += v == symbol;
    return n;
  }
};

}  // namespace zandor

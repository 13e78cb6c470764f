// Why a press of the player came to nothing where the machine shows no box of its own: a bet the
// credits do not cover, a bet while free spins play, automatic spins with no bet they can
// repeat, a coin value that cannot change yet. The window shows these as passing notes.
#pragma once

#include "machine/MachineState.h"
#include "machine/PlayerText.h"

namespace zandor {

// The bet button that places `coins` (1, 5 or 25 for Bet 1, Bet 5, Bet Max) needs `needed` and
// the credits hold only `credits`.
PlayerText BetShortText(int coins, Money needed, Money credits);
// A bet pressed while the free spins of a won bonus still play.
PlayerText FreeSpinsBetText();
// "&Auto Spin" went off again by itself: there is no last bet, or the credits no longer cover it.
PlayerText AutoSpinStoppedText(const MachineState& m);
// Why the coin value cannot change now (busy: money is in motion); empty when it can.
PlayerText CoinValueClosedText(const MachineState& m, bool busy);

}  // namespace zandor

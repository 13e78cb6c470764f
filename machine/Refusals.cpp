#include "machine/Refusals.h"

namespace zandor {

namespace {

constexpr const char* kContext = "zandor::Refusals";

std::string Amount(Money m) { return m.Padded(0); }

}  // namespace

PlayerText BetShortText(int coins, Money needed, Money credits) {
  // One whole sentence per button, so that each language can name its own caption.
  const char* source = ZANDOR_TR_NOOP(
      "zandor::Refusals",
      "Not enough credits for Bet Max: it needs %1 and you have %2. Bet fewer coins or borrow "
      "credits.");
  if (coins == 1)
    source = ZANDOR_TR_NOOP(
        "zandor::Refusals",
        "Not enough credits for Bet 1: it needs %1 and you have %2. Borrow credits to play on.");
  else if (coins == 5)
    source = ZANDOR_TR_NOOP("zandor::Refusals",
                            "Not enough credits for Bet 5: it needs %1 and you have %2. Bet "
                            "fewer coins or borrow credits.");
  return PlayerText{kContext, source, {Amount(needed), Amount(credits)}};
}

PlayerText FreeSpinsBetText() {
  return PlayerText{kContext, ZANDOR_TR_NOOP("zandor::Refusals",
                                             "Your free spins are playing: you can bet again "
                                             "once they are over.")};
}

PlayerText AutoSpinStoppedText(const MachineState& m) {
  if (m.LastWager <= Money())
    return PlayerText{kContext, ZANDOR_TR_NOOP("zandor::Refusals",
                                               "Auto Spin repeats your last bet, and there is "
                                               "none yet: place a bet and spin once first.")};
  return PlayerText{kContext,
                    ZANDOR_TR_NOOP("zandor::Refusals",
                                   "Auto Spin stopped: your credits of %1 do not cover your "
                                   "last bet of %2."),
                    {Amount(m.Credits), Amount(m.LastWager)}};
}

PlayerText CoinValueClosedText(const MachineState& m, bool busy) {
  // The coin value is fixed for a fresh game until its first spin, and the free spins of a won
  // bonus are played at the coin value they were won with.
  if (m.Spins <= 0)
    return PlayerText{kContext, ZANDOR_TR_NOOP("zandor::Refusals",
                                               "The coin value can be changed after your first "
                                               "spin.")};
  if (m.FreeSpins > 0)
    return PlayerText{kContext, ZANDOR_TR_NOOP("zandor::Refusals",
                                               "The coin value stays as it is until your free "
                                               "spins are over.")};
  if (busy)
    return PlayerText{kContext, ZANDOR_TR_NOOP("zandor::Refusals",
                                               "The coin value can be changed once the reels "
                                               "have stopped.")};
  return {};
}

}  // namespace zandor

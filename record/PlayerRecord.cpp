#include "record/PlayerRecord.h"

#include <ctime>

namespace zandor {

PlayerRecord::PlayerRecord() : Now([] { return static_cast<int64_t>(std::time(nullptr)); }) {}

void PlayerRecord::AddSeconds(int64_t seconds) {
  Game.AddSeconds(seconds);
  Lifetime.AddSeconds(seconds);
}

void PlayerRecord::SpinScored(const SpinReport& spin) {
  Game.Add(spin);
  Lifetime.Add(spin);
  Recent.Add(spin, Now());
  Watch.Spin(Limits, spin);
  Chart.Add({Game.Spins + Game.FreeSpins, spin.CreditsAfter, Borrowed(),
             spin.Pool > 0 ? ChartPoint::Bonus : ChartPoint::None});
}

void PlayerRecord::Loan(int64_t cents) {
  Game.AddLoan(cents);
  Lifetime.AddLoan(cents);
  // The bank moves the credits by the loan; a bet waiting on the lines stays the player's.
  const ChartPoint& last = Chart.Points().back();
  Chart.Add({last.Spin, last.Credits + cents, Borrowed(),
             cents >= 0 ? ChartPoint::Loan : ChartPoint::Payback});
}

void PlayerRecord::GameReplaced(int64_t credits, int64_t borrowed) {
  Game = GameTally{};
  Game.StartCredits = credits;
  Game.StartBorrowed = borrowed;
  Chart.Restart(credits, borrowed);
}

void PlayerRecord::AutoSpinSwitched(bool) { Watch.Switched(); }

std::string PlayerRecord::AutoSpinStopReason() { return Watch.TakeReason(); }

}  // namespace zandor

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
  const ChartPoint last = Chart.Points().back();
  const int64_t credits = last.Credits + cents;
  Chart.Add({last.Spin, credits, Borrowed(), cents >= 0 ? ChartPoint::Loan : ChartPoint::Payback});
  Recent.AddEvent(cents >= 0 ? EventEntry::Borrowed : EventEntry::PaidBack,
                  cents >= 0 ? cents : -cents, credits, Borrowed(), Now());
}

void PlayerRecord::GameReplaced(int64_t credits, int64_t borrowed) {
  Replace(credits, borrowed, EventEntry::NewGame);
}

void PlayerRecord::GameOpened(int64_t credits, int64_t borrowed) {
  Replace(credits, borrowed, EventEntry::OpenedGame);
}

void PlayerRecord::Replace(int64_t credits, int64_t borrowed, EventEntry::Kind how) {
  Game = GameTally{};
  Game.StartCredits = credits;
  Game.StartBorrowed = borrowed;
  Chart.Restart(credits, borrowed);
  Recent.AddEvent(how, 0, credits, borrowed, Now());
}

void PlayerRecord::CoinValueChanged(int64_t cents) {
  const ChartPoint& last = Chart.Points().back();
  Recent.AddEvent(EventEntry::CoinValue, cents, last.Credits, last.Borrowed, Now());
}

void PlayerRecord::AutoSpinSwitched(bool) { Watch.Switched(); }

}  // namespace zandor

#include "record/Statistics.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "machine/MachineState.h"
#include "machine/SlotMachine.h"
#include "store/MoneyText.h"

namespace zandor {

namespace {

// a + b, kept within low..TallyLimit.
int64_t Sum(int64_t a, int64_t b, int64_t low = 0) {
  int64_t s = 0;
  if (__builtin_add_overflow(a, b, &s)) s = b > 0 ? INT64_MAX : INT64_MIN;
  return std::clamp(s, low, TallyLimit);
}

}  // namespace

void Tally::Add(const SpinReport& spin) {
  int64_t lines = 0;
  for (int64_t pay : spin.LinePays) lines = Sum(lines, pay);
  if (spin.Free) {
    FreeSpins = Sum(FreeSpins, 1);
  } else {
    Spins = Sum(Spins, 1);
    Wagered = Sum(Wagered, spin.Wager);
  }
  LineWins = Sum(LineWins, lines);
  if (spin.CardOffered && lines > 0) {
    if (spin.Win > lines) HandsWon = Sum(HandsWon, 1);
    if (spin.Win == 0) HandsLost = Sum(HandsLost, 1);
  }
  // Without a visit to the card table the two are equal; what reached the credits decides.
  CardNet =
      Sum(CardNet, std::clamp(spin.Win, int64_t{0}, TallyLimit) - lines, MoneyTextMin.InCents());
  if (spin.Pool > 0) {
    Pools = Sum(Pools, 1);
    PoolTotal = Sum(PoolTotal, spin.Pool);
  }
  // A spin's win is everything it paid: its lines after the card game and a bonus pool.
  BiggestWin = std::max(BiggestWin, Sum(std::clamp(spin.Win, int64_t{0}, TallyLimit),
                                        std::clamp(spin.Pool, int64_t{0}, TallyLimit)));
}

void Tally::AddLoan(int64_t cents) {
  if (cents > 0)
    Lent = Sum(Lent, cents);
  else if (cents < 0)
    Repaid = Sum(Repaid, cents == INT64_MIN ? INT64_MAX : -cents);
}

void Tally::AddSeconds(int64_t seconds) {
  if (seconds > 0) Seconds = Sum(Seconds, seconds);
}

int64_t PaybackTenths(const Tally& t) {
  if (t.Wagered <= 0) return -1;
  // Rounded half up; with every figure within its limit, what was won fits many times over in
  // 64 bits even multiplied by 1000. A damaged file's card net cannot make it negative.
  return (std::max<int64_t>(t.Won(), 0) * 1000 + t.Wagered / 2) / t.Wagered;
}

int64_t TheoreticalPaybackHundredths() {
  // The reels always rest on a whole symbol: each of the 20 top symbols is equally likely.
  MachineState g;
  int64_t factors = 0, combinations = 0;
  for (int a = 0; a < 20; ++a)
    for (int b = 0; b < 20; ++b)
      for (int c = 0; c < 20; ++c) {
        g.ReelStops = {2 * a, 2 * b, 2 * c};
        ComputeReelGrid(g);
        for (int line = 1; line <= 5; ++line) {
          auto cells = PaylineCells(line);
          factors += PayFactor(g.ReelGrid[cells[0]], g.ReelGrid[cells[1]], g.ReelGrid[cells[2]]);
        }
        ++combinations;
      }
  // A full wager puts the same coins on each of the five lines.
  const int64_t lines = 5 * combinations;
  return (factors * 10000 + lines / 2) / lines;
}

std::string FormatDollars(int64_t cents) {
  std::string s = FormatMoney(Money::Cents(cents));
  const size_t start = cents < 0 ? 1 : 0;
  for (size_t i = s.find('.'); i > start + 3; i -= 3) s.insert(i - 3, ",");
  return s;
}

std::string PercentText(int64_t tenths) {
  if (tenths < 0) return "-";
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

PlayerText Duration(int64_t seconds) {
  seconds = std::max<int64_t>(seconds, 0);
  auto two = [](int64_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  if (seconds >= 3600)
    return {"zandor::StatisticsWindow",
            //: Time played: hours and minutes, "3 h 05 min".
            ZANDOR_TR_NOOP("zandor::StatisticsWindow", "%1 h %2 min"),
            {std::to_string(seconds / 3600), two(seconds / 60 % 60)}};
  return {"zandor::StatisticsWindow",
          //: Time played under an hour: minutes and seconds, "12 min 30 s".
          ZANDOR_TR_NOOP("zandor::StatisticsWindow", "%1 min %2 s"),
          {std::to_string(seconds / 60), two(seconds % 60)}};
}

std::string DurationText(int64_t seconds) { return Duration(seconds).English(); }

}  // namespace zandor

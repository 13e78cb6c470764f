#include "record/Statistics.h"

#include <algorithm>
#include <cstdlib>

#include "machine/MachineState.h"
#include "machine/SlotMachine.h"

void Tally::Add(const SpinReport& spin) {
  int64_t lines = 0;
  for (int64_t pay : spin.LinePays) lines += pay;
  if (spin.Free) {
    ++FreeSpins;
  } else {
    ++Spins;
    Wagered += spin.Wager;
  }
  LineWins += lines;
  if (spin.CardOffered && lines > 0) {
    if (spin.Win > lines) ++HandsWon;
    if (spin.Win == 0) ++HandsLost;
  }
  // Without a visit to the card table the two are equal; what reached the credits decides.
  CardNet += spin.Win - lines;
  if (spin.Pool > 0) {
    ++Pools;
    PoolTotal += spin.Pool;
  }
  BiggestWin = std::max(BiggestWin, spin.Win);
}

void Tally::AddLoan(int64_t cents) {
  if (cents > 0)
    Lent += cents;
  else
    Repaid -= cents;
}

int64_t PaybackTenths(const Tally& t) {
  if (t.Wagered <= 0) return -1;
  // Rounded half up; won fits many times over in 64 bits even multiplied by 1000.
  return (t.Won() * 1000 + t.Wagered / 2) / t.Wagered;
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

std::string CentsText(int64_t cents) {
  const uint64_t v = cents < 0 ? 0 - static_cast<uint64_t>(cents) : static_cast<uint64_t>(cents);
  std::string frac = std::to_string(v % 100);
  if (frac.size() < 2) frac.insert(0, "0");
  return (cents < 0 ? "-" : "") + std::to_string(v / 100) + "." + frac;
}

std::string FormatDollars(int64_t cents) {
  std::string s = CentsText(cents);
  const size_t start = cents < 0 ? 1 : 0;
  for (size_t i = s.find('.'); i > start + 3; i -= 3) s.insert(i - 3, ",");
  return s;
}

bool ParseCents(const std::string& text, int64_t& cents) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) ++i;
  int64_t whole = 0;
  size_t digits = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
    if (whole > 90'000'000'000'000'000 / 1000) return false;  // far beyond any purse
    whole = whole * 10 + (text[i] - '0');
  }
  if (digits == 0) return false;
  int64_t frac = 0;
  if (i < text.size() && text[i] == '.') {
    size_t fracDigits = 0;
    for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++fracDigits)
      frac = frac * 10 + (text[i] - '0');
    if (fracDigits == 0 || fracDigits > 2) return false;
    if (fracDigits == 1) frac *= 10;
  }
  if (i != text.size()) return false;
  cents = (negative ? -1 : 1) * (whole * 100 + frac);
  return true;
}

std::string PercentText(int64_t tenths) {
  if (tenths < 0) return "-";
  return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "%";
}

std::string DurationText(int64_t seconds) {
  seconds = std::max<int64_t>(seconds, 0);
  auto two = [](int64_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
  if (seconds >= 3600)
    return std::to_string(seconds / 3600) + " h " + two(seconds / 60 % 60) + " min";
  return std::to_string(seconds / 60) + " min " + two(seconds % 60) + " s";
}

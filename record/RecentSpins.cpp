#include "record/RecentSpins.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "store/MoneyText.h"

namespace zandor {

namespace {

// Far more spins than anyone plays, and far from wrapping around.
constexpr uint64_t kMaxSerial = uint64_t{1} << 62;

template <typename T>
bool Number(const std::string& text, T& out) {
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && p == end;
}

// An amount the money text can hold; a larger one is damage (and five of them would not add up).
bool Amount(const std::string& text, int64_t& out) {
  return Number(text, out) && out >= 0 && out <= MoneyTextMax.InCents();
}

}  // namespace

int64_t SpinEntry::LineWin() const {
  int64_t sum = 0;
  for (int64_t pay : Spin.LinePays) sum += pay;
  return sum;
}

const char* SpinEntry::CardOutcome() const {
  if (!Spin.CardOffered || LineWin() == 0) return "";
  if (Spin.Win > LineWin()) return "Won";
  return Spin.Win == 0 ? "Lost" : "Kept";
}

namespace {
// P paid, F free; in small letters when the spin was completed after a crash.
const char* KindText(const SpinReport& s) {
  if (s.Completed) return s.Free ? " f " : " p ";
  return s.Free ? " F " : " P ";
}
}  // namespace

std::string EncodeSpin(const SpinEntry& e) {
  const SpinReport& s = e.Spin;
  std::string out = std::to_string(e.Serial) + ' ' + std::to_string(e.Time) + ' ' +
                    std::to_string(s.CoinValue) + ' ' + std::to_string(s.Wager) + KindText(s);
  for (int v : s.Grid) out += static_cast<char>('0' + v);
  for (size_t i = 0; i < s.LinePays.size(); ++i)
    out += (i == 0 ? ' ' : ',') + std::to_string(s.LinePays[i]);
  out += s.CardOffered ? " C " : " - ";
  out +=
      std::to_string(s.Win) + ' ' + std::to_string(s.Pool) + ' ' + std::to_string(s.CreditsAfter);
  return out;
}

std::optional<SpinEntry> DecodeSpin(const std::string& line) {
  std::istringstream in(line);
  std::string f[11], extra;
  for (std::string& field : f)
    if (!(in >> field)) return std::nullopt;
  if (in >> extra) return std::nullopt;
  SpinEntry e;
  SpinReport& s = e.Spin;
  if (!Number(f[0], e.Serial) || e.Serial == 0 || e.Serial > kMaxSerial || !Number(f[1], e.Time) ||
      !Amount(f[2], s.CoinValue) || s.CoinValue == 0 || !Amount(f[3], s.Wager))
    return std::nullopt;
  if (f[4] != "P" && f[4] != "F" && f[4] != "p" && f[4] != "f") return std::nullopt;
  s.Free = f[4] == "F" || f[4] == "f";
  s.Completed = f[4] == "p" || f[4] == "f";
  if (f[5].size() != 9) return std::nullopt;
  for (size_t i = 0; i < 9; ++i) {
    if (f[5][i] < '0' || f[5][i] > '6') return std::nullopt;
    s.Grid[i] = f[5][i] - '0';
  }
  std::istringstream pays(f[6]);
  std::string pay;
  size_t n = 0;
  while (std::getline(pays, pay, ','))
    if (n >= s.LinePays.size() || !Amount(pay, s.LinePays[n++])) return std::nullopt;
  if (n != s.LinePays.size()) return std::nullopt;
  if (f[7] != "C" && f[7] != "-") return std::nullopt;
  s.CardOffered = f[7] == "C";
  if (!Amount(f[8], s.Win) || !Amount(f[9], s.Pool) || !Number(f[10], s.CreditsAfter))
    return std::nullopt;
  return e;
}

void RecentSpins::Add(const SpinReport& spin, int64_t time) {
  entries_.insert(entries_.begin(), SpinEntry{next_++, time, spin});
  DropOld();
}

void RecentSpins::DropOld() {
  // Only the last 100 serials are kept, so each has a slot of its own (serial mod 100) even
  // when damaged lines left gaps.
  if (entries_.empty()) return;
  const uint64_t newest = entries_.front().Serial;
  while (!entries_.empty() && entries_.back().Serial + Capacity <= newest) entries_.pop_back();
}

void RecentSpins::Restore(std::vector<SpinEntry> entries) {
  std::sort(entries.begin(), entries.end(),
            [](const SpinEntry& a, const SpinEntry& b) { return a.Serial > b.Serial; });
  entries.erase(
      std::unique(entries.begin(), entries.end(),
                  [](const SpinEntry& a, const SpinEntry& b) { return a.Serial == b.Serial; }),
      entries.end());
  entries_ = std::move(entries);
  DropOld();
  next_ = entries_.empty() ? 1 : entries_.front().Serial + 1;
}

}  // namespace zandor

#include "record/RecentSpins.h"

#include <algorithm>
#include <array>
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

// An amount in cents from money text with its two decimals ("12.50"), as every file of ours
// writes amounts, or from whole cents ("1250"), as earlier versions wrote the recent spins.
bool Cents(const std::string& text, int64_t& out) {
  const size_t dot = text.find('.');
  if (dot == std::string::npos) return Number(text, out);
  const std::string whole = text.substr(0, dot), part = text.substr(dot + 1);
  int64_t units = 0, cents = 0;
  if (part.size() != 2 || part[0] < '0' || part[0] > '9' || !Number(whole, units) ||
      !Number(part, cents) || units < -MoneyTextMax.InCents() / 100 ||
      units > MoneyTextMax.InCents() / 100)
    return false;
  out = whole[0] == '-' ? units * 100 - cents : units * 100 + cents;
  return true;
}

// An amount the money text can hold; a larger one is damage (and five of them would not add up).
bool Amount(const std::string& text, int64_t& out) {
  return Cents(text, out) && out >= 0 && out <= MoneyTextMax.InCents();
}

// An amount as the file writes it: money text.
std::string AmountText(int64_t cents) { return FormatMoney(Money::Cents(cents)); }

// The words of a line, exactly n of them; nullopt for fewer or more.
template <size_t n>
std::optional<std::array<std::string, n>> Fields(const std::string& line) {
  std::istringstream in(line);
  std::array<std::string, n> f;
  std::string extra;
  for (std::string& field : f)
    if (!(in >> field)) return std::nullopt;
  if (in >> extra) return std::nullopt;
  return f;
}

// P paid, F free; in small letters when the spin was completed after a crash.
const char* KindText(const SpinReport& s) {
  if (s.Completed) return s.Free ? " f " : " p ";
  return s.Free ? " F " : " P ";
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

std::string EncodeSpin(const SpinEntry& e) {
  const SpinReport& s = e.Spin;
  std::string out = std::to_string(e.Serial) + ' ' + std::to_string(e.Time) + ' ' +
                    AmountText(s.CoinValue) + ' ' + AmountText(s.Wager) + KindText(s);
  for (int v : s.Grid) out += static_cast<char>('0' + v);
  for (size_t i = 0; i < s.LinePays.size(); ++i)
    out += (i == 0 ? ' ' : ',') + AmountText(s.LinePays[i]);
  out += s.CardOffered ? " C " : " - ";
  out += AmountText(s.Win) + ' ' + AmountText(s.Pool) + ' ' + AmountText(s.CreditsAfter);
  return out;
}

std::optional<SpinEntry> DecodeSpin(const std::string& line) {
  const auto fields = Fields<11>(line);
  if (!fields) return std::nullopt;
  const auto& f = *fields;
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
  while (std::getline(pays, pay, ',')) {
    if (n >= s.LinePays.size() || !Amount(pay, s.LinePays[n])) return std::nullopt;
    ++n;
  }
  if (n != s.LinePays.size()) return std::nullopt;
  if (f[7] != "C" && f[7] != "-") return std::nullopt;
  s.CardOffered = f[7] == "C";
  if (!Amount(f[8], s.Win) || !Amount(f[9], s.Pool) || !Cents(f[10], s.CreditsAfter))
    return std::nullopt;
  return e;
}

std::string EncodeEvent(const EventEntry& e) {
  return std::to_string(e.Serial) + ' ' + std::to_string(e.After) + ' ' + std::to_string(e.Time) +
         ' ' + static_cast<char>(e.What) + ' ' + AmountText(e.Amount) + ' ' +
         AmountText(e.CreditsAfter) + ' ' + AmountText(e.BorrowedAfter);
}

std::optional<EventEntry> DecodeEvent(const std::string& line) {
  const auto fields = Fields<7>(line);
  if (!fields) return std::nullopt;
  const auto& f = *fields;
  EventEntry e;
  if (!Number(f[0], e.Serial) || e.Serial == 0 || e.Serial > kMaxSerial || !Number(f[1], e.After) ||
      e.After > kMaxSerial || !Number(f[2], e.Time) || f[3].size() != 1 ||
      !Amount(f[4], e.Amount) || !Cents(f[5], e.CreditsAfter) || !Amount(f[6], e.BorrowedAfter))
    return std::nullopt;
  switch (f[3][0]) {
    case EventEntry::Borrowed:
    case EventEntry::PaidBack:
    case EventEntry::NewGame:
    case EventEntry::OpenedGame:
    case EventEntry::CoinValue:
      e.What = static_cast<EventEntry::Kind>(f[3][0]);
      return e;
    default:
      return std::nullopt;
  }
}

void RecentSpins::Add(const SpinReport& spin, int64_t time) {
  entries_.insert(entries_.begin(), SpinEntry{next_++, time, spin});
  DropOld();
}

void RecentSpins::AddEvent(EventEntry::Kind what, int64_t amount, int64_t credits, int64_t borrowed,
                           int64_t time) {
  events_.insert(events_.begin(),
                 EventEntry{nextEvent_++, next_ - 1, time, what, amount, credits, borrowed});
  DropOld();
}

void RecentSpins::DropOld() {
  ++changes_;
  // Only the last 100 serials are kept, so each has a slot of its own (serial mod 100) even
  // when damaged lines left gaps; the same for the events.
  if (!entries_.empty()) {
    const uint64_t newest = entries_.front().Serial;
    while (!entries_.empty() && entries_.back().Serial + Capacity <= newest) entries_.pop_back();
  }
  if (events_.empty()) return;
  const uint64_t newest = events_.front().Serial;
  const uint64_t oldestSpin = entries_.empty() ? 0 : entries_.back().Serial;
  while (!events_.empty() &&
         (events_.back().Serial + EventCapacity <= newest || events_.back().After + 1 < oldestSpin))
    events_.pop_back();
}

void RecentSpins::Restore(std::vector<SpinEntry> entries, std::vector<EventEntry> events) {
  std::sort(entries.begin(), entries.end(),
            [](const SpinEntry& a, const SpinEntry& b) { return a.Serial > b.Serial; });
  entries.erase(
      std::unique(entries.begin(), entries.end(),
                  [](const SpinEntry& a, const SpinEntry& b) { return a.Serial == b.Serial; }),
      entries.end());
  std::sort(events.begin(), events.end(),
            [](const EventEntry& a, const EventEntry& b) { return a.Serial > b.Serial; });
  events.erase(
      std::unique(events.begin(), events.end(),
                  [](const EventEntry& a, const EventEntry& b) { return a.Serial == b.Serial; }),
      events.end());
  entries_ = std::move(entries);
  events_ = std::move(events);
  DropOld();
  next_ = entries_.empty() ? 1 : entries_.front().Serial + 1;
  // A later event than the newest spin kept (its line was damaged) stays before the next spin.
  for (const EventEntry& e : events_) next_ = std::max(next_, e.After + 1);
  nextEvent_ = events_.empty() ? 1 : events_.front().Serial + 1;
}

std::vector<RecentRow> RecentSpins::Rows() const {
  std::vector<RecentRow> rows;
  rows.reserve(entries_.size() + events_.size());
  auto spin = entries_.begin();
  auto event = events_.begin();
  // Both lists are newest first; an event that followed spin n is newer than spin n.
  while (spin != entries_.end() || event != events_.end()) {
    if (event != events_.end() && (spin == entries_.end() || event->After >= spin->Serial))
      rows.push_back({nullptr, &*event++});
    else
      rows.push_back({&*spin++, nullptr});
  }
  return rows;
}

}  // namespace zandor

#include "record/PlayerFile.h"

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "store/MoneyText.h"
#include "store/PlayerIni.h"

namespace zandor {

namespace {

constexpr const char* kGame = "This Game";
constexpr const char* kLifetime = "Lifetime";
constexpr const char* kLimits = "Auto Spin Limits";
constexpr const char* kRecent = "Recent Spins";
constexpr const char* kEvents = "Recent Events";
constexpr const char* kChart = "Game Chart";
// Points per key of [Game Chart], joined by commas: twenty of the longest fit a key's text.
constexpr size_t kPointsPerKey = 20;

// The figures of a tally as the file names them; one table for reading and writing.
struct TallyField {
  const char* Key;
  int64_t Tally::*Field;
  bool Money;
};
constexpr TallyField kTallyFields[] = {
    {"Spins", &Tally::Spins, false},       {"FreeSpins", &Tally::FreeSpins, false},
    {"Wagered", &Tally::Wagered, true},    {"LineWins", &Tally::LineWins, true},
    {"Pools", &Tally::Pools, false},       {"PoolTotal", &Tally::PoolTotal, true},
    {"HandsWon", &Tally::HandsWon, false}, {"HandsLost", &Tally::HandsLost, false},
    {"CardNet", &Tally::CardNet, true},    {"BiggestWin", &Tally::BiggestWin, true},
    {"Lent", &Tally::Lent, true},          {"Repaid", &Tally::Repaid, true},
    {"Seconds", &Tally::Seconds, false},
};

// One key of the file with its text.
struct PlayerKey {
  std::string Section, Key, Value;
};

std::string SpinKey(uint64_t slot) { return "Spin" + std::to_string(slot); }
std::string EventKey(uint64_t slot) { return "Event" + std::to_string(slot); }

bool ParseWhole(const std::string& text, int64_t& out) {
  auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && p == text.data() + text.size() && !text.empty();
}

std::string CentsText(int64_t cents) { return FormatMoney(Money::Cents(cents)); }

std::string Text(int64_t v, bool money) { return money ? CentsText(v) : std::to_string(v); }

// A whole number or an amount; counts may not be negative, only the card game's net may. An
// amount reads as in every other file of ours (7.5 is 7.05).
bool Read(const PlayerIni& ini, const char* section, const char* key, bool money, bool signedOk,
          int64_t& out) {
  const std::string text = ini.ReadString(section, key, "");
  int64_t v = 0;
  if (money && !text.empty()) {
    v = ParseMoney(std::string_view(text).substr(0, 30)).InCents();
  } else if (!ParseWhole(text, v)) {
    return false;
  }
  if (v < 0 && !signedOk) return false;
  out = v;
  return true;
}

// A figure beyond what a tally keeps is damage, as one that is not a number.
void ReadTally(const PlayerIni& ini, const char* section, Tally& t) {
  for (const TallyField& f : kTallyFields) {
    int64_t v = 0;
    if (Read(ini, section, f.Key, f.Money, f.Field == &Tally::CardNet, v) && v <= TallyLimit)
      t.*f.Field = v;
  }
}

// Whether a key is one of the slots of a ring: the name, then 0 to 99, whatever the case.
bool IsSlotKey(std::string_view key, std::string_view name) {
  if (key.size() < name.size() + 1 || key.size() > name.size() + 2) return false;
  for (size_t i = 0; i < name.size(); ++i)
    if ((key[i] | 0x20) != name[i]) return false;
  const std::string_view number = key.substr(name.size());
  if (number.size() > 1 && number[0] == '0') return false;
  for (char c : number)
    if (c < '0' || c > '9') return false;
  return true;
}

// The sections keep their slots and nothing else, so that what a damaged or hostile file put
// there is not carried from save to save.
void DropStrangers(PlayerIni& file) {
  file.KeepOnlyKeys(kRecent, [](std::string_view key) { return IsSlotKey(key, "spin"); });
  file.KeepOnlyKeys(kEvents, [](std::string_view key) { return IsSlotKey(key, "event"); });
}

std::string PointsKey(size_t n) { return "Points" + std::to_string(n); }

size_t ChartKeys(const GameChart& chart) {
  return (chart.Points().size() + kPointsPerKey - 1) / kPointsPerKey;
}

// Whether a key of [Game Chart] is one of the first count keys ("Points0" on).
bool IsPointsKey(std::string_view key, size_t count) {
  if (key == "Stride" || key == "Moments") return true;
  if (key.substr(0, 6) != "Points" || key.size() < 7 || key.size() > 9) return false;
  const std::string_view number = key.substr(6);
  if (number.size() > 1 && number[0] == '0') return false;
  size_t n = 0;
  for (char c : number) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + static_cast<size_t>(c - '0');
  }
  return n < count;
}

void AddChart(std::vector<PlayerKey>& keys, const GameChart& chart) {
  keys.push_back({kChart, "Stride", std::to_string(chart.Stride())});
  keys.push_back({kChart, "Moments", std::to_string(chart.Moments())});
  const std::vector<ChartPoint>& points = chart.Points();
  for (size_t n = 0; n < ChartKeys(chart); ++n) {
    std::string text;
    for (size_t i = n * kPointsPerKey; i < std::min(points.size(), (n + 1) * kPointsPerKey); ++i)
      text += (text.empty() ? "" : ",") + EncodePoint(points[i]);
    keys.push_back({kChart, PointsKey(n), text});
  }
}

// The chart of the game whose figures are loaded, ending at its credits and debt; anything
// else (a damaged point, a chart of another game) gives a chart from the game's start to now.
void LoadChart(const PlayerIni& ini, PlayerRecord& r, int64_t credits, int64_t borrowed) {
  const PlayerRecord::GameTally& g = r.Game;
  std::vector<ChartPoint> points;
  bool sound = true;
  for (size_t n = 0; sound && points.size() < GameChart::MaxPoints; ++n) {
    const std::string text = ini.ReadString(kChart, PointsKey(n), "");
    if (text.empty()) break;
    size_t start = 0;
    while (sound && start <= text.size()) {
      size_t comma = text.find(',', start);
      if (comma == std::string::npos) comma = text.size();
      const auto p = DecodePoint(text.substr(start, comma - start));
      sound = p && (points.empty() || p->Spin >= points.back().Spin);
      if (sound) points.push_back(*p);
      start = comma + 1;
    }
  }
  const int64_t spins = g.Spins + g.FreeSpins;
  sound = sound && !points.empty() &&
          points.front() == ChartPoint{0, g.StartCredits, g.StartBorrowed} &&
          points.back().Credits == credits && points.back().Borrowed == borrowed &&
          points.back().Spin <= spins;
  int64_t stride = 0, moments = 0;
  sound = sound && Read(ini, kChart, "Stride", false, false, stride) &&
          Read(ini, kChart, "Moments", false, false, moments);
  r.Chart.Restart(g.StartCredits, g.StartBorrowed);
  if (sound && r.Chart.Restore(std::move(points), stride, moments)) return;
  if (credits != g.StartCredits || borrowed != g.StartBorrowed || spins > 0) {
    r.Chart.Add({spins, credits, borrowed, ChartPoint::None});
  }
}

void AddTally(std::vector<PlayerKey>& keys, const char* section, const Tally& t) {
  for (const TallyField& f : kTallyFields)
    keys.push_back({section, f.Key, Text(t.*f.Field, f.Money)});
}

void AddLimits(std::vector<PlayerKey>& keys, const AutoSpinLimits& l) {
  auto flag = [](bool on) { return std::string(on ? "1" : "0"); };
  keys.push_back({kLimits, "StopAfterSpins", flag(l.SpinsOn)});
  keys.push_back({kLimits, "Spins", std::to_string(l.Spins)});
  keys.push_back({kLimits, "StopBelowCredits", flag(l.CreditsOn)});
  keys.push_back({kLimits, "Credits", CentsText(l.CreditsBelow)});
  keys.push_back({kLimits, "StopOnWin", flag(l.WinOn)});
  keys.push_back({kLimits, "Win", CentsText(l.WinAtLeast)});
  keys.push_back({kLimits, "StopOnBonus", flag(l.BonusOn)});
}

// Puts the keys into the file. A key that already holds its text is left alone, so a save
// touches only what changed; an empty slot needs no key at all.
void WriteKeys(PlayerIni& file, const std::vector<PlayerKey>& keys) {
  for (const PlayerKey& k : keys) {
    if (k.Value.empty() && file.ReadString(k.Section, k.Key, "").empty()) continue;
    file.WriteString(k.Section, k.Key, k.Value);
  }
}

// Every key of the record, section by section.
std::vector<PlayerKey> PlayerKeys(const PlayerRecord& r) {
  std::vector<PlayerKey> keys;
  keys.push_back({kGame, "StartCredits", CentsText(r.Game.StartCredits)});
  keys.push_back({kGame, "StartBorrowed", CentsText(r.Game.StartBorrowed)});
  AddTally(keys, kGame, r.Game);
  AddTally(keys, kLifetime, r.Lifetime);
  AddLimits(keys, r.Limits);
  std::vector<std::string> slots(RecentSpins::Capacity);
  for (const SpinEntry& e : r.Recent.Entries()) slots[e.Serial % slots.size()] = EncodeSpin(e);
  for (size_t slot = 0; slot < slots.size(); ++slot)
    keys.push_back({kRecent, SpinKey(slot), slots[slot]});
  std::vector<std::string> eventSlots(RecentSpins::EventCapacity);
  for (const EventEntry& e : r.Recent.Events())
    eventSlots[e.Serial % eventSlots.size()] = EncodeEvent(e);
  for (size_t slot = 0; slot < eventSlots.size(); ++slot)
    keys.push_back({kEvents, EventKey(slot), eventSlots[slot]});
  AddChart(keys, r.Chart);
  return keys;
}

}  // namespace

void LoadRecord(const PlayerIni& ini, PlayerRecord& r, int64_t credits, int64_t borrowed) {
  r.Game = PlayerRecord::GameTally{};
  r.Game.StartCredits = credits;
  r.Game.StartBorrowed = borrowed;
  // The current game's figures belong with the credits it started from: all or none.
  int64_t start = 0, debt = 0;
  if (Read(ini, kGame, "StartCredits", true, true, start) &&
      Read(ini, kGame, "StartBorrowed", true, true, debt)) {
    ReadTally(ini, kGame, r.Game);
    r.Game.StartCredits = start;
    r.Game.StartBorrowed = debt;
  }
  // Figures that do not lead to the credits held belong to another game (a settings file
  // replaced or lost): this game's figures start afresh rather than disagree with the meters.
  const PlayerRecord::GameTally& g = r.Game;
  if (g.StartCredits + g.Net() + g.Lent - g.Repaid != credits) {
    r.Game = PlayerRecord::GameTally{};
    r.Game.StartCredits = credits;
    r.Game.StartBorrowed = borrowed;
  }
  LoadChart(ini, r, credits, borrowed);
  r.Lifetime = Tally{};
  ReadTally(ini, kLifetime, r.Lifetime);

  AutoSpinLimits& l = r.Limits;
  l = AutoSpinLimits{};
  l.SpinsOn = ini.ReadBool(kLimits, "StopAfterSpins", false);
  Read(ini, kLimits, "Spins", false, false, l.Spins);
  l.CreditsOn = ini.ReadBool(kLimits, "StopBelowCredits", false);
  Read(ini, kLimits, "Credits", true, false, l.CreditsBelow);
  l.WinOn = ini.ReadBool(kLimits, "StopOnWin", false);
  Read(ini, kLimits, "Win", true, false, l.WinAtLeast);
  l.BonusOn = ini.ReadBool(kLimits, "StopOnBonus", false);
  l.Clamp();

  std::vector<SpinEntry> spins;
  for (uint64_t slot = 0; slot < RecentSpins::Capacity; ++slot) {
    auto e = DecodeSpin(ini.ReadString(kRecent, SpinKey(slot), ""));
    if (e && e->Serial % RecentSpins::Capacity == slot) spins.push_back(*e);
  }
  // A file from before the events were kept has none: its spins show as they always did.
  std::vector<EventEntry> events;
  for (uint64_t slot = 0; slot < RecentSpins::EventCapacity; ++slot) {
    auto e = DecodeEvent(ini.ReadString(kEvents, EventKey(slot), ""));
    if (e && e->Serial % RecentSpins::EventCapacity == slot) events.push_back(*e);
  }
  r.Recent.Restore(std::move(spins), std::move(events));
}

void StoreRecord(PlayerIni& file, const PlayerRecord& r) {
  DropStrangers(file);
  const size_t chartKeys = ChartKeys(r.Chart);
  file.KeepOnlyKeys(kChart,
                    [chartKeys](std::string_view key) { return IsPointsKey(key, chartKeys); });
  WriteKeys(file, PlayerKeys(r));
}

void StoreAutoSpinLimits(PlayerIni& file, const AutoSpinLimits& limits) {
  std::vector<PlayerKey> keys;
  AddLimits(keys, limits);
  WriteKeys(file, keys);
}

}  // namespace zandor

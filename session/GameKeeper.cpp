#include "session/GameKeeper.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <sstream>
#include <vector>

#include "machine/MoneyOwner.h"
#include "machine/SlotMachine.h"
#include "machine/SpinPlan.h"
#include "record/PlayerFile.h"
#include "store/MoneyText.h"

namespace zandor {

namespace {

const std::string kGame = "Game";
const std::string kSpin = "Spin";

// The keys a keep writes; any other key in the two sections is dropped by the next keep.
constexpr std::array<std::string_view, 7> kGameKeys = {
    "Meters", "MetersBefore", "FreeSpins", "FreeSpinCount", "LastWager", "Pool", "Stops"};
constexpr std::array<std::string_view, 16> kSpinKeys = {
    "Seed",      "Stops",    "Free",     "Wager",     "PoolShare",     "Credits",
    "Borrowed",  "BonusPool", "LastWager", "Spins",   "PowerPts",      "FreeSpins",
    "FreeSpinCount", "Time", "CardDecided", "CardWin"};

bool OneOf(std::string_view key, const auto& keys) {
  return std::any_of(keys.begin(), keys.end(), [key](std::string_view k) {
    return k.size() == key.size() &&
           std::equal(k.begin(), k.end(), key.begin(),
                      [](char a, char b) { return std::tolower(a) == std::tolower(b); });
  });
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

template <class T>
bool Number(const std::string& text, T& out) {
  const char* end = text.data() + text.size();
  auto [p, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && p == end;
}

// A money word as every file writes it: the same text reads the same everywhere.
Money Amount(const PlayerIni& f, const std::string& section, const std::string& key) {
  return ParseMoney(f.ReadString(section, key, "0.00"));
}

std::string StopsText(const std::array<int, 3>& stops) {
  return std::to_string(stops[0]) + ' ' + std::to_string(stops[1]) + ' ' + std::to_string(stops[2]);
}

std::optional<std::array<int, 3>> ReadStops(const std::string& text) {
  const std::vector<std::string> w = Words(text);
  if (w.size() != 3) return std::nullopt;
  std::array<int, 3> stops{};
  for (size_t r = 0; r < 3; ++r)
    if (!Number(w[r], stops[r]) || stops[r] < 0 || stops[r] > 39) return std::nullopt;
  return stops;
}

// A meter of [Game] as a keep writes it: money text, never below zero nor past what the
// machine keeps.
bool Meter(const std::string& text, Money& out) {
  if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos) return false;
  out = ParseMoney(text);
  return out <= MoneyMax;
}

// Counters read from PLAYER.INI stay within what the machine can hold.
int32_t Counter(const PlayerIni& f, const std::string& section, const std::string& key,
                int32_t most) {
  return std::clamp(f.ReadInteger(section, key, 0), 0, most);
}

}  // namespace

std::string ZandorMeters(const MachineState& m) {
  return FormatMoney(m.Credits) + ' ' + FormatMoney(m.Borrowed) + ' ' + FormatMoney(m.BonusPool) +
         ' ' + std::to_string(m.Spins) + ' ' + std::to_string(m.PowerPts) + ' ' +
         std::to_string(m.Bet);
}

MachineState SettledView(const MachineState& m) {
  MachineState v = m;
  v.Credits += v.Wager;
  v.Wager = Money();
  // A won bonus pays the whole pool and the free spins' end starts it afresh; a pool paid in
  // whole coins may stand a cent below zero meanwhile, which no file keeps.
  if (v.FreeSpins > 0) v.BonusPool = PoolBaseCoins * v.CoinValue;
  v.BonusPool = std::max(v.BonusPool, Money());
  return v;
}

GameKeeper::GameKeeper(const GameState& game, MoneyOwner machine, PlayerIni& file,
                       PlayerRecord& record, ReplaceFaults* faults)
    : game_(game), machine_(machine), file_(file), record_(record), faults_(faults) {}

std::optional<SpinStart> GameKeeper::Restore() {
  const MachineState& m = game_.Machine;
  const std::string onDisk = ZandorMeters(m);
  zandorMeters_ = onDisk;
  const std::string settled = file_.ReadString(kGame, "Meters", "");
  if (settled.empty()) return std::nullopt;
  kept_ = true;
  // Someone else changed ZANDOR.INI: its meters win and PLAYER.INI's game is rewritten from
  // them, but the free spins still to come stay the player's.
  bool changedElsewhere = false;
  if (onDisk != settled) {
    // Only a crash between the two writes leaves ZANDOR.INI where [Game] says it was before.
    repaired_ = true;
    if (onDisk != file_.ReadString(kGame, "MetersBefore", "")) {
      changedElsewhere = true;
    } else {
      // Only what a keep could have written is carried forward; anything else leaves
      // ZANDOR.INI as it stands.
      const std::vector<std::string> w = Words(settled);
      int32_t bet = 0;
      Fortune f;
      if (w.size() != 6 || !Number(w[3], f.Spins) || !Number(w[4], f.PowerPts) ||
          !Number(w[5], bet) || bet < 0 || bet > 255 || !Meter(w[0], f.Credits) ||
          !Meter(w[1], f.Borrowed) || !Meter(w[2], f.BonusPool) || f.Spins < 0 ||
          f.PowerPts < 0 || f.PowerPts > 100)
        changedElsewhere = true;
      else
        machine_.CarryForward(f, static_cast<uint8_t>(bet));
    }
  }

  // What ZANDOR.INI has no key for and a crash would otherwise lose: the free spins still to
  // come, with the wager they repeat and the pool they play on (ZANDOR.INI holds the pool
  // their end leaves). A new start has no last wager and shows the reels at their first stops.
  const int32_t freeSpins = Counter(file_, kGame, "FreeSpins", FreeSpinAward);
  Money lastWager;
  std::optional<Money> pool;
  if (freeSpins > 0) {
    lastWager = std::clamp(Amount(file_, kGame, "LastWager"), Money(), 25 * m.CoinValue);
    if (m.BonusPool == PoolBaseCoins * m.CoinValue)
      pool = std::clamp(Amount(file_, kGame, "Pool"), Money(), MoneyMax);
  }
  machine_.CarryFreeSpins(freeSpins, Counter(file_, kGame, "FreeSpinCount", INT32_MAX), lastWager,
                          pool);
  if (changedElsewhere) return std::nullopt;

  const std::string seed = file_.ReadString(kSpin, "Seed", "");
  const auto stops = ReadStops(file_.ReadString(kSpin, "Stops", ""));
  SpinStart s;
  if (seed.empty() || !stops || !Number(seed, s.Spin.Seed)) return std::nullopt;
  // The stops follow from the seed alone: stops a keep could not have written void the spin.
  Lcg rng;
  if (PlanSpin(rng, s.Spin.Seed).Stops != *stops) return std::nullopt;
  s.Spin.Stops = *stops;
  s.Spin.Free = file_.ReadBool(kSpin, "Free", false);
  s.Spin.Wager = std::clamp(Amount(file_, kSpin, "Wager"), Money(), 25 * m.CoinValue);
  s.Spin.PoolShare = Amount(file_, kSpin, "PoolShare");
  s.Spin.CardDecided = file_.ReadBool(kSpin, "CardDecided", false);
  s.Spin.CardWin = std::max(Amount(file_, kSpin, "CardWin"), Money());
  s.Credits = Amount(file_, kSpin, "Credits");
  s.Borrowed = Amount(file_, kSpin, "Borrowed");
  s.BonusPool = Amount(file_, kSpin, "BonusPool");
  s.LastWager = Amount(file_, kSpin, "LastWager");
  s.Spins = Counter(file_, kSpin, "Spins", INT32_MAX);
  s.PowerPts = Counter(file_, kSpin, "PowerPts", 100);
  s.FreeSpins = Counter(file_, kSpin, "FreeSpins", FreeSpinAward);
  s.FreeSpinCount = Counter(file_, kSpin, "FreeSpinCount", INT32_MAX);
  if (!Number(file_.ReadString(kSpin, "Time", ""), s.Time) || s.Time < 0) s.Time = 0;
  // Neither the credits nor the debt nor the pool was ever below zero or past what the
  // machine keeps as a spin started.
  for (Money meter : {s.Credits, s.Borrowed, s.BonusPool, s.LastWager, s.Spin.PoolShare})
    if (meter < Money() || meter > MoneyMax) return std::nullopt;
  return s;
}

void GameKeeper::Resume(const SpinStart& start) {
  // A paid spin's wager is out of the credits and not yet in the record kept with the spin; a
  // free spin's was never paid.
  machine_.ResumeSpin({start.Credits, start.Borrowed, start.BonusPool, start.Spins,
                       start.FreeSpinCount, start.PowerPts},
                      start.LastWager, start.FreeSpins, start.Spin);
}

std::vector<std::string> GameKeeper::KeepSettled() {
  const MachineState& m = game_.Machine;
  GameState view = game_;
  view.Machine = SettledView(m);
  const std::string meters = ZandorMeters(view.Machine);

  StoreRecord(file_, record_);
  file_.WriteString(kGame, "Meters", meters);
  file_.WriteString(kGame, "MetersBefore", zandorMeters_);
  file_.WriteInteger(kGame, "FreeSpins", m.FreeSpins);
  file_.WriteInteger(kGame, "FreeSpinCount", m.FreeSpinCount);
  file_.WriteString(kGame, "LastWager", FormatMoney(m.LastWager));
  file_.WriteString(kGame, "Pool", FormatMoney(std::max(m.BonusPool, Money())));
  file_.WriteString(kGame, "Stops", StopsText(m.ReelStops));
  file_.KeepOnlyKeys(kGame, [](std::string_view key) { return OneOf(key, kGameKeys); });
  file_.KeepOnlyKeys(kSpin, [](std::string_view) { return false; });
  const bool playerKept = file_.Save();
  kept_ = kept_ || playerKept;

  std::vector<std::string> failed;
  const SaveResult saved = SaveSettings(view, faults_);
  if (saved.Ok) {
    zandorMeters_ = meters;
    repaired_ = !playerKept;
  } else {
    failed.push_back(saved.FailedPath);
  }
  if (!playerKept) failed.push_back(file_.Path());
  return failed;
}

bool GameKeeper::KeepSpin(const SpinInProgress& spin) {
  const MachineState& m = game_.Machine;
  if (!spin.CardDecided) {
    // The machine as the reels start, and the record as it stood then (a loan while the coins
    // went in is in both): what the completion starts from.
    StoreRecord(file_, record_);
    file_.WriteString(kSpin, "Seed", std::to_string(spin.Seed));
    file_.WriteString(kSpin, "Stops", StopsText(spin.Stops));
    file_.WriteBool(kSpin, "Free", spin.Free);
    file_.WriteString(kSpin, "Wager", FormatMoney(spin.Wager));
    file_.WriteString(kSpin, "PoolShare", FormatMoney(spin.PoolShare));
    file_.WriteString(kSpin, "Credits", FormatMoney(m.Credits));
    file_.WriteString(kSpin, "Borrowed", FormatMoney(m.Borrowed));
    file_.WriteString(kSpin, "BonusPool", FormatMoney(m.BonusPool));
    file_.WriteString(kSpin, "LastWager", FormatMoney(m.LastWager));
    file_.WriteInteger(kSpin, "Spins", m.Spins);
    file_.WriteInteger(kSpin, "PowerPts", m.PowerPts);
    file_.WriteInteger(kSpin, "FreeSpins", m.FreeSpins);
    file_.WriteInteger(kSpin, "FreeSpinCount", m.FreeSpinCount);
    file_.WriteString(kSpin, "Time", std::to_string(record_.Now()));
    file_.KeepOnlyKeys(kSpin, [](std::string_view key) { return OneOf(key, kSpinKeys); });
  }
  file_.WriteBool(kSpin, "CardDecided", spin.CardDecided);
  file_.WriteString(kSpin, "CardWin", FormatMoney(spin.CardWin));
  return file_.Save();
}

}  // namespace zandor

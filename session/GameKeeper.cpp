#include "session/GameKeeper.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <sstream>
#include <vector>

#include "machine/MoneyOwner.h"
#include "machine/SlotMachine.h"
#include "machine/SpinPlan.h"
#include "record/PlayerFile.h"
#include "store/MoneyText.h"
#include "store/PlayerKeys.h"

namespace zandor {

namespace {

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
int32_t Counter(int32_t read, int32_t most) { return std::clamp(read, 0, most); }

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
  const KeptGame kept = LoadKeys<KeptGame>(file_);
  const std::string& settled = kept.Meters;
  if (settled.empty()) return std::nullopt;
  kept_ = true;
  // Someone else changed ZANDOR.INI: its meters win and PLAYER.INI's game is rewritten from
  // them, but the free spins still to come stay the player's.
  bool changedElsewhere = false;
  if (onDisk != settled) {
    // Only a crash between the two writes leaves ZANDOR.INI where [Game] says it was before.
    repaired_ = true;
    if (onDisk != kept.MetersBefore) {
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
  const int32_t freeSpins = Counter(kept.FreeSpins, FreeSpinAward);
  Money lastWager;
  std::optional<Money> pool;
  if (freeSpins > 0) {
    lastWager = std::clamp(kept.LastWager, Money(), 25 * m.CoinValue);
    if (m.BonusPool == PoolBaseCoins * m.CoinValue) pool = std::clamp(kept.Pool, Money(), MoneyMax);
  }
  machine_.CarryFreeSpins(freeSpins, Counter(kept.FreeSpinCount, INT32_MAX), lastWager, pool);
  if (changedElsewhere) return std::nullopt;

  const KeptSpin spin = LoadKeys<KeptSpin>(file_);
  const KeptCard card = LoadKeys<KeptCard>(file_);
  const auto stops = ReadStops(spin.Stops);
  SpinStart s;
  if (spin.Seed.empty() || !stops || !Number(spin.Seed, s.Spin.Seed)) return std::nullopt;
  // The stops follow from the seed alone: stops a keep could not have written void the spin.
  Lcg rng;
  if (PlanSpin(rng, s.Spin.Seed).Stops != *stops) return std::nullopt;
  s.Spin.Stops = *stops;
  s.Spin.Free = spin.Free;
  s.Spin.Wager = std::clamp(spin.Wager, Money(), 25 * m.CoinValue);
  s.Spin.PoolShare = spin.PoolShare;
  s.Spin.CardDecided = card.CardDecided;
  s.Spin.CardWin = std::max(card.CardWin, Money());
  s.Credits = spin.Credits;
  s.Borrowed = spin.Borrowed;
  s.BonusPool = spin.BonusPool;
  s.LastWager = spin.LastWager;
  s.Spins = Counter(spin.Spins, INT32_MAX);
  s.PowerPts = Counter(spin.PowerPts, 100);
  s.FreeSpins = Counter(spin.FreeSpins, FreeSpinAward);
  s.FreeSpinCount = Counter(spin.FreeSpinCount, INT32_MAX);
  if (!Number(spin.Time, s.Time) || s.Time < 0) s.Time = 0;
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
  StoreKeys(file_, KeptGame{meters, zandorMeters_, m.FreeSpins, m.FreeSpinCount, m.LastWager,
                            std::max(m.BonusPool, Money()), StopsText(m.ReelStops)});
  // Any other key in [Game] is dropped, and the spin is over.
  KeepDeclaredKeys<KeptGame>(file_);
  file_.KeepOnlyKeys(SectionOf<KeptSpin>(), [](std::string_view) { return false; });
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
    StoreKeys(file_, KeptSpin{std::to_string(spin.Seed), StopsText(spin.Stops), spin.Free,
                              spin.Wager, spin.PoolShare, m.Credits, m.Borrowed, m.BonusPool,
                              m.LastWager, m.Spins, m.PowerPts, m.FreeSpins, m.FreeSpinCount,
                              std::to_string(record_.Now())});
    KeepDeclaredKeys<KeptSpin>(file_);
  }
  StoreKeys(file_, KeptCard{spin.CardDecided, spin.CardWin});
  return file_.Save();
}

}  // namespace zandor

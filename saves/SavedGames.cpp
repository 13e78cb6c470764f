#include "saves/SavedGames.h"

#include <langinfo.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <utility>

#include "store/IniDocument.h"
#include "store/MoneyText.h"
#include "store/PlayerIni.h"
#include "store/PlayerKeys.h"
#include "store/Utf8Text.h"

namespace zandor {

namespace {

std::string SectionOf(int n) { return "Saved Game " + std::to_string(n); }

// The meters of a save as POWER.INI holds them: a kept coin value belongs to this save only.
std::string SaveMeters(const GameRecord& r) {
  return FormatMoney(r.Credits) + ' ' + FormatMoney(r.Borrowed) + ' ' + FormatMoney(r.BonusPool) +
         ' ' + std::to_string(r.Spins) + ' ' + std::to_string(r.PowerPts);
}

// The coin value kept for a save with these meters: one of the machine's coins, or none.
std::optional<Money> KeptCoinValue(const std::optional<std::string>& slot, const GameRecord& r) {
  if (!slot) return std::nullopt;
  const std::string& kept = *slot;
  const size_t blank = kept.find(' ');
  if (blank == std::string::npos || kept.substr(blank + 1) != SaveMeters(r)) return std::nullopt;
  const std::string coin = kept.substr(0, blank);
  for (const CoinRow& row : CoinTable)
    if (coin == FormatMoney(row.Value)) return row.Value;
  return std::nullopt;
}

bool IsAsciiPunctuation(char c) {
  return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
         (c >= '{' && c <= '~');
}

// The first punctuation character of the format outside its conversions: "/" in "%m/%d/%y",
// "." in "%-d.%-m.%Y"; letters, digits, blanks and characters beyond ASCII ("%Y年%m月%d日")
// separate nothing we can write, so such a format gives "/".
char SeparatorOf(const char* fmt) {
  if (fmt == nullptr) return '/';
  for (const char* p = fmt; *p != '\0'; ++p) {
    if (*p == '%') {
      ++p;
      // Flags, a field width and the E or O modifier may stand between "%" and the conversion.
      while (*p == '-' || *p == '_' || *p == '0' || *p == '^' || *p == '#') ++p;
      while (*p >= '0' && *p <= '9') ++p;
      if (*p == 'E' || *p == 'O') ++p;
      if (*p == '\0') break;
      continue;
    }
    if (IsAsciiPunctuation(*p)) return *p;
  }
  return '/';
}

}  // namespace

std::string DateText(int month, int day, int year, const char* localeDateFormat) {
  char sep = SeparatorOf(localeDateFormat);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%02d%c%02d%c%02d", month % 100, sep, day % 100, sep,
                ((year % 100) + 100) % 100);
  return buf;
}

std::string TodayText() {
  std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  return DateText(t.tm_mon + 1, t.tm_mday, t.tm_year + 1900, nl_langinfo(D_FMT));
}

SavedGameTable::SavedGameTable(std::string settingsDir, PlayerIni& playerFile)
    : settingsDir_(std::move(settingsDir)), playerFile_(playerFile) {}

std::string SavedGameTable::PowerIni() const { return settingsDir_ + "POWER.INI"; }

void SavedGameTable::Read() {
  const IniDocument ini(PowerIni());
  const std::string today = TodayText();
  KeptSaves kept = LoadKeys<KeptSaves>(playerFile_);
  for (int n = 1; n <= 8; ++n) {
    const std::string section = SectionOf(n);
    const auto money = [&](const char* key, const char* def) {
      return ParseMoney(std::string_view(ini.ReadString(section, key, def)).substr(0, 30));
    };
    SavedGame& s = Slots[n - 1];
    s.Name = FirstCharacters(ini.ReadString(section, "Name", "Game #" + std::to_string(n)), 100);
    s.Spins = ini.ReadInteger(section, "Spins", 0);
    s.Date = FirstCharacters(ini.ReadString(section, "Date", today), 9);
    s.Credits = money("Credits", "1000");
    s.Borrowed = money("Borrowed", "1000");
    s.BonusPool = money("BonusPool", "10000");
    s.PowerPts = ini.ReadInteger(section, "PowerPts", 0);
    // A pool the file does not hold is the default's, which no save ever had.
    s.HasPool = ini.Find(section, "BonusPool").has_value();
    s.CoinValue = s.HasPool ? KeptCoinValue(kept.Slots[n - 1], s) : std::nullopt;
    // What is kept of a save POWER.INI no longer holds would only mislead a later read.
    if (!s.CoinValue) kept.Slots[n - 1].reset();
  }
  StoreKeys(playerFile_, kept);
  KeepDeclaredKeys<KeptSaves>(playerFile_);
}

SaveResult SavedGameTable::Save(const MachineState& m, int n, const std::string& name) {
  if (n < 1 || n > 8) return {false, PowerIni()};
  SavedGame& s = Slots[n - 1];
  static_cast<GameRecord&>(s) = GameRecord::Of(m);
  s.Date = TodayText();
  s.Name = FirstCharacters(name, 100);
  s.HasPool = true;
  s.CoinValue = m.CoinValue;
  return Write(m, n, name);
}

SaveResult SavedGameTable::Write(const MachineState& m, int n, const std::string& name) const {
  if (n < 1 || n > 8) return {false, PowerIni()};
  const GameRecord r = GameRecord::Of(m);
  IniDocument ini(PowerIni());
  const std::string section = SectionOf(n);
  ini.WriteString(section, "Name", FirstCharacters(name, 255));
  ini.WriteInteger(section, "Spins", r.Spins);
  ini.WriteString(section, "Date", TodayText());
  ini.WriteString(section, "Credits", FormatMoney(r.Credits));
  ini.WriteString(section, "Borrowed", FormatMoney(r.Borrowed));
  ini.WriteString(section, "BonusPool", FormatMoney(r.BonusPool));
  ini.WriteInteger(section, "PowerPts", r.PowerPts);
  if (!ini.Save()) return {false, ini.Path()};
  // Only a save that reached the disk gets its coin value; the player's file is written by
  // the next keep, and a crash before it leaves the save read as one without.
  KeptSaves kept = LoadKeys<KeptSaves>(playerFile_);
  kept.Slots[n - 1] = FormatMoney(m.CoinValue) + ' ' + SaveMeters(r);
  StoreKeys(playerFile_, kept);
  return {};
}

void SavedGameTable::Open(int n, MoneyOwner machine) const {
  if (n < 1 || n > 8) return;
  GameRecord game = Slots[n - 1];
  game.BonusPool = OpenedPool(Slots[n - 1], machine.State().CoinValue);
  machine.ReplaceGame(game);
}

Money LikelyCoinValue(Money pool) {
  // The coin table runs from the largest coin down: the first that fits leaves fewest coins.
  for (const CoinRow& row : CoinTable)
    if (pool.InCents() % row.Value.InCents() == 0 && pool >= PoolBaseCoins * row.Value)
      return row.Value;
  return CoinTable.front().Value;
}

Money OpenedPool(const SavedGame& slot, Money coinValue) {
  const Money fresh = PoolBaseCoins * coinValue;
  if (!slot.HasPool || coinValue <= Money()) return fresh;
  const Money savedAt = slot.CoinValue.value_or(LikelyCoinValue(slot.BonusPool));
  // At the coin it was saved at the pool is what it was, to the cent.
  if (savedAt == coinValue) return std::max(slot.BonusPool, fresh);
  // Rounded down to whole coins: the pool pays a part of a coin as a whole one.
  const int64_t coins = std::max<int64_t>(slot.BonusPool.InCents(), 0) / savedAt.InCents();
  const int64_t most = MoneyMax.InCents() / coinValue.InCents();
  return std::max(coinValue * std::min(coins, most), fresh);
}

}  // namespace zandor

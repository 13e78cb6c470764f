#include "saves/SavedGames.h"

#include <langinfo.h>

#include <cstdio>
#include <ctime>
#include <utility>

#include "store/IniDocument.h"
#include "store/MoneyText.h"
#include "store/Utf8Text.h"

namespace zandor {

namespace {

std::string SectionOf(int n) { return "Saved Game " + std::to_string(n); }

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

SavedGameTable::SavedGameTable(std::string settingsDir) : settingsDir_(std::move(settingsDir)) {}

std::string SavedGameTable::PowerIni() const { return settingsDir_ + "POWER.INI"; }

void SavedGameTable::Read() {
  const IniDocument ini(PowerIni());
  const std::string today = TodayText();
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
  }
}

SaveResult SavedGameTable::Save(const MachineState& m, int n, const std::string& name) {
  if (n < 1 || n > 8) return {false, PowerIni()};
  SavedGame& s = Slots[n - 1];
  static_cast<GameRecord&>(s) = GameRecord::Of(m);
  s.Date = TodayText();
  s.Name = FirstCharacters(name, 100);
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
  if (ini.Save()) return {};
  return {false, ini.Path()};
}

void SavedGameTable::Open(int n, MoneyOwner machine) const {
  if (n < 1 || n > 8) return;
  machine.ReplaceGame(Slots[n - 1]);
}

}  // namespace zandor

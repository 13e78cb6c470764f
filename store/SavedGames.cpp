#include "store/SavedGames.h"

#include <langinfo.h>

#include <cstdio>
#include <ctime>

#include "store/Money.h"
#include "store/TIniFile.h"

namespace {

std::string SectionOf(int n) { return "Saved Game " + std::to_string(n); }

std::string PowerIni(const TGame& g) { return g.SettingsDir + "POWER.INI"; }

// The first character of the format that is not part of a conversion: "/" in "%m/%d/%y",
// "." in "%d.%m.%Y".
char SeparatorOf(const char* fmt) {
  if (fmt == nullptr) return '/';
  for (const char* p = fmt; *p != '\0'; ++p) {
    if (*p == '%') {
      ++p;
      if (*p == 'E' || *p == 'O') ++p;
      if (*p == '\0') break;
      continue;
    }
    return *p;
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

void ReadSavedGames(const TGame& g) {
  TIniFile ini(PowerIni(g));
  std::string today = TodayText();
  for (int n = 1; n <= 8; ++n) {
    std::string section = SectionOf(n);
    TSavedGame& s = SavedGames[n - 1];
    s.Name = ini.ReadString(section, "Name", "Game #" + std::to_string(n)).substr(0, 100);
    s.Spins = ini.ReadInteger(section, "Spins", 0);
    s.Date = ini.ReadString(section, "Date", today).substr(0, 9);
    s.Credits = ParseMoney(ini.ReadString(section, "Credits", "1000").substr(0, 30));
    s.Borrowed = ParseMoney(ini.ReadString(section, "Borrowed", "1000").substr(0, 30));
    s.BonusPool = ParseMoney(ini.ReadString(section, "BonusPool", "10000").substr(0, 30));
    s.PowerPts = ini.ReadInteger(section, "PowerPts", 0);
  }
}

SaveResult SaveIntoSlot(const TGame& g, int n, const std::string& name) {
  if (n < 1 || n > 8) return {false, PowerIni(g)};
  TSavedGame& s = SavedGames[n - 1];
  s.Credits = g.Credits;
  s.Borrowed = g.Borrowed;
  s.Spins = g.Spins;
  s.BonusPool = g.BonusPool;
  s.FreeSpinCount = g.FreeSpinCount;
  s.PowerPts = g.PowerPts;
  s.Date = TodayText();
  s.Name = name.substr(0, 100);
  return WriteSavedGame(g, n, name);
}

SaveResult WriteSavedGame(const TGame& g, int n, const std::string& name) {
  SaveResult r;
  if (n < 1 || n > 8) return {false, PowerIni(g)};
  TIniFile ini(PowerIni(g));
  std::string section = SectionOf(n);
  // Each key is its own atomic write; the first failure ends the save.
  bool ok = ini.WriteString(section, "Name", name.substr(0, 255)) &&
            ini.WriteInteger(section, "Spins", g.Spins) &&
            ini.WriteString(section, "Date", TodayText()) &&
            ini.WriteString(section, "Credits", FormatMoney(g.Credits)) &&
            ini.WriteString(section, "Borrowed", FormatMoney(g.Borrowed)) &&
            ini.WriteString(section, "BonusPool", FormatMoney(g.BonusPool)) &&
            ini.WriteInteger(section, "PowerPts", g.PowerPts);
  if (!ok) {
    r.Ok = false;
    r.FailedPath = ini.Path();
  }
  return r;
}

void OpenSlot(TGame& g, int n) {
  if (n < 1 || n > 8) return;
  const TSavedGame& s = SavedGames[n - 1];
  g.Credits = s.Credits;
  g.Borrowed = s.Borrowed;
  g.Spins = s.Spins;
  g.BonusPool = s.BonusPool;
  g.FreeSpinCount = s.FreeSpinCount;
  g.PowerPts = s.PowerPts;
}

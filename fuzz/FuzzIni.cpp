// The INI reader and writer on arbitrary files: reads never crash and stay within their
// limits, a write changes exactly one line (or adds one, or a section and one), reads back
// what was written and leaves every other key alone, and the settings file survives a
// load, save and load with the values it held.
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "machine/GameState.h"
#include "saves/SavedGames.h"
#include "store/IniFile.h"
#include "store/MoneyText.h"
#include "store/Settings.h"
#include "store/Utf8Text.h"

using namespace zandor;

namespace {

// A default no file can hold: it marks a missing section or key.
const std::string kMissing =
    "\x01"
    "missing";

// The file as lines, split on LF the way the reader does (a CR stays with its line, a UTF-8
// byte-order mark at the start belongs to no line).
std::vector<std::string> Lines(const std::string& data) {
  std::vector<std::string> lines;
  size_t start = data.starts_with("\xEF\xBB\xBF") ? 3 : 0;
  while (start < data.size()) {
    size_t nl = data.find('\n', start);
    if (nl == std::string::npos) nl = data.size();
    lines.push_back(data.substr(start, nl - start));
    start = nl + 1;
  }
  return lines;
}

std::string Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return std::string(s.substr(b, e - b));
}

bool SameName(std::string a, std::string b) {
  for (char& c : a) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (char& c : b) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return a == b;
}

struct Probe {
  const char* Section;
  const char* Key;
};
const Probe kProbes[] = {{"Settings", "Credits"},
                         {"settings", "BACKBMP"},
                         {"Settings", "Speed"},
                         {"Saved Game 1", "Name"},
                         {"Saved Game 8", "Credits"},
                         {"Fuzz", "Key"},
                         {"Fuzz", "Other"},
                         {"", ""},
                         {"Settings", ""},
                         {"", "Key"}};

std::vector<std::string> ReadProbes(const IniFile& ini) {
  std::vector<std::string> out;
  for (const Probe& p : kProbes) {
    std::string v = ini.ReadString(p.Section, p.Key, kMissing);
    FUZZ_CHECK(v == kMissing || CharacterCount(v) <= 1023);
    out.push_back(v);
  }
  return out;
}

// The integer and boolean reads of every probe agree with each other.
void CheckNumbers(const IniFile& ini) {
  for (const Probe& p : kProbes) {
    const int32_t a = ini.ReadInteger(p.Section, p.Key, 12345);
    const int32_t b = ini.ReadInteger(p.Section, p.Key, -7);
    // Either the value is an integer (both reads agree) or each read gives its own default.
    FUZZ_CHECK(a == b || (a == 12345 && b == -7));
    FUZZ_CHECK(ini.ReadBool(p.Section, p.Key, true) == (a != 0));
    FUZZ_CHECK(ini.ReadBool(p.Section, p.Key, false) == (b != 0 && !(a == 12345 && b == -7)));
  }
}

// Writes one key and checks the file changed by that key line alone.
void CheckWrite(IniFile& ini, const ScratchFolder& dir, const std::string& name,
                const std::string& section, const std::string& key, const std::string& value) {
  const bool marked = dir.Read(name).starts_with("\xEF\xBB\xBF");
  const std::vector<std::string> before = Lines(dir.Read(name));
  const std::vector<std::string> probesBefore = ReadProbes(ini);
  FUZZ_CHECK(ini.WriteString(section, key, value));
  const std::vector<std::string> after = Lines(dir.Read(name));
  FUZZ_CHECK(marked == dir.Read(name).starts_with("\xEF\xBB\xBF"));

  std::string safe = value;
  for (char& c : safe) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  const std::string keyLine = key + "=" + safe;
  if (after.size() == before.size()) {
    size_t changed = 0;
    for (size_t i = 0; i < after.size(); ++i) {
      if (after[i] != before[i]) {
        ++changed;
        FUZZ_CHECK(after[i] == keyLine);
      }
    }
    FUZZ_CHECK(changed <= 1);
  } else if (after.size() == before.size() + 1) {
    size_t i = 0;
    while (i < before.size() && after[i] == before[i]) ++i;
    FUZZ_CHECK(after[i] == keyLine);
    for (size_t j = i; j < before.size(); ++j) FUZZ_CHECK(after[j + 1] == before[j]);
  } else {
    FUZZ_CHECK(after.size() == before.size() + 2);
    for (size_t i = 0; i < before.size(); ++i) FUZZ_CHECK(after[i] == before[i]);
    FUZZ_CHECK(after[before.size()] == "[" + section + "]");
    FUZZ_CHECK(after[before.size() + 1] == keyLine);
  }

  FUZZ_CHECK(ini.ReadString(section, key, kMissing) == FirstCharacters(Trim(safe), 1023));
  const std::vector<std::string> probesAfter = ReadProbes(ini);
  for (size_t i = 0; i < probesAfter.size(); ++i) {
    const Probe& p = kProbes[i];
    const bool written = SameName(p.Section, section) && SameName(p.Key, key);
    if (!written) FUZZ_CHECK(probesAfter[i] == probesBefore[i]);
  }
}

// A text as the file gives it back after a save: line breaks become blanks, and the
// blanks around a value are not kept.
std::string AsStored(const std::string& s) {
  std::string t = s;
  for (char& c : t) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return Trim(t);
}

// Money read from a file is whole cents the text can hold, so it survives a save exactly.
bool Holdable(Money m) { return m.InCents() >= -99999999999 && m.InCents() <= 999999999999; }
void CheckMoney(Money first, Money second) { FUZZ_CHECK(Holdable(first) && first == second); }

GameState FreshGame(const std::string& settingsDir) {
  GameState g;
  g.Dirs.Program = "/nonexistent/zandor/";
  g.SetFileDefaults();
  g.Dirs.Settings = settingsDir;
  return g;
}

// A game saved into a slot under any name reads back with that name as the file keeps it,
// and the other seven slots stay as they were.
void CheckSlotSave(SavedGameTable& table, const MachineState& m, int slot,
                   const std::string& name) {
  const std::array<SavedGame, 8> before = table.Slots;
  FUZZ_CHECK(table.Write(m, slot, name).Ok);
  table.Read();
  FUZZ_CHECK(table.Slots[slot - 1].Name ==
             FirstCharacters(AsStored(FirstCharacters(name, 255)), 100));
  FUZZ_CHECK(table.Slots[slot - 1].Spins == m.Spins);
  FUZZ_CHECK(table.Slots[slot - 1].PowerPts == m.PowerPts);
  for (int n = 1; n <= 8; ++n) {
    if (n == slot) continue;
    const SavedGame& a = before[n - 1];
    const SavedGame& b = table.Slots[n - 1];
    FUZZ_CHECK(a.Name == b.Name && a.Spins == b.Spins && a.PowerPts == b.PowerPts);
    FUZZ_CHECK(a.Credits == b.Credits && a.Borrowed == b.Borrowed && a.BonusPool == b.BonusPool);
  }
}

void CheckSettings(const ScratchFolder& dir, const uint8_t* data, size_t size,
                   const std::string& name) {
  const std::string settingsDir = dir.Path() + "settings/";
  std::filesystem::create_directories(settingsDir);
  dir.Write("settings/ZANDOR.INI", data, size);
  GameState first = FreshGame(settingsDir);
  first = LoadSettings(first);
  FUZZ_CHECK(CharacterCount(first.Options.BackBitmap) <= 255 &&
             CharacterCount(first.Sound.WinFile) <= 255);
  for (const std::string& n : first.Music.SongNames) FUZZ_CHECK(CharacterCount(n) <= 12);
  for (const std::string& s : first.Music.SongFiles) FUZZ_CHECK(CharacterCount(s) <= 255);
  FUZZ_CHECK(SaveSettings(first).Ok);

  GameState second = FreshGame(settingsDir);
  second = LoadSettings(second);
  CheckMoney(first.Machine.Credits, second.Machine.Credits);
  CheckMoney(first.Machine.Borrowed, second.Machine.Borrowed);
  CheckMoney(first.Machine.BonusPool, second.Machine.BonusPool);
  FUZZ_CHECK(first.Machine.Spins == second.Machine.Spins &&
             first.Machine.PowerPts == second.Machine.PowerPts);
  FUZZ_CHECK(first.Machine.Speed == second.Machine.Speed &&
             first.Machine.Bet == second.Machine.Bet);
  FUZZ_CHECK(first.Options.BackColor == second.Options.BackColor &&
             first.Options.BackMode == second.Options.BackMode);
  FUZZ_CHECK(first.Options.Maxed == second.Options.Maxed &&
             first.Options.AceyDucey == second.Options.AceyDucey);
  FUZZ_CHECK(first.Sound.On == second.Sound.On && first.Music.On == second.Music.On);
  FUZZ_CHECK(first.Sound.Coins == second.Sound.Coins &&
             first.Sound.Credits == second.Sound.Credits);
  FUZZ_CHECK(first.Sound.Spin == second.Sound.Spin && first.Sound.Stop == second.Sound.Stop);
  FUZZ_CHECK(first.Sound.Win == second.Sound.Win && first.Sound.Bonus == second.Sound.Bonus);
  FUZZ_CHECK(first.Sound.Lose == second.Sound.Lose &&
             first.Sound.PowerDown == second.Sound.PowerDown);
  FUZZ_CHECK(first.Sound.PowerUp == second.Sound.PowerUp &&
             first.Music.Selected == second.Music.Selected);
  FUZZ_CHECK(AsStored(first.Options.BackBitmap) == second.Options.BackBitmap);
  FUZZ_CHECK(AsStored(first.Sound.WinFile) == second.Sound.WinFile);
  FUZZ_CHECK(AsStored(first.Sound.LoseFile) == second.Sound.LoseFile);
  FUZZ_CHECK(AsStored(first.Sound.BonusFile) == second.Sound.BonusFile);
  FUZZ_CHECK(AsStored(first.Sound.PowerDownFile) == second.Sound.PowerDownFile);
  FUZZ_CHECK(AsStored(first.Sound.PowerUpFile) == second.Sound.PowerUpFile);
  for (int i = 0; i < 8; ++i) {
    FUZZ_CHECK(AsStored(first.Music.SongFiles[i]) == second.Music.SongFiles[i]);
    FUZZ_CHECK(AsStored(first.Music.SongNames[i]) == second.Music.SongNames[i]);
  }

  // The same bytes as the saved-games file: every slot reads within its limits.
  dir.Write("settings/POWER.INI", data, size);
  PlayerIni playerFile(settingsDir);
  SavedGameTable table(settingsDir, playerFile);
  table.Read();
  for (const SavedGame& s : table.Slots) {
    FUZZ_CHECK(CharacterCount(s.Name) <= 100 && CharacterCount(s.Date) <= 9);
    FUZZ_CHECK(Holdable(s.Credits) && Holdable(s.Borrowed) && Holdable(s.BonusPool));
  }
  CheckSlotSave(table, first.Machine, 1 + (size > 0 ? data[size - 1] % 8 : 0), name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const ScratchFolder& dir = FuzzDir();
  const std::string path = dir.Write("fuzz.ini", data, size);
  IniFile ini(path);
  CheckNumbers(ini);

  // The value written is the input's first line, so it may hold blanks, CRs, NULs, '=' or
  // be longer than a value can be read back.
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::string value = text.substr(0, std::min(text.find('\n'), size_t{1100}));
  CheckWrite(ini, dir, "fuzz.ini", "Settings", "Credits", value);
  CheckWrite(ini, dir, "fuzz.ini", "Fuzz", "Key", value);

  CheckSettings(dir, data, size, value);
  return 0;
}

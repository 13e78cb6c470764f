#include "store/Settings.h"

#include <sys/stat.h>

#include <cerrno>
#include <string>

#include "store/Money.h"
#include "store/TIniFile.h"

namespace {

const std::string kSection = "Settings";

Money ReadMoney(const TIniFile& ini, const char* key, Money current) {
  std::string text = ini.ReadString(kSection, key, FormatMoneyPadded(current));
  return ParseMoney(std::string_view(text).substr(0, 30));
}

std::string ReadText(const TIniFile& ini, const std::string& key, const std::string& current,
                     size_t limit) {
  return ini.ReadString(kSection, key, current).substr(0, limit);
}

// mkdir -p: every missing folder of the path, the last one included.
void MakeFolders(const std::string& dir) {
  for (size_t i = 1; i <= dir.size(); ++i) {
    if (i == dir.size() || dir[i] == '/') {
      std::string part = dir.substr(0, i);
      if (!part.empty()) ::mkdir(part.c_str(), 0755);
    }
  }
}

// Writes the keys one after another and remembers the first that failed; later ones are skipped.
class Writer {
 public:
  explicit Writer(const std::string& path) : ini_(path) {}
  void Text(const std::string& key, const std::string& value) {
    if (ok_) ok_ = ini_.WriteString(kSection, key, value);
  }
  void Int(const std::string& key, int32_t value) {
    if (ok_) ok_ = ini_.WriteInteger(kSection, key, value);
  }
  void Bool(const std::string& key, bool value) {
    if (ok_) ok_ = ini_.WriteBool(kSection, key, value);
  }
  SaveResult Result() const {
    SaveResult r;
    r.Ok = ok_;
    if (!ok_) r.FailedPath = ini_.Path();
    return r;
  }

 private:
  TIniFile ini_;
  bool ok_ = true;
};

}  // namespace

void LoadSettings(TGame& g) {
  TIniFile ini(g.SettingsDir + "ZANDOR.INI");
  g.Credits = ReadMoney(ini, "Credits", g.Credits);
  g.Borrowed = ReadMoney(ini, "Borrowed", g.Borrowed);
  g.BonusPool = ReadMoney(ini, "BonusPool", g.BonusPool);
  g.Spins = ini.ReadInteger(kSection, "Spins", 0);
  g.Maxed = ini.ReadBool(kSection, "Maxed", false);
  g.Sound = ini.ReadBool(kSection, "Sound", g.Sound);
  g.MusicOn = ini.ReadBool(kSection, "MusicOn", g.MusicOn);
  g.sndCoins = ini.ReadBool(kSection, "sndCoins", g.sndCoins);
  g.sndCredits = ini.ReadBool(kSection, "sndCredits", g.sndCredits);
  g.sndSpin = ini.ReadBool(kSection, "sndSpin", g.sndSpin);
  g.sndStop = ini.ReadBool(kSection, "sndStop", g.sndStop);
  g.sndWin = ini.ReadBool(kSection, "sndWin", g.sndWin);
  g.sndBonus = ini.ReadBool(kSection, "sndBonus", g.sndBonus);
  g.sndLose = ini.ReadBool(kSection, "sndLose", g.sndLose);
  g.sndPowerDown = ini.ReadBool(kSection, "sndPowerDown", g.sndPowerDown);
  g.sndPowerUp = ini.ReadBool(kSection, "sndPowerUp", g.sndPowerUp);
  g.PowerPts = ini.ReadInteger(kSection, "PowerPts", 0);
  // These three are bytes: only the low eight bits of what the file holds are kept.
  g.Speed = static_cast<uint8_t>(ini.ReadInteger(kSection, "Speed", g.Speed));
  g.Bet = static_cast<uint8_t>(ini.ReadInteger(kSection, "Bet", g.Bet));
  g.BackColor = ini.ReadInteger(kSection, "BackColor", g.BackColor);
  g.BackMode = static_cast<uint8_t>(ini.ReadInteger(kSection, "BackMode", g.BackMode));
  g.BackBMP = ReadText(ini, "BackBMP", g.BackBMP, 255);
  g.WinSound = ReadText(ini, "WinSound", g.WinSound, 255);
  g.LoseSound = ReadText(ini, "LoseSound", g.LoseSound, 255);
  g.BonusSound = ReadText(ini, "BonusSound", g.BonusSound, 255);
  g.PowerDownSound = ReadText(ini, "PowerDownSound", g.PowerDownSound, 255);
  g.PowerUpSound = ReadText(ini, "PowerUpSound", g.PowerUpSound, 255);
  for (int i = 0; i < 8; ++i) {
    g.PlayList[i] = ini.ReadBool(kSection, "PlayList" + std::to_string(i), true);
  }
  for (int i = 0; i < 8; ++i) {
    g.MIDISong[i] = ReadText(ini, "MIDISong" + std::to_string(i), g.MIDISong[i], 255);
  }
  for (int i = 0; i < 8; ++i) {
    g.MIDIName[i] = ReadText(ini, "MIDIName" + std::to_string(i), g.MIDIName[i], 12);
  }
  g.AceyDucey = ini.ReadBool(kSection, "AceyDucey", true);
}

SaveResult SaveSettings(const TGame& g) {
  if (!g.SettingsDir.empty()) MakeFolders(g.SettingsDir);
  Writer w(g.SettingsDir + "ZANDOR.INI");
  w.Text("Credits", FormatMoney(g.Credits));
  w.Text("Borrowed", FormatMoney(g.Borrowed));
  w.Text("BonusPool", FormatMoney(g.BonusPool));
  w.Int("Spins", g.Spins);
  w.Bool("Maxed", g.Maxed);
  w.Bool("Sound", g.Sound);
  w.Bool("MusicOn", g.MusicOn);
  w.Bool("sndCoins", g.sndCoins);
  w.Bool("sndCredits", g.sndCredits);
  w.Bool("sndSpin", g.sndSpin);
  w.Bool("sndStop", g.sndStop);
  w.Bool("sndWin", g.sndWin);
  w.Bool("sndBonus", g.sndBonus);
  w.Bool("sndLose", g.sndLose);
  w.Bool("sndPowerDown", g.sndPowerDown);
  w.Bool("sndPowerUp", g.sndPowerUp);
  w.Int("PowerPts", g.PowerPts);
  w.Int("Speed", g.Speed);
  w.Int("Bet", g.Bet);
  w.Int("BackColor", g.BackColor);
  w.Int("BackMode", g.BackMode);
  w.Text("BackBMP", g.BackBMP);
  w.Text("WinSound", g.WinSound);
  w.Text("LoseSound", g.LoseSound);
  w.Text("BonusSound", g.BonusSound);
  w.Text("PowerDownSound", g.PowerDownSound);
  w.Text("PowerUpSound", g.PowerUpSound);
  for (int i = 0; i < 8; ++i) w.Bool("PlayList" + std::to_string(i), g.PlayList[i]);
  for (int i = 0; i < 8; ++i) w.Text("MIDISong" + std::to_string(i), g.MIDISong[i]);
  for (int i = 0; i < 8; ++i) w.Text("MIDIName" + std::to_string(i), g.MIDIName[i]);
  w.Bool("AceyDucey", g.AceyDucey);
  return w.Result();
}

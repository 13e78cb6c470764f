#include "audio/Volume.h"

#include <filesystem>

#include "store/TIniFile.h"

namespace {

constexpr const char* kSection = "Volume";

int ReadPercent(const TIniFile& ini, const char* key) {
  const int v = ini.ReadInteger(kSection, key, -1);
  return v >= 0 && v <= 100 ? v : 100;
}

}  // namespace

std::string PlayerIniPath(const std::string& settingsDir) { return settingsDir + "PLAYER.INI"; }

Volume LoadVolume(const std::string& settingsDir) {
  const TIniFile ini(PlayerIniPath(settingsDir));
  return {ReadPercent(ini, "Effects"), ReadPercent(ini, "Music")};
}

bool SaveVolume(const std::string& settingsDir, const Volume& volume) {
  std::error_code ec;
  // The settings folder is made on the first save of any of the game's files.
  if (!settingsDir.empty()) std::filesystem::create_directories(settingsDir, ec);
  TIniFile ini(PlayerIniPath(settingsDir));
  const bool effects = ini.WriteInteger(kSection, "Effects", volume.Effects);
  return ini.WriteInteger(kSection, "Music", volume.Music) && effects;
}

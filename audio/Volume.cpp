#include "audio/Volume.h"

#include "store/IniDocument.h"

namespace {

constexpr const char* kSection = "Volume";

int ReadPercent(const IniDocument& ini, const char* key) {
  const int v = ini.ReadInteger(kSection, key, -1);
  return v >= 0 && v <= 100 ? v : 100;
}

}  // namespace

Volume LoadVolume(const std::string& settingsDir) {
  const IniDocument ini(PlayerIniPath(settingsDir));
  return {ReadPercent(ini, "Effects"), ReadPercent(ini, "Music")};
}

bool SaveVolume(const std::string& settingsDir, const Volume& volume) {
  // Both keys in one atomic replace, with the file's other sections as they were.
  IniDocument ini(PlayerIniPath(settingsDir));
  ini.WriteInteger(kSection, "Effects", volume.Effects);
  ini.WriteInteger(kSection, "Music", volume.Music);
  return ini.Save();
}

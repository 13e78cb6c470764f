#include "audio/Volume.h"

#include "store/PlayerIni.h"

namespace zandor {

namespace {

constexpr const char* kSection = "Volume";

int ReadPercent(const PlayerIni& file, const char* key) {
  const int v = file.ReadInteger(kSection, key, -1);
  return v >= 0 && v <= 100 ? v : 100;
}

}  // namespace

Volume LoadVolume(const PlayerIni& file) {
  return {ReadPercent(file, "Effects"), ReadPercent(file, "Music")};
}

void StoreVolume(PlayerIni& file, const Volume& volume) {
  file.WriteInteger(kSection, "Effects", volume.Effects);
  file.WriteInteger(kSection, "Music", volume.Music);
}

}  // namespace zandor

#include "audio/Volume.h"

#include "store/PlayerKeys.h"

namespace zandor {

namespace {

int Percent(const std::optional<int32_t>& v) { return v && *v >= 0 && *v <= 100 ? *v : 100; }

}  // namespace

Volume LoadVolume(const PlayerIni& file) {
  const KeptVolume v = LoadKeys<KeptVolume>(file);
  return {Percent(v.Effects), Percent(v.Music)};
}

void StoreVolume(PlayerIni& file, const Volume& volume) {
  StoreKeys(file, KeptVolume{volume.Effects, volume.Music});
}

}  // namespace zandor

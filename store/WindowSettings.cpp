#include "store/WindowSettings.h"

#include "store/PlayerKeys.h"

namespace zandor {

bool LoadFullScreen(const PlayerIni& file) { return LoadKeys<KeptWindow>(file).FullScreen; }

void StoreFullScreen(PlayerIni& file, bool on) {
  KeptWindow w = LoadKeys<KeptWindow>(file);
  w.FullScreen = on;
  StoreKeys(file, w);
}

std::optional<WindowPlace> LoadWindowPlace(const PlayerIni& file) {
  const KeptWindow w = LoadKeys<KeptWindow>(file);
  if (!w.X || !w.Y) return std::nullopt;
  return WindowPlace{*w.X, *w.Y};
}

void StoreWindowPlace(PlayerIni& file, const WindowPlace& place) {
  KeptWindow w = LoadKeys<KeptWindow>(file);
  w.X = place.X;
  w.Y = place.Y;
  StoreKeys(file, w);
}

}  // namespace zandor

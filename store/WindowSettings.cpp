#include "store/WindowSettings.h"

#include "store/PlayerIni.h"

namespace zandor {

namespace {

const std::string kSection = "Window";

}  // namespace

bool LoadFullScreen(const PlayerIni& file) {
  int32_t value = 0;
  const std::string text = file.ReadString(kSection, "FullScreen", "0");
  // Only 0 and 1 are ours; anything else is damage and reads as the default.
  return ParseIniInteger(text, value) && value == 1;
}

void StoreFullScreen(PlayerIni& file, bool on) { file.WriteBool(kSection, "FullScreen", on); }

std::optional<WindowPlace> LoadWindowPlace(const PlayerIni& file) {
  WindowPlace place;
  if (!ParseIniInteger(file.ReadString(kSection, "X", ""), place.X) ||
      !ParseIniInteger(file.ReadString(kSection, "Y", ""), place.Y))
    return std::nullopt;
  return place;
}

void StoreWindowPlace(PlayerIni& file, const WindowPlace& place) {
  file.WriteInteger(kSection, "X", place.X);
  file.WriteInteger(kSection, "Y", place.Y);
}

}  // namespace zandor

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

}  // namespace zandor

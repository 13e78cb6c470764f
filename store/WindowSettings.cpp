#include "store/WindowSettings.h"

#include "store/IniDocument.h"
#include "store/Settings.h"

bool LoadFullScreen(const std::string& settingsDir) {
  int32_t value = 0;
  const std::string text =
      IniDocument(PlayerIniPath(settingsDir)).ReadString("Window", "FullScreen", "0");
  // Only 0 and 1 are ours; anything else is damage and reads as the default.
  return ParseIniInteger(text, value) && value == 1;
}

std::string SaveFullScreen(const std::string& settingsDir, bool on) {
  IniDocument ini(PlayerIniPath(settingsDir));
  ini.WriteBool("Window", "FullScreen", on);
  return ini.Save() ? std::string() : ini.Path();
}

#include "store/WindowSettings.h"

#include <filesystem>

#include "store/TIniFile.h"

bool LoadFullScreen(const std::string& settingsDir) {
  int32_t value = 0;
  const std::string text =
      TIniFile(settingsDir + "PLAYER.INI").ReadString("Window", "FullScreen", "0");
  // Only 0 and 1 are ours; anything else is damage and reads as the default.
  return ParseIniInteger(text, value) && value == 1;
}

std::string SaveFullScreen(const std::string& settingsDir, bool on) {
  // The settings folder is made on the first save, whichever file comes first.
  std::error_code ec;
  if (!settingsDir.empty()) std::filesystem::create_directories(settingsDir, ec);
  TIniFile ini(settingsDir + "PLAYER.INI");
  return ini.WriteBool("Window", "FullScreen", on) ? std::string() : ini.Path();
}

#include "store/ViewSettings.h"

#include "store/PlayerIni.h"

namespace zandor {

namespace {

const std::string kSection = "View";

// Only 0 and 1 are ours; anything else is damage and reads as the default.
bool ReadSwitch(const PlayerIni& file, const std::string& key, bool def) {
  int32_t value = 0;
  const std::string text = file.ReadString(kSection, key, def ? "1" : "0");
  if (!ParseIniInteger(text, value) || (value != 0 && value != 1)) return def;
  return value == 1;
}

}  // namespace

ViewChoices LoadViewChoices(const PlayerIni& file) {
  ViewChoices v;
  v.Blinking = ReadSwitch(file, "Blinking", v.Blinking);
  v.HighContrast = ReadSwitch(file, "HighContrast", v.HighContrast);
  return v;
}

void StoreViewChoices(PlayerIni& file, const ViewChoices& choices) {
  file.WriteBool(kSection, "Blinking", choices.Blinking);
  file.WriteBool(kSection, "HighContrast", choices.HighContrast);
}

}  // namespace zandor

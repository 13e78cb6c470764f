#include "store/PlayerIni.h"

namespace {

// A value never holds a line break, so no key reads as this.
const std::string kNoKey = "\n";

}  // namespace

std::string PlayerIniPath(const std::string& settingsDir) { return settingsDir + "PLAYER.INI"; }

PlayerIni::PlayerIni(const std::string& settingsDir, ReplaceFaults* faults)
    : doc_(PlayerIniPath(settingsDir), faults) {}

std::string PlayerIni::ReadString(const std::string& section, const std::string& key,
                                  const std::string& def) const {
  return doc_.ReadString(section, key, def);
}

int32_t PlayerIni::ReadInteger(const std::string& section, const std::string& key,
                               int32_t def) const {
  return doc_.ReadInteger(section, key, def);
}

bool PlayerIni::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return doc_.ReadBool(section, key, def);
}

void PlayerIni::WriteString(const std::string& section, const std::string& key,
                            const std::string& value) {
  if (doc_.ReadString(section, key, kNoKey) == value) return;
  doc_.WriteString(section, key, value);
  changed_ = true;
}

void PlayerIni::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

void PlayerIni::WriteBool(const std::string& section, const std::string& key, bool value) {
  WriteString(section, key, value ? "1" : "0");
}

bool PlayerIni::Save() {
  if (!changed_) return true;
  if (!doc_.Save()) return false;
  changed_ = false;
  return true;
}

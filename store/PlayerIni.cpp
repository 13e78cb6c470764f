#include "store/PlayerIni.h"

#include "store/DamagedFile.h"

namespace zandor {

namespace {

// A value never holds a line break, so no key reads as this.
const std::string kNoKey = "\n";

}  // namespace

std::string PlayerIniPath(const std::string& settingsDir) { return settingsDir + "PLAYER.INI"; }

PlayerIni::PlayerIni(const std::string& settingsDir, ReplaceFaults* faults)
    : doc_(PlayerIniPath(settingsDir), faults) {
  // A file we may not read stays where it is and is never written over; a damaged one (what a
  // link leads to decides) makes way for a fresh file. Had it not moved, it stays unwritten.
  if (!doc_.Unreadable()) return;
  setAside_ = SetAsideIfDamaged(Path());
  if (!setAside_.empty()) doc_ = IniDocument(Path(), faults);
}

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

void PlayerIni::KeepOnlyKeys(const std::string& section,
                             const std::function<bool(std::string_view)>& keep) {
  if (doc_.KeepOnlyKeys(section, keep)) changed_ = true;
}

bool PlayerIni::Save() {
  if (!changed_) return true;
  if (!doc_.Save()) return false;
  changed_ = false;
  return true;
}

}  // namespace zandor

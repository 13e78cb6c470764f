#include "store/PlayerIni.h"

#include "store/DamagedFile.h"
#include "store/PlayerKeys.h"

namespace zandor {

namespace {

// Far above all the game writes itself (its last spins, events and chart come to tens of KiB).
constexpr size_t kTrimAbove = 256 * 1024;

}  // namespace

std::string PlayerIniPath(const std::string& settingsDir) { return settingsDir + "PLAYER.INI"; }

PlayerIni::PlayerIni(const std::string& settingsDir, ReplaceFaults* faults)
    : doc_(PlayerIniPath(settingsDir), faults) {
  // A file we may not read stays where it is and is never written over; a damaged one (what a
  // link leads to decides) makes way for a fresh file. Had it not moved, it stays unwritten.
  if (!doc_.Unreadable()) {
    Tidy(doc_.Text().size() > kTrimAbove);
    return;
  }
  setAside_ = SetAsideIfDamaged(Path());
  if (!setAside_.empty()) doc_ = IniDocument(Path(), faults);
}

void PlayerIni::Tidy(bool large) {
  // A second section of one of our names is never read, only rewritten at every save. Anything
  // else is the player's own or junk: kept while the file is small, dropped once it grows large
  // enough to slow every keep or pass what a start reads.
  if (doc_.KeepOnlySections([large](std::string_view name, bool again) {
        return IsPlayerSection(name) ? !again : !large;
      }))
    changed_ = true;
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
  if (doc_.Find(section, key) == value) return;
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
  // A file larger than a start reads would be set aside there: what is not ours goes first,
  // and a file still too large is not written at all.
  if (doc_.Text().size() > IniDocument::MaxFileSize) Tidy(true);
  if (doc_.Text().size() > IniDocument::MaxFileSize) return false;
  if (!doc_.Save()) return false;
  changed_ = false;
  return true;
}

}  // namespace zandor

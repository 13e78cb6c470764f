// "PLAYER.INI" beside the settings file: what the game keeps beyond the two classic files (the
// volume, the window, the player's record). Its one owner: the file is read once at the start,
// each part reads and writes its own section through it, and every save writes the whole file
// in one atomic replace, so the sections on disk always belong together. A part that keeps
// something new declares its section and keys in the table of PlayerKeys.cpp; the next save, whoever asks for it, writes them with the rest. A file grown
// large sheds what is not the game's, so that a keep never costs more than the game's own keys.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "store/IniDocument.h"

namespace zandor {

// The file's full path: settingsDir + "PLAYER.INI".
std::string PlayerIniPath(const std::string& settingsDir);

class PlayerIni {
 public:
  // Reads settingsDir + "PLAYER.INI"; a missing file is an empty one. A file that is not a
  // plain file (a link to a device, a pipe, a folder) or is larger than
  // IniDocument::MaxFileSize is damage: it is renamed "PLAYER.INI.damaged-<n>" with the first
  // number that is free, so nothing the player might want back is overwritten, and the game
  // starts from an empty file. Faults, when given, are handed to every save (tests).
  explicit PlayerIni(const std::string& settingsDir, ReplaceFaults* faults = nullptr);
  PlayerIni(const PlayerIni&) = delete;
  PlayerIni& operator=(const PlayerIni&) = delete;

  // The file's full path.
  const std::string& Path() const { return doc_.Path(); }
  // Where a damaged file was put aside at the start; "" when none was.
  const std::string& SetAside() const { return setAside_; }

  // A key of a section as the file holds it (see IniDocument).
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  std::optional<std::string> Find(const std::string& section, const std::string& key) const {
    return doc_.Find(section, key);
  }
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;

  // Sets a key of a section in memory; Save writes it. A key that already holds this text is
  // left alone.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  // Keeps in the section only the first key of each name that keep accepts.
  void KeepOnlyKeys(const std::string& section, const std::function<bool(std::string_view)>& keep);

  // Writes every section in one atomic replace when anything changed since the last save;
  // false when the file could not be written (it is then as it was) or would be larger than a
  // start reads, even without the sections that are not the game's.
  bool Save();

 private:
  // Drops every later section of one of the game's names and, when large, every section that
  // is not the game's.
  void Tidy(bool large);

  IniDocument doc_;
  std::string setAside_;
  bool changed_ = false;
};

}  // namespace zandor

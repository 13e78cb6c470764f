// The INI reader and writer shared by the settings file and the saved games: one key at a time.
// To change several keys at once, use IniDocument, which writes the file once.
#pragma once

#include <cstdint>
#include <string>

#include "store/IniDocument.h"

namespace zandor {

class IniFile {
 public:
  // Remembers the path only; a missing file is not an error. Faults, when given, are handed to
  // every write (tests).
  explicit IniFile(std::string path, ReplaceFaults* faults = nullptr);
  const std::string& Path() const { return path_; }

  // Each read reads the file anew.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  // Each write is one atomic replace of the whole file; false when it could not be written
  // (the file is then as it was).
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInteger(const std::string& section, const std::string& key, int32_t value);
  bool WriteBool(const std::string& section, const std::string& key, bool value);

 private:
  std::string path_;
  ReplaceFaults* faults_;
};

}  // namespace zandor

// The INI reader and writer shared by the settings file and the saved games.
#pragma once

#include <cstdint>
#include <string>

class TIniFile {
 public:
  // Remembers the path only; a missing file is not an error.
  explicit TIniFile(std::string path);
  const std::string& Path() const { return path_; }

  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;
  // Each write returns false when the file could not be written (nothing else is reported).
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInteger(const std::string& section, const std::string& key, int32_t value);
  bool WriteBool(const std::string& section, const std::string& key, bool value);

  // Test hook: the (n+1)-th write from now fails as a full disk would; a negative n disarms it.
  static void FailWritesAfter(int n);

 private:
  std::string path_;
};

// Reads a whole integer as the INI reader does ("0x"/"$" hexadecimal); false if it is not one.
bool ParseIniInteger(const std::string& text, int32_t& out);

// An INI file held in memory: read and change any number of keys, then write the whole file
// back in one atomic replace. Lines the program does not know are kept byte for byte.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zandor {

class ReplaceFaults;

class IniDocument {
 public:
  // The largest file read: none of ours comes near it, and a larger one is damage.
  static constexpr size_t MaxFileSize = size_t{1} << 20;

  // Reads the file; a missing file is an empty document. A UTF-8 byte-order mark at its start
  // is skipped and written back by Save. A file that cannot be read, is not a plain file (a
  // folder, a pipe, a device) or is larger than MaxFileSize is not read at all: the document
  // is empty, Unreadable() says so and Save never writes over it. Faults, when given, are handed
  // to every save (tests).
  explicit IniDocument(std::string path, ReplaceFaults* faults = nullptr);
  // The file's path as given.
  const std::string& Path() const { return path_; }
  // True when the file is there but was not read (see the constructor).
  bool Unreadable() const { return unreadable_; }

  // The value of key in the first section of that name (names match whatever their case),
  // at most 1023 characters; def when the section or the key is missing.
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def) const;
  // The same value; none when the section or the key is missing.
  std::optional<std::string> Find(const std::string& section, const std::string& key) const;
  // The value as a whole integer ("0x"/"$" hexadecimal too); def when it is not one.
  int32_t ReadInteger(const std::string& section, const std::string& key, int32_t def) const;
  // ReadInteger with def as 1 or 0; true when not 0.
  bool ReadBool(const std::string& section, const std::string& key, bool def) const;

  // Replaces the key's value in place, or adds the key after the section's last line, or adds
  // the section at the end; only in memory until Save. Line breaks in a value become blanks.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int32_t value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  // Removes every line of the first section of that name but the first key line of each name
  // that keep accepts; blank lines that close the section stay. False when nothing was removed.
  bool KeepOnlyKeys(const std::string& section, const std::function<bool(std::string_view)>& keep);
  // Removes every section that keep rejects, given its name and whether a section of that name
  // came before; the lines before the first section go with the name "". False when nothing
  // was removed.
  bool KeepOnlySections(const std::function<bool(std::string_view, bool)>& keep);

  // Writes the whole document over the file in one atomic replace (one temporary file, one
  // flush, one rename, one flush of the folder), creating the folder when it is missing. False
  // when the file could not be written, is read-only, or existed but could not be read; the
  // old file is then left exactly as it was.
  bool Save() const;
  // The bytes Save writes.
  std::string Text() const;

 private:
  std::string path_;
  std::vector<std::string> lines_;  // without their LF; a CR stays with its line
  bool byteOrderMark_ = false;
  bool unreadable_ = false;  // the file is there but could not be read: never write over it
  ReplaceFaults* faults_ = nullptr;
};

// True when two section or key names are the same to the file: ASCII letters match in either
// case.
bool SameName(std::string_view a, std::string_view b);
// Reads a whole integer as the INI reader does ("0x"/"$" hexadecimal); false if it is not one.
bool ParseIniInteger(const std::string& text, int32_t& out);

}  // namespace zandor

#include "store/TIniFile.h"

#include <utility>

#include "store/AtomicFile.h"

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {}

void TIniFile::FailWritesAfter(int n) { FailReplaceAfter(n, ReplaceStep::Flush); }

std::string TIniFile::ReadString(const std::string& section, const std::string& key,
                                 const std::string& def) const {
  return IniDocument(path_).ReadString(section, key, def);
}

int32_t TIniFile::ReadInteger(const std::string& section, const std::string& key,
                              int32_t def) const {
  return IniDocument(path_).ReadInteger(section, key, def);
}

bool TIniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return IniDocument(path_).ReadBool(section, key, def);
}

bool TIniFile::WriteString(const std::string& section, const std::string& key,
                           const std::string& value) {
  IniDocument doc(path_);
  doc.WriteString(section, key, value);
  return doc.Save();
}

bool TIniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  return WriteString(section, key, std::to_string(value));
}

bool TIniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

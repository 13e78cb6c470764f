#include "store/IniFile.h"

#include <utility>

namespace zandor {

IniFile::IniFile(std::string path, ReplaceFaults* faults)
    : path_(std::move(path)), faults_(faults) {}

std::string IniFile::ReadString(const std::string& section, const std::string& key,
                                const std::string& def) const {
  return IniDocument(path_).ReadString(section, key, def);
}

int32_t IniFile::ReadInteger(const std::string& section, const std::string& key,
                             int32_t def) const {
  return IniDocument(path_).ReadInteger(section, key, def);
}

bool IniFile::ReadBool(const std::string& section, const std::string& key, bool def) const {
  return IniDocument(path_).ReadBool(section, key, def);
}

bool IniFile::WriteString(const std::string& section, const std::string& key,
                          const std::string& value) {
  IniDocument doc(path_, faults_);
  doc.WriteString(section, key, value);
  return doc.Save();
}

bool IniFile::WriteInteger(const std::string& section, const std::string& key, int32_t value) {
  return WriteString(section, key, std::to_string(value));
}

bool IniFile::WriteBool(const std::string& section, const std::string& key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

}  // namespace zandor

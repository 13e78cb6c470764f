// A fresh folder per test, and whole-file reads and writes for byte-exact checks.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zandor {

// Creates a unique folder under /tmp and removes it with everything in it.
class TempDir {
 public:
  TempDir() {
    char pattern[] = "/tmp/zstore-XXXXXX";
    path_ = std::string(::mkdtemp(pattern)) + "/";
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  // The folder with its trailing '/'.
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The whole file as bytes ("" when missing).
inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

// Replaces the file with exactly these bytes.
inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

}  // namespace zandor

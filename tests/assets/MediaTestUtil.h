// Finds and reads the generated media files beside the test program.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace zandor {

namespace mediatest {

// The folder of the running test program, which is where the build writes every media file.
inline std::string MediaDir() {
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().string() + "/";
}

// The whole file as bytes; empty when it cannot be read.
inline std::vector<unsigned char> ReadBytes(const std::string& name) {
  std::ifstream in(MediaDir() + name, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

// Little- and big-endian readers over a byte vector.
inline uint32_t LE(const std::vector<unsigned char>& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = n - 1; i >= 0; --i) v = (v << 8) | b.at(at + i);
  return v;
}
inline uint32_t BE(const std::vector<unsigned char>& b, size_t at, int n) {
  uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | b.at(at + i);
  return v;
}

}  // namespace mediatest

}  // namespace zandor

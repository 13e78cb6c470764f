// Small media files made on the spot, so these tests need no generated game media.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace zandor {

// A format-0 standard MIDI file: a piano playing a few notes over about ms milliseconds.
inline std::vector<uint8_t> MakeMidi(int notes = 4, int ms = 600) {
  std::vector<uint8_t> trk;
  auto delta = [&](uint32_t d) {
    if (d >= 128) trk.push_back(static_cast<uint8_t>(0x80 | (d >> 7)));
    trk.push_back(static_cast<uint8_t>(d & 0x7f));
  };
  // 96 ticks per quarter at the default 120 bpm: one tick is about 5.2 ms.
  const uint32_t ticks = static_cast<uint32_t>(ms / (notes * 5.2));
  delta(0);
  trk.insert(trk.end(), {0xC0, 0x00});
  for (int i = 0; i < notes; ++i) {
    const uint8_t key = static_cast<uint8_t>(60 + 4 * i);
    delta(0);
    trk.insert(trk.end(), {0x90, key, 110});
    delta(ticks);
    trk.insert(trk.end(), {0x80, key, 0});
  }
  delta(0);
  trk.insert(trk.end(), {0xFF, 0x2F, 0x00});
  std::vector<uint8_t> f = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k'};
  const uint32_t n = static_cast<uint32_t>(trk.size());
  f.insert(f.end(), {static_cast<uint8_t>(n >> 24), static_cast<uint8_t>(n >> 16),
                     static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n)});
  f.insert(f.end(), trk.begin(), trk.end());
  return f;
}

inline void WriteBytes(const std::filesystem::path& p, const std::vector<uint8_t>& bytes) {
  std::ofstream(p, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder under the system's temporary folder.
inline std::filesystem::path TempDir(const std::string& name) {
  auto d = std::filesystem::temp_directory_path() / (name + std::to_string(::getpid()));
  std::filesystem::create_directories(d);
  return d;
}

}  // namespace zandor

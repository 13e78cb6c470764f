#include "platform/MidiFile.h"

#include <cstring>

#include "machine/PlayerText.h"

namespace zandor {

namespace {

uint32_t Be32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
uint32_t Le32(const uint8_t* p) {
  return (uint32_t{p[3]} << 24) | (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
}

// Shown by the media player, which translates it in its own context.
const char kNotMidi[] = ZANDOR_TR_NOOP("zandor::MidiPlayer", "The file is not a valid MIDI file.");

std::string CheckBare(const uint8_t* p, size_t n) {
  if (n < 14 || std::memcmp(p, "MThd", 4) != 0) return kNotMidi;
  const uint32_t headerLen = Be32(p + 4);
  if (headerLen < 6 || headerLen > n - 8) return kNotMidi;
  const unsigned format = (p[8] << 8) | p[9];
  const unsigned tracks = (p[10] << 8) | p[11];
  const unsigned division = (p[12] << 8) | p[13];
  if (format > 2 || tracks == 0 || division == 0) return kNotMidi;
  if (format == 0 && tracks != 1) return kNotMidi;
  // Every chunk after the header must fit in the file, and the declared tracks must be there.
  size_t pos = 8 + headerLen;
  unsigned found = 0;
  while (pos + 8 <= n) {
    const uint32_t len = Be32(p + pos + 4);
    if (len > n - pos - 8) return kNotMidi;
    if (std::memcmp(p + pos, "MTrk", 4) == 0) {
      if (len == 0) return kNotMidi;
      ++found;
    }
    pos += 8 + len;
  }
  if (found < tracks) return kNotMidi;
  return "";
}

}  // namespace

std::string CheckMidiFile(const std::vector<uint8_t>& bytes, std::vector<uint8_t>& smf) {
  const uint8_t* p = bytes.data();
  const size_t n = bytes.size();
  if (n >= 12 && std::memcmp(p, "RIFF", 4) == 0 && std::memcmp(p + 8, "RMID", 4) == 0) {
    // A RIFF MIDI file carries the standard file in its "data" chunk.
    size_t pos = 12;
    while (pos + 8 <= n) {
      const uint32_t len = Le32(p + pos + 4);
      if (len > n - pos - 8) return kNotMidi;
      if (std::memcmp(p + pos, "data", 4) == 0) {
        std::string err = CheckBare(p + pos + 8, len);
        if (err.empty()) smf.assign(p + pos + 8, p + pos + 8 + len);
        return err;
      }
      pos += 8 + len + (len & 1);
    }
    return kNotMidi;
  }
  std::string err = CheckBare(p, n);
  if (err.empty()) smf = bytes;
  return err;
}

}  // namespace zandor

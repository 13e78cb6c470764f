#include "platform/WaveTone.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zandor {

namespace {

void Put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(x & 0xff);
  v.push_back((x >> 8) & 0xff);
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xffff);
  Put16(v, x >> 16);
}
void PutTag(std::vector<uint8_t>& v, const char* tag) { v.insert(v.end(), tag, tag + 4); }

std::vector<uint8_t> WavHeader(uint32_t frames) {
  const uint32_t dataBytes = frames * 4;
  std::vector<uint8_t> v;
  v.reserve(44 + dataBytes);
  PutTag(v, "RIFF");
  Put32(v, 36 + dataBytes);
  PutTag(v, "WAVE");
  PutTag(v, "fmt ");
  Put32(v, 16);
  Put16(v, 1);  // PCM
  Put16(v, 2);
  Put32(v, 44100);
  Put32(v, 44100 * 4);
  Put16(v, 4);
  Put16(v, 16);
  PutTag(v, "data");
  Put32(v, dataBytes);
  return v;
}

// Appends one sample to both channels.
void PutFrame(std::vector<uint8_t>& v, double s) {
  const auto x = static_cast<int16_t>(std::clamp(s, -1.0, 1.0) * 32767.0);
  Put16(v, static_cast<uint16_t>(x));
  Put16(v, static_cast<uint16_t>(x));
}

}  // namespace

std::vector<uint8_t> MakeToneWav(double hz, int milliseconds, double amplitude) {
  const uint32_t frames = static_cast<uint32_t>(std::max(0, milliseconds)) * 441 / 10;
  std::vector<uint8_t> v = WavHeader(frames);
  // 5 ms ramps keep the tone from clicking at either end.
  const double ramp = 220.5;
  for (uint32_t i = 0; i < frames; ++i) {
    const double edge = std::min({1.0, i / ramp, (frames - i) / ramp});
    PutFrame(v, amplitude * edge * std::sin(2 * std::numbers::pi * hz * i / 44100.0));
  }
  return v;
}

std::vector<uint8_t> MakeAlertWav() {
  // Two short falling beeps, unmistakably "something is wrong" and not one of our effects.
  const uint32_t frames = 44100 * 3 / 10;
  std::vector<uint8_t> v = WavHeader(frames);
  for (uint32_t i = 0; i < frames; ++i) {
    const double t = i / 44100.0;
    const bool first = t < 0.12;
    const bool gap = t >= 0.12 && t < 0.16;
    const double local = first ? t : t - 0.16;
    const double len = first ? 0.12 : 0.14;
    const double hz = first ? 880.0 : 660.0;
    double s = 0;
    if (!gap) {
      const double env = std::min({1.0, local / 0.005, (len - local) / 0.005});
      s = 0.4 * std::max(0.0, env) * std::sin(2 * std::numbers::pi * hz * local);
    }
    PutFrame(v, s);
  }
  return v;
}

}  // namespace zandor

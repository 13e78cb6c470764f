// Checks the generated wave files: format, length, level and how fast the counting sounds speak.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "tests/assets/MediaTestUtil.h"

using namespace zandor;

using mediatest::LE;
using mediatest::ReadBytes;

namespace {

struct Wave {
  int Format = 0, Channels = 0, Rate = 0, Bits = 0;
  std::vector<int> Samples;  // first channel only
  double Seconds() const { return Rate ? double(Samples.size()) / Rate : 0; }
};

// Walks the RIFF chunks; fails the test on anything but a well-formed wave file.
Wave Parse(const std::string& name) {
  Wave w;
  const auto b = ReadBytes(name);
  EXPECT_GE(b.size(), 44u) << name;
  if (b.size() < 44 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
    ADD_FAILURE() << name << " is not a RIFF wave file";
    return w;
  }
  EXPECT_EQ(LE(b, 4, 4) + 8, b.size()) << name;
  for (size_t at = 12; at + 8 <= b.size();) {
    const std::string id(b.begin() + at, b.begin() + at + 4);
    const size_t len = LE(b, at + 4, 4);
    if (at + 8 + len > b.size()) {
      ADD_FAILURE() << name << ": chunk " << id << " runs past the end";
      break;
    }
    if (id == "fmt ") {
      w.Format = LE(b, at + 8, 2);
      w.Channels = LE(b, at + 10, 2);
      w.Rate = LE(b, at + 12, 4);
      w.Bits = LE(b, at + 22, 2);
    } else if (id == "data" && w.Channels > 0) {
      for (size_t i = at + 8; i + 1 < at + 8 + len; i += 2 * w.Channels) {
        w.Samples.push_back(static_cast<int16_t>(LE(b, i, 2)));
      }
    }
    at += 8 + len + (len & 1);
  }
  return w;
}

int Peak(const Wave& w) {
  int p = 0;
  for (int s : w.Samples) p = std::max(p, std::abs(s));
  return p;
}

}  // namespace

// Every effect is 16-bit PCM at a rate the mixer takes, lasts as long as its moment allows,
// is clearly audible and never reaches full scale (about -1 dBFS at most).
TEST(Sounds, EveryEffectHasTheRightFormatLengthAndLevel) {
  const struct {
    const char* Name;
    double MaxSeconds;
  } effects[] = {{"ZANDOR0.WAV", 0.3},  {"ZANDOR1.WAV", 0.15}, {"ZANDOR2.WAV", 0.2},
                 {"ZANDOR3.WAV", 0.12}, {"ZANDOR4.WAV", 2.5},  {"ZANDOR5.WAV", 1.5},
                 {"ZANDOR6.WAV", 2.5},  {"ZANDOR7.WAV", 2.5},  {"ZANDOR8.WAV", 1.5},
                 {"POWER4.WAV", 2.5},   {"POWER5.WAV", 1.5},   {"POWER6.WAV", 2.5},
                 {"POWER7.WAV", 2.5},   {"POWER8.WAV", 1.5}};
  for (const auto& e : effects) {
    SCOPED_TRACE(e.Name);
    const Wave w = Parse(e.Name);
    EXPECT_EQ(w.Format, 1);
    EXPECT_EQ(w.Bits, 16);
    EXPECT_TRUE(w.Rate == 22050 || w.Rate == 44100) << w.Rate;
    EXPECT_TRUE(w.Channels == 1 || w.Channels == 2) << w.Channels;
    EXPECT_GT(w.Seconds(), 0.05);
    EXPECT_LE(w.Seconds(), e.MaxSeconds);
    EXPECT_LT(Peak(w), 29205);  // -1 dBFS
    EXPECT_GT(Peak(w), 16000);
    // The file fades out instead of stopping on a click.
    ASSERT_FALSE(w.Samples.empty());
    EXPECT_LT(std::abs(w.Samples.back()), 200);
  }
}

// The coin and credit sounds are played once per coin while counting fast, so they must speak
// at once: sound within 5 ms and half their peak within 20 ms.
TEST(Sounds, CountingSoundsAttackQuickly) {
  for (const char* name : {"ZANDOR2.WAV", "ZANDOR3.WAV", "ZANDOR1.WAV", "ZANDOR0.WAV"}) {
    SCOPED_TRACE(name);
    const Wave w = Parse(name);
    const int peak = Peak(w);
    ASSERT_GT(peak, 0);
    size_t first = w.Samples.size(), half = w.Samples.size();
    for (size_t i = 0; i < w.Samples.size(); ++i) {
      if (first == w.Samples.size() && std::abs(w.Samples[i]) > peak / 20) first = i;
      if (std::abs(w.Samples[i]) >= peak / 2) {
        half = i;
        break;
      }
    }
    EXPECT_LT(first * 1000.0 / w.Rate, 5.0);
    EXPECT_LT(half * 1000.0 / w.Rate, 20.0);
  }
}

// "Restore Default Sounds" must give the player something different, not the same files again.
TEST(Sounds, AlternativeSetDiffersFromTheDefaults) {
  for (int n = 4; n <= 8; ++n) {
    EXPECT_NE(ReadBytes("ZANDOR" + std::to_string(n) + ".WAV"),
              ReadBytes("POWER" + std::to_string(n) + ".WAV"))
        << n;
  }
}

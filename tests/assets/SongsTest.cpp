// Checks the generated songs: standard MIDI structure, playing time and variety.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tests/assets/MediaTestUtil.h"

using namespace zandor;

using mediatest::BE;
using mediatest::ReadBytes;

namespace {

struct Song {
  int Format = -1, Division = 0;
  int Tracks = 0, EndsOfTrack = 0;
  std::map<int64_t, uint32_t> Tempos;  // tick -> microseconds per quarter
  int64_t LastTick = 0;
  std::set<int> Programs;
  int DrumNotes = 0, Notes = 0, HangingNotes = 0;
  double Seconds() const {
    double s = 0;
    int64_t at = 0;
    uint32_t us = 500000;
    for (const auto& [tick, t] : Tempos) {
      s += double(tick - at) / Division * us / 1e6;
      at = tick;
      us = t;
    }
    return s + double(LastTick - at) / Division * us / 1e6;
  }
};

uint32_t VarLen(const std::vector<unsigned char>& b, size_t& at) {
  uint32_t v = 0;
  for (int i = 0; i < 4; ++i) {
    const unsigned char c = b.at(at++);
    v = (v << 7) | (c & 0x7F);
    if (!(c & 0x80)) break;
  }
  return v;
}

// Parses the whole file, running status and all; any structural fault fails the test.
Song Parse(const std::string& name) {
  Song song;
  const auto b = ReadBytes(name);
  if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || BE(b, 4, 4) != 6) {
    ADD_FAILURE() << name << " has no MIDI header";
    return song;
  }
  song.Format = BE(b, 8, 2);
  const int declared = BE(b, 10, 2);
  song.Division = BE(b, 12, 2);
  size_t at = 14;
  for (int t = 0; t < declared; ++t) {
    if (at + 8 > b.size() || std::string(b.begin() + at, b.begin() + at + 4) != "MTrk") {
      ADD_FAILURE() << name << ": track " << t << " missing";
      return song;
    }
    const size_t end = at + 8 + BE(b, at + 4, 4);
    EXPECT_LE(end, b.size()) << name;
    at += 8;
    ++song.Tracks;
    int64_t tick = 0;
    int status = 0;
    bool ended = false;
    std::map<int, int> sounding;
    while (at < end && !ended) {
      tick += VarLen(b, at);
      if (b.at(at) & 0x80) status = b.at(at++);
      if (status == 0xFF) {
        const int type = b.at(at++);
        const uint32_t len = VarLen(b, at);
        if (type == 0x51) song.Tempos[tick] = BE(b, at, 3);
        if (type == 0x2F) ended = true, ++song.EndsOfTrack;
        at += len;
        status = 0;
      } else if (status == 0xF0 || status == 0xF7) {
        at += VarLen(b, at);
        status = 0;
      } else {
        const int kind = status & 0xF0, channel = status & 0x0F;
        const int d1 = b.at(at++);
        const int d2 = (kind == 0xC0 || kind == 0xD0) ? 0 : b.at(at++);
        if (kind == 0xC0) song.Programs.insert(channel * 128 + d1);
        if (kind == 0x90 && d2 > 0) {
          ++song.Notes;
          if (channel == 9) ++song.DrumNotes;
          ++sounding[channel * 128 + d1];
        } else if (kind == 0x80 || (kind == 0x90 && d2 == 0)) {
          --sounding[channel * 128 + d1];
        }
      }
      song.LastTick = std::max(song.LastTick, tick);
    }
    EXPECT_TRUE(ended) << name << ": track " << t << " has no end-of-track";
    EXPECT_EQ(at, end) << name << ": track " << t << " has bytes after its end-of-track";
    for (const auto& [key, count] : sounding) song.HangingNotes += count != 0;
    at = end;
  }
  EXPECT_EQ(at, b.size()) << name;
  return song;
}

}  // namespace

// Each song is a well-formed standard MIDI file (every track closed by an end-of-track, every
// note released) that plays for one to three minutes by its own tempo map.
TEST(Songs, EverySongIsAStandardMidiFileOfOneToThreeMinutes) {
  for (int n = 0; n < 8; ++n) {
    const std::string name = "ZANDOR" + std::to_string(n) + ".MID";
    SCOPED_TRACE(name);
    const Song s = Parse(name);
    EXPECT_TRUE(s.Format == 0 || s.Format == 1);
    ASSERT_GT(s.Division, 0);
    EXPECT_LT(s.Division, 0x8000);
    EXPECT_EQ(s.EndsOfTrack, s.Tracks);
    EXPECT_EQ(s.HangingNotes, 0);
    EXPECT_GE(s.Seconds(), 60.0);
    EXPECT_LE(s.Seconds(), 180.0);
    EXPECT_GT(s.Notes, 300);
    EXPECT_GT(s.DrumNotes, 100);
    EXPECT_GE(s.Programs.size(), 3u);
  }
}

// The eight songs are eight different pieces: no two share both tempo and instruments.
TEST(Songs, SongsDifferInTempoOrInstruments) {
  std::set<std::pair<uint32_t, std::set<int>>> seen;
  for (int n = 0; n < 8; ++n) {
    const Song s = Parse("ZANDOR" + std::to_string(n) + ".MID");
    ASSERT_FALSE(s.Tempos.empty());
    EXPECT_TRUE(seen.insert({s.Tempos.begin()->second, s.Programs}).second) << n;
  }
}

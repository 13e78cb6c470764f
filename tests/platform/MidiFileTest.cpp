#include <gtest/gtest.h>

#include "platform/MidiFile.h"
#include "platform/WaveTone.h"
#include "tests/platform/TestMedia.h"

using namespace zandor;

// A well-formed song passes and comes back unchanged; a RIFF MIDI file is unwrapped to
// the song inside.
TEST(MidiFile, AcceptsBareAndRiffWrappedSongs) {
  const auto song = MakeMidi();
  std::vector<uint8_t> smf;
  EXPECT_EQ(CheckMidiFile(song, smf), "");
  EXPECT_EQ(smf, song);

  std::vector<uint8_t> rmi = {'R', 'I', 'F', 'F', 0,   0,   0,   0,
                              'R', 'M', 'I', 'D', 'd', 'a', 't', 'a'};
  const uint32_t n = static_cast<uint32_t>(song.size());
  for (int i = 0; i < 4; ++i) rmi.push_back(static_cast<uint8_t>(n >> (8 * i)));
  rmi.insert(rmi.end(), song.begin(), song.end());
  smf.clear();
  EXPECT_EQ(CheckMidiFile(rmi, smf), "");
  EXPECT_EQ(smf, song);
}

// Anything that is not a whole standard MIDI file is refused with a reason: a wave
// file, an empty file, a truncated track, a header promising more tracks than there
// are, a zero division.
TEST(MidiFile, RefusesDamagedOrForeignFiles) {
  std::vector<uint8_t> smf;
  EXPECT_NE(CheckMidiFile(MakeToneWav(440, 10), smf), "");
  EXPECT_NE(CheckMidiFile({}, smf), "");
  auto cut = MakeMidi();
  cut.resize(cut.size() - 3);
  EXPECT_NE(CheckMidiFile(cut, smf), "");
  auto twoTracks = MakeMidi();
  twoTracks[9] = 1;   // format 1
  twoTracks[11] = 2;  // two tracks, one present
  EXPECT_NE(CheckMidiFile(twoTracks, smf), "");
  auto noDivision = MakeMidi();
  noDivision[13] = 0;
  EXPECT_NE(CheckMidiFile(noDivision, smf), "");
  auto hugeHeader = MakeMidi();
  hugeHeader[4] = 0x7f;
  EXPECT_NE(CheckMidiFile(hugeHeader, smf), "");
  EXPECT_TRUE(smf.empty());
}

// The generated tones are valid 44100 Hz stereo wave images of the asked length.
TEST(WaveTone, HeaderAndLength) {
  const auto w = MakeToneWav(440, 100);
  ASSERT_EQ(w.size(), 44u + 4410u * 4u);
  EXPECT_EQ(std::string(w.begin(), w.begin() + 4), "RIFF");
  EXPECT_EQ(std::string(w.begin() + 8, w.begin() + 12), "WAVE");
  EXPECT_EQ(w[24] | (w[25] << 8) | (w[26] << 16), 44100);
  EXPECT_GT(MakeAlertWav().size(), 44100u * 4 / 10);
}

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/MidiPlayer.h"
#include "platform/SdlAudio.h"
#include "platform/WaveTone.h"
#include "tests/platform/TestMedia.h"

using namespace zandor;

namespace fs = std::filesystem;

namespace {

// The loudest 16-bit sample SDL's disk driver wrote into a capture file.
int Peak(const fs::path& capture) {
  std::ifstream in(capture, std::ios::binary);
  std::vector<char> raw{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  int peak = 0;
  for (size_t i = 0; i + 1 < raw.size(); i += 2) {
    int16_t s;
    std::memcpy(&s, raw.data() + i, 2);
    peak = std::max(peak, std::abs(static_cast<int>(s)));
  }
  return peak;
}

struct CaptureTest : ::testing::Test {
  fs::path Dir = TempDir("zcap");
  void SetUp() override { setenv("SDL_AUDIODRIVER", "disk", 1); }
  void TearDown() override {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    fs::remove_all(Dir);
  }
  void CaptureTo(const fs::path& f) { setenv("SDL_DISKAUDIOFILE", f.c_str(), 1); }
};

}  // namespace

// A wave effect played through the real service reaches the output as sound.
TEST_F(CaptureTest, WaveEffectIsAudible) {
  CaptureTo(Dir / "wave.raw");
  {
    SdlAudio audio;
    ASSERT_EQ(audio.Driver(), "disk");
    WriteBytes(Dir / "t.wav", MakeToneWav(440, 200));
    audio.PlaySync((Dir / "t.wav").string());
  }
  EXPECT_GT(Peak(Dir / "wave.raw"), 8000);
}

// The alert that replaces a missing file is heard too.
TEST_F(CaptureTest, AlertForMissingFileIsAudible) {
  CaptureTo(Dir / "alert.raw");
  {
    SdlAudio audio;
    audio.PlaySync((Dir / "missing.wav").string());
  }
  EXPECT_GT(Peak(Dir / "alert.raw"), 5000);
}

// A MIDI song played through the media player and the soundfont is heard to its end.
TEST_F(CaptureTest, MidiSongIsAudible) {
  int argc = 1;
  char arg0[] = "test";
  char* argv[] = {arg0, nullptr};
  QCoreApplication app(argc, argv);
  CaptureTo(Dir / "midi.raw");
  {
    SdlAudio audio;
    MidiPlayer player;
    WriteBytes(Dir / "song.mid", MakeMidi(3, 500));
    ASSERT_EQ(player.Open((Dir / "song.mid").string()), "");
    bool ended = false;
    player.OnSongEnded = [&](MediaNotify n) { ended = n == MediaNotify::Successful; };
    ASSERT_EQ(player.Play(), "");
    const auto t = std::chrono::steady_clock::now();
    while (!ended && std::chrono::steady_clock::now() - t < std::chrono::seconds(10)) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_TRUE(ended);
  }
  EXPECT_GT(Peak(Dir / "midi.raw"), 1000);
}

// Half the volume is half the loudness, for an effect and for a song: the mixer scales the
// effect's samples as it mixes them, and the synthesiser follows the music volume.
TEST_F(CaptureTest, HalfVolumeHalvesThePeak) {
  int argc = 1;
  char arg0[] = "test";
  char* argv[] = {arg0, nullptr};
  QCoreApplication app(argc, argv);
  WriteBytes(Dir / "t.wav", MakeToneWav(440, 200));
  WriteBytes(Dir / "song.mid", MakeMidi(3, 500));
  auto capture = [&](bool song, int percent) {
    const fs::path f = Dir / ((song ? "song" : "effect") + std::to_string(percent) + ".raw");
    CaptureTo(f);
    {
      SdlAudio audio;
      audio.SetVolumes(percent, percent);
      if (!song) {
        audio.PlaySync((Dir / "t.wav").string());
      } else {
        MidiPlayer player;
        bool ended = false;
        player.OnSongEnded = [&](MediaNotify) { ended = true; };
        EXPECT_EQ(player.Open((Dir / "song.mid").string()), "");
        EXPECT_EQ(player.Play(), "");
        const auto t = std::chrono::steady_clock::now();
        while (!ended && std::chrono::steady_clock::now() - t < std::chrono::seconds(10)) {
          QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
      }
    }
    return Peak(f);
  };
  for (bool song : {false, true}) {
    const int full = capture(song, 100), half = capture(song, 50);
    std::printf("%s: peak %d at 100 %%, %d at 50 %% (%.3f)\n", song ? "song" : "effect", full, half,
                static_cast<double>(half) / full);
    EXPECT_GT(full, 1000);
    EXPECT_NEAR(static_cast<double>(half) / full, 0.5, 0.025) << (song ? "song" : "effect");
  }
}

#include <gtest/gtest.h>

#include <QApplication>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <thread>

#include "audio/GameAudio.h"
#include "platform/WaveTone.h"
#include "tests/platform/TestMedia.h"
#include "tests/support/FakePrompts.h"

using namespace zandor;

namespace fs = std::filesystem;

namespace {

// Peak of the 16-bit samples SDL's disk driver wrote from byte `from` on.
int Peak(const fs::path& capture, size_t from = 0) {
  std::ifstream in(capture, std::ios::binary);
  std::vector<char> raw{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  int peak = 0;
  for (size_t i = from & ~size_t{1}; i + 1 < raw.size(); i += 2) {
    int16_t s;
    std::memcpy(&s, raw.data() + i, 2);
    peak = std::max(peak, std::abs(static_cast<int>(s)));
  }
  return peak;
}

}  // namespace

// Through the facade and the real service: a reel-stop effect and then the first song
// are heard, and the song's normal end queues the next one for the WinBlinkTimer tick.
TEST(AudioCapture, EffectThenFirstSongAreHeard) {
  int argc = 1;
  char arg0[] = "audio_capture_test";
  char* argv[] = {arg0, nullptr};
  QApplication app(argc, argv);
  const fs::path dir = TempDir("zacap");
  const fs::path capture = dir / "out.raw";
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", capture.c_str(), 1);
  FakePrompts prompts;
  std::vector<QString>& boxes = prompts.Messages;

  GameState g;
  g.Dirs.Program = dir.string() + "/";
  g.SetFileDefaults();
  for (int n = 0; n < 4; ++n) {
    WriteBytes(dir / ("ZANDOR" + std::to_string(n) + ".WAV"), MakeToneWav(300 + 100 * n, 150));
  }
  WriteBytes(dir / "ZANDOR2.MID", MakeMidi(3, 400));
  WriteBytes(dir / "ZANDOR5.MID", MakeMidi(2, 300));
  size_t effectBytes = 0;
  {
    GameAudio audio(g.Sound, g.Music, g.Dirs, prompts, nullptr);
    ASSERT_EQ(audio.Driver(), "disk");
    ASSERT_EQ(audio.LoadEffectSounds(), "");
    audio.Play(Effect::Stop);
    // Let the effect reach the output before the song starts.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    effectBytes = fs::file_size(capture);
    EXPECT_GT(Peak(capture), 5000);

    audio.StartMusic();
    EXPECT_EQ(g.Music.CurrentSong, 2);
    const auto t = std::chrono::steady_clock::now();
    while (!g.Music.SongPending &&
           std::chrono::steady_clock::now() - t < std::chrono::seconds(10)) {
      QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    EXPECT_TRUE(g.Music.SongPending);
    EXPECT_EQ(g.Music.CurrentSong, 5);
    audio.StartPendingSong();
    EXPECT_FALSE(g.Music.SongPending);
    audio.Shutdown();
  }
  EXPECT_GT(Peak(capture, effectBytes + 4 * 4410), 1000);
  EXPECT_TRUE(boxes.empty());
  fs::remove_all(dir);
}

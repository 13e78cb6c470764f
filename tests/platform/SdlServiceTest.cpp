#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>
#include <optional>

#include "platform/MidiPlayer.h"
#include "platform/SdlAudio.h"
#include "platform/WaveTone.h"
#include "tests/platform/TestMedia.h"

using namespace zandor;

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

long MsSince(Clock::time_point t) {
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count());
}

// The real service on SDL's dummy driver (set by the test environment), with a folder of
// small media files.
struct SdlServiceTest : ::testing::Test {
  static inline int argc = 1;
  static inline char arg0[] = "test";
  static inline char* argv[] = {arg0, nullptr};
  static inline QCoreApplication* app = nullptr;
  static void SetUpTestSuite() {
    if (!QCoreApplication::instance()) app = new QCoreApplication(argc, argv);
  }
  fs::path Dir = TempDir("zsdl");
  void TearDown() override { fs::remove_all(Dir); }

  // Processes window-thread events until the player reports or ms pass.
  static std::optional<MediaNotify> WaitNotify(MidiPlayer& p, int ms) {
    std::optional<MediaNotify> got;
    p.OnSongEnded = [&](MediaNotify n) { got = n; };
    const auto t = Clock::now();
    while (!got && MsSince(t) < ms) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
      QCoreApplication::sendPostedEvents();
    }
    return got;
  }
};

}  // namespace

// A by-name sound holds the caller for its length; a memory sound returns at once; a
// missing file plays the alert for the alert's length.
TEST_F(SdlServiceTest, SyncSoundsBlockForTheirLength) {
  SdlAudio audio;
  ASSERT_TRUE(audio.IsOpen());
  WriteBytes(Dir / "t.wav", MakeToneWav(440, 300));
  auto t = Clock::now();
  audio.PlaySync((Dir / "t.wav").string());
  EXPECT_GE(MsSince(t), 295);
  EXPECT_LT(MsSince(t), 1200);

  const auto image = MakeToneWav(440, 500);
  t = Clock::now();
  audio.PlayAsync(image);
  EXPECT_LT(MsSince(t), 60);
  EXPECT_TRUE(audio.EffectSounding());

  t = Clock::now();
  audio.PlaySync((Dir / "missing.wav").string());
  EXPECT_GE(MsSince(t), 295);  // the alert lasts 300 ms
  EXPECT_LT(MsSince(t), 1200);
  WriteBytes(Dir / "junk.wav", {'n', 'o', 'p', 'e'});
  t = Clock::now();
  audio.PlaySync((Dir / "junk.wav").string());
  EXPECT_GE(MsSince(t), 295);
}

// One effect at a time: a new request halts the one sounding instead of mixing with it.
TEST_F(SdlServiceTest, NewRequestHaltsTheSoundingEffect) {
  SdlAudio audio;
  const auto longTone = MakeToneWav(300, 3000);
  audio.PlayAsync(longTone);
  ASSERT_TRUE(audio.EffectSounding());
  WriteBytes(Dir / "short.wav", MakeToneWav(880, 60));
  const auto t = Clock::now();
  audio.PlaySync((Dir / "short.wav").string());
  EXPECT_LT(MsSince(t), 1000);
  EXPECT_FALSE(audio.EffectSounding());  // the long tone did not come back
}

// A path longer than 100 characters plays its own file, not the alert.
TEST_F(SdlServiceTest, LongPathPlaysItsFile) {
  SdlAudio audio;
  fs::path deep = Dir / std::string(120, 'd');
  fs::create_directories(deep);
  WriteBytes(deep / (std::string(100, 'f') + ".wav"), MakeToneWav(440, 80));
  const std::string path = (deep / (std::string(100, 'f') + ".wav")).string();
  ASSERT_GT(path.size(), 220u);
  const auto t = Clock::now();
  audio.PlaySync(path);
  EXPECT_LT(MsSince(t), 250);  // 80 ms, far shorter than the 300 ms alert
  EXPECT_GE(MsSince(t), 75);
}

// The media player refuses files that are not MIDI, a missing file and a missing
// soundfont with an error text, and never plays.
TEST_F(SdlServiceTest, PlayerErrorsAreTexts) {
  SdlAudio audio;
  MidiPlayer player;
  WriteBytes(Dir / "wave.mid", MakeToneWav(440, 50));
  EXPECT_NE(player.Open((Dir / "wave.mid").string()), "");
  EXPECT_NE(player.Play(), "");
  EXPECT_NE(player.Open((Dir / "none.mid").string()), "");

  WriteBytes(Dir / "song.mid", MakeMidi());
  MidiPlayer noFont({(Dir / "none.sf2").string()});
  EXPECT_EQ(noFont.Open((Dir / "song.mid").string()),
            "No General MIDI soundfont was found, so MIDI music cannot play.");
}

// Sizes are checked before a byte is read: a song over 16 MB is refused with a text, a sound
// over 64 MB plays the alert. A sound is read once and kept, so a file changed on disk plays as
// it was first read; a name that is not UTF-8 plays its own file.
TEST_F(SdlServiceTest, MediaFilesAreCheckedAndKept) {
  SdlAudio audio;
  MidiPlayer player;
  WriteBytes(Dir / "big.mid", MakeMidi());
  fs::resize_file(Dir / "big.mid", (16 << 20) + 1);  // sparse: costs no disk
  EXPECT_NE(player.Open((Dir / "big.mid").string()).find("larger than 16 MB"), std::string::npos);
  WriteBytes(Dir / "big.wav", MakeToneWav(440, 80));
  fs::resize_file(Dir / "big.wav", (64 << 20) + 1);
  auto t = Clock::now();
  audio.PlaySync((Dir / "big.wav").string());
  EXPECT_GE(MsSince(t), 295);  // the alert, not the 80 ms tone

  for (const char* name : {"kept.wav", "caf\xe9.wav"}) {
    WriteBytes(Dir / name, MakeToneWav(440, 80));
    audio.PlaySync((Dir / name).string());
    WriteBytes(Dir / name, MakeToneWav(440, 900));
    t = Clock::now();
    audio.PlaySync((Dir / name).string());
    EXPECT_LT(MsSince(t), 250) << name;  // still the 80 ms tone read at first
    EXPECT_GE(MsSince(t), 75) << name;
  }
}

// A song plays once and reports a normal end; a song closed while it plays reports an
// aborted end.
TEST_F(SdlServiceTest, EndOfPlayTellsNormalFromAborted) {
  SdlAudio audio;
  MidiPlayer player;
  WriteBytes(Dir / "song.mid", MakeMidi(2, 300));
  ASSERT_EQ(player.Open((Dir / "song.mid").string()), "");
  ASSERT_EQ(player.Play(), "");
  const auto t = Clock::now();
  EXPECT_EQ(WaitNotify(player, 8000), MediaNotify::Successful);
  EXPECT_GE(MsSince(t), 200);
  player.Close();

  ASSERT_EQ(player.Open((Dir / "song.mid").string()), "");
  ASSERT_EQ(player.Play(), "");
  std::optional<MediaNotify> got;
  player.OnSongEnded = [&](MediaNotify n) { got = n; };
  player.Close();
  EXPECT_EQ(WaitNotify(player, 300).value_or(MediaNotify::Aborted), MediaNotify::Aborted);
}

// A second player starting a song cuts the first one's song, which then reports aborted.
TEST_F(SdlServiceTest, SecondPlayerSupersedesTheFirst) {
  SdlAudio audio;
  MidiPlayer first, second;
  WriteBytes(Dir / "long.mid", MakeMidi(4, 4000));
  WriteBytes(Dir / "short.mid", MakeMidi(1, 200));
  ASSERT_EQ(first.Open((Dir / "long.mid").string()), "");
  ASSERT_EQ(first.Play(), "");
  std::optional<MediaNotify> firstGot;
  first.OnSongEnded = [&](MediaNotify n) { firstGot = n; };
  ASSERT_EQ(second.Open((Dir / "short.mid").string()), "");
  ASSERT_EQ(second.Play(), "");
  EXPECT_EQ(WaitNotify(second, 8000), MediaNotify::Successful);
  EXPECT_NE(firstGot, MediaNotify::Successful);
}

// With no usable device the service falls back to the silent dummy driver and keeps
// the sounds' timing.
TEST_F(SdlServiceTest, NoDeviceFallsBackToDummy) {
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  SdlAudio audio;
  EXPECT_EQ(audio.Driver(), "dummy");
  WriteBytes(Dir / "t.wav", MakeToneWav(440, 150));
  const auto t = Clock::now();
  audio.PlaySync((Dir / "t.wav").string());
  EXPECT_GE(MsSince(t), 145);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
}

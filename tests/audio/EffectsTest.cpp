#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "audio/SoundEffects.h"
#include "tests/audio/Fakes.h"

using namespace zandor;

namespace fs = std::filesystem;

namespace {

// A program folder holding ZANDOR0..3.WAV whose first bytes are '0'..'3'.
struct EffectsTest : ::testing::Test {
  GameState G;
  FakeSound Sound;
  SoundEffects Fx{G.Sound, G.Dirs, Sound};
  fs::path Dir = fs::temp_directory_path() / ("zfx" + std::to_string(::getpid()));

  void SetUp() override {
    fs::create_directories(Dir);
    for (int n = 0; n < 4; ++n) {
      std::ofstream(Dir / ("ZANDOR" + std::to_string(n) + ".WAV")) << n << "RIFF";
    }
    G.Dirs.Program = Dir.string() + "/";
    G.SetFileDefaults();
  }
  void TearDown() override { fs::remove_all(Dir); }

  void PlayAll() {
    for (Effect e : {Effect::Stop, Effect::Spin, Effect::Coin, Effect::Credit, Effect::Win,
                     Effect::Lose, Effect::PowerUp, Effect::PowerDown, Effect::Bonus}) {
      Fx.Play(e);
    }
  }

  // What PlayAll is heard to play with every switch on, in its order (the four fixed effects
  // from memory, then the five files by name), less the effects at the indices in skip.
  std::vector<std::string> HeardWithout(std::initializer_list<size_t> skip) const {
    const std::string d = G.Dirs.Program;
    const std::string all[] = {"async:0",
                               "async:1",
                               "async:2",
                               "async:3",
                               "sync:" + d + "ZANDOR5.WAV",
                               "sync:" + d + "ZANDOR8.WAV",
                               "sync:" + d + "ZANDOR6.WAV",
                               "sync:" + d + "ZANDOR7.WAV",
                               "sync:" + d + "ZANDOR4.WAV"};
    std::vector<std::string> heard;
    for (size_t i = 0; i < std::size(all); ++i) {
      if (std::find(skip.begin(), skip.end(), i) == skip.end()) heard.push_back(all[i]);
    }
    return heard;
  }
};

}  // namespace

// The fixed effects come from memory, the replaceable ones by name; the default
// switches leave out Lose and Slot Spin.
TEST_F(EffectsTest, DefaultSwitchesRouteEachEffect) {
  ASSERT_EQ(Fx.LoadEffectSounds(), "");
  PlayAll();
  EXPECT_EQ(Sound.Log, HeardWithout({1, 5}));
}

// Each event's own switch silences that event and no other: switched off one at a time,
// exactly its own sound goes missing.
TEST_F(EffectsTest, EachSwitchSilencesItsOwnEffect) {
  Fx.LoadEffectSounds();
  G.Sound.Spin = G.Sound.Lose = true;
  // In the order PlayAll plays their effects.
  bool* switches[] = {&G.Sound.Stop,    &G.Sound.Spin,      &G.Sound.Coins,
                      &G.Sound.Credits, &G.Sound.Win,       &G.Sound.Lose,
                      &G.Sound.PowerUp, &G.Sound.PowerDown, &G.Sound.Bonus};
  for (size_t i = 0; i < std::size(switches); ++i) {
    Sound.Log.clear();
    *switches[i] = false;
    PlayAll();
    EXPECT_EQ(Sound.Log, HeardWithout({i})) << "switch " << i;
    *switches[i] = true;
  }
}

// The master switch silences everything and leaves the per-event choices as they were,
// so turning it back on restores them.
TEST_F(EffectsTest, MasterSwitchKeepsPerEventChoices) {
  Fx.LoadEffectSounds();
  G.Sound.On = false;
  PlayAll();
  Fx.Play(Effect::Lose);
  EXPECT_TRUE(Sound.Log.empty());
  EXPECT_FALSE(G.Sound.Lose);
  EXPECT_TRUE(G.Sound.Win);
  G.Sound.On = true;
  PlayAll();
  EXPECT_EQ(Sound.Log, HeardWithout({1, 5}));
}

// Preview plays the row's file even with every switch off.
TEST_F(EffectsTest, PreviewIgnoresSwitches) {
  G.Sound.On = false;
  G.Sound.Bonus = false;
  Fx.Preview(G.Sound.BonusFile);
  EXPECT_EQ(Sound.Log, std::vector<std::string>{"sync:" + G.Sound.BonusFile});
}

// A missing fixed file is reported as "File not found" (its name goes to the log), the others
// still load and the missing effect stays silent instead of playing garbage.
TEST_F(EffectsTest, MissingFixedFileIsReportedAndSkipped) {
  fs::remove(Dir / "ZANDOR1.WAV");
  const std::string err = Fx.LoadEffectSounds();
  EXPECT_EQ(err, "File not found");
  EXPECT_EQ(Fx.Image(0).size(), 5u);
  EXPECT_TRUE(Fx.Image(1).empty());
  EXPECT_EQ(Fx.Image(3).size(), 5u);
  G.Sound.Spin = true;
  Fx.Play(Effect::Spin);
  Fx.Play(Effect::Credit);
  EXPECT_EQ(Sound.Log, std::vector<std::string>{"async:3"});
}

// Long paths reach the service whole: nothing is cut at 100 characters.
TEST_F(EffectsTest, LongPathIsPassedWhole) {
  G.Sound.WinFile = "/" + std::string(250, 'w') + ".WAV";
  Fx.Play(Effect::Win);
  EXPECT_EQ(Sound.Log, std::vector<std::string>{"sync:" + G.Sound.WinFile});
}

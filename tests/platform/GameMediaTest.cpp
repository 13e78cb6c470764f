#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include "platform/MidiFile.h"
#include "platform/MidiPlayer.h"
#include "platform/SdlAudio.h"
#include "tests/platform/TestMedia.h"

using namespace zandor;

namespace fs = std::filesystem;

// The game's own songs and effects, generated beside the test by the build, pass the song
// check, open in the player and decode as wave files. Missing media is a failure: the build
// makes them before this test, so their absence means the generator or its output is broken.
TEST(GameMedia, GeneratedSongsAndEffectsPlay) {
  const fs::path dir = fs::read_symlink("/proc/self/exe").parent_path();
  ASSERT_TRUE(fs::exists(dir / "ZANDOR0.MID")) << "media not generated in " << dir;
  SdlAudio audio;
  MidiPlayer player;
  for (int n = 0; n < 8; ++n) {
    const fs::path song = dir / ("ZANDOR" + std::to_string(n) + ".MID");
    std::ifstream in(song, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    std::vector<uint8_t> smf;
    EXPECT_EQ(CheckMidiFile(bytes, smf), "") << song;
    EXPECT_EQ(player.Open(song.string()), "") << song;
    player.Close();
  }
  const char* waves[] = {"ZANDOR0", "ZANDOR1", "ZANDOR2", "ZANDOR3", "ZANDOR4",
                         "ZANDOR5", "ZANDOR6", "ZANDOR7", "ZANDOR8", "POWER4",
                         "POWER5",  "POWER6",  "POWER7",  "POWER8"};
  for (const char* w : waves) {
    const fs::path p = dir / (std::string(w) + ".WAV");
    Mix_Chunk* c = Mix_LoadWAV(p.c_str());
    EXPECT_NE(c, nullptr) << p;
    if (c) Mix_FreeChunk(c);
  }
}

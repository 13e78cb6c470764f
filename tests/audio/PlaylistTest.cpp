#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "audio/Playlist.h"
#include "tests/audio/Fakes.h"

using namespace zandor;

namespace fs = std::filesystem;

namespace {

// A program folder with ZANDOR0..7.MID present and the default playlist.
struct PlaylistTest : ::testing::Test {
  GameState g;
  FakePlayer player;
  FakeUi ui;
  Playlist list{g.Music, player, ui};
  fs::path dir = fs::temp_directory_path() / ("zpl" + std::to_string(::getpid()));

  void SetUp() override {
    fs::create_directories(dir);
    g.Dirs.Program = dir.string() + "/";
    g.SetFileDefaults();
    for (int n = 0; n < 8; ++n) std::ofstream(g.Music.SongFiles[n]) << "MThd";
  }
  void TearDown() override { fs::remove_all(dir); }

  void OnlySlots(std::initializer_list<int> on) {
    g.Music.Selected.fill(false);
    for (int s : on) g.Music.Selected[s] = true;
  }
  // One song ends normally and the next WinBlinkTimer tick follows; returns the slot opened.
  int NextSong() {
    player.log.clear();
    list.SongEnded(MediaNotify::Successful);
    list.StartPendingSong();
    return g.Music.CurrentSong;
  }
};

}  // namespace

// With slots 2 and 5 only, the songs alternate 2, 5, 2, 5 and each is opened by the tick.
TEST_F(PlaylistTest, AlternatesBetweenTwoSlots) {
  OnlySlots({2, 5});
  list.StartMusic();
  EXPECT_EQ(g.Music.CurrentSong, 2);
  EXPECT_EQ(player.log, (std::vector<std::string>{"open:" + g.Music.SongFiles[2], "play"}));
  EXPECT_EQ(NextSong(), 5);
  EXPECT_EQ(player.log,
            (std::vector<std::string>{"close", "open:" + g.Music.SongFiles[5], "play"}));
  EXPECT_EQ(NextSong(), 2);
  EXPECT_EQ(NextSong(), 5);
  EXPECT_FALSE(g.Music.SongPending);
}

// A file deleted while another song plays is skipped at the next change; an empty path
// and a switched-off slot are skipped as well.
TEST_F(PlaylistTest, SkipsMissingEmptyAndOffSlots) {
  list.StartMusic();
  ASSERT_EQ(g.Music.CurrentSong, 0);
  fs::remove(g.Music.SongFiles[1]);
  g.Music.SongFiles[2].clear();
  g.Music.Selected[3] = false;
  EXPECT_EQ(NextSong(), 4);
  g.Music.CurrentSong = 7;
  EXPECT_EQ(NextSong(), 0);
}

// With nothing playable the start-up music is silent, shows nothing and leaves slot 9.
TEST_F(PlaylistTest, NothingPlayableGivesNine) {
  for (int n = 0; n < 8; ++n) fs::remove(g.Music.SongFiles[n]);
  list.StartMusic();
  EXPECT_EQ(g.Music.CurrentSong, 9);
  EXPECT_TRUE(player.log.empty());
  EXPECT_TRUE(ui.log.empty());
  list.SongEnded(MediaNotify::Successful);
  EXPECT_FALSE(g.Music.SongPending);
}

// Music switched off between songs drops the pending song; an aborted notification
// (from Close) starts nothing.
TEST_F(PlaylistTest, MusicOffOrAbortStopsTheCycle) {
  list.StartMusic();
  list.SongEnded(MediaNotify::Successful);
  ASSERT_TRUE(g.Music.SongPending);
  list.ToggleMusic();  // off
  EXPECT_FALSE(g.Music.On);
  player.log.clear();
  list.StartPendingSong();
  EXPECT_FALSE(g.Music.SongPending);
  EXPECT_TRUE(player.log.empty());

  list.SongEnded(MediaNotify::Aborted);
  EXPECT_FALSE(g.Music.SongPending);
  EXPECT_TRUE(player.log.empty());
}

// Music off at start-up plays nothing; switching it on starts the first playable slot,
// off again closes the player at once.
TEST_F(PlaylistTest, ToggleMusicStartsAndStops) {
  g.Music.On = false;
  list.StartMusic();
  EXPECT_TRUE(player.log.empty());
  OnlySlots({6});
  list.ToggleMusic();
  EXPECT_TRUE(g.Music.On);
  EXPECT_EQ(player.log, (std::vector<std::string>{"open:" + g.Music.SongFiles[6], "play"}));
  list.ToggleMusic();
  EXPECT_EQ(player.log.back(), "close");
}

// Switching music on with no playable slot warns, then opens the dialog; a slot made
// playable there starts when the dialog closes.
TEST_F(PlaylistTest, ToggleMusicWithNothingPlayableWarnsThenOpensDialog) {
  g.Music.On = false;
  g.Music.Selected.fill(false);
  ui.dialog = [&] {
    EXPECT_FALSE(g.Music.On);
    g.Music.Selected[3] = true;
  };
  list.ToggleMusic();
  EXPECT_EQ(ui.log, (std::vector<std::string>{"warning:No MIDI songs are selected!", "dialog"}));
  EXPECT_TRUE(g.Music.On);
  EXPECT_EQ(g.Music.CurrentSong, 3);
  EXPECT_EQ(player.log.back(), "play");
}

// The music dialog pauses the music and resumes from the first playable slot; with
// music off it stays off.
TEST_F(PlaylistTest, ChangeSongsPausesAndResumes) {
  list.StartMusic();
  NextSong();
  ASSERT_EQ(g.Music.CurrentSong, 1);
  player.log.clear();
  list.ChooseSongs();
  EXPECT_EQ(player.log,
            (std::vector<std::string>{"close", "open:" + g.Music.SongFiles[0], "play"}));
  EXPECT_TRUE(g.Music.On);

  g.Music.On = false;
  player.log.clear();
  list.ChooseSongs();
  EXPECT_TRUE(player.log.empty());
  EXPECT_FALSE(g.Music.On);
}

// A song the player cannot open gives one error box with its text and nothing else:
// no play, no other slot tried.
TEST_F(PlaylistTest, OpenErrorIsReportedOnce) {
  player.failOpen = "The file is not a valid MIDI file.";
  list.StartMusic();
  EXPECT_EQ(ui.log, std::vector<std::string>{"error:The file is not a valid MIDI file."});
  EXPECT_EQ(player.log, std::vector<std::string>{"open:" + g.Music.SongFiles[0]});
}

// The pending song's path is opened without surrounding blanks.
TEST_F(PlaylistTest, PendingSongPathIsTrimmed) {
  OnlySlots({0, 1});
  list.StartMusic();
  list.SongEnded(MediaNotify::Successful);
  const std::string bare = g.Music.SongFiles[1];
  g.Music.SongFiles[1] = "  " + bare + " ";
  player.log.clear();
  list.StartPendingSong();
  EXPECT_EQ(player.log, (std::vector<std::string>{"open:" + bare, "play"}));
}

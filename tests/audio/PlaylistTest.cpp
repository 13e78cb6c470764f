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
  GameState G;
  FakePlayer Player;
  FakeUi Ui;
  Playlist List{G.Music, Player, Ui};
  fs::path Dir = fs::temp_directory_path() / ("zpl" + std::to_string(::getpid()));

  void SetUp() override {
    fs::create_directories(Dir);
    G.Dirs.Program = Dir.string() + "/";
    G.SetFileDefaults();
    for (int n = 0; n < 8; ++n) std::ofstream(G.Music.SongFiles[n]) << "MThd";
  }
  void TearDown() override { fs::remove_all(Dir); }

  void OnlySlots(std::initializer_list<int> on) {
    G.Music.Selected.fill(false);
    for (int s : on) G.Music.Selected[s] = true;
  }
  // One song ends normally and the next WinBlinkTimer tick follows; returns the slot opened.
  int NextSong() {
    Player.Log.clear();
    List.SongEnded(MediaNotify::Successful);
    List.StartPendingSong();
    return G.Music.CurrentSong;
  }
};

}  // namespace

// With slots 2 and 5 only, the songs alternate 2, 5, 2, 5 and each is opened by the tick.
TEST_F(PlaylistTest, AlternatesBetweenTwoSlots) {
  OnlySlots({2, 5});
  List.StartMusic();
  EXPECT_EQ(G.Music.CurrentSong, 2);
  EXPECT_EQ(Player.Log, (std::vector<std::string>{"open:" + G.Music.SongFiles[2], "play"}));
  EXPECT_EQ(NextSong(), 5);
  EXPECT_EQ(Player.Log,
            (std::vector<std::string>{"close", "open:" + G.Music.SongFiles[5], "play"}));
  EXPECT_EQ(NextSong(), 2);
  EXPECT_EQ(NextSong(), 5);
  EXPECT_FALSE(G.Music.SongPending);
}

// A file deleted while another song plays is skipped at the next change; an empty path
// and a switched-off slot are skipped as well.
TEST_F(PlaylistTest, SkipsMissingEmptyAndOffSlots) {
  List.StartMusic();
  ASSERT_EQ(G.Music.CurrentSong, 0);
  fs::remove(G.Music.SongFiles[1]);
  G.Music.SongFiles[2].clear();
  G.Music.Selected[3] = false;
  EXPECT_EQ(NextSong(), 4);
  G.Music.CurrentSong = 7;
  EXPECT_EQ(NextSong(), 0);
}

// With nothing playable the start-up music is silent, shows nothing and leaves slot 9.
TEST_F(PlaylistTest, NothingPlayableGivesNine) {
  for (int n = 0; n < 8; ++n) fs::remove(G.Music.SongFiles[n]);
  List.StartMusic();
  EXPECT_EQ(G.Music.CurrentSong, 9);
  EXPECT_TRUE(Player.Log.empty());
  EXPECT_TRUE(Ui.Log.empty());
  List.SongEnded(MediaNotify::Successful);
  EXPECT_FALSE(G.Music.SongPending);
}

// Music switched off between songs drops the pending song; an aborted notification
// (from Close) starts nothing.
TEST_F(PlaylistTest, MusicOffOrAbortStopsTheCycle) {
  List.StartMusic();
  List.SongEnded(MediaNotify::Successful);
  ASSERT_TRUE(G.Music.SongPending);
  List.ToggleMusic();  // off
  EXPECT_FALSE(G.Music.On);
  Player.Log.clear();
  List.StartPendingSong();
  EXPECT_FALSE(G.Music.SongPending);
  EXPECT_TRUE(Player.Log.empty());

  List.SongEnded(MediaNotify::Aborted);
  EXPECT_FALSE(G.Music.SongPending);
  EXPECT_TRUE(Player.Log.empty());
}

// Music off at start-up plays nothing; switching it on starts the first playable slot,
// off again closes the player at once.
TEST_F(PlaylistTest, ToggleMusicStartsAndStops) {
  G.Music.On = false;
  List.StartMusic();
  EXPECT_TRUE(Player.Log.empty());
  OnlySlots({6});
  List.ToggleMusic();
  EXPECT_TRUE(G.Music.On);
  EXPECT_EQ(Player.Log, (std::vector<std::string>{"open:" + G.Music.SongFiles[6], "play"}));
  List.ToggleMusic();
  EXPECT_EQ(Player.Log.back(), "close");
}

// Switching music on with no playable slot warns, then opens the dialog; a slot made
// playable there starts when the dialog closes.
TEST_F(PlaylistTest, ToggleMusicWithNothingPlayableWarnsThenOpensDialog) {
  G.Music.On = false;
  G.Music.Selected.fill(false);
  Ui.Dialog = [&] {
    EXPECT_FALSE(G.Music.On);
    G.Music.Selected[3] = true;
  };
  List.ToggleMusic();
  EXPECT_EQ(Ui.Log, (std::vector<std::string>{"warning:No MIDI songs are selected!", "dialog"}));
  EXPECT_TRUE(G.Music.On);
  EXPECT_EQ(G.Music.CurrentSong, 3);
  EXPECT_EQ(Player.Log.back(), "play");
}

// The music dialog pauses the music and resumes from the first playable slot; with
// music off it stays off.
TEST_F(PlaylistTest, ChangeSongsPausesAndResumes) {
  List.StartMusic();
  NextSong();
  ASSERT_EQ(G.Music.CurrentSong, 1);
  Player.Log.clear();
  List.ChooseSongs();
  EXPECT_EQ(Player.Log,
            (std::vector<std::string>{"close", "open:" + G.Music.SongFiles[0], "play"}));
  EXPECT_TRUE(G.Music.On);

  G.Music.On = false;
  Player.Log.clear();
  List.ChooseSongs();
  EXPECT_TRUE(Player.Log.empty());
  EXPECT_FALSE(G.Music.On);
}

// A song the player cannot open gives one error box with its text and nothing else:
// no play, no other slot tried.
TEST_F(PlaylistTest, OpenErrorIsReportedOnce) {
  Player.FailOpen = "The file is not a valid MIDI file.";
  List.StartMusic();
  EXPECT_EQ(Ui.Log, std::vector<std::string>{"error:The file is not a valid MIDI file."});
  EXPECT_EQ(Player.Log, std::vector<std::string>{"open:" + G.Music.SongFiles[0]});
}

// The pending song's path is opened without surrounding blanks.
TEST_F(PlaylistTest, PendingSongPathIsTrimmed) {
  OnlySlots({0, 1});
  List.StartMusic();
  List.SongEnded(MediaNotify::Successful);
  const std::string bare = G.Music.SongFiles[1];
  G.Music.SongFiles[1] = "  " + bare + " ";
  Player.Log.clear();
  List.StartPendingSong();
  EXPECT_EQ(Player.Log, (std::vector<std::string>{"open:" + bare, "play"}));
}

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <functional>

#include "audio/GameAudio.h"
#include "audio/MusicDialog.h"
#include "audio/SoundDialog.h"
#include "audio/VolumeDialog.h"
#include "help/Help.h"
#include "platform/WaveTone.h"
#include "tests/audio/Fakes.h"
#include "tests/support/FakePrompts.h"
#include "tests/support/TestApp.h"

using namespace zandor;

namespace fs = std::filesystem;

namespace {

QApplication& App() { return TestApp(); }

// The boxes answered from scripted lists; every call is logged.
struct DialogsTest : ::testing::Test {
  GameState G;
  fs::path Dir = fs::temp_directory_path() / ("zdlg" + std::to_string(::getpid()));
  FakePrompts Prompts;
  std::deque<QString>& Answers = Prompts.Files;     // paths the file box returns, in turn
  std::vector<QString>& Folders = Prompts.Folders;  // the starting folder of each file box
  std::vector<QString>& Filters = Prompts.Filters;
  std::vector<QString>& Messages = Prompts.Messages;

  void SetUp() override {
    App();
    fs::create_directories(Dir);
    G.Dirs.Program = Dir.string() + "/";
    G.SetFileDefaults();
  }
  void TearDown() override { fs::remove_all(Dir); }
  std::string Touch(const std::string& relative) {
    fs::path p = Dir / relative;
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "x";
    return p.string();
  }
  std::string Write(const std::string& relative, const std::vector<uint8_t>& bytes) {
    fs::path p = Dir / relative;
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return p.string();
  }
  // A short tone and a one-track song that end at once: files the game can play.
  std::string Tone(const std::string& relative) { return Write(relative, MakeToneWav(440, 20)); }
  std::string Song(const std::string& relative) { return Write(relative, kSong); }
  static inline const std::vector<uint8_t> kSong = {'M', 'T', 'h', 'd', 0,  0,    0,    6,   0,
                                                    0,   0,   1,   0,   96, 'M',  'T',  'r', 'k',
                                                    0,   0,   0,   4,   0,  0xFF, 0x2F, 0};
  // The dialog's frame lies in the middle of the screen's available area.
  static void ExpectCentred(QWidget& w) {
    const QRect area = w.screen()->availableGeometry();
    EXPECT_LE(std::abs(w.frameGeometry().center().x() - area.center().x()), 2);
    EXPECT_LE(std::abs(w.frameGeometry().center().y() - area.center().y()), 2);
  }
};

}  // namespace

// The sound dialog: caption, fixed 394 x 397 client, centred, five rows in order with
// their hints, OK the default and no Cancel.
TEST_F(DialogsTest, SoundDialogLayout) {
  SoundDialog f(G.Sound, G.Dirs, nullptr, Prompts);
  f.show();
  EXPECT_EQ(f.windowTitle(), "Change Sounds (WAV Files)");
  EXPECT_EQ(f.size(), QSize(394, 397));
  EXPECT_EQ(f.minimumSize(), f.maximumSize());
  ExpectCentred(f);
  const char* captions[] = {"Bonus Sound:", "Count Down Sound", "Count Up Sound",
                            "Lose Sound:", "Win Sound:"};
  for (int r = 0; r < 5; ++r) {
    EXPECT_EQ(f.SoundLabels[r]->text(), captions[r]);
    EXPECT_FALSE(f.SoundLabels[r]->toolTip().isEmpty());
    if (r > 0) EXPECT_GT(f.SoundLabels[r]->y(), f.SoundLabels[r - 1]->y());
  }
  EXPECT_EQ(f.SoundLabels[4]->toolTip(), "This is a sound which plays on a winning spin.");
  EXPECT_TRUE(f.OkButton->isDefault());
  for (QPushButton* b : f.findChildren<QPushButton*>()) EXPECT_NE(b->text(), "Cancel");
}

// Change stores the chosen path in its row's variable and the next Change starts in that
// file's folder; a cancelled choice and a path too long to keep change nothing.
TEST_F(DialogsTest, SoundDialogChangeFollowsLastFolder) {
  SoundDialog f(G.Sound, G.Dirs, nullptr, Prompts);
  const std::string chosen = Tone("a/mine.wav");
  Answers = {QString::fromStdString(chosen), "", "/" + QString(300, 'x') + ".wav"};
  f.ChangeButtons[1]->click();  // Count Down
  EXPECT_EQ(G.Sound.PowerDownFile, chosen);
  EXPECT_EQ(Folders.at(0), "");
  EXPECT_TRUE(Filters.at(0).startsWith("Wav Files"));
  const std::string before = G.Sound.WinFile;
  f.ChangeButtons[4]->click();  // cancelled
  EXPECT_EQ(Folders.at(1), QString::fromStdString((Dir / "a").string()));
  EXPECT_EQ(G.Sound.WinFile, before);
  f.ChangeButtons[4]->click();  // too long
  EXPECT_EQ(G.Sound.WinFile, before);
  EXPECT_EQ(Messages.size(), 1u);
}

// A chosen sound or song the game cannot play stays chosen and is reported at once, naming the
// file; one it can play is taken without a word.
TEST_F(DialogsTest, UnplayableChoiceIsReported) {
  const std::vector<uint8_t> tone = MakeToneWav(440, 20);
  const std::vector<uint8_t> cut(tone.begin(), tone.begin() + 24);
  struct Case {
    bool Song;
    const char* File;
    std::vector<uint8_t> Bytes;
    const char* Warning;  // nullptr: no box
  };
  const Case cases[] = {
      {false,
       "noise.wav",
       {'x'},
       "noise.wav cannot be played: it is not a wave sound this game can read. It stays "
       "chosen, and a warning beep sounds in its place until you choose another file."},
      {false, "cut.WAV", cut,
       "cut.WAV cannot be played: it is not a wave sound this game can read. It stays chosen, "
       "and a warning beep sounds in its place until you choose another file."},
      {false, "tone.wav", tone, nullptr},
      {true,
       "noise.mid",
       {'x'},
       "noise.mid cannot be played: it is not a MIDI song this game can read. Please choose "
       "another file for this song."},
      {true, "tone.mid", tone,
       "tone.mid cannot be played: it is not a MIDI song this game can read. Please choose "
       "another file for this song."},
      {true, "tune.mid", kSong, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.File);
    Messages.clear();
    const std::string path = Write(c.File, c.Bytes);
    Answers = {QString::fromStdString(path)};
    FakePlayer p;
    if (c.Song) {
      MusicDialog f(G.Music, G.Dirs, p, Prompts);
      f.show();
      f.ChangeButtons[2]->click();
      EXPECT_EQ(G.Music.SongFiles[2], path);
      EXPECT_TRUE(f.CheckBoxes[2]->isChecked());
      f.OkButton->click();
    } else {
      SoundDialog f(G.Sound, G.Dirs, nullptr, Prompts);
      f.ChangeButtons[4]->click();
      EXPECT_EQ(G.Sound.WinFile, path);
    }
    EXPECT_EQ(Messages, c.Warning ? std::vector<QString>{c.Warning} : std::vector<QString>{});
  }
}

// Preview plays the row's own file; Restore sets the five restore names.
TEST_F(DialogsTest, SoundDialogPreviewAndRestore) {
  std::vector<std::string> played;
  SoundDialog f(
      G.Sound, G.Dirs, [&](const std::string& p) { played.push_back(p); }, Prompts);
  f.PreviewButtons[0]->click();
  f.PreviewButtons[3]->click();
  EXPECT_EQ(played, (std::vector<std::string>{G.Sound.BonusFile, G.Sound.LoseFile}));
  f.RestoreDefaultsButton->click();
  const std::string d = G.Dirs.Program;
  EXPECT_EQ(G.Sound.WinFile, d + "POWER5.WAV");
  EXPECT_EQ(G.Sound.LoseFile, d + "POWER8.WAV");
  EXPECT_EQ(G.Sound.PowerUpFile, d + "POWER6.WAV");
  EXPECT_EQ(G.Sound.PowerDownFile, d + "POWER7.WAV");
  EXPECT_EQ(G.Sound.BonusFile, d + "POWER4.WAV");
}

// The music dialog: caption, 427 x 371, centred, eight rows 32 px apart with slot tags,
// and the rows as the playlist sets them once it comes up.
TEST_F(DialogsTest, MusicDialogLayoutAndActivate) {
  FakePlayer p;
  G.Music.SongFiles[3].clear();
  G.Music.Selected[5] = false;
  MusicDialog f(G.Music, G.Dirs, p, Prompts);
  for (int s = 0; s < 8; ++s) {
    EXPECT_FALSE(f.CheckBoxes[s]->isEnabled());
    EXPECT_FALSE(f.PreviewButtons[s]->isEnabled());
    EXPECT_TRUE(f.ChangeButtons[s]->isEnabled());
    EXPECT_EQ(f.ChangeButtons[s]->property("tag").toInt(), s);
    if (s > 0) EXPECT_EQ(f.CheckBoxes[s]->y() - f.CheckBoxes[s - 1]->y(), 32);
  }
  f.show();
  EXPECT_EQ(f.windowTitle(), "Change MIDI Files]");
  EXPECT_EQ(f.size(), QSize(427, 371));
  ExpectCentred(f);
  EXPECT_TRUE(f.InstructionsLabel->text().startsWith("You may include up to eight MIDI files"));
  EXPECT_EQ(f.CheckBoxes[0]->text(), "ZANDOR0.MID");
  EXPECT_TRUE(f.CheckBoxes[0]->isEnabled());
  EXPECT_FALSE(f.CheckBoxes[3]->isEnabled());
  EXPECT_FALSE(f.PreviewButtons[3]->isEnabled());
  EXPECT_FALSE(f.CheckBoxes[5]->isChecked());
  EXPECT_TRUE(f.CheckBoxes[6]->isChecked());
  f.reject();
}

// OK keeps a slot on only when its file exists and its box is ticked, and cuts the
// names to twelve characters; a long name shows in full until then.
TEST_F(DialogsTest, MusicDialogOkRebuildsPlaylist) {
  FakePlayer p;
  Touch("ZANDOR0.MID");
  Touch("ZANDOR1.MID");
  const std::string chosen = Touch("songs/a-very-long-song-name.mid");
  Answers = {QString::fromStdString(chosen)};
  MusicDialog f(G.Music, G.Dirs, p, Prompts);
  f.show();
  f.CheckBoxes[1]->setChecked(false);
  f.ChangeButtons[4]->click();
  EXPECT_EQ(f.CheckBoxes[4]->text(), "a-very-long-song-name.mid");
  EXPECT_EQ(Filters.at(0), "MIDI Sequencer (*.mid *.rmi *.MID *.RMI)");
  EXPECT_EQ(Folders.at(0), QString::fromStdString(G.Dirs.Program));
  f.OkButton->click();
  EXPECT_EQ(G.Music.Selected,
            (std::array<bool, 8>{true, false, false, false, true, false, false, false}));
  EXPECT_EQ(G.Music.SongFiles[4], chosen);
  EXPECT_EQ(G.Music.SongNames[4], "a-very-long-");
  EXPECT_EQ(G.Music.SongNames[0], "ZANDOR0.MID");
  EXPECT_EQ(p.Log.back(), "close");
}

// Cancel and the close box put the paths back and leave names and switches alone.
TEST_F(DialogsTest, MusicDialogCancelRestoresPathsOnly) {
  FakePlayer p;
  const auto songs = G.Music.SongFiles;
  const auto names = G.Music.SongNames;
  G.Music.Selected[2] = false;
  const auto flags = G.Music.Selected;
  for (bool viaCloseBox : {false, true}) {
    MusicDialog f(G.Music, G.Dirs, p, Prompts);
    f.show();
    Answers = {QString::fromStdString(Touch("new.mid"))};
    f.ChangeButtons[2]->click();
    EXPECT_NE(G.Music.SongFiles[2], songs[2]);
    if (viaCloseBox) {
      f.close();
    } else {
      f.CancelButton->click();
    }
    EXPECT_EQ(G.Music.SongFiles, songs);
    EXPECT_EQ(G.Music.SongNames, names);
    EXPECT_EQ(G.Music.Selected, flags);
    EXPECT_EQ(p.Log.back(), "close");
  }
}

// Preview plays an existing file through the dialog's player; a missing one warns with
// its name and then asks for a file for that slot.
TEST_F(DialogsTest, MusicDialogPreview) {
  FakePlayer p;
  Touch("ZANDOR0.MID");
  MusicDialog f(G.Music, G.Dirs, p, Prompts);
  f.show();
  f.PreviewButtons[0]->click();
  EXPECT_EQ(p.Log, (std::vector<std::string>{"close", "open:" + G.Music.SongFiles[0], "play"}));
  const std::string other = Song("other.mid");
  Answers = {QString::fromStdString(other)};
  f.PreviewButtons[1]->click();
  EXPECT_EQ(Messages,
            std::vector<QString>{"Could not find ZANDOR1.MID.  Please choose a valid MIDI file."});
  EXPECT_EQ(G.Music.SongFiles[1], other);
  EXPECT_TRUE(f.CheckBoxes[1]->isChecked());
  f.reject();
}

// Music > On with nothing playable warns, then brings up the music dialog; music stays
// on and silent when the dialog is cancelled.
TEST_F(DialogsTest, ToggleMusicWithNothingPlayableOpensTheDialog) {
  GameAudio audio(G.Sound, G.Music, G.Dirs, Prompts, nullptr);
  G.Music.On = false;
  QString shown;
  QTimer::singleShot(50, [&] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      shown = w->windowTitle();
      w->close();
    }
  });
  audio.ToggleMusic();
  EXPECT_EQ(Messages, std::vector<QString>{"No MIDI songs are selected!"});
  EXPECT_EQ(shown, "Change MIDI Files]");
  EXPECT_TRUE(G.Music.On);
  EXPECT_EQ(G.Music.CurrentSong, 9);
}

// A song file that is not MIDI gives the error box with the service's text, no crash.
TEST_F(DialogsTest, BadSongGivesErrorBox) {
  GameAudio audio(G.Sound, G.Music, G.Dirs, Prompts, nullptr);
  Touch("ZANDOR0.MID");  // one byte, not a MIDI file
  audio.StartMusic();
  ASSERT_EQ(Messages.size(), 1u);
  EXPECT_TRUE(Messages[0].contains("not a valid MIDI file"));
}

// The Volume dialog has a Help button as every other dialog does, beside OK and Cancel and
// wide enough for its caption: the button and F1 both open the volume's page of the manual,
// and neither closes the dialog nor changes the loudness.
TEST_F(DialogsTest, VolumeDialogHelp) {
  Volume applied{-1, -1};
  VolumeDialog f(
      Volume{40, 60}, [&](const Volume& v) { applied = v; }, [] {}, Prompts);
  f.show();
  ASSERT_NE(f.HelpButton, nullptr);
  EXPECT_EQ(f.HelpButton->text(), "&Help");
  EXPECT_TRUE(f.HelpButton->isVisible());
  EXPECT_GE(f.HelpButton->width(), f.HelpButton->minimumSizeHint().width());
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"button", [&] { QTest::mouseClick(f.HelpButton, Qt::LeftButton); }},
      {"F1", [&] { QTest::keyClick(f.EffectsSlider, Qt::Key_F1); }},
  };
  for (const auto& [name, press] : ways) {
    SCOPED_TRACE(name);
    Prompts.Topics.clear();
    press();
    EXPECT_EQ(Prompts.Topics, std::vector<HelpTopic>{HelpTopic::Volume});
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(applied, (Volume{-1, -1}));
  }
  f.reject();
}

// The settings file, byte for byte.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "store/AtomicFile.h"
#include "store/DamagedFile.h"
#include "store/IniDocument.h"
#include "store/IniFile.h"
#include "store/MoneyText.h"
#include "store/Settings.h"
#include "tests/support/Dollars.h"
#include "tests/support/TempDir.h"

using namespace zandor;

namespace {

// The file a fresh game writes, key for key.
const char* const kFreshFile =
    "[Settings]\n"
    "Credits=1000.00\n"
    "Borrowed=1000.00\n"
    "BonusPool=50.00\n"
    "Spins=0\n"
    "Maxed=0\n"
    "Sound=1\n"
    "MusicOn=1\n"
    "sndCoins=1\n"
    "sndCredits=1\n"
    "sndSpin=0\n"
    "sndStop=1\n"
    "sndWin=1\n"
    "sndBonus=1\n"
    "sndLose=0\n"
    "sndPowerDown=1\n"
    "sndPowerUp=1\n"
    "PowerPts=0\n"
    "Speed=0\n"
    "Bet=3\n"
    "BackColor=-2147483633\n"
    "BackMode=0\n"
    "BackBMP=/opt/z/_BACK1.BMP\n"
    "WinSound=/opt/z/ZANDOR5.WAV\n"
    "LoseSound=/opt/z/ZANDOR8.WAV\n"
    "BonusSound=/opt/z/ZANDOR4.WAV\n"
    "PowerDownSound=/opt/z/ZANDOR7.WAV\n"
    "PowerUpSound=/opt/z/ZANDOR6.WAV\n"
    "PlayList0=1\nPlayList1=1\nPlayList2=1\nPlayList3=1\n"
    "PlayList4=1\nPlayList5=1\nPlayList6=1\nPlayList7=1\n"
    "MIDISong0=/opt/z/ZANDOR0.MID\nMIDISong1=/opt/z/ZANDOR1.MID\n"
    "MIDISong2=/opt/z/ZANDOR2.MID\nMIDISong3=/opt/z/ZANDOR3.MID\n"
    "MIDISong4=/opt/z/ZANDOR4.MID\nMIDISong5=/opt/z/ZANDOR5.MID\n"
    "MIDISong6=/opt/z/ZANDOR6.MID\nMIDISong7=/opt/z/ZANDOR7.MID\n"
    "MIDIName0=ZANDOR0.MID\nMIDIName1=ZANDOR1.MID\nMIDIName2=ZANDOR2.MID\n"
    "MIDIName3=ZANDOR3.MID\nMIDIName4=ZANDOR4.MID\nMIDIName5=ZANDOR5.MID\n"
    "MIDIName6=ZANDOR6.MID\nMIDIName7=ZANDOR7.MID\n"
    "AceyDucey=1\n";

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

GameState FreshGame(const std::string& settingsDir) {
  GameState g;
  g.Dirs.Program = "/opt/z/";
  g.Dirs.Settings = settingsDir;
  g.SetFileDefaults();
  return g;
}

// Without a file, a save creates the folder and the file with the 52 keys in order; loading it
// gives the same game back and saving again writes the same bytes.
TEST(Settings, FreshSaveIsByteExactAndRoundTrips) {
  TempDir dir;
  std::string sdir = dir.Path() + "deep/er/";
  GameState g = FreshGame(sdir);
  SaveResult r = SaveSettings(g);
  ASSERT_TRUE(r.Ok);
  EXPECT_EQ(ReadFile(sdir + "ZANDOR.INI"), kFreshFile);

  GameState h = FreshGame(sdir);
  h.Machine.Credits = h.Machine.Borrowed = 5_usd;
  h.Machine.Speed = SpinSpeed::Slow;
  h = LoadSettings(h);
  EXPECT_EQ(h.Machine.Credits, 1000.0_usd);
  EXPECT_EQ(h.Machine.Borrowed, 1000.0_usd);
  EXPECT_EQ(h.Machine.BonusPool, 50.0_usd);
  EXPECT_EQ(h.Machine.Speed, SpinSpeed::Fast);
  EXPECT_EQ(h.Machine.Bet, 3);
  EXPECT_EQ(h.Options.BackColor, ButtonFaceColor);
  ASSERT_TRUE(SaveSettings(h).Ok);
  EXPECT_EQ(ReadFile(sdir + "ZANDOR.INI"), kFreshFile);
}

// Values changed by play are written and read back (money rounded to whole cents), and lines
// the program does not know survive untouched.
TEST(Settings, PlayedGameRoundTripsAndKeepsForeignLines) {
  TempDir dir;
  std::string file = dir.Path() + "ZANDOR.INI";
  WriteFile(file, "; notes\r\n[Other]\r\nx=1\r\n\r\n[Settings]\r\nMyKey=mine\r\nSpins=4\r\n");
  GameState g = FreshGame(dir.Path());
  g.Machine.Credits = 123.456_usd;
  g.Machine.Borrowed = 0.1_usd + 0.2_usd;
  g.Machine.Spins = 77;
  g.Options.Maxed = true;
  g.Sound.Win = false;
  g.Machine.Speed = SpinSpeed::Slow;
  g.Machine.Bet = 7;
  g.Options.BackColor = 0x00FF8040;
  g.Options.BackMode = BackgroundMode::SolidColor;
  g.Music.Selected[3] = false;
  g.Music.SongNames[5] = "MINE.MID";
  g.Options.AceyDucey = false;
  ASSERT_TRUE(SaveSettings(g).Ok);
  std::string text = ReadFile(file);
  // Spins is rewritten where it stood; the keys that were missing follow it.
  const std::string head =
      "; notes\r\n[Other]\r\nx=1\r\n\r\n[Settings]\r\nMyKey=mine\r\nSpins=77\n"
      "Credits=123.46\nBorrowed=0.30\nBonusPool=50.00\nMaxed=1\n";
  EXPECT_EQ(text.substr(0, head.size()), head);

  GameState h = FreshGame(dir.Path());
  h = LoadSettings(h);
  EXPECT_EQ(h.Machine.Credits, 123.46_usd);
  EXPECT_EQ(h.Machine.Borrowed, 0.3_usd);
  EXPECT_EQ(h.Machine.Spins, 77);
  EXPECT_TRUE(h.Options.Maxed);
  EXPECT_FALSE(h.Sound.Win);
  EXPECT_EQ(h.Machine.Speed, SpinSpeed::Slow);
  EXPECT_EQ(h.Machine.Bet, 7);  // accepted as read; start-up decides what it means
  EXPECT_EQ(h.Options.BackColor, 0x00FF8040);
  EXPECT_EQ(h.Options.BackMode, BackgroundMode::SolidColor);
  EXPECT_FALSE(h.Music.Selected[3]);
  EXPECT_EQ(h.Music.SongNames[5], "MINE.MID");
  EXPECT_FALSE(h.Options.AceyDucey);
}

// The parsing cases a hand-edited file can hold.
TEST(Settings, LoadsOddValuesByTheRules) {
  TempDir dir;
  WriteFile(dir.Path() + "ZANDOR.INI",
            "[Settings]\n"
            "Credits=7.5\nBorrowed=\nBonusPool=12abc\n"
            "Speed=0x2\nsndWin=yes\nMaxed=2\nBet=259\nBackMode=-1\n"
            "MIDIName0=ABCDEFGHIJKLMNOP\nMIDIName2=" +
                Repeat("\u00c4", 13) + "\nWinSound=" + Repeat("\u00e9", 300) +
                "\n"
                "BackBMP=" +
                std::string(300, 'b') +
                "\n"
                "PlayList1=0\nPlayList2=no\nAceyDucey=x\nSpins=1e3\n");
  GameState g = FreshGame(dir.Path());
  g.Sound.Win = false;
  g.Music.Selected[2] = false;
  g.Options.AceyDucey = false;
  g = LoadSettings(g);
  EXPECT_EQ(g.Machine.Credits, 7.05_usd);
  EXPECT_EQ(g.Machine.Borrowed, 0.0_usd);  // present but empty: not the default
  EXPECT_EQ(g.Machine.BonusPool, 12.0_usd);
  EXPECT_EQ(g.Machine.Speed, SpinSpeed::Slow);
  EXPECT_FALSE(g.Sound.Win);  // "yes" keeps the current value
  EXPECT_TRUE(g.Options.Maxed);
  EXPECT_EQ(g.Machine.Bet, 3);  // low eight bits of 259
  EXPECT_EQ(g.Options.BackMode, static_cast<BackgroundMode>(255));
  EXPECT_EQ(g.Music.SongNames[0], "ABCDEFGHIJKL");
  EXPECT_EQ(g.Music.SongNames[2], Repeat("\u00c4", 12));  // characters, never half of one
  EXPECT_EQ(g.Sound.WinFile, Repeat("\u00e9", 255));
  EXPECT_EQ(g.Options.BackBitmap, std::string(255, 'b'));
  EXPECT_FALSE(g.Music.Selected[1]);
  EXPECT_TRUE(g.Music.Selected[2]);  // unreadable: the constant default, not the current value
  EXPECT_TRUE(g.Options.AceyDucey);
  EXPECT_EQ(g.Machine.Spins, 0);
  EXPECT_EQ(g.Music.SongNames[1], "ZANDOR1.MID");
}

// A save that fails (the file is read-only; the steps of a failing replace are the INI
// writer's) keeps the old file whole, none of the new keys reach it, and names the file; a
// settings folder that is really a file fails the same way.
TEST(Settings, FailedSaveKeepsTheOldFile) {
  TempDir dir;
  GameState g = FreshGame(dir.Path());
  ASSERT_TRUE(SaveSettings(g).Ok);
  g.Machine.Credits = Money::Dollars(11000);
  g.Machine.Borrowed = Money::Dollars(11000);
  std::filesystem::permissions(dir.Path() + "ZANDOR.INI", std::filesystem::perms::owner_read);
  {
    SaveResult r = SaveSettings(g);
    ASSERT_FALSE(r.Ok);
    EXPECT_EQ(r.FailedPath, dir.Path() + "ZANDOR.INI");
    ASSERT_EQ(ReadFile(dir.Path() + "ZANDOR.INI"), kFreshFile);
  }
  WriteFile(dir.Path() + "notadir", "x");
  GameState h = FreshGame(dir.Path() + "notadir/");
  SaveResult r = SaveSettings(h);
  EXPECT_FALSE(r.Ok);
  EXPECT_EQ(r.FailedPath, dir.Path() + "notadir/ZANDOR.INI");
}

// A settings file that is a folder or binary garbage loads as the defaults; the folder cannot be
// saved over (and says so), the garbage gains a Settings section and keeps its bytes.
TEST(Settings, HostileFilesLoadAsDefaults) {
  TempDir dir;
  std::filesystem::create_directory(dir.Path() + "ZANDOR.INI");
  GameState g = FreshGame(dir.Path());
  g = LoadSettings(g);
  EXPECT_EQ(g.Machine.Credits, 1000.0_usd);
  EXPECT_EQ(g.Machine.Bet, 3);
  SaveResult r = SaveSettings(g);
  EXPECT_FALSE(r.Ok);
  EXPECT_EQ(r.FailedPath, dir.Path() + "ZANDOR.INI");

  TempDir other;
  std::string garbage;
  for (int i = 0; i < 5000; ++i) garbage += static_cast<char>((i * 131 + 7) & 0xff);
  garbage += '\n';
  WriteFile(other.Path() + "ZANDOR.INI", garbage);
  GameState h = FreshGame(other.Path());
  h = LoadSettings(h);
  EXPECT_EQ(h.Machine.Credits, 1000.0_usd);
  ASSERT_TRUE(SaveSettings(h).Ok);
  EXPECT_EQ(ReadFile(other.Path() + "ZANDOR.INI"), garbage + kFreshFile);
}

// A damaged ZANDOR.INI or POWER.INI (a 10 MB line, a folder, a pipe, a link to a device) is
// renamed with the first free ".damaged-<n>", the player is told once which file went where,
// and a fresh file is written byte for byte; a sound file and a missing one are left alone.
TEST(Settings, DamagedFilesAreSetAsideAndWrittenAfresh) {
  enum Kind { LongLine, Folder, Pipe, ZeroLink };
  for (const char* name : {"ZANDOR.INI", "POWER.INI"}) {
    for (Kind kind : {LongLine, Folder, Pipe, ZeroLink}) {
      SCOPED_TRACE(std::string(name) + " of kind " + std::to_string(kind));
      TempDir dir;
      const std::string path = dir.Path() + name;
      if (kind == LongLine) WriteFile(path, "[Settings]\nCredits=" + std::string(10 << 20, '9'));
      if (kind == Folder) std::filesystem::create_directory(path);
      if (kind == Pipe) ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
      if (kind == ZeroLink) std::filesystem::create_symlink("/dev/zero", path);
      const auto type = std::filesystem::symlink_status(path).type();
      WriteFile(path + ".damaged-1", "an earlier one");

      const std::vector<PlayerText> notices = SetAsideDamagedFiles(dir.Path());
      ASSERT_EQ(notices.size(), 1u);
      EXPECT_EQ(notices[0].English(),
                path + " could not be read: it is damaged or far too large.  It has been renamed " +
                    path + ".damaged-2, and a new file takes its place.");
      EXPECT_EQ(std::filesystem::symlink_status(path + ".damaged-2").type(), type);
      EXPECT_EQ(ReadFile(path + ".damaged-1"), "an earlier one");
      EXPECT_TRUE(SetAsideDamagedFiles(dir.Path()).empty());  // told once

      GameState g = FreshGame(dir.Path());
      if (std::string(name) == "ZANDOR.INI") {
        ASSERT_TRUE(SaveSettings(g).Ok);
        EXPECT_EQ(ReadFile(path), kFreshFile);
      } else {
        IniDocument slots(path);
        slots.WriteString("Saved Game 1", "Name", "Mine");
        ASSERT_TRUE(slots.Save());
        EXPECT_EQ(ReadFile(path), "[Saved Game 1]\nName=Mine\n");
      }
      EXPECT_TRUE(SetAsideDamagedFiles(dir.Path()).empty());
    }
  }
}

// A save killed at any moment leaves the old file or the new one, whole: never some keys of
// each. A killed save may leave its temporary file, which the next start clears.
TEST(Settings, KilledSaveLeavesOldOrNewFile) {
  TempDir dir;
  std::string file = dir.Path() + "ZANDOR.INI";
  GameState g = FreshGame(dir.Path());
  ASSERT_TRUE(SaveSettings(g).Ok);
  g.Machine.Credits = 4321.09_usd;
  g.Machine.Spins = 99;
  std::string fresh = kFreshFile, played = fresh;
  played.replace(played.find("Credits=1000.00"), 15, "Credits=4321.09");
  played.replace(played.find("Spins=0"), 7, "Spins=99");
  for (int delayUs : {0, 300, 1000, 3000, 10000}) {
    pid_t pid = fork();
    if (pid == 0) {
      for (;;) SaveSettings(g);
    }
    usleep(static_cast<useconds_t>(delayUs));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    std::string text = ReadFile(file);
    EXPECT_TRUE(text == fresh || text == played) << delayUs << "\n" << text;
    RemoveLeftoverTemporaries(dir.Path(), {"ZANDOR.INI"});
    int files = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.Path())) files += e.exists();
    EXPECT_EQ(files, 1) << delayUs;
  }
}

}  // namespace

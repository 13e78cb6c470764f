// The eight saved-game slots of "POWER.INI".
#include <gtest/gtest.h>

#include "store/Money.h"
#include "store/SavedGames.h"
#include "store/TIniFile.h"
#include "tests/store/TempDir.h"
#include "tests/support/Dollars.h"

namespace {

TGame GameIn(const std::string& dir) {
  TGame g;
  g.SettingsDir = dir;
  return g;
}

// Dates are mm/dd/yy joined by the locale's separator, "/" when the format has none.
TEST(SavedGames, FormatsDates) {
  EXPECT_EQ(DateText(3, 7, 2026, "%m/%d/%y"), "03/07/26");
  EXPECT_EQ(DateText(12, 31, 1999, "%d.%m.%Y"), "12.31.99");
  EXPECT_EQ(DateText(1, 2, 2000, "%Y-%m-%d"), "01-02-00");
  EXPECT_EQ(DateText(1, 2, 2003, "%x"), "01/02/03");
  EXPECT_EQ(DateText(1, 2, 2003, nullptr), "01/02/03");
  EXPECT_EQ(TodayText().size(), 8u);
}

// Without a file every slot reads as "Game #n" of today with 1000 credits, 1000 borrowed and a
// 10000 pool, and opening one gives exactly that; the free-spin count of a slot is untouched.
TEST(SavedGames, MissingFileGivesDefaults) {
  TempDir dir;
  TGame g = GameIn(dir.Path());
  SavedGames[4].FreeSpinCount = 3;
  ReadSavedGames(g);
  for (int n = 1; n <= 8; ++n) {
    EXPECT_EQ(SavedGames[n - 1].Name, "Game #" + std::to_string(n));
    EXPECT_EQ(SavedGames[n - 1].Date, TodayText());
  }
  EXPECT_EQ(SavedGames[4].FreeSpinCount, 3);
  SavedGames[4].FreeSpinCount = 0;
  g.Credits = 1_usd;
  g.Spins = 5;
  g.PowerPts = 9;
  g.FreeSpinCount = 4;
  g.Wager = 25_usd;
  OpenSlot(g, 2);
  EXPECT_EQ(g.Credits, 1000.0_usd);
  EXPECT_EQ(g.Borrowed, 1000.0_usd);
  EXPECT_EQ(g.BonusPool, 10000.0_usd);
  EXPECT_EQ(g.Spins, 0);
  EXPECT_EQ(g.PowerPts, 0);
  EXPECT_EQ(g.FreeSpinCount, 0);
  EXPECT_EQ(g.Wager, 25_usd);  // the wager belongs to the machine, not to the game
  EXPECT_EQ(ReadFile(dir.Path() + "POWER.INI"), "");
}

// Saving into slot 3 writes its seven keys in order, rewrites them in place later, and leaves
// the other sections and foreign lines alone; opening the slot gives the game back.
TEST(SavedGames, SavesInPlaceAndOpensAgain) {
  TempDir dir;
  std::string file = dir.Path() + "POWER.INI";
  WriteFile(file,
            "[Saved Game 1]\r\nName=first\r\nCredits=5.00\r\n"
            "[saved game 3]\r\n;mine\r\nName=old\r\nSpins=1\r\nDate=01/01/01\r\n"
            "Credits=1.00\r\nBorrowed=2.00\r\nBonusPool=3.00\r\nPowerPts=4\r\nExtra=x\r\n");
  TGame g = GameIn(dir.Path());
  g.Credits = 1234.5_usd;
  g.Borrowed = 3000_usd;
  g.BonusPool = 87.25_usd;
  g.Spins = 42;
  g.PowerPts = 60;
  g.FreeSpinCount = 5;
  ASSERT_TRUE(SaveIntoSlot(g, 3, "My game").Ok);
  std::string today = TodayText();
  EXPECT_EQ(ReadFile(file),
            "[Saved Game 1]\r\nName=first\r\nCredits=5.00\r\n"
            "[saved game 3]\r\n;mine\r\nName=My game\nSpins=42\nDate=" +
                today +
                "\nCredits=1234.50\nBorrowed=3000.00\nBonusPool=87.25\nPowerPts=60\nExtra=x\r\n");
  ASSERT_TRUE(SaveIntoSlot(g, 6, "").Ok);
  EXPECT_NE(ReadFile(file).find("Extra=x\r\n[Saved Game 6]\nName=\nSpins=42\nDate="),
            std::string::npos);

  ReadSavedGames(g);
  EXPECT_EQ(SavedGames[0].Name, "first");
  EXPECT_EQ(SavedGames[0].Credits, 5.0_usd);
  EXPECT_EQ(SavedGames[0].Borrowed, 1000.0_usd);
  EXPECT_EQ(SavedGames[5].Name, "");  // an empty name stays empty
  TGame h = GameIn(dir.Path());
  OpenSlot(h, 3);
  EXPECT_EQ(h.Credits, 1234.5_usd);
  EXPECT_EQ(h.Borrowed, 3000.0_usd);
  EXPECT_EQ(h.BonusPool, 87.25_usd);
  EXPECT_EQ(h.Spins, 42);
  EXPECT_EQ(h.PowerPts, 60);
  EXPECT_EQ(h.FreeSpinCount, 5);    // kept by the table within the run
  SavedGames[2].FreeSpinCount = 0;  // as after a restart
  OpenSlot(h, 3);
  EXPECT_EQ(h.FreeSpinCount, 0);
}

// A long name is written whole (up to 255 characters) but kept as its first 100; money goes
// through the file as whole cents.
TEST(SavedGames, LongNamesAndCents) {
  TempDir dir;
  TGame g = GameIn(dir.Path());
  g.Credits = 10.04_usd;
  std::string name(101, 'n');
  name.back() = 'Z';
  ASSERT_TRUE(SaveIntoSlot(g, 1, name).Ok);
  EXPECT_EQ(SavedGames[0].Name, name.substr(0, 100));
  EXPECT_EQ(SavedGames[0].Credits, 10.04_usd);
  EXPECT_EQ(TIniFile(dir.Path() + "POWER.INI").ReadString("Saved Game 1", "Name", ""), name);
  ReadSavedGames(g);
  EXPECT_EQ(SavedGames[0].Name, name.substr(0, 100));
  EXPECT_EQ(SavedGames[0].Credits, 10.04_usd);
  ASSERT_TRUE(SaveIntoSlot(g, 1, std::string(300, 'q')).Ok);
  EXPECT_EQ(TIniFile(dir.Path() + "POWER.INI").ReadString("Saved Game 1", "Name", ""),
            std::string(255, 'q'));
}

// A write that fails part way keeps the keys before it and reports the file.
TEST(SavedGames, FailedWriteReportsThePath) {
  TempDir dir;
  TGame g = GameIn(dir.Path());
  g.Spins = 8;
  TIniFile::FailWritesAfter(2);
  SaveResult r = SaveIntoSlot(g, 2, "half");
  TIniFile::FailWritesAfter(-1);
  EXPECT_FALSE(r.Ok);
  EXPECT_EQ(r.FailedPath, dir.Path() + "POWER.INI");
  EXPECT_EQ(ReadFile(dir.Path() + "POWER.INI"), "[Saved Game 2]\nName=half\nSpins=8\n");
  EXPECT_FALSE(SaveIntoSlot(g, 9, "x").Ok);
}

}  // namespace

// The eight saved-game slots of "POWER.INI".
#include <gtest/gtest.h>
#include <langinfo.h>
#include <locale.h>

#include <filesystem>

#include "saves/SavedGames.h"
#include "store/IniFile.h"
#include "store/MoneyText.h"
#include "tests/support/Dollars.h"
#include "tests/support/TempDir.h"

using namespace zandor;

namespace {

// Dates are mm/dd/yy joined by the first punctuation of the locale's date format outside its
// conversions (flags such as "%-d" included), "/" when there is none; always valid UTF-8.
TEST(SavedGames, FormatsDatesInAnyLocale) {
  struct Case {
    const char* Locale;  // whose glibc date format this is
    const char* Format;
    const char* Date;
  };
  const Case cases[] = {{"C", "%m/%d/%y", "12/07/26"},
                        {"de_DE.UTF-8", "%d.%m.%Y", "12.07.26"},
                        {"cs_CZ.UTF-8", "%-d.%-m.%Y", "12.07.26"},
                        {"hi_IN.UTF-8", "%-d/%-m/%y", "12/07/26"},
                        {"ja_JP.UTF-8", "%Y\u5e74%m\u6708%d\u65e5", "12/07/26"},
                        {"ko_KR.UTF-8", "%Y\ub144 %m\uc6d4 %d\uc77c", "12/07/26"},
                        {"", "%Y-%m-%d", "12-07-26"},
                        {"", "%x", "12/07/26"},
                        {"", nullptr, "12/07/26"}};
  for (const Case& c : cases) {
    EXPECT_EQ(DateText(12, 7, 2026, c.Format), c.Date) << c.Locale;
    // Where the locale is installed, its format is the one the table holds.
    if (locale_t l = *c.Locale ? newlocale(LC_TIME_MASK, c.Locale, nullptr) : nullptr) {
      EXPECT_STREQ(nl_langinfo_l(D_FMT, l), c.Format) << c.Locale;
      freelocale(l);
    }
  }
  EXPECT_EQ(TodayText().size(), 8u);
}

// Without a file every slot reads as "Game #n" of today with 1000 credits and 1000 borrowed, and
// opening one gives exactly that with a new game's pool; the free-spin count of a slot is
// untouched.
TEST(SavedGames, MissingFileGivesDefaults) {
  TempDir dir;
  PlayerIni player(dir.Path());
  SavedGameTable slots(dir.Path(), player);
  MachineState g;
  slots.Slots[4].FreeSpinCount = 3;
  slots.Read();
  for (int n = 1; n <= 8; ++n) {
    EXPECT_EQ(slots.Slots[n - 1].Name, "Game #" + std::to_string(n));
    EXPECT_EQ(slots.Slots[n - 1].Date, TodayText());
  }
  EXPECT_EQ(slots.Slots[4].FreeSpinCount, 3);
  slots.Slots[4].FreeSpinCount = 0;
  g.Credits = 1_usd;
  g.Spins = 5;
  g.PowerPts = 9;
  g.FreeSpinCount = 4;
  g.Wager = 25_usd;
  slots.Open(2, g);
  EXPECT_EQ(g.Credits, 1000.0_usd);
  EXPECT_EQ(g.Borrowed, 1000.0_usd);
  EXPECT_EQ(g.BonusPool, 50.0_usd);
  EXPECT_EQ(g.Spins, 0);
  EXPECT_EQ(g.PowerPts, 0);
  EXPECT_EQ(g.FreeSpinCount, 0);
  EXPECT_EQ(g.Wager, 0_usd);  // coins placed go with the game they were placed in
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
  PlayerIni player(dir.Path());
  SavedGameTable slots(dir.Path(), player);
  MachineState g;
  g.Credits = 1234.5_usd;
  g.Borrowed = 3000_usd;
  g.BonusPool = 87.25_usd;
  g.Spins = 42;
  g.PowerPts = 60;
  g.FreeSpinCount = 5;
  ASSERT_TRUE(slots.Save(g, 3, "My game").Ok);
  std::string today = TodayText();
  EXPECT_EQ(ReadFile(file),
            "[Saved Game 1]\r\nName=first\r\nCredits=5.00\r\n"
            "[saved game 3]\r\n;mine\r\nName=My game\nSpins=42\nDate=" +
                today +
                "\nCredits=1234.50\nBorrowed=3000.00\nBonusPool=87.25\nPowerPts=60\nExtra=x\r\n");
  ASSERT_TRUE(slots.Save(g, 6, "").Ok);
  EXPECT_NE(ReadFile(file).find("Extra=x\r\n[Saved Game 6]\nName=\nSpins=42\nDate="),
            std::string::npos);

  slots.Read();
  EXPECT_EQ(slots.Slots[0].Name, "first");
  EXPECT_EQ(slots.Slots[0].Credits, 5.0_usd);
  EXPECT_EQ(slots.Slots[0].Borrowed, 1000.0_usd);
  EXPECT_EQ(slots.Slots[5].Name, "");  // an empty name stays empty
  MachineState h;
  slots.Open(3, h);
  EXPECT_EQ(h.Credits, 1234.5_usd);
  EXPECT_EQ(h.Borrowed, 3000.0_usd);
  EXPECT_EQ(h.BonusPool, 87.25_usd);
  EXPECT_EQ(h.Spins, 42);
  EXPECT_EQ(h.PowerPts, 60);
  EXPECT_EQ(h.FreeSpinCount, 5);     // kept by the table within the run
  slots.Slots[2].FreeSpinCount = 0;  // as after a restart
  slots.Open(3, h);
  EXPECT_EQ(h.FreeSpinCount, 0);
}

// A saved game's pool keeps its worth in coins when opened at another coin value: whole coins
// (a part of a coin stays behind, as the pool would pay it whole), never under a new game's pool
// at the machine's coin value, which does not change. Credits are money and stay as saved. A
// save whose coin value the player's file does not keep (an older file, the slot rewritten by
// another copy) reads at the largest coin it could have been saved at; a slot never saved opens
// with a new game's pool.
TEST(SavedGames, PoolKeepsItsCoinsAtAnotherCoinValue) {
  const Money five = CoinTable[0].Value, one = CoinTable[1].Value, half = CoinTable[2].Value,
              quarter = CoinTable[3].Value, dime = CoinTable[4].Value, nickel = CoinTable[5].Value;
  enum Kept { Yes, No, Rewritten, NeverSaved };
  struct Case {
    const char* What;
    Money SavedAt, Pool, OpenedAt;
    Kept Coin;
    Money Expected;
  };
  const Case cases[] = {
      {"200 coins of $5 at 5 cents", five, 1000_usd, nickel, Yes, 10_usd},
      {"250 coins of $5 at 5 cents", five, 1250_usd, nickel, Yes, 12.5_usd},
      {"250 coins of 5 cents at $5", nickel, 12.5_usd, five, Yes, 1250_usd},
      {"200 coins of 5 cents at $5", nickel, 10_usd, five, Yes, 1000_usd},
      {"the same coin keeps every cent", quarter, 87.27_usd, quarter, Yes, 87.27_usd},
      {"a part of a coin stays behind", quarter, 50.1_usd, one, Yes, 200_usd},
      {"a pool paid out during free spins", quarter, 0_usd, quarter, Yes, 50_usd},
      {"paid out a cent below zero", dime, -0.05_usd, half, Yes, 100_usd},
      {"the most a pool holds", nickel, MoneyMax, five, Yes, Money::Cents(999'999'999'500)},
      {"older file: 200 coins of $5", five, 1000_usd, nickel, No, 10_usd},
      {"older file: 300 coins of 25 cents", quarter, 75_usd, dime, No, 30_usd},
      {"older file: fewest coins it may be", quarter, 100_usd, quarter, No, 50_usd},
      {"older file: no coin fits", quarter, 7.77_usd, quarter, No, 50_usd},
      {"rewritten by another copy", quarter, 100_usd, quarter, Rewritten, 50_usd},
      {"never saved", quarter, 0_usd, one, NeverSaved, 200_usd},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    TempDir dir;
    {
      PlayerIni player(dir.Path());
      SavedGameTable slots(dir.Path(), player);
      MachineState g;
      g.CoinValue = c.SavedAt;
      g.BonusPool = c.Pool;
      g.Credits = 1234.56_usd;
      if (c.Coin != NeverSaved) ASSERT_TRUE(slots.Save(g, 3, "evening").Ok);
      // The next keep writes the coin value; a file from before has none.
      if (c.Coin != No) ASSERT_TRUE(player.Save());
      if (c.Coin == Rewritten)
        ASSERT_TRUE(IniFile(dir.Path() + "POWER.INI").WriteInteger("Saved Game 3", "Spins", 9));
    }
    // A later run reads both files.
    PlayerIni player(dir.Path());
    SavedGameTable slots(dir.Path(), player);
    slots.Read();
    MachineState h;
    h.CoinValue = c.OpenedAt;
    slots.Open(3, h);
    EXPECT_EQ(h.BonusPool, c.Expected);
    EXPECT_EQ(h.Credits, c.Coin == NeverSaved ? 1000_usd : 1234.56_usd);
    EXPECT_EQ(h.CoinValue, c.OpenedAt);
    // What is kept of a save that is gone or rewritten goes at the next keep.
    EXPECT_EQ(player.ReadString("Saved Games", "Slot3", "").empty(), c.Coin != Yes);
  }
}

// A long name is written whole (up to 255 characters) but kept as its first 100, counted in
// characters so none is split; money goes through the file as whole cents.
TEST(SavedGames, LongNamesAndCents) {
  TempDir dir;
  PlayerIni player(dir.Path());
  SavedGameTable slots(dir.Path(), player);
  MachineState g;
  g.Credits = 10.04_usd;
  std::string name(101, 'n');
  name.back() = 'Z';
  ASSERT_TRUE(slots.Save(g, 1, name).Ok);
  EXPECT_EQ(slots.Slots[0].Name, name.substr(0, 100));
  EXPECT_EQ(slots.Slots[0].Credits, 10.04_usd);
  EXPECT_EQ(IniFile(dir.Path() + "POWER.INI").ReadString("Saved Game 1", "Name", ""), name);
  slots.Read();
  EXPECT_EQ(slots.Slots[0].Name, name.substr(0, 100));
  EXPECT_EQ(slots.Slots[0].Credits, 10.04_usd);
  std::string wide = "a";
  for (int i = 0; i < 300; ++i) wide += "\u00c4";
  const std::string a60 = wide.substr(0, 1 + 2 * 60), a99 = wide.substr(0, 1 + 2 * 99);
  for (const auto& [saved, file, kept] :
       {std::tuple{a60, a60, a60}, std::tuple{wide, wide.substr(0, 1 + 2 * 254), a99}}) {
    ASSERT_TRUE(slots.Save(g, 1, saved).Ok);
    EXPECT_EQ(IniFile(dir.Path() + "POWER.INI").ReadString("Saved Game 1", "Name", ""), file);
    slots.Read();
    EXPECT_EQ(slots.Slots[0].Name, kept);
  }
}

// A save fails as a whole: a read-only file leaves the file as it was and names it; the first save
// into a settings folder that does not exist yet creates it.
TEST(SavedGames, SaveIsAllOrNothing) {
  TempDir dir;
  PlayerIni player(dir.Path() + "fresh/");
  SavedGameTable slots(dir.Path() + "fresh/", player);
  MachineState g;
  g.Spins = 8;
  ASSERT_TRUE(slots.Save(g, 1, "first").Ok);
  const std::string file = dir.Path() + "fresh/POWER.INI";
  const std::string saved = ReadFile(file);
  EXPECT_TRUE(saved.starts_with("[Saved Game 1]\nName=first\nSpins=8\n")) << saved;
  std::filesystem::permissions(file, std::filesystem::perms::owner_read);
  SaveResult r = slots.Save(g, 2, "read-only");
  EXPECT_FALSE(r.Ok);
  EXPECT_EQ(r.FailedPath, file);
  EXPECT_EQ(ReadFile(file), saved);
  EXPECT_FALSE(slots.Save(g, 9, "x").Ok);
}

}  // namespace

// The player's record: its figures, the ring of recent spins in PLAYER.INI, the auto-spin
// limits and what a damaged file gives.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "bank/Bank.h"
#include "record/PlayerFile.h"
#include "saves/SavedGames.h"
#include "store/IniFile.h"
#include "store/PlayerIni.h"
#include "store/Settings.h"
#include "tests/machine/MachineFixture.h"
#include "tests/support/Dollars.h"
#include "tests/support/TempDir.h"

using namespace zandor;

namespace {

SpinReport Spin(int64_t wager, std::array<int64_t, 5> pays, bool card, int64_t win,
                int64_t pool = 0, bool free = false) {
  SpinReport s;
  s.Free = free;
  s.CoinValue = 25;
  s.Wager = wager;
  s.LinePays = pays;
  s.CardOffered = card;
  s.Win = win;
  s.Pool = pool;
  return s;
}

// The record written into the player's file in settingsDir, as the window's close writes it.
bool SaveRecord(const std::string& settingsDir, const PlayerRecord& r) {
  PlayerIni file(settingsDir);
  StoreRecord(file, r);
  return file.Save();
}

// The record read from the player's file in settingsDir, as the window's start reads it.
void LoadRecord(const std::string& settingsDir, PlayerRecord& r, int64_t credits,
                int64_t borrowed) {
  LoadRecord(PlayerIni(settingsDir), r, credits, borrowed);
}

}  // namespace

// A scripted evening adds up to known totals in both columns; a new game clears only its own,
// and the lifetime is cleared only on request.
TEST(Record, CountersFollowAScriptedEvening) {
  PlayerRecord r;
  r.GameReplaced(100000, 100000);
  r.SpinScored(Spin(625, {}, false, 0));
  r.SpinScored(Spin(625, {0, 500, 0, 0, 0}, true, 1000));  // doubled at the card table
  r.SpinScored(Spin(625, {250, 0, 0, 0, 0}, true, 0));     // lost there
  r.SpinScored(Spin(625, {250, 0, 0, 0, 0}, true, 250));   // left without drawing
  r.SpinScored(Spin(625, {1000, 0, 0, 0, 0}, false, 1000, 0, true));
  r.SpinScored(Spin(625, {50, 0, 0, 0, 0}, false, 50, 5325));  // a line and the pool at once
  r.Loan(100000);
  r.Loan(-1);
  for (const Tally* t : std::array<const Tally*, 2>{&r.Game, &r.Lifetime}) {
    EXPECT_EQ(t->Spins, 5);
    EXPECT_EQ(t->FreeSpins, 1);
    EXPECT_EQ(t->Wagered, 3125);
    EXPECT_EQ(t->LineWins, 2050);
    EXPECT_EQ(t->CardNet, 250);
    EXPECT_EQ(t->HandsWon, 1);
    EXPECT_EQ(t->HandsLost, 1);
    EXPECT_EQ(t->Pools, 1);
    EXPECT_EQ(t->PoolTotal, 5325);
    EXPECT_EQ(t->BiggestWin, 5375);  // everything one spin paid, its pool included
    EXPECT_EQ(t->Won(), 7625);
    EXPECT_EQ(t->Net(), 4500);
    EXPECT_EQ(PaybackTenths(*t), 2440);  // 7625 / 3125 = 244.0%
    EXPECT_EQ(t->Lent - t->Repaid, 99999);
  }
  EXPECT_EQ(FormatDollars(-123456789), "-1,234,567.89");
  EXPECT_EQ(PercentText(PaybackTenths(Tally{})), "-");

  r.GameReplaced(50000, 0);
  EXPECT_EQ(r.Game.Spins, 0);
  EXPECT_EQ(r.Game.StartCredits, 50000);
  EXPECT_EQ(r.Lifetime.Spins, 5);
  r.ResetLifetime();
  EXPECT_EQ(r.Lifetime, Tally{});
  EXPECT_EQ(r.Recent.Entries().size(), 6u);

  // The payback the reels promise lies where a fair slot machine's does, never typed in.
  const int64_t theory = TheoreticalPaybackHundredths();
  EXPECT_GT(theory, 5000);
  EXPECT_LT(theory, 15000);
}

// The last 100 spins come back after a restart in the same order with every field; a damaged
// line is skipped, and the ring goes on with the next serial.
TEST(Record, RecentSpinsSurviveARestart) {
  TempDir dir;
  const std::string path = PlayerIniPath(dir.Path());
  PlayerRecord r;
  int64_t clock = 1765100000;
  r.Now = [&] { return clock++; };
  for (int i = 0; i < 130; ++i) {
    SpinReport s = Spin(25 * (1 + i % 25), {i % 3 * 50, 0, 0, 0, i % 7 * 25}, i % 2 == 0,
                        i % 5 * 25, i == 77 ? 5000 : 0, i % 9 == 0);
    for (int c = 0; c < 9; ++c) s.Grid[c] = (i + c) % 7;
    s.CreditsAfter = 100000 - 37 * i;
    r.SpinScored(s);
  }
  ASSERT_TRUE(SaveRecord(dir.Path(), r));
  PlayerRecord back;
  LoadRecord(dir.Path(), back, r.Game.Net(), 0);  // the credits the figures lead to
  ASSERT_EQ(back.Recent.Entries().size(), 100u);
  EXPECT_EQ(back.Recent.Entries(), r.Recent.Entries());
  EXPECT_EQ(back.Recent.Entries().front().Serial, 130u);
  EXPECT_EQ(back.Lifetime, r.Lifetime);
  EXPECT_EQ(back.Game, r.Game);

  IniFile(path).WriteString("Recent Spins", "Spin20", "120 1765100119 25 x P 0123456");
  PlayerRecord damaged;
  LoadRecord(dir.Path(), damaged, 0, 0);
  EXPECT_EQ(damaged.Recent.Entries().size(), 99u);
  damaged.SpinScored(Spin(25, {}, false, 0));
  EXPECT_EQ(damaged.Recent.Entries().front().Serial, 131u);
  ASSERT_TRUE(SaveRecord(dir.Path(), damaged));
  PlayerRecord again;
  LoadRecord(dir.Path(), again, 0, 0);
  EXPECT_EQ(again.Recent.Entries(), damaged.Recent.Entries());
}

namespace {

// Automatic spins at a full wager of 25-cent coins under one set of limits.
struct AutoSpinRun {
  MachineState G;
  PlayerOptions O;
  Lcg R;
  FakeHost H;
  SlotMachine M{G, O, R, H};
  PlayerRecord Record;
  int Ticks = 0;

  // Switches automatic spins on and lets AutomaticSpins tick until they stop (or 120 ticks pass).
  void Run(const AutoSpinLimits& limits, uint32_t firstTime) {
    Record.Limits = limits;
    M.SetEvents(&Record);
    G.LastWager = 6.25_usd;
    G.Credits = 5000_usd;
    H.TimeOfDay = firstTime;
    M.ToggleAutoSpin();
    for (Ticks = 0; H.AutomaticSpins && Ticks < 120; ++Ticks) {
      M.NextAutomaticSpin();
      H.TimeOfDay = H.TimeOfDay * 1103515245u + 12345u;
    }
  }
};

}  // namespace

// Each limit switches automatic spins off at the end of the spin that reached it and says
// which one did; a limit waits for a free-spin sequence to end; without limits nothing stops.
TEST(Record, EachLimitStopsAutomaticSpins) {
  const uint32_t bonusTime = MachineFixture::FindTimeOfDay([](const MachineState& g) {
    return MachineFixture::CountOf(g, GAIN) == 1 && MachineFixture::CountOf(g, LOSS) == 0;
  });
  struct Case {
    const char* Name;
    AutoSpinLimits Limits;
    int PowerPts;
    size_t Spins;         // spins played when they stopped (0: they never stop)
    const char* Message;  // part of the information box
  };
  const Case cases[] = {
      {"spins", {.SpinsOn = true, .Spins = 3}, 0, 3, "after 3 spins"},
      {"credits", {.CreditsOn = true, .CreditsBelow = 499000}, 0, 0, "fell below $4,990.00"},
      {"win", {.WinOn = true, .WinAtLeast = 50}, 0, 0, "reached the limit of $0.50"},
      {"bonus", {.BonusOn = true}, 95, 8, "the bonus was won"},
      {"spins in a bonus", {.SpinsOn = true, .Spins = 1}, 95, 8, "after 1 spin."},
      {"none", {.SpinsOn = false, .Spins = 1, .CreditsBelow = 100000000}, 0, 0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    AutoSpinRun run;
    run.G.PowerPts = c.PowerPts;
    run.Run(c.Limits, c.PowerPts > 0 ? bonusTime : 4242);
    const auto& spins = run.Record.Recent.Entries();
    if (!c.Message) {
      EXPECT_TRUE(run.G.AutoSpin);
      EXPECT_TRUE(run.H.Messages.empty());
      EXPECT_EQ(spins.size(), 100u);
      continue;
    }
    EXPECT_FALSE(run.G.AutoSpin);
    EXPECT_FALSE(run.H.AutomaticSpins);
    ASSERT_EQ(run.H.Messages.size(), 1u);
    EXPECT_NE(run.H.Messages[0].find(c.Message), std::string::npos) << run.H.Messages[0];
    EXPECT_EQ(run.G.FreeSpins, 0);
    if (c.Spins) EXPECT_EQ(spins.size(), c.Spins);
    // The stopping spin is the first that reached the limit.
    const SpinReport& last = spins.front().Spin;
    for (size_t i = 1; i < spins.size(); ++i) {
      if (c.Limits.CreditsOn) EXPECT_GE(spins[i].Spin.CreditsAfter, c.Limits.CreditsBelow);
      if (c.Limits.WinOn) EXPECT_LT(spins[i].Spin.Win, c.Limits.WinAtLeast);
    }
    if (c.Limits.CreditsOn) EXPECT_LT(last.CreditsAfter, c.Limits.CreditsBelow);
    if (c.Limits.WinOn) EXPECT_GE(last.Win, c.Limits.WinAtLeast);
    // Turned on again, the count starts afresh.
    run.H.Messages.clear();
    if (c.Limits.SpinsOn && !c.PowerPts) {
      run.Run(c.Limits, 777);
      EXPECT_EQ(run.Record.Recent.Entries().size(), 2 * c.Spins);
    }
  }
}

// A missing, unreadable or damaged PLAYER.INI gives empty figures and no limits; values that
// survive are kept, and the current game starts from the credits it is given unless its stored
// figures lead to them.
TEST(Record, DamagedPlayerFileGivesDefaults) {
  struct Case {
    const char* Name;
    const char* Text;  // nullptr: a folder stands where the file should be
    int64_t LifetimeSpins;
    bool SpinsLimit;
  };
  const Case cases[] = {
      {"missing", "", 0, false},
      {"folder", nullptr, 0, false},
      {"junk", "\x01\xff[[[\n=\n\0\0binary", 0, false},
      {"bad values",
       "[Lifetime]\nSpins=-4\nWagered=-12.34\nLineWins=1e9\nSeconds=99999999999999999999\n"
       "[Auto Spin Limits]\nStopAfterSpins=yes\nSpins=-3\nCredits=abc\n"
       "[This Game]\nStartCredits=12,00\nSpins=9\n[Recent Spins]\nSpin1=1 2 3\n",
       0, false},
      {"another game's figures",
       "[This Game]\nStartCredits=1000.00\nStartBorrowed=1000.00\nSpins=3\nWagered=18.75\n", 0,
       false},
      {"partly good",
       "[Lifetime]\nSpins=12\nWagered=x\n[Auto Spin Limits]\nStopAfterSpins=1\n"
       "Spins=0\n",
       12, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    TempDir dir;
    const std::string path = PlayerIniPath(dir.Path());
    if (c.Text)
      WriteFile(path, c.Text);
    else
      std::filesystem::create_directory(path);
    PlayerRecord r;
    r.Lifetime.Spins = 555;  // whatever was there before is replaced
    LoadRecord(dir.Path(), r, 123456, 100000);
    EXPECT_EQ(r.Lifetime.Spins, c.LifetimeSpins);
    EXPECT_EQ(r.Lifetime.Wagered, 0);
    EXPECT_EQ(r.Lifetime.Seconds, 0);
    EXPECT_EQ(r.Game.Spins, 0);
    EXPECT_EQ(r.Game.StartCredits, 123456);
    EXPECT_EQ(r.Game.StartBorrowed, 100000);
    EXPECT_EQ(r.Limits.SpinsOn, c.SpinsLimit);
    EXPECT_GE(r.Limits.Spins, 1);
    EXPECT_FALSE(r.Limits.CreditsOn || r.Limits.WinOn || r.Limits.BonusOn);
    EXPECT_TRUE(r.Recent.Entries().empty());
  }
}

// One money text in every file we keep: the same text reads as the same amount from the
// settings, a saved game and the player's record, and each writes it back alike.
TEST(Record, OneMoneyTextInEveryFile) {
  const struct {
    const char* Text;
    int64_t Cents;
    const char* Written;
  } cases[] = {
      {"7.5", 705, "7.05"},  // one decimal counts as hundredths
      {"12", 1200, "12.00"},
      {"1000.257", 100025, "1000.25"},
      {"0.10", 10, "0.10"},
      {"-0.05", -5, "-0.05"},
      {"9999999999.99", 999999999999, "9999999999.99"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    TempDir dir;
    const std::string text = c.Text;
    WriteFile(dir.Path() + "ZANDOR.INI", "[Settings]\nCredits=" + text + "\n");
    WriteFile(dir.Path() + "POWER.INI", "[Saved Game 1]\nCredits=" + text + "\n");
    WriteFile(PlayerIniPath(dir.Path()), "[Lifetime]\nCardNet=" + text + "\n");
    GameState g;
    g.Dirs.Settings = dir.Path();
    g = LoadSettings(g);
    EXPECT_EQ(g.Machine.Credits.InCents(), c.Cents);
    PlayerIni playerFile(dir.Path());
    SavedGameTable slots(dir.Path(), playerFile);
    slots.Read();
    EXPECT_EQ(slots.Slots[0].Credits.InCents(), c.Cents);
    PlayerRecord r;
    LoadRecord(dir.Path(), r, 0, 0);
    EXPECT_EQ(r.Lifetime.CardNet, c.Cents);

    ASSERT_TRUE(SaveSettings(g).Ok);
    slots.Open(1, g.Machine);
    ASSERT_TRUE(slots.Write(g.Machine, 1, "Game #1").Ok);
    ASSERT_TRUE(SaveRecord(dir.Path(), r));
    const std::string line = std::string("=") + c.Written + "\n";
    EXPECT_NE(ReadFile(dir.Path() + "ZANDOR.INI").find("\nCredits" + line), std::string::npos);
    EXPECT_NE(ReadFile(dir.Path() + "POWER.INI").find("\nCredits" + line), std::string::npos);
    EXPECT_NE(ReadFile(PlayerIniPath(dir.Path())).find("\nCardNet" + line), std::string::npos);
  }

  // The recent spins and events write money text too, and still read the whole cents that
  // earlier versions wrote, as the same amounts.
  const std::string spinLine =
      "41 1765100000 0.25 6.25 P 351452453 0.00,5.00,0.00,0.00,0.00 C 10.00 0.00 1043.75";
  const std::string eventLine = "7 41 1765100000 L 100.00 1043.75 1100.00";
  for (const auto& [spin, event] :
       {std::pair{spinLine, eventLine},
        std::pair{std::string("41 1765100000 25 625 P 351452453 0,500,0,0,0 C 1000 0 104375"),
                  std::string("7 41 1765100000 L 10000 104375 110000")}}) {
    SCOPED_TRACE(spin);
    const std::optional<SpinEntry> s = DecodeSpin(spin);
    if (!s) {
      ADD_FAILURE() << "not read back";
      continue;
    }
    const SpinEntry& decoded = *s;
    EXPECT_EQ(decoded.Spin.Wager, 625);
    EXPECT_EQ(decoded.Spin.LinePays[1], 500);
    EXPECT_EQ(decoded.Spin.CreditsAfter, 104375);
    EXPECT_EQ(EncodeSpin(decoded), spinLine);
    const std::optional<EventEntry> e = DecodeEvent(event);
    if (!e) {
      ADD_FAILURE() << "not read back";
      continue;
    }
    const EventEntry& read = *e;
    EXPECT_EQ(read.Amount, 10000);
    EXPECT_EQ(EncodeEvent(read), eventLine);
  }
  for (const char* damaged : {"41 1765100000 0.25 6.5 P 351452453 0,500,0,0,0 C 1000 0 104375",
                              "41 1765100000 0.25 6.-5 P 351452453 0,500,0,0,0 C 1000 0 104375",
                              "41 1765100000 0.25 .25 P 351452453 0,500,0,0,0 C 1000 0 104375"})
    EXPECT_FALSE(DecodeSpin(damaged)) << damaged;
}

// Hostile files never abort, hang or grow: a PLAYER.INI larger than 1 MiB (a sparse 100 MB one
// too), linked to /dev/zero or replaced by a pipe starts an empty record and is kept aside under
// a name that is free; ZANDOR.INI and POWER.INI of that kind read as empty and are never written
// over. Figures beyond their range never wrap, and the recent spins keep their 100 slots only.
TEST(Record, HostileFiles) {
  enum Kind { Large, Sparse, ZeroLink, Pipe };
  const struct {
    const char* File;
    Kind Shape;
  } cases[] = {
      {"PLAYER.INI", Large}, {"PLAYER.INI", Sparse}, {"PLAYER.INI", ZeroLink},
      {"PLAYER.INI", Pipe},  {"ZANDOR.INI", Large},  {"ZANDOR.INI", ZeroLink},
      {"POWER.INI", Sparse}, {"POWER.INI", Pipe},
  };
  const std::string figures = "[Lifetime]\nSpins=7\n";
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.File) + " of kind " + std::to_string(c.Shape));
    TempDir dir;
    const std::string path = dir.Path() + c.File;
    if (c.Shape == Large)
      WriteFile(path, figures + std::string(IniDocument::MaxFileSize + 1 - figures.size(), ';'));
    if (c.Shape == Sparse) {
      WriteFile(path, figures);
      std::filesystem::resize_file(path, 100 << 20);
    }
    if (c.Shape == ZeroLink) std::filesystem::create_symlink("/dev/zero", path);
    if (c.Shape == Pipe) ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const auto type = std::filesystem::symlink_status(path).type();
    if (std::string(c.File) != "PLAYER.INI") {
      IniDocument doc(path);
      EXPECT_TRUE(doc.Unreadable());
      EXPECT_EQ(doc.ReadString("Lifetime", "Spins", "none"), "none");
      doc.WriteString("Settings", "Credits", "5.00");
      EXPECT_FALSE(doc.Save());
      EXPECT_EQ(std::filesystem::symlink_status(path).type(), type);
      continue;
    }
    WriteFile(path + ".damaged-1", "an earlier one");
    PlayerIni file(dir.Path());
    PlayerRecord r;
    LoadRecord(file, r, 0, 0);
    EXPECT_EQ(r.Lifetime.Spins, 0);
    EXPECT_EQ(file.SetAside(), path + ".damaged-2");
    EXPECT_EQ(ReadFile(path + ".damaged-1"), "an earlier one");
    EXPECT_EQ(std::filesystem::symlink_status(path + ".damaged-2").type(), type);
    r.SpinScored(Spin(25, {}, false, 0));
    StoreRecord(file, r);
    EXPECT_TRUE(file.Save());
    EXPECT_EQ(std::filesystem::symlink_status(path).type(), std::filesystem::file_type::regular);
  }

  // Counts and a time beyond any range, amounts whose payback would overflow, a spin whose line
  // pays would, and ten thousand keys that are no slot of the recent spins.
  TempDir dir;
  SpinEntry spin{1, 1765100000, Spin(25, {}, false, 0)};
  std::string text =
      "[Lifetime]\nSpins=9223372036854775807\nSeconds=9223372036854775000\nWagered=100.00\n"
      "LineWins=90000000000000.00\nPoolTotal=90000000000000.00\n[Recent Spins]\n"
      "Spin1=" +
      EncodeSpin(spin) + "\nSpin1=a second one\n";
  for (int i = 100; i < 10100; ++i)
    text += "Spin" + std::to_string(i) + "=" + EncodeSpin(spin) + "\n";
  text +=
      "Spin2=2 1765100001 25 25 P 000000000 9223372036854775807,9223372036854775807,0,0,0 - 0 0 "
      "0\n";
  WriteFile(PlayerIniPath(dir.Path()), text);
  PlayerIni file(dir.Path());
  PlayerRecord r;
  LoadRecord(file, r, 0, 0);
  r.SpinScored(Spin(25, {}, false, 0));
  r.AddSeconds(1000);
  EXPECT_EQ(r.Lifetime.Spins, 1);
  EXPECT_EQ(DurationText(r.Lifetime.Seconds), "16 min 40 s");
  EXPECT_NE(PercentText(PaybackTenths(r.Lifetime)), "-");
  ASSERT_EQ(r.Recent.Entries().size(), 2u);
  EXPECT_EQ(r.Recent.Entries().front().Serial, 2u);
  StoreRecord(file, r);
  ASSERT_TRUE(file.Save());
  const std::string saved = ReadFile(PlayerIniPath(dir.Path()));
  const size_t from = saved.find("[Recent Spins]");
  const std::string recent = saved.substr(from, saved.find("\n[", from) + 1 - from);
  EXPECT_EQ(std::count(recent.begin(), recent.end(), '\n'), 3);  // the header and two spins
}

// The chart of the game comes back whole after a restart, belongs to its game only, and a long
// game keeps at most its limit of points, evenly spread, with the start, the last moment and
// every mark intact.
TEST(Record, GameChartSurvivesARestartAndThins) {
  PlayerRecord r;
  r.GameReplaced(100000, 20000);
  int64_t credits = 100000;
  auto play = [&](int64_t win, int64_t pool = 0) {
    SpinReport s = Spin(625, {win, 0, 0, 0, 0}, false, win, pool);
    credits += win + pool - 625;
    s.CreditsAfter = credits;
    r.SpinScored(s);
  };
  play(0);
  play(1250);
  play(0, 5325);
  r.Loan(50000);
  credits += 50000;
  play(250);
  r.Loan(-30000);
  credits -= 30000;
  const std::vector<ChartPoint> expected = {
      {0, 100000, 20000, ChartPoint::None},    {1, 99375, 20000, ChartPoint::None},
      {2, 100000, 20000, ChartPoint::None},    {3, 104700, 20000, ChartPoint::Bonus},
      {3, 154700, 70000, ChartPoint::Loan},    {4, 154325, 70000, ChartPoint::None},
      {4, 124325, 40000, ChartPoint::Payback},
  };
  EXPECT_EQ(r.Chart.Points(), expected);

  TempDir dir;
  ASSERT_TRUE(SaveRecord(dir.Path(), r));
  PlayerRecord back;
  LoadRecord(dir.Path(), back, credits, 40000);
  EXPECT_EQ(back.Chart.Points(), expected);

  // Another game's credits, or a damaged point, give a chart from this game's start to now.
  PlayerRecord other;
  LoadRecord(dir.Path(), other, 777, 0);
  EXPECT_EQ(other.Chart.Points(), (std::vector<ChartPoint>{{0, 777, 0}}));
  {
    PlayerIni file(dir.Path());
    file.WriteString("Game Chart", "Points0", "0 100000 20000 -,1 99375 x -");
    ASSERT_TRUE(file.Save());
  }
  PlayerRecord damaged;
  LoadRecord(dir.Path(), damaged, credits, 40000);
  EXPECT_EQ(damaged.Chart.Points(),
            (std::vector<ChartPoint>{{0, 100000, 20000}, {4, credits, 40000}}));

  // A long evening: thinned, yet its ends exact, its spins in order and evenly spaced, and the
  // one bonus still marked; a restart brings back the same points and the file drops keys
  // the thinned chart no longer needs.
  for (int i = 0; i < 5000; ++i) play(i == 2345 ? 0 : 625, i == 2345 ? 9900 : 0);
  const std::vector<ChartPoint>& points = r.Chart.Points();
  EXPECT_LE(points.size(), GameChart::MaxPoints);
  EXPECT_GE(points.size(), GameChart::MaxPoints / 2);
  EXPECT_EQ(points.front(), expected.front());
  EXPECT_EQ(points.back(), (ChartPoint{5004, credits, 40000}));
  int64_t widest = 0;
  for (size_t i = 1; i < points.size(); ++i) {
    EXPECT_LT(points[i - 1].Spin, points[i].Spin + (i < 8 ? 1 : 0));
    widest = std::max(widest, points[i].Spin - points[i - 1].Spin);
  }
  EXPECT_LE(widest, 4);
  EXPECT_EQ(std::count_if(points.begin(), points.end(),
                          [](const ChartPoint& p) { return p.Marks & ChartPoint::Bonus; }),
            2);
  ASSERT_TRUE(SaveRecord(dir.Path(), r));
  PlayerRecord later;
  LoadRecord(dir.Path(), later, credits, 40000);
  EXPECT_EQ(later.Chart.Points(), points);
  r.GameReplaced(100000, 0);
  ASSERT_TRUE(SaveRecord(dir.Path(), r));
  EXPECT_EQ(PlayerIni(dir.Path()).ReadString("Game Chart", "Points1", "absent"), "absent");
}

namespace {

// Walks the list from its oldest row: each spin's credits after follow from the row before it
// by its stake and what it paid, a loan or a payback moves them by its amount, a coin value
// leaves them; only a new or opened game starts from credits of its own.
void ExpectEveryJumpExplained(const RecentSpins& recent) {
  const std::vector<RecentRow> rows = recent.Rows();
  ASSERT_FALSE(rows.empty());
  std::optional<int64_t> credits;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    if (const SpinEntry* e = row->Spin) {
      const SpinReport& s = e->Spin;
      if (credits)
        EXPECT_EQ(s.CreditsAfter, *credits - (s.Free ? 0 : s.Wager) + s.Win + s.Pool)
            << "spin " << e->Serial;
      credits = s.CreditsAfter;
      continue;
    }
    const EventEntry& e = *row->Event;
    const int64_t sign = e.What == EventEntry::Borrowed   ? 1
                         : e.What == EventEntry::PaidBack ? -1
                                                          : 0;
    if (credits && e.What != EventEntry::NewGame && e.What != EventEntry::OpenedGame)
      EXPECT_EQ(e.CreditsAfter, *credits + sign * e.Amount) << "event " << e.Serial;
    credits = e.CreditsAfter;
  }
}

}  // namespace

// An evening of spins, a loan and a payback (one with a bet waiting on the lines), a new game,
// a coin value with a bet handed back and an opened game: the list of recent spins holds a row
// for each, in the order they happened, that explains every jump of the credits after; so it
// does after a restart, and a long run of loans keeps only the newest events, never a spin fewer.
TEST(Record, EventsExplainEveryJumpOfTheCredits) {
  TempDir dir;
  MachineState g;
  ComputeReelGrid(g);
  PlayerOptions options;
  options.AceyDucey = false;
  Lcg random;
  FakeHost host;
  SlotMachine m(g, options, random, host);
  PlayerRecord r;
  int64_t clock = 1765100000;
  r.Now = [&] { return clock += 7; };
  m.SetEvents(&r);
  Bank bank(g, &r);
  PlayerIni playerFile(dir.Path());
  SavedGameTable slots(dir.Path(), playerFile);
  auto spin = [&](int coins) {
    host.TimeOfDay = host.TimeOfDay * 1103515245u + 12345u;
    for (int i = 0; i < coins; ++i) m.BetOne();
    m.Spin();
    ASSERT_FALSE(m.Busy());
  };

  ASSERT_TRUE(m.NewGame());
  spin(5);
  ASSERT_EQ(bank.Borrow(1), "");
  spin(3);
  m.BetOne();  // waits on the lines through the payback
  ASSERT_EQ(bank.PayBack(0), "");
  spin(0);
  ASSERT_TRUE(slots.Save(g, 2, "before the new game").Ok);
  ASSERT_TRUE(m.NewGame());
  spin(20);
  const int coin = g.CoinValue == CoinTable[3].Value ? 1 : 3;
  m.BetOne();  // handed back by the new coin value
  m.ChooseCoinValue(coin);
  spin(2);
  slots.Read();
  slots.Open(2, g);
  r.GameOpened(CentsOf(g.Credits + g.Wager), CentsOf(g.Borrowed));
  spin(1);

  using K = EventEntry;
  const std::vector<char> expectedOrder = {K::NewGame, 'S', K::Borrowed,  'S', K::PaidBack,   'S',
                                           K::NewGame, 'S', K::CoinValue, 'S', K::OpenedGame, 'S'};
  std::vector<char> order;
  const std::vector<RecentRow> rows = r.Recent.Rows();
  for (auto row = rows.rbegin(); row != rows.rend(); ++row)
    order.push_back(row->Spin ? 'S' : static_cast<char>(row->Event->What));
  EXPECT_EQ(order, expectedOrder);
  ExpectEveryJumpExplained(r.Recent);
  const std::vector<EventEntry> events = r.Recent.Events();
  EXPECT_EQ(events[1].Amount, CentsOf(CoinTable[static_cast<size_t>(coin)].Value));
  EXPECT_EQ(events[3].Amount, CentsOf(BankAmounts[0].Amount));
  EXPECT_EQ(events[4].Amount, CentsOf(BankAmounts[1].Amount));
  EXPECT_EQ(rows.front().Spin->Spin.CreditsAfter, CentsOf(g.Credits));

  ASSERT_TRUE(SaveRecord(dir.Path(), r));
  PlayerRecord back;
  LoadRecord(dir.Path(), back, CentsOf(g.Credits), CentsOf(g.Borrowed));
  EXPECT_EQ(back.Recent.Entries(), r.Recent.Entries());
  EXPECT_EQ(back.Recent.Events(), events);
  ExpectEveryJumpExplained(back.Recent);

  // The events have a list of their own: a long run at the bank keeps the newest hundred and
  // every spin, across a restart too, and the next spin still comes after them.
  m.SetEvents(&back);
  Bank later(g, &back);
  for (int i = 0; i < 75; ++i) {
    ASSERT_EQ(later.Borrow(0), "");
    ASSERT_EQ(later.PayBack(0), "");
  }
  spin(1);
  ASSERT_EQ(back.Recent.Events().size(), RecentSpins::EventCapacity);
  EXPECT_EQ(back.Recent.Entries().size(), 7u);
  ASSERT_TRUE(SaveRecord(dir.Path(), back));
  PlayerRecord again;
  LoadRecord(dir.Path(), again, CentsOf(g.Credits), CentsOf(g.Borrowed));
  EXPECT_EQ(again.Recent.Events(), back.Recent.Events());
  EXPECT_EQ(again.Recent.Entries(), back.Recent.Entries());
  EXPECT_TRUE(again.Recent.Rows().front().Spin);
  EXPECT_EQ(again.Recent.Rows().back().Spin, &again.Recent.Entries().back());
}

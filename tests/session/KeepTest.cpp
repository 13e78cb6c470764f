// The game kept as it goes: an evening stopped at any instant, at every host call of a spin
// and at every step of every file written, starts again from what is on disk with credits, pool,
// spins, statistics and recent spins that agree, and not a cent created or lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

#include "bank/Bank.h"
#include "machine/SlotMachine.h"
#include "machine/SpinPlan.h"
#include "session/GameSession.h"
#include "record/PlayerFile.h"
#include "saves/SavedGames.h"
#include "store/Settings.h"
#include "tests/support/FakeHost.h"
#include "tests/support/TempDir.h"

using namespace zandor;

namespace {

// A kill: the game stops where it stands and nothing more reaches the disk.
struct Crash {};

// Counts the moments at which a kill may land and throws at the chosen one.
struct Killer : ReplaceFaults {
  int64_t At = -1;  // the moment to stop at; -1 never
  int64_t Moments = 0;
  bool Killed = false;
  void Moment() {
    if (Killed || Moments++ == At) {
      Killed = true;
      throw Crash{};
    }
  }
  // A kill inside a replace leaves the old file, as the failed step does; nothing after it runs.
  bool FailsAt(ReplaceStep step) override {
    if (step == ReplaceStep::CreateTemporary) Moment();
    if (Killed) throw Crash{};
    if (Moments++ != At) return false;
    Killed = true;
    return true;
  }
};

// The window around the session: a spin kept before its reels turn and the game at every
// settled moment, with a kill possible between any two of its calls. What the window would run
// once the current event is over runs at once.
struct KeepingHost : FakeHost, SessionWindow {
  Killer* Kill = nullptr;
  GameSession* Session = nullptr;
  int ProcessCalls = 0;
  int64_t SettledSpins = 0;  // paid and free spins on disk after the last whole keep
  const MachineState* Machine = nullptr;
  std::vector<std::tuple<Money, Money, Money, int32_t, int32_t, int32_t>> Settles;

  void Moment() {
    if (Kill) Kill->Moment();
  }
  void ProcessMessages(uint32_t until) override {
    // The reels' turn and the count-up wait many times alike: every tenth wait is a moment.
    if (++ProcessCalls % 10 == 0) Moment();
    FakeHost::ProcessMessages(until);
  }
  void DrawPayline(int k) override {
    Moment();
    FakeHost::DrawPayline(k);
  }
  void DrawBonusMeter(bool blue) override {
    Moment();
    FakeHost::DrawBonusMeter(blue);
  }
  // The win the card table shows, from its opening until the spin is kept settled, and the
  // win of a card being drawn (kept, not yet shown).
  std::optional<Money> Shown, Drawing;
  Money OfferCardGame(Money win, const std::function<void(Money)>& drawn) override {
    Moment();  // the card table waits
    Shown = win;
    return FakeHost::OfferCardGame(win, drawn);
  }
  void SetBetButtonsEnabled(bool on) override {
    Moment();
    FakeHost::SetBetButtonsEnabled(on);
  }
  void Repaint() override {
    Moment();
    FakeHost::Repaint();
  }
  void KeepSpin(const SpinInProgress& spin) override {
    Moment();
    Session->KeepSpin(spin);
    Moment();
  }
  void GameSettled() override { Session->GameSettled(); }
  void RunSoon(std::function<void()> task) override {
    Moment();
    task();
    if (Session->Kept()) {
      SettledSpins = Machine->Spins + Machine->FreeSpinCount;
      Shown = Drawing = std::nullopt;
    }
    const MachineState v = SettledView(*Machine);
    Settles.emplace_back(v.Credits, v.Borrowed, v.BonusPool, v.Spins, v.FreeSpinCount, v.FreeSpins);
    Moment();
  }
  void BeforeKeep() override {}
  std::vector<std::string> Told;  // what the window told of keeping
  void KeepingFailed(const std::vector<std::string>& paths) override {
    Told.push_back("failed: " + std::to_string(paths.size()));
  }
  void KeepingWorksAgain() override { Told.push_back("works again"); }
  std::vector<std::string> Completed;  // what the player was told of a spin completed at start
  void SpinCompleted(const PlayerText& notice) override { Completed.push_back(notice.English()); }
};

// One sitting at the machine: the game as a start finds it on disk.
struct Sitting {
  GameState Game;
  PlayerIni File;
  PlayerRecord Record;
  Lcg Random;
  KeepingHost Host;
  SlotMachine Machine{Game.Machine, Game.Options, Random, Host};
  GameSession Session;
  Bank Banker{Game.Machine, &Record};

  Sitting(const std::string& dir, Killer* kill)
      : Game(Defaults(dir)),
        File(dir, kill),
        Session(Game, Machine, File, Record, Host, Host, kill) {
    Host.Kill = kill;
    Host.Session = &Session;
    Host.Machine = &Game.Machine;
    Machine.SetEvents(&Record);
    Record.Now = [] { return int64_t{1765100000}; };
    // As the program starts: what a killed save left behind is cleared, then the session loads.
    RemoveLeftoverTemporaries(dir, {"ZANDOR.INI", "PLAYER.INI"});
    const GameState read = Session.Load();
    Game.Options = read.Options;
    Game.Sound = read.Sound;
    Game.Music = read.Music;
  }
  // Completes what a crash interrupted and keeps the game, as the window's start does.
  void Settle() { Session.Begin(); }
  static GameState Defaults(const std::string& dir) {
    GameState g;
    g.Dirs.Settings = dir;
    return g;
  }
};

// The first time of day from `from` whose spin shows a grid the predicate accepts.
uint32_t SeedFor(const std::function<bool(const MachineState&)>& accept, uint32_t from) {
  for (uint32_t t = from;; t += 13) {
    Lcg rng;
    MachineState m;
    m.ReelStops = PlanSpin(rng, t).Stops;
    ComputeReelGrid(m);
    if (accept(m)) return t;
  }
}
int Count(const MachineState& m, int symbol) {
  return static_cast<int>(std::count(m.ReelGrid.begin(), m.ReelGrid.end(), symbol));
}
bool Wins(const MachineState& m) {
  for (int k = 1; k <= 5; ++k) {
    const auto c = PaylineCells(k);
    if (PayFactor(m.ReelGrid[c[0]], m.ReelGrid[c[1]], m.ReelGrid[c[2]]) > 0) return true;
  }
  return false;
}

// An evening: a won Bet Max gambled at the card table, a loan, coins placed one by one and a
// loss, a spin that wins the bonus pool and its seven free spins, a payback, a last spin. The
// cards: W a card drawn and won, L drawn and lost, G Go Again; none leaves the win as won.
void PlayEvening(Sitting& s, const std::string& cards) {
  const uint32_t win =
      SeedFor([](auto& m) { return Wins(m) && !Count(m, GAIN) && !Count(m, LOSS); }, 1000);
  const uint32_t loss =
      SeedFor([](auto& m) { return !Wins(m) && !Count(m, GAIN) && !Count(m, LOSS); }, 5000);
  const uint32_t bonus =
      SeedFor([](auto& m) { return Count(m, GAIN) > 0 && !Count(m, LOSS); }, 9000);
  s.Host.CardGame = [&s, cards](Money& w) {
    for (char c : cards) {
      s.Host.Moment();  // the player's hand on Draw or Go Again
      if (c == 'G') continue;
      w = c == 'W' ? w * 2 : Money();
      s.Host.Drawing = w;
      s.Host.CardDrawn(w);
      s.Host.Shown = w;
    }
  };
  s.Host.TimeOfDay = win;
  s.Machine.BetMax();
  s.Banker.Borrow(2);  // $10
  s.Host.GameSettled();
  s.Host.TimeOfDay = loss;
  for (int i = 0; i < 3; ++i) s.Machine.BetOne();
  s.Machine.Spin();
  s.Host.TimeOfDay = bonus;
  s.Machine.Spin();
  while (s.Game.Machine.FreeSpins > 0) s.Machine.NextAutomaticSpin();
  s.Banker.PayBack(2);
  s.Host.GameSettled();
  s.Host.TimeOfDay = loss;
  s.Machine.Spin();
}

TEST(Keeping, AKillAtAnyInstantLosesNothingSettled) {
  // Each evening starts from the same files: a game one power-up short of its bonus.
  const auto fresh = [](const std::string& dir) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    WriteFile(dir + "ZANDOR.INI", "[Settings]\nPowerPts=90\nAceyDucey=1\n");
  };
  const std::string base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm/" : "/tmp/";
  const std::string dir = base + "zandor-keep-" + std::to_string(::getpid()) + "/";

  // Evenings without a kill, one for each way the card table can leave the win; the kills
  // land in the two that draw, win and go again.
  std::vector<std::tuple<Money, Money, Money, int32_t, int32_t, int32_t>> settles;
  std::vector<std::pair<std::string, int64_t>> killed;
  for (const std::string cards : {"", "W", "WGW", "WGL"}) {
    fresh(dir);
    Killer none;
    Sitting s(dir, &none);
    s.Settle();
    PlayEvening(s, cards);
    ASSERT_EQ(s.Game.Machine.FreeSpinCount, 7);
    settles.insert(settles.end(), s.Host.Settles.begin(), s.Host.Settles.end());
    if (cards.size() > 1) killed.emplace_back(cards, none.Moments);
  }
  ASSERT_GT(killed[0].second, 100);

  for (const auto& [cards, moments] : killed)
  for (int64_t at = 0; at < moments; ++at) {
    SCOPED_TRACE("cards " + cards + ", killed at moment " + std::to_string(at) + " of " +
                 std::to_string(moments));
    fresh(dir);
    Killer kill;
    kill.At = at;
    int64_t settledSpins = 0;
    std::optional<Money> shown, drawing;
    bool crashed = false;
    try {
      auto s = std::make_unique<Sitting>(dir, &kill);
      try {
        s->Settle();
        PlayEvening(*s, cards);
      } catch (const Crash&) {
        settledSpins = s->Host.SettledSpins;
        shown = s->Host.Shown;
        drawing = s->Host.Drawing;
        throw;
      }
    } catch (const Crash&) {
      crashed = true;
    }
    ASSERT_TRUE(crashed) << "the evening ran to its end";
    const std::string playerText = ReadFile(dir + "PLAYER.INI"),
                      zandorText = ReadFile(dir + "ZANDOR.INI");
    Sitting after(dir, nullptr);
    after.Settle();
    const MachineState& m = after.Game.Machine;
    const PlayerRecord::GameTally& t = after.Record.Game;
    // The statistics still lead from the game's start to the meters: nothing was started
    // afresh, so the two files agree, and no cent came from nowhere.
    EXPECT_EQ(t.StartCredits, 100000);
    EXPECT_EQ(t.StartBorrowed, 100000);
    EXPECT_EQ(t.StartCredits + t.Net() + t.Lent - t.Repaid, CentsOf(m.Credits));
    EXPECT_EQ(t.StartBorrowed + t.Lent - t.Repaid, CentsOf(m.Borrowed));
    EXPECT_EQ(t.Spins, m.Spins);
    EXPECT_EQ(t.FreeSpins, m.FreeSpinCount);
    EXPECT_EQ(static_cast<int64_t>(after.Record.Recent.Entries().size()),
              m.Spins + m.FreeSpinCount);
    EXPECT_GE(m.Spins + m.FreeSpinCount, settledSpins);
    // A kill while the card table was open, or before its spin was kept settled, pays what the
    // table showed (or the card being drawn, kept before it was painted), completed or not.
    if (shown) {
      ASSERT_FALSE(after.Record.Recent.Entries().empty());
      const SpinReport& done = after.Record.Recent.Entries().front().Spin;
      EXPECT_TRUE(done.Win == CentsOf(*shown) || (drawing && done.Win == CentsOf(*drawing)))
          << "won " << done.Win << ", shown " << CentsOf(*shown);
    }
    // The meters are where an evening without a kill stood at one of its settled moments.
    const MachineState v = SettledView(m);
    EXPECT_NE(std::find(settles.begin(), settles.end(),
                        std::make_tuple(v.Credits, v.Borrowed, v.BonusPool, v.Spins,
                                        v.FreeSpinCount, v.FreeSpins)),
              settles.end());
    EXPECT_TRUE(after.Host.Sounds.empty());
    EXPECT_EQ(after.Host.CardGames, 0);
    EXPECT_TRUE(after.Host.Messages.empty());
    if (HasFailure()) {
      std::cerr << playerText.substr(playerText.find("[Game]")) << "\n"
                << zandorText.substr(0, 120) << "\n";
      break;
    }
  }
  std::filesystem::remove_all(dir);
}

}  // namespace

namespace {

// The money paths around the saves: opening a game or starting a new one with coins placed
// creates nothing, a close during a won bonus keeps its free spins and never stores a pool below
// zero, and no amount passes what the files can write and read back.
TEST(Keeping, NoMoneyCreatedAroundTheSaves) {
  TempDir dir;
  const auto placeTwentyFives = [](Sitting& s) {
    s.Game.Machine.Bet = 0;
    s.Game.Machine.CoinValue = CoinTable[0].Value;
    for (int i = 0; i < 20; ++i) s.Machine.BetOne();
    ASSERT_EQ(s.Game.Machine.Wager, Money::Dollars(100));
  };
  {
    SCOPED_TRACE("File > Open with twenty $5 coins placed");
    Sitting s(dir.Path(), nullptr);
    SavedGameTable slots(dir.Path(), s.File);
    ASSERT_TRUE(slots.Save(s.Game.Machine, 1, "thousand").Ok);
    placeTwentyFives(s);
    slots.Open(1, s.Game.Machine);
    EXPECT_EQ(s.Game.Machine.Credits, Money::Dollars(1000));
    EXPECT_EQ(s.Game.Machine.Wager, Money());
    EXPECT_EQ(SettledView(s.Game.Machine).Credits, Money::Dollars(1000));
  }
  {
    SCOPED_TRACE("New Game with twenty $5 coins placed");
    Sitting s(dir.Path(), nullptr);
    placeTwentyFives(s);
    ASSERT_TRUE(s.Machine.NewGame());
    s.Session.Keeper().KeepSettled();
    Sitting after(dir.Path(), nullptr);
    EXPECT_EQ(after.Game.Machine.Credits, Money::Dollars(1000));
    EXPECT_EQ(after.Game.Machine.LineBets, (std::array<Money, 5>{}));
  }
  {
    SCOPED_TRACE("a close while the bonus pool is paid");
    WriteFile(dir.Path() + "ZANDOR.INI", "[Settings]\nPowerPts=90\nBonusPool=50.24\n");
    std::filesystem::remove(dir.Path() + "PLAYER.INI");
    Sitting s(dir.Path(), nullptr);
    s.Host.TimeOfDay = SeedFor([](auto& m) { return Count(m, GAIN) > 0 && !Count(m, LOSS); }, 9000);
    s.Host.DuringWait = [&] {
      if (s.Host.Count(Effect::Bonus) > 0) s.Machine.RequestClose();
    };
    s.Machine.BetMax();
    ASSERT_EQ(s.Game.Machine.FreeSpins, 7);
    s.Session.Keeper().KeepSettled();
    EXPECT_NE(ReadFile(dir.Path() + "ZANDOR.INI").find("\nBonusPool=50.00\n"), std::string::npos);
    Sitting after(dir.Path(), nullptr);
    EXPECT_EQ(after.Game.Machine.FreeSpins, 7);
    EXPECT_GE(after.Game.Machine.BonusPool, Money());
    after.Machine.NextAutomaticSpin();
    EXPECT_EQ(after.Game.Machine.FreeSpinCount, 1);
    EXPECT_EQ(after.Game.Machine.FreeSpins, 6);
  }
  {
    SCOPED_TRACE("ten whole digits at most");
    Sitting s(dir.Path(), nullptr);
    MachineState& m = s.Game.Machine;
    m.Credits = MoneyMax;
    EXPECT_EQ(s.Banker.Borrow(0), std::string_view(BankLimit));
    EXPECT_EQ(m.Credits, MoneyMax);
    EXPECT_EQ(m.Borrowed, Money::Dollars(1000));
    m.Credits = MoneyMax - Money::Dollars(6);
    s.Host.TimeOfDay = SeedFor([](auto& mm) { return Wins(mm) && !Count(mm, GAIN); }, 1000);
    s.Machine.BetMax();
    EXPECT_LE(m.Credits, MoneyMax);
    m.BonusPool = MoneyMax;
    s.Machine.BetMax();
    EXPECT_EQ(m.BonusPool, MoneyMax);
    s.Session.Keeper().KeepSettled();
    Sitting after(dir.Path(), nullptr);
    EXPECT_EQ(after.Game.Machine.Credits, m.Credits);
    EXPECT_EQ(after.Game.Machine.BonusPool, MoneyMax);
  }
}

}  // namespace

namespace {

// A new start carries over from PLAYER.INI only what a crash would otherwise lose: the free
// spins still to come, with their wager and pool. Without them there is no last wager, so the
// first Spin asks for a bet, and the reels stand at their first stops. A ZANDOR.INI whose
// credits were changed by hand wins for its meters and keeps the free spins.
TEST(Keeping, ANewStartCarriesOnlyPendingFreeSpins) {
  struct Case {
    const char* Name;
    int FreeSpins;
    bool CreditsEdited;
  };
  for (const Case& c : {Case{"no free spins", 0, false}, Case{"three free spins", 3, false},
                        Case{"three free spins, credits edited", 3, true}}) {
    SCOPED_TRACE(c.Name);
    TempDir dir;
    {
      Sitting s(dir.Path(), nullptr);
      s.Settle();
      s.Host.TimeOfDay = SeedFor([](auto& m) { return Wins(m) && !Count(m, GAIN); }, 1000);
      s.Machine.BetMax();
      MachineState& m = s.Game.Machine;
      ASSERT_EQ(m.LastWager, 25 * m.CoinValue);
      ASSERT_NE(m.ReelStops, (std::array<int, 3>{26, 2, 8}));
      m.FreeSpins = c.FreeSpins;
      m.BonusPool = Money::Dollars(123);
      ASSERT_TRUE(s.Session.Keeper().KeepSettled().empty());
    }
    if (c.CreditsEdited) {
      std::string ini = ReadFile(dir.Path() + "ZANDOR.INI");
      const size_t at = ini.find("\nCredits=");
      ASSERT_NE(at, std::string::npos);
      ini.replace(at, ini.find('\n', at + 1) - at, "\nCredits=4321.00");
      WriteFile(dir.Path() + "ZANDOR.INI", ini);
    }
    Sitting after(dir.Path(), nullptr);
    after.Settle();
    const MachineState& m = after.Game.Machine;
    EXPECT_EQ(m.FreeSpins, c.FreeSpins);
    if (c.CreditsEdited) EXPECT_EQ(m.Credits, Money::Dollars(4321));
    if (c.FreeSpins > 0) {
      EXPECT_EQ(m.LastWager, 25 * m.CoinValue);
      EXPECT_EQ(m.BonusPool, Money::Dollars(123));
      EXPECT_TRUE(after.Host.AutomaticSpins);
      continue;
    }
    EXPECT_EQ(m.LastWager, Money());
    EXPECT_EQ(m.ReelStops, (std::array<int, 3>{26, 2, 8}));
    after.Machine.Spin();
    EXPECT_EQ(after.Host.Messages, std::vector<std::string>{"Please place a bet before spinning."});
  }
}

}  // namespace

namespace {

// A keep that fails at a settled moment is told once, not after every spin, and once more when
// keeping works again; the close says nothing of it (it has its own box).
TEST(Keeping, AFailingKeepIsToldOnceAndItsEnd) {
  struct FullDisk : Killer {
    bool Full = false;
    bool FailsAt(ReplaceStep step) override { return Killer::FailsAt(step) || Full; }
  };
  struct Step {
    bool Full;
    std::vector<std::string> Told;  // all the window was told so far
  };
  TempDir dir;
  FullDisk disk;
  Sitting s(dir.Path(), &disk);
  s.Settle();
  s.Host.TimeOfDay = SeedFor([](auto& m) { return !Wins(m) && !Count(m, GAIN); }, 5000);
  const std::string failed = "failed: 2";  // PLAYER.INI and ZANDOR.INI alike
  for (const Step& step : {Step{false, {}}, Step{true, {failed}}, Step{true, {failed}},
                           Step{false, {failed, "works again"}}, Step{false, {failed, "works again"}}}) {
    disk.Full = step.Full;
    s.Machine.BetMax();
    EXPECT_EQ(s.Host.Told, step.Told);
  }
}

}  // namespace

namespace {

// Sets key=value in a section of an INI text (adding the key when missing).
std::string WithKey(std::string ini, const std::string& section, const std::string& key,
                    const std::string& value) {
  const size_t from = ini.find("[" + section + "]\n");
  EXPECT_NE(from, std::string::npos) << section;
  const size_t end = std::min(ini.find("\n[", from + 1), ini.size());
  const size_t at = ini.find("\n" + key + "=", from);
  if (at == std::string::npos || at > end) return ini.insert(end, "\n" + key + "=" + value);
  return ini.replace(at + 1, ini.find('\n', at + 1) - at - 1, key + "=" + value);
}

// Recovery data is taken only as a keep could have written it: stops that do not follow from
// the seed, money below zero, or meters a keep never writes void the interrupted spin or the
// carry-forward, silently; the game starts from ZANDOR.INI as it stands.
TEST(Keeping, ForgedRecoveryDataIsVoided) {
  struct Case {
    const char* Name;
    const char* Section;
    const char* Key;
    std::string Value;
    bool Completes;  // the interrupted spin is completed
  };
  const uint32_t seed = 777;
  Lcg rng;
  const std::array<int, 3> stops = PlanSpin(rng, seed).Stops;
  const std::string wrongStops = std::to_string((stops[0] + 1) % 40) + ' ' +
                                 std::to_string(stops[1]) + ' ' + std::to_string(stops[2]);
  for (const Case& c : {Case{"as kept", "Spin", "Free", "0", true},
                        Case{"stops not from the seed", "Spin", "Stops", wrongStops, false},
                        Case{"credits below zero", "Spin", "Credits", "-5.00", false},
                        Case{"a pool below zero", "Spin", "BonusPool", "-0.01", false},
                        Case{"a debt below zero", "Spin", "Borrowed", "-1000.00", false}}) {
    SCOPED_TRACE(c.Name);
    TempDir dir;
    {
      Sitting s(dir.Path(), nullptr);
      s.Settle();
      ASSERT_TRUE(s.Session.Keeper().KeepSettled().empty());
      SpinInProgress spin;
      spin.Seed = seed;
      spin.Stops = stops;
      spin.Wager = Money::Cents(25);
      s.Game.Machine.Credits -= spin.Wager;
      ASSERT_TRUE(s.Session.Keeper().KeepSpin(spin));
    }
    const std::string path = PlayerIniPath(dir.Path());
    WriteFile(path, WithKey(ReadFile(path), c.Section, c.Key, c.Value));
    Sitting after(dir.Path(), nullptr);
    EXPECT_EQ(after.Session.Interrupted(), c.Completes);
    after.Settle();
    EXPECT_TRUE(after.Host.Messages.empty());
    const MachineState& m = after.Game.Machine;
    EXPECT_EQ(m.Credits + m.Wager, c.Completes ? m.Credits : Money::Dollars(1000));
    EXPECT_GE(m.BonusPool, Money());
  }

  // A carry-forward from meters a keep never writes leaves ZANDOR.INI's meters.
  TempDir dir;
  {
    Sitting s(dir.Path(), nullptr);
    s.Settle();
    ASSERT_TRUE(s.Session.Keeper().KeepSettled().empty());
  }
  const std::string path = PlayerIniPath(dir.Path());
  std::string ini = ReadFile(path);
  const size_t at = ini.find("\nMeters=");
  const std::string meters = ini.substr(at + 8, ini.find('\n', at + 1) - at - 8);
  ini = WithKey(ini, "Game", "MetersBefore", meters);
  WriteFile(path, WithKey(ini, "Game", "Meters", "-5.00 1000.00 50.00 0 120 3"));
  Sitting after(dir.Path(), nullptr);
  after.Settle();
  EXPECT_EQ(after.Game.Machine.Credits, Money::Dollars(1000));
  EXPECT_EQ(after.Game.Machine.PowerPts, 0);
}

}  // namespace

namespace {

// PLAYER.INI is never written larger than a start reads back: a large file sheds the sections
// that are not the game's (a small one keeps the player's own), a second [Spin] or [Game] is
// dropped at the next keep, and a file whose own sections are too large is not written at all,
// which the keep reports.
TEST(Keeping, PlayerIniStaysReadable) {
  struct Case {
    const char* Name;
    std::string Extra;   // appended to the kept file; "full" fills it to the limit with ours,
                         // "key" adds a key to [Game] that no keep writes
    bool OwnKept;        // the player's [Notes] section is still there
    bool Written;        // the next keep writes the file
  };
  const std::string notes = "[Notes]\nMine=1\n";
  const auto filler = [](const std::string& section, size_t bytes) {
    std::string text = "[" + section + "]\n";
    for (int i = 0; text.size() + 40 < bytes; ++i)
      text += "K" + std::to_string(i) + "=" + std::string(28, 'x') + "\n";
    return text;
  };
  std::string spins;
  for (int i = 0; i < 500; ++i) spins += "[Spin]\nSeed=1\n[Game]\nMeters=0\n";
  const size_t nearLimit = IniDocument::MaxFileSize - 4096;
  for (const Case& c : {Case{"a small file of the player's own", notes, true, true},
                        Case{"junk near the limit", notes + filler("Junk", nearLimit), false, true},
                        Case{"five hundred more [Spin] and [Game]", notes + spins, true, true},
                        Case{"a key of [Game] no keep writes", "key", false, true},
                        Case{"our own section at the limit", "full", false, false}}) {
    SCOPED_TRACE(c.Name);
    TempDir dir;
    const std::string path = PlayerIniPath(dir.Path());
    {
      Sitting s(dir.Path(), nullptr);
      s.Settle();
      ASSERT_TRUE(s.Session.Keeper().KeepSettled().empty());
    }
    const std::string kept = ReadFile(path);
    WriteFile(path, c.Extra == "key"
                        ? WithKey(kept, "Game", "Junk", "1")
                        : kept + (c.Extra == "full"
                                      ? filler("Volume", IniDocument::MaxFileSize - kept.size() - 8)
                                      : c.Extra));
    const std::string before = ReadFile(path);
    {
      Sitting s(dir.Path(), nullptr);
      s.Settle();
      s.Host.TimeOfDay = SeedFor([](auto& m) { return Wins(m) && !Count(m, GAIN); }, 1000);
      s.Machine.BetMax();
      const std::vector<std::string> failed = s.Session.Keeper().KeepSettled();
      EXPECT_EQ(failed.empty(), c.Written);
    }
    const std::string after = ReadFile(path);
    EXPECT_LE(after.size(), IniDocument::MaxFileSize);
    if (!c.Written) EXPECT_TRUE(after == before);
    if (c.Written) {
      EXPECT_EQ(after.find("[Notes]") != std::string::npos, c.OwnKept);
      size_t games = 0;
      for (size_t at = after.find("[Game]"); at != std::string::npos; at = after.find("[Game]", at + 1))
        ++games;
      EXPECT_EQ(games, 1u);
      EXPECT_EQ(after.find("[Spin]\nSeed"), std::string::npos);
      EXPECT_EQ(after.find("Junk="), std::string::npos);
    }
    Sitting next(dir.Path(), nullptr);
    EXPECT_EQ(next.File.SetAside(), "");
    EXPECT_EQ(next.Record.Game.Spins, c.Written ? 1 : 0);
  }
}

}  // namespace

namespace {

// A spin completed at the start is told once, in words: what it won (or that it won nothing)
// and whether free spins go on; Recent Spins lists it at the time its reels turned.
TEST(Keeping, ACompletedSpinIsToldAndListedWhenPlayed) {
  struct Case {
    const char* Name;
    bool Wins;
    int FreeSpins;  // before the spin; a free spin when above zero
    std::string Told;
  };
  const uint32_t win = SeedFor([](auto& m) { return Wins(m) && !Count(m, GAIN) && !Count(m, LOSS); }, 1000);
  const uint32_t loss = SeedFor([](auto& m) { return !Wins(m) && !Count(m, GAIN) && !Count(m, LOSS); }, 5000);
  // What the winning spin pays for a full wager of quarters, played to its end.
  Money paid;
  {
    TempDir dir;
    Sitting s(dir.Path(), nullptr);
    s.Settle();
    s.Game.Options.AceyDucey = false;
    s.Host.TimeOfDay = win;
    const Money before = s.Game.Machine.Credits;
    s.Machine.BetMax();
    paid = s.Game.Machine.Credits - before + Money::Cents(625);
    ASSERT_GT(paid, Money());
  }
  const std::string won = "Your last spin was interrupted. It has been completed: you won " +
                          paid.Padded(0) + ".";
  for (const Case& c :
       {Case{"a paid spin that won", true, 0, won},
        Case{"a paid spin that lost", false, 0,
             "Your last spin was interrupted. It has been completed: it won nothing."},
        Case{"a free spin that lost, two more to come", false, 3,
             "Your last spin was interrupted. It has been completed: it won nothing. Your free "
             "spins continue."}}) {
    SCOPED_TRACE(c.Name);
    TempDir dir;
    {
      Sitting s(dir.Path(), nullptr);
      s.Settle();
      MachineState& m = s.Game.Machine;
      m.FreeSpins = c.FreeSpins;
      ASSERT_TRUE(s.Session.Keeper().KeepSettled().empty());
      s.Record.Now = [] { return int64_t{1765000000}; };
      SpinInProgress spin;
      spin.Seed = c.Wins ? win : loss;
      Lcg rng;
      spin.Stops = PlanSpin(rng, spin.Seed).Stops;
      spin.Free = c.FreeSpins > 0;
      spin.Wager = Money::Cents(625);
      if (!spin.Free) m.Credits -= spin.Wager;
      ASSERT_TRUE(s.Session.Keeper().KeepSpin(spin));
    }
    Sitting after(dir.Path(), nullptr);
    ASSERT_TRUE(after.Session.Interrupted());
    after.Settle();
    EXPECT_EQ(after.Host.Completed, std::vector<std::string>{c.Told});
    ASSERT_FALSE(after.Record.Recent.Entries().empty());
    EXPECT_EQ(after.Record.Recent.Entries().front().Time, 1765000000);
    EXPECT_TRUE(after.Host.Messages.empty());
  }
}

}  // namespace

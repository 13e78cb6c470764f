// The game's life on disk, without Qt: the start (the settings read, the two files brought to
// one state, a spin a crash interrupted put back and completed), keeping the game at every
// settled moment with one scheduler deciding when PLAYER.INI is written, a saved game replacing
// the one at play, and the close. The window calls it; it reaches the window only through
// SessionWindow.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "machine/GameState.h"
#include "machine/Host.h"
#include "machine/PlayerText.h"
#include "machine/SlotMachine.h"
#include "record/PlayerRecord.h"
#include "session/GameKeeper.h"
#include "store/PlayerIni.h"

namespace zandor {

// What the session needs of the window it keeps.
struct SessionWindow {
  virtual ~SessionWindow() = default;
  // Runs task once the event being handled now is over.
  virtual void RunSoon(std::function<void()> task) = 0;
  // Brings into the game what only the window knows (its placement, the time played) before
  // the game is kept.
  virtual void BeforeKeep() = 0;
  // Keeping the game at a settled moment has just failed after it worked: the player must
  // know that a crash now would lose what was played since. Told once, until it works again.
  virtual void KeepingFailed(const std::vector<std::string>& paths) = 0;
  // Keeping works again after it failed.
  virtual void KeepingWorksAgain() = 0;
  // A spin a crash interrupted was completed at the start: the player is told once what it
  // brought, once the machine is shown.
  virtual void SpinCompleted(const PlayerText& notice) = 0;
};

// What the player is told of a spin completed at the start: won is what it counted into the
// credits, freeSpinsLeft the free spins still to come.
PlayerText CompletedSpinNotice(Money won, int freeSpinsLeft);

class GameSession {
 public:
  // Keeps this game, played by machine, with its record in the player's file; host switches
  // the automatic spins on, window schedules the keeping. Faults, when given, are asked at
  // each step of the ZANDOR.INI replace (tests). Everything outlives the session.
  GameSession(const GameState& game, SlotMachine& machine, PlayerIni& file, PlayerRecord& record,
              Timers& timers, SessionWindow& window, ReplaceFaults* faults = nullptr);

  // The start, before the window shows the machine: ZANDOR.INI read into the machine, the two
  // files brought to one state, an interrupted spin put back where its reels started and the
  // record read against the machine. Returns the settings as read, whose options, sounds and
  // music the window takes.
  GameState Load();
  // True when Load found a spin that a crash interrupted and Begin has not completed it yet.
  bool Interrupted() const { return interrupted_.has_value(); }
  // Once the machine can be shown: completes the interrupted spin without sound or card game,
  // recorded at the time it was played, and tells the window what it brought; or keeps the game
  // when the two files must agree again; free spins left go on by themselves.
  void Begin();

  // The reels are about to turn, or the card game has decided: the spin goes to PLAYER.INI.
  void KeepSpin(const SpinInProgress& spin);
  // The money has settled: the game is kept once the event that settled it is over.
  void GameSettled();
  // Keeps the game now, unless money is in motion (its own settling keeps it) or the window
  // is closing (the close keeps it); the window hears when keeping fails and when it works
  // again.
  void KeepNow();
  // A saved game replaced the one at play: the record hears of it and the game is kept.
  void GameOpened();

  // The close, once no money is in motion: a placed wager goes back to the credits and the
  // game is kept. Returns the full paths of the files that could not be written.
  std::vector<std::string> Close();
  // The close's save once more (the disk may have been freed); the same answer as Close.
  std::vector<std::string> KeepAgain();

  // True when the last keep wrote both files.
  bool Kept() const { return kept_; }
  // What the session keeps the game with.
  GameKeeper& Keeper() { return keeper_; }

 private:
  std::vector<std::string> Keep();

  const GameState& game_;
  SlotMachine& machine_;
  PlayerIni& file_;
  PlayerRecord& record_;
  Timers& timers_;
  SessionWindow& window_;
  GameKeeper keeper_;
  std::optional<SpinStart> interrupted_;
  bool keepPending_ = false;
  bool kept_ = true;
};

}  // namespace zandor

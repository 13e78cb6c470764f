// Keeps the game on disk as it goes, so that a crash loses nothing that had settled and a spin
// whose reels had started is completed at the next start. Plain C++ only.
//
// "ZANDOR.INI" keeps exactly the keys it always kept, so what a recovery needs beyond them lives
// in "PLAYER.INI", and every settled moment writes "PLAYER.INI" first, then "ZANDOR.INI":
//   [Game]         the meters just written to ZANDOR.INI and the ones it held before, the free
//                  spins, the last wager and the reels' stops;
//   [Spin]         the spin whose reels are turning: its seed and the machine as it started,
//                  written with the record as it stood then.
// A crash between the two writes leaves ZANDOR.INI with the meters [Game] calls the ones
// before; the next start then carries the game forward to what [Game] and the record (written
// in the same replace) say. A ZANDOR.INI that matches neither was changed by someone else: it
// wins, and the record reconciles as it always did.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "machine/GameState.h"
#include "machine/MoneyOwner.h"
#include "machine/SpinInProgress.h"
#include "record/PlayerRecord.h"
#include "store/PlayerIni.h"
#include "store/Settings.h"

namespace zandor {

// The machine's meters as they stand when a spin's reels start; the spin is completed from them.
struct SpinStart {
  SpinInProgress Spin;
  Money Credits, Borrowed, BonusPool, LastWager;
  int32_t Spins = 0, PowerPts = 0, FreeSpins = 0, FreeSpinCount = 0;
  int64_t Time = 0;  // seconds since 1970 when the reels started; 0 when not kept
};

class GameKeeper {
 public:
  // Keeps this game and record in the settings folder, through the owner of PLAYER.INI, and
  // brings the game back through its machine's owner; faults, when given, are asked at each step
  // of the ZANDOR.INI replace (tests).
  GameKeeper(const GameState& game, MoneyOwner machine, PlayerIni& file, PlayerRecord& record,
             ReplaceFaults* faults = nullptr);

  // At the start, after ZANDOR.INI was loaded and before the record is: brings the two files
  // to one state (the meters, the free spins, the last wager and the stops), and returns the
  // spin that a crash interrupted, if any.
  std::optional<SpinStart> Restore();
  // True when the files must be written again to agree (a repair, or none kept yet).
  bool NeedsKeeping() const { return repaired_ || !kept_; }
  // Puts the machine where the interrupted spin's reels started, its wager on the lines (the
  // record is then loaded against it, as it was kept with the spin).
  void Resume(const SpinStart& start);

  // A settled moment: the record and the game into PLAYER.INI, then ZANDOR.INI, each in one
  // replace. A placed wager is written as handed back, as the close hands it back. Returns the
  // full paths of the files that could not be written, ZANDOR.INI first; ZANDOR.INI is written
  // even when PLAYER.INI cannot be.
  std::vector<std::string> KeepSettled();
  // The spin's reels are about to turn, or its card game has decided: PLAYER.INI only. False
  // when it could not be written (the spin goes on; a crash would then void it).
  bool KeepSpin(const SpinInProgress& spin);

 private:
  const GameState& game_;
  MoneyOwner machine_;
  PlayerIni& file_;
  PlayerRecord& record_;
  ReplaceFaults* faults_;
  bool repaired_ = false;
  bool kept_ = false;         // PLAYER.INI holds the game
  std::string zandorMeters_;  // the meters ZANDOR.INI holds, as [Game] writes them
};

// The meters ZANDOR.INI keeps of a machine, as one line of text.
std::string ZandorMeters(const MachineState& m);
// What ZANDOR.INI is given for a machine: a placed wager handed back, the pool never below
// zero and, while free spins remain, the pool as their end leaves it.
MachineState SettledView(const MachineState& m);

}  // namespace zandor

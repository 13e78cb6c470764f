// The eight saved-game slots of "POWER.INI".
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "machine/MachineState.h"
#include "machine/MoneyOwner.h"
#include "store/PlayerIni.h"
#include "store/Settings.h"

namespace zandor {

// The part of a game a slot keeps: the player's fortune.
using GameRecord = Fortune;

// One slot: the record, with its name and the date it was saved.
struct SavedGame : GameRecord {
  std::string Name;
  std::string Date;
  // False while POWER.INI holds no pool for the slot (never saved): it opens with a new pool.
  bool HasPool = false;
  // The coin value the game was saved at, as PLAYER.INI keeps it for this very save; none for a
  // save from before coin values were kept, or one another copy of the game wrote.
  std::optional<Money> CoinValue;
};

// The eight slots as last read or saved. A slot's count of free spins is not in the file: it
// lasts as long as the table, which the window keeps for the whole run.
class SavedGameTable {
 public:
  // The slots of "POWER.INI" in a settings folder (ending with '/'), with the coin value of
  // each save kept in the player's file; nothing is read yet.
  SavedGameTable(std::string settingsDir, PlayerIni& playerFile);

  // Slot n is Slots[n - 1].
  std::array<SavedGame, 8> Slots;

  // Refills the file-backed fields of every slot from the file; a kept coin value whose save
  // POWER.INI no longer holds (the slot emptied, or written by another copy) is dropped.
  void Read();
  // Copies the machine's fortune into slot n (1..8) and writes its section.
  SaveResult Save(const MachineState& m, int n, const std::string& name);
  // Writes section "Saved Game n" in one atomic replace of the file; on failure the file stays
  // as it was. Once written, the player's file keeps the coin value of the save (its next keep
  // writes it). The slots in memory do not change.
  SaveResult Write(const MachineState& m, int n, const std::string& name) const;
  // Copies slot n (1..8) into the machine, its pool worth the coins it held when saved.
  void Open(int n, MoneyOwner machine) const;

 private:
  std::string PowerIni() const;

  std::string settingsDir_;
  PlayerIni& playerFile_;
};

// The pool a slot brings to a machine at this coin value: the whole coins it held when saved
// (a part of a coin is left behind, as the pool pays whole coins), at the machine's coin value,
// and never less than a new game's pool there.
Money OpenedPool(const SavedGame& slot, Money coinValue);
// The coin value a pool saved without one is read at: the largest coin of which it holds a
// whole number, at least a new game's pool of them, so it is never worth more coins than it
// was; the largest coin when none fits.
Money LikelyCoinValue(Money pool);

// Today's date as mm/dd/yy with the system's date separator.
std::string TodayText();
// A date as mm/dd/yy, joined by the first punctuation character of a strftime date format
// (D_FMT) that is not part of a conversion, or "/" where it has none.
std::string DateText(int month, int day, int year, const char* localeDateFormat);

}  // namespace zandor

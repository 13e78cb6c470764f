// The eight saved-game slots of "POWER.INI".
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "machine/MachineState.h"
#include "machine/MoneyOwner.h"
#include "store/Settings.h"

namespace zandor {

// The part of a game a slot keeps: the player's fortune.
using GameRecord = Fortune;

// One slot: the record, with its name and the date it was saved.
struct SavedGame : GameRecord {
  std::string Name;
  std::string Date;
};

// The eight slots as last read or saved. A slot's count of free spins is not in the file: it
// lasts as long as the table, which the window keeps for the whole run.
class SavedGameTable {
 public:
  // The slots of "POWER.INI" in a settings folder (ending with '/'); nothing is read yet.
  explicit SavedGameTable(std::string settingsDir);

  // Slot n is Slots[n - 1].
  std::array<SavedGame, 8> Slots;

  // Refills the file-backed fields of every slot from the file.
  void Read();
  // Copies the machine's fortune into slot n (1..8) and writes its section.
  SaveResult Save(const MachineState& m, int n, const std::string& name);
  // Writes section "Saved Game n" in one atomic replace of the file; on failure the file stays
  // as it was. The slots in memory do not change.
  SaveResult Write(const MachineState& m, int n, const std::string& name) const;
  // Copies slot n (1..8) into the machine.
  void Open(int n, MoneyOwner machine) const;

 private:
  std::string PowerIni() const;

  std::string settingsDir_;
};

// Today's date as mm/dd/yy with the system's date separator.
std::string TodayText();
// A date as mm/dd/yy, joined by the first punctuation character of a strftime date format
// (D_FMT) that is not part of a conversion, or "/" where it has none.
std::string DateText(int month, int day, int year, const char* localeDateFormat);

}  // namespace zandor

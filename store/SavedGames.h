// The eight saved-game slots of "POWER.INI".
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "machine/TGame.h"
#include "store/Settings.h"

struct TSavedGame {
  std::string Name;
  Money Credits, Borrowed, BonusPool;
  int32_t Spins = 0, FreeSpinCount = 0, PowerPts = 0;
  std::string Date;
};

// The slot table; lives for the whole run.
inline std::array<TSavedGame, 8> SavedGames;

// Today's date as mm/dd/yy with the system's date separator.
std::string TodayText();
// A date as mm/dd/yy, joined by the separator that a strftime date format (D_FMT) uses.
std::string DateText(int month, int day, int year, const char* localeDateFormat);
// Refills the file-backed fields of SavedGames from SettingsDir + "POWER.INI".
void ReadSavedGames(const TGame& g);
// Copies the game into slot n (1..8) and writes its section.
SaveResult SaveIntoSlot(const TGame& g, int n, const std::string& name);
// Writes section "Saved Game n"; stops at the first failed write.
SaveResult WriteSavedGame(const TGame& g, int n, const std::string& name);
// Copies slot n (1..8) into the game.
void OpenSlot(TGame& g, int n);

// The eight saved-game slots of "POWER.INI".
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "machine/GameState.h"
#include "store/Settings.h"

// The part of a game a slot keeps: the player's fortune.
struct GameRecord {
  Money Credits, Borrowed, BonusPool;
  int32_t Spins = 0, FreeSpinCount = 0, PowerPts = 0;

  // The record of the game's current fortune.
  static GameRecord Of(const GameState& g);
  // Puts the record's fortune into the game; nothing else of the game changes.
  void ApplyTo(GameState& g) const;
};

// One slot: the record, with its name and the date it was saved.
struct SavedGame : GameRecord {
  std::string Name;
  std::string Date;
};

// The slot table; lives for the whole run.
inline std::array<SavedGame, 8> SavedGames;

// Today's date as mm/dd/yy with the system's date separator.
std::string TodayText();
// A date as mm/dd/yy, joined by the first punctuation character of a strftime date format
// (D_FMT) that is not part of a conversion, or "/" where it has none.
std::string DateText(int month, int day, int year, const char* localeDateFormat);
// Refills the file-backed fields of SavedGames from SettingsDir + "POWER.INI".
void ReadSavedGames(const GameState& g);
// Copies the game into slot n (1..8) and writes its section.
SaveResult SaveIntoSlot(const GameState& g, int n, const std::string& name);
// Writes section "Saved Game n" in one atomic replace of the file; on failure the file stays
// as it was.
SaveResult WriteSavedGame(const GameState& g, int n, const std::string& name);
// Copies slot n (1..8) into the game.
void OpenSlot(GameState& g, int n);

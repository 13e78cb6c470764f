// The settings file "ZANDOR.INI": loaded once at start, saved once at close.
#pragma once

#include <string>

#include "machine/GameState.h"

// "PLAYER.INI" in the settings folder: what the game keeps beyond the two classic files (the
// volume, full screen, the player's record).
std::string PlayerIniPath(const std::string& settingsDir);

// Reads "ZANDOR.INI" of the settings folder into every part of the game; never fails.
void LoadSettings(GameState& g);

// What a save did: ok, or the full path of the file that could not be written.
struct SaveResult {
  bool Ok = true;
  std::string FailedPath;
};
// Writes all 52 keys in order in one atomic replace of the file, creating the settings folder
// when it is missing; on failure the old file stays whole.
SaveResult SaveSettings(const GameState& g);

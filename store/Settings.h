// The settings file "ZANDOR.INI": loaded once at start, saved once at close.
#pragma once

#include <string>

#include "machine/GameState.h"
#include "store/AtomicFile.h"

namespace zandor {

// Reads SettingsDir + "ZANDOR.INI" over the game's current values and returns the game as read
// (Maxed included); never fails. Each part goes to its owner: the machine's to the machine.
GameState LoadSettings(const GameState& g);

// What a save did: ok, or the full path of the file that could not be written.
struct SaveResult {
  bool Ok = true;
  std::string FailedPath;
};
// Writes all 52 keys in order in one atomic replace of the file, creating the settings folder
// when it is missing; on failure the old file stays whole. Faults, when given, are asked at each
// step of the replace (tests).
SaveResult SaveSettings(const GameState& g, ReplaceFaults* faults = nullptr);

}  // namespace zandor

// "PLAYER.INI": the player's record beside the settings. Every section but [Volume] and
// [Window] is read and written here, and nowhere else.
#pragma once

#include <string>
#include <vector>

#include "record/PlayerRecord.h"
#include "store/Settings.h"

// One key of the file with its text.
struct PlayerKey {
  std::string Section, Key, Value;
};

// Reads the record. Missing or damaged values give the defaults and a damaged recent spin is
// skipped. The current game's figures start afresh from these credits and debt (cents) when
// the file has none or they do not add up to these credits.
void LoadPlayerFile(const std::string& path, PlayerRecord& r, int64_t credits, int64_t borrowed);
// Every key of the record, section by section.
std::vector<PlayerKey> PlayerKeys(const PlayerRecord& r);
// Writes the whole record; false when the file could not be written.
bool SavePlayerFile(const std::string& path, const PlayerRecord& r);
// Writes one recent spin into its slot; false when the file could not be written.
bool SaveRecentSpin(const std::string& path, const SpinEntry& spin);
// Writes only the auto-spin limits; false when the file could not be written.
bool SaveAutoSpinLimits(const std::string& path, const AutoSpinLimits& limits);

// The player's loudness of the sound effects and of the music, kept in PLAYER.INI beside the
// settings file.
#pragma once

#include <string>

#include "store/Settings.h"

struct Volume {
  int Effects = 100;  // percent of full loudness, 0..100
  int Music = 100;    // percent of full loudness, 0..100
  bool operator==(const Volume&) const = default;
};

// Reads the [Volume] section; a missing file or key, or a value that is not a whole number
// from 0 to 100, gives 100.
Volume LoadVolume(const std::string& settingsDir);
// Writes the [Volume] section, keeping every other section and key of the file; false when
// the file could not be written.
bool SaveVolume(const std::string& settingsDir, const Volume& volume);

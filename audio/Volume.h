// The player's loudness of the sound effects and of the music, kept in PLAYER.INI beside the
// settings file: section [Volume].
#pragma once

namespace zandor {

class PlayerIni;

struct Volume {
  int Effects = 100;  // percent of full loudness, 0..100
  int Music = 100;    // percent of full loudness, 0..100
  bool operator==(const Volume&) const = default;
};

// Reads the [Volume] section; a missing key, or a value that is not a whole number from 0 to
// 100, gives 100.
Volume LoadVolume(const PlayerIni& file);
// Puts both keys into the [Volume] section; the file's next save writes them with the others.
void StoreVolume(PlayerIni& file, const Volume& volume);

}  // namespace zandor

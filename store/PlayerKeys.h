// "PLAYER.INI" declared once: every section the game writes and, for the sections kept through
// the table, each key with the field of the part that holds its value and the kind of text it is
// written as. The parts below mirror their sections; their readers and writers go through
// LoadKeys and StoreKeys, so a key is named, ordered and read back in one place only. The
// player's record keeps its sections by its own table of figures (record/PlayerFile.cpp).
// Plain C++ only.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "machine/Money.h"
#include "store/ViewSettings.h"

namespace zandor {

class PlayerIni;

// [Game]: what a settled moment keeps beyond ZANDOR.INI.
struct KeptGame {
  std::string Meters;        // the meters just given to ZANDOR.INI, as one line
  std::string MetersBefore;  // the meters ZANDOR.INI held before
  int32_t FreeSpins = 0, FreeSpinCount = 0;
  Money LastWager;    // the wager the free spins still to come repeat
  Money Pool;         // the pool they play on
  std::string Stops;  // the reels' stops, "26 2 8"
};

// [Spin]: the spin whose reels are turning and the machine as they started.
struct KeptSpin {
  std::string Seed, Stops;
  bool Free = false;
  Money Wager, PoolShare, Credits, Borrowed, BonusPool, LastWager;
  int32_t Spins = 0, PowerPts = 0, FreeSpins = 0, FreeSpinCount = 0;
  std::string Time;  // seconds since 1970 when the reels started
};

// [Spin] too: the card game's decision on that spin, kept once it is made.
struct KeptCard {
  bool CardDecided = false;
  Money CardWin;
};

// [Saved Games]: per slot of POWER.INI, the coin value of its save and the meters POWER.INI was
// given with it, "5.00 1000.00 1000.00 1250.00 3 0"; none for a slot without.
struct KeptSaves {
  std::array<std::optional<std::string>, 8> Slots;  // Slot1..Slot8
};

// [View] is ViewChoices: only 0 and 1 are read, anything else is the choice's default.

// [Window]: full screen, and where the normal window's top left corner stood.
struct KeptWindow {
  bool FullScreen = false;      // only 1 is on; anything else reads as off
  std::optional<int32_t> X, Y;  // none when missing or not a whole number
};

// [Volume]: the loudness of the effects and of the music, percent.
struct KeptVolume {
  std::optional<int32_t> Effects, Music;  // none when missing or not a whole number
};

// Reads the keys of a part; a missing or unreadable value leaves its field as the part starts.
template <class Part>
Part LoadKeys(const PlayerIni& file);
// Puts the keys of a part into the file in the table's order (a field with no value takes its
// key out); the file's next save writes them.
template <class Part>
void StoreKeys(PlayerIni& file, const Part& part);
// The section of a part.
template <class Part>
const std::string& SectionOf();
// Keeps in the section of a part only the keys the table declares for that section, the first
// of each name.
template <class Part>
void KeepDeclaredKeys(PlayerIni& file);
// True for a section the game writes, whatever the case of its name.
bool IsPlayerSection(std::string_view name);

}  // namespace zandor

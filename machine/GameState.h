// The program-wide game state: every variable the handlers, dialogs and files share.
// Plain C++ only; nothing here may include a Qt header.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "machine/Money.h"

// Symbol codes stored in the reel strips as '0'..'6'.
enum Symbol : int { GAIN = 0, LOSS = 6 };

// One row of the coin-value table of the "&Bet Amount" menu.
struct CoinRow {
  const char* Caption;  // menu caption, UTF-8 ("$5", "50¢", ...)
  Money Value;          // one coin
};
inline constexpr std::array<CoinRow, 6> CoinTable{{{"$5", Money::Cents(500)},
                                                   {"$1", Money::Cents(100)},
                                                   {"50\u00a2", Money::Cents(50)},
                                                   {"25\u00a2", Money::Cents(25)},
                                                   {"10\u00a2", Money::Cents(10)},
                                                   {"5\u00a2", Money::Cents(5)}}};

// Milliseconds per animation step for Speed 0 (Fast), 1 (Medium), 2 (Slow).
inline constexpr std::array<int, 3> SpeedDelays{10, 35, 55};

// The reel strips as the artwork loader sets them, and reel 2's strip while free spins remain.
inline constexpr const char* NormalStrips[3] = {"35145245345315405324", "51053425345235425346",
                                                "42350451254354254153"};
inline constexpr const char* FreeSpinStrip = "51253425345035425340";

// The pay per coin of each payoff row, tried in order (the last row is 5 5 any).
inline constexpr std::array<int, 7> PayFactors{1000, 200, 50, 20, 10, 5, 2};

// The system's button-face colour value as the settings file stores it.
inline constexpr int32_t ButtonFaceColor = static_cast<int32_t>(0x8000000F);

// Everything the player's machine is made of. Arrays are 0-based: LineBets[0] is payline 1,
// ReelStops[0] reel 1.
struct GameState {
  // Money, in whole cents.
  Money Credits = Money::Dollars(1000);
  Money Borrowed = Money::Dollars(1000);
  Money BonusPool = Money::Dollars(50);
  Money CoinValue = Money::Cents(25);
  Money Wager;
  Money LastWager;
  Money SpinWin;
  Money WinPending;
  std::array<Money, 5> LineBets{};  // money on each payline
  std::array<int, 5> LinePays{};    // pay factor won by each payline on the last spin

  // Counters.
  int32_t Spins = 0;
  int32_t PowerPts = 0;
  int32_t FreeSpins = 0;
  int32_t FreeSpinCount = 0;

  // Machine settings.
  uint8_t Speed = 0;  // 0 Fast, 1 Medium, 2 Slow; may hold an out-of-range value read from file
  int SpinDelay = 10;
  uint8_t Bet = 3;  // coin-value index; may hold an out-of-range value read from file

  // Reels.
  std::array<int, 3> ReelStops{26, 2, 8};
  std::array<std::string, 3> ReelStrips{NormalStrips[0], NormalStrips[1], NormalStrips[2]};
  std::array<int, 9> ReelGrid{};  // (reel-1)*3 + row, row 0 top

  // Menu switches that have no variable of their own in the window.
  bool AutoSpin = false;  // check mark of "&Auto Spin"
  bool AceyDucey = true;  // check mark of "&Acey Ducey"
  bool Maxed = false;     // the main window is to start maximised

  // Sound switches.
  bool Sound = true;
  bool sndCoins = true;
  bool sndCredits = true;
  bool sndSpin = false;
  bool sndStop = true;
  bool sndWheelSpin = true;
  bool sndWin = true;
  bool sndBonus = true;
  bool sndPowerUp = true;
  bool sndPowerDown = true;
  bool sndLose = false;

  // Replaceable sound files (full paths, at most 255 characters).
  std::string WinSound, LoseSound, PowerUpSound, PowerDownSound, BonusSound;

  // Music playlist.
  bool MusicOn = true;
  std::array<bool, 8> PlayList{true, true, true, true, true, true, true, true};
  std::array<std::string, 8> MIDISong;
  std::array<std::string, 8> MIDIName;
  int CurrentSong = 0;
  bool SongPending = false;

  // Background.
  uint8_t BackMode = 0;  // 0 tiled bitmap, 1 solid colour
  int32_t BackColor = ButtonFaceColor;
  std::string BackBMP;

  // Win display.
  bool BlinkPhase = true;

  // Directories, each ending with '/'.
  std::string ProgramDir;
  std::string SettingsDir;

  // Sets every default that depends on ProgramDir (sound files, songs, the tile).
  void SetFileDefaults();
};

// Start-up default paths of the five replaceable sounds, by ProgramDir.
std::string DefaultSoundPath(const std::string& programDir, const char* file);

// The one 32-bit linear congruential generator of the program.
struct Lcg {
  uint32_t Seed = 0;
  // Seeds from milliseconds since UTC midnight.
  void Randomize(uint32_t utcTimeOfDayMs) { Seed = utcTimeOfDayMs; }
  // A draw below n: the seed steps, then (seed * n) div 2^32.
  int Next(int n) {
    Seed = Seed * 134775813u + 1u;
    return static_cast<int>((static_cast<uint64_t>(Seed) * static_cast<uint32_t>(n)) >> 32);
  }
};

// The program's generator, shared by the spin and the card game's shuffle.
inline Lcg Rng;

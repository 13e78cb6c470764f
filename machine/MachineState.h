// The machine's own state: its money, counters, coin value, speed and reels, with the fixed
// tables they are read against. Plain C++ only; nothing here may include a Qt header.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "machine/Money.h"

namespace zandor {

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

// The three spin speeds of "Spin Spee&d"; the settings file stores the number.
enum class SpinSpeed : uint8_t { Fast = 0, Medium = 1, Slow = 2 };

// Milliseconds per animation step for Fast, Medium and Slow, indexed by the speed's number.
inline constexpr std::array<int, 3> SpeedDelays{10, 35, 55};

// True for the three speeds the menu offers (a file may hold any byte).
constexpr bool IsMenuSpeed(SpinSpeed s) { return static_cast<uint8_t>(s) < SpeedDelays.size(); }

// The reel strips as the artwork loader sets them, and reel 2's strip while free spins remain.
inline constexpr const char* NormalStrips[3] = {"35145245345315405324", "51053425345235425346",
                                                "42350451254354254153"};
inline constexpr const char* FreeSpinStrip = "51253425345035425340";

// The free spins a won bonus awards.
inline constexpr int FreeSpinAward = 7;

// The bonus pool a new game, a new coin value or the free spins' end start from, in coins.
inline constexpr int PoolBaseCoins = 200;

// The pay per coin of each payoff row, tried in order (the last row is 5 5 any).
inline constexpr std::array<int, 7> PayFactors{1000, 200, 50, 20, 10, 5, 2};

// Everything the player's machine is made of. Arrays are 0-based: LineBets[0] is payline 1,
// ReelStops[0] reel 1.
struct MachineState {
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
  SpinSpeed Speed = SpinSpeed::Fast;  // may hold an out-of-range value read from file
  int SpinDelay = 10;                 // milliseconds per animation step
  uint8_t Bet = 3;        // coin-value index; may hold an out-of-range value read from file
  bool AutoSpin = false;  // check mark of "&Auto Spin": spins follow each other by themselves

  // Reels.
  std::array<int, 3> ReelStops{26, 2, 8};
  std::array<std::string, 3> ReelStrips{NormalStrips[0], NormalStrips[1], NormalStrips[2]};
  std::array<int, 9> ReelGrid{};  // (reel-1)*3 + row, row 0 top
};

}  // namespace zandor

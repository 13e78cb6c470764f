// The player's figures: what went in and came out of the machine, for one game or a lifetime.
// Plain C++ only; nothing here may include a Qt header.
#pragma once

#include <cstdint>
#include <string>

#include "machine/GameEvents.h"
#include "machine/PlayerText.h"
#include "store/MoneyText.h"

namespace zandor {

// The largest figure a tally keeps: the largest amount the file's money text holds, in cents.
// Counts and seconds stop there too, rather than wrap round to a negative number.
inline constexpr int64_t TallyLimit = MoneyTextMax.InCents();

// Counters of one span of play. Amounts are cents. Every figure stays within 0..TallyLimit
// (the card game's net down to MoneyTextMin): sums stop at the limit.
struct Tally {
  int64_t Spins = 0;       // paid spins
  int64_t FreeSpins = 0;   // free spins played
  int64_t Wagered = 0;     // paid wagers
  int64_t LineWins = 0;    // what the paylines paid, before the card game
  int64_t Pools = 0;       // bonus pools won
  int64_t PoolTotal = 0;   // what they paid
  int64_t HandsWon = 0;    // visits to the card table that left with more than the win
  int64_t HandsLost = 0;   // visits that left with nothing
  int64_t CardNet = 0;     // what the card game added (or took) overall
  int64_t BiggestWin = 0;  // the most one spin paid: lines after the cards, and a pool
  int64_t Lent = 0;        // borrowed from the bank
  int64_t Repaid = 0;      // paid back to the bank
  int64_t Seconds = 0;     // time played
  bool operator==(const Tally&) const = default;

  // Everything the machine paid out: lines, card game and bonus pools.
  int64_t Won() const { return LineWins + CardNet + PoolTotal; }
  // Won minus wagered.
  int64_t Net() const { return Won() - Wagered; }
  // Adds one settled spin.
  void Add(const SpinReport& spin);
  // Adds a loan (positive) or a repayment (negative).
  void AddLoan(int64_t cents);
  // Adds time played.
  void AddSeconds(int64_t seconds);
};

// The payback of a tally in tenths of a percent (won / wagered), or -1 before any wager.
int64_t PaybackTenths(const Tally& t);

// The machine's payback at a full wager on the normal reels, in hundredths of a percent: what
// the five paylines return on average over every combination of reel stops.
int64_t TheoreticalPaybackHundredths();

// "1,234.56" or "-0.05": an amount of cents with a thousands comma.
std::string FormatDollars(int64_t cents);
// "98.7%" from tenths, "-" when there is nothing to show.
std::string PercentText(int64_t tenths);
// "3 h 05 min" or "12 min 30 s": the time played as the statistics show it.
PlayerText Duration(int64_t seconds);
// The same in English.
std::string DurationText(int64_t seconds);

}  // namespace zandor

// The last 100 spins, newest first, and their one-line text form in the player's file.
// Plain C++ only; nothing here may include a Qt header.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "machine/GameEvents.h"

namespace zandor {

// One remembered spin.
struct SpinEntry {
  uint64_t Serial = 0;  // counts up across restarts: larger is newer
  int64_t Time = 0;     // seconds since 1970, UTC
  SpinReport Spin;
  bool operator==(const SpinEntry&) const = default;

  // The lines' win before the card game.
  int64_t LineWin() const;
  // "Won", "Lost", "Kept" (left the table without drawing) or "" (no card game).
  const char* CardOutcome() const;
};

// One spin as a line of text:
//   serial time coin wager kind grid pays card win pool credits
// where kind is P (paid) or F (free), in small letters for a spin completed at the start after
// a crash interrupted it, grid the nine symbol digits reel by reel, pays the five
// line pays joined by commas, card C (offered to the card game) or - (not), and every amount
// whole cents. Example: "41 1765100000 25 625 P 351452453 0,500,0,0,0 C 1000 0 104375".
std::string EncodeSpin(const SpinEntry& e);
// Reads a line written by EncodeSpin; nullopt for a damaged one.
std::optional<SpinEntry> DecodeSpin(const std::string& line);

// The ring of the last spins.
class RecentSpins {
 public:
  static constexpr size_t Capacity = 100;

  // Adds the newest spin, forgetting the oldest beyond the capacity.
  void Add(const SpinReport& spin, int64_t time);
  // Replaces the contents with these entries (any order, duplicates of a serial dropped).
  void Restore(std::vector<SpinEntry> entries);
  // Newest first; only spins among the last 100 serials.
  const std::vector<SpinEntry>& Entries() const { return entries_; }
  // The serial the next spin gets.
  uint64_t NextSerial() const { return next_; }

 private:
  void DropOld();

  std::vector<SpinEntry> entries_;
  uint64_t next_ = 1;
};

}  // namespace zandor

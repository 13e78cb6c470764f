// The last 100 spins, newest first, the events between them that moved the credits, and their
// one-line text forms in the player's file.
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
// money text, as in every file of ours.
// Example: "41 1765100000 0.25 6.25 P 351452453 0.00,5.00,0.00,0.00,0.00 C 10.00 0.00 1043.75".
std::string EncodeSpin(const SpinEntry& e);
// Reads a line written by EncodeSpin, or by earlier versions with whole cents for every
// amount; nullopt for a damaged one.
std::optional<SpinEntry> DecodeSpin(const std::string& line);

// Something between two spins that moved the credits or changed what a coin is worth.
struct EventEntry {
  enum Kind : char {
    Borrowed = 'L',    // the bank lent Amount
    PaidBack = 'R',    // Amount went back to the bank
    NewGame = 'N',     // New Game
    OpenedGame = 'O',  // a saved game was opened
    CoinValue = 'C',   // the coin value became Amount
  };
  uint64_t Serial = 0;  // counts up across restarts: larger is newer
  uint64_t After = 0;   // the serial of the newest spin when it happened; 0 before any
  int64_t Time = 0;     // seconds since 1970, UTC
  Kind What = NewGame;
  int64_t Amount = 0;         // cents: the loan, the payback or the new coin value
  int64_t CreditsAfter = 0;   // the credits once it happened (a bet on the lines included)
  int64_t BorrowedAfter = 0;  // what was owed to the bank then
  bool operator==(const EventEntry&) const = default;
};

// One event as a line of text:
//   serial after time kind amount credits borrowed
// where kind is the letter of EventEntry::Kind and every amount money text.
// Example: "7 41 1765100000 L 100.00 1043.75 1100.00".
std::string EncodeEvent(const EventEntry& e);
// Reads a line written by EncodeEvent, or with whole cents as earlier versions wrote it;
// nullopt for a damaged one.
std::optional<EventEntry> DecodeEvent(const std::string& line);

// One row of the list: a spin or an event.
struct RecentRow {
  const SpinEntry* Spin = nullptr;
  const EventEntry* Event = nullptr;
};

// The ring of the last spins, and the events among them.
class RecentSpins {
 public:
  static constexpr size_t Capacity = 100;
  // The events are a list of their own, so that they never push a spin out: at most this many,
  // and none from before the oldest spin kept but those leading up to it (they tell what
  // credits it started from).
  static constexpr size_t EventCapacity = 100;

  // Adds the newest spin, forgetting the oldest beyond the capacity.
  void Add(const SpinReport& spin, int64_t time);
  // Adds an event after the newest spin.
  void AddEvent(EventEntry::Kind what, int64_t amount, int64_t credits, int64_t borrowed,
                int64_t time);
  // Replaces the contents with these entries and events (any order, duplicates of a serial
  // dropped).
  void Restore(std::vector<SpinEntry> entries, std::vector<EventEntry> events = {});
  // Newest first; only spins among the last 100 serials.
  const std::vector<SpinEntry>& Entries() const { return entries_; }
  // Newest first.
  const std::vector<EventEntry>& Events() const { return events_; }
  // Spins and events together, newest first: an event comes after the spin before it.
  std::vector<RecentRow> Rows() const;
  // The serial the next spin gets.
  uint64_t NextSerial() const { return next_; }
  // Counts every change, so that a window sees that it must fill its list again.
  uint64_t Changes() const { return changes_; }

 private:
  void DropOld();

  std::vector<SpinEntry> entries_;
  std::vector<EventEntry> events_;
  uint64_t next_ = 1;
  uint64_t nextEvent_ = 1;
  uint64_t changes_ = 0;
};

}  // namespace zandor

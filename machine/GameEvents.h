// What happened where money moves, told to whoever listens: the player's record, the screen
// reader's sentences.
// Plain C++ only; nothing here may include a Qt header.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "machine/Money.h"
#include "machine/PlayerText.h"

namespace zandor {

// The record counts in plain cents.
inline int64_t CentsOf(Money amount) { return amount.InCents(); }

// One settled spin as the reel window showed it when it stopped. Amounts are cents.
struct SpinReport {
  bool Free = false;                  // a free spin: its wager was not paid
  bool Completed = false;             // completed at a start after a crash interrupted it
  bool AutoSpin = false;              // the "&Auto Spin" check mark was on as it settled
  int64_t CoinValue = 0;              // cents per coin
  int64_t Wager = 0;                  // cents on the lines
  std::array<int, 9> Grid{};          // the symbols shown, (reel-1)*3 + row, row 0 top
  std::array<int64_t, 5> LinePays{};  // what each payline paid, before the card game
  bool CardOffered = false;           // the lines' win went to the card table
  int64_t Win = 0;                    // counted into the credits for the lines, after the cards
  int64_t Pool = 0;                   // counted into the credits for the bonus pool
  int64_t CreditsAfter = 0;           // the credits once everything was counted
  int FreeSpinsLeft = 0;              // free spins still to come
  bool operator==(const SpinReport&) const = default;
};

// The machine's events; every method does nothing unless overridden.
struct GameEvents {
  virtual ~GameEvents() = default;
  // A spin has settled: its win counted up, the bonus paid, the free spins booked.
  virtual void SpinScored(const SpinReport&) {}
  // The bank lent (positive) or took back (negative) this many cents.
  virtual void Loan(int64_t) {}
  // New Game or Open replaced the game; the new game's credits and debt in cents.
  virtual void GameReplaced(int64_t /*credits*/, int64_t /*borrowed*/) {}
  // Open replaced the game with a saved one; to anyone who does not tell them apart, the same
  // as New Game.
  virtual void GameOpened(int64_t credits, int64_t borrowed) { GameReplaced(credits, borrowed); }
  // The coin value became this many cents (a wager on the lines went back to the credits).
  virtual void CoinValueChanged(int64_t /*cents*/) {}
  // The player switched "&Auto Spin" on or off.
  virtual void AutoSpinSwitched(bool) {}
  // Asked after a spin while automatic spins run and no free spin remains: why they must stop
  // now, as the player reads it, or an empty text to go on.
  virtual PlayerText AutoSpinStopText() { return {}; }
  // A bet has ended (Bet 1's coin, Bet 5's coins, Bet Max's before its spin): the wager on the
  // lines now, in cents, and its coins.
  virtual void WagerPlaced(int64_t /*cents*/, int /*coins*/) {}
  // Open brought back saved game `slot` (1..8) under the name the player gave it ("" for none),
  // with these credits in cents; told after GameOpened.
  virtual void SavedGameOpened(int /*slot*/, const std::string& /*name*/, int64_t /*credits*/) {}
  // A bet button came to nothing (coins: 1, 5 or 25 for Bet 1, Bet 5, Bet Max); why, as the
  // player reads it.
  virtual void BetRefused(int /*coins*/, const PlayerText& /*why*/) {}
  // "&Auto Spin" went off again by itself without a spin; why, as the player reads it.
  virtual void AutoSpinRefused(const PlayerText& /*why*/) {}
  // Automatic spins stop for this reason; the player is told it next.
  virtual void AutoSpinsStopped(const PlayerText& /*reason*/) {}
};

// Tells each listener every event in turn, none in front of another: a listener that fails to
// do its part cannot keep the next from hearing. The first listener with a reason to stop the
// automatic spins gives it.
class EventFanOut : public GameEvents {
 public:
  // The listeners outlive the fan-out; a null one is skipped.
  explicit EventFanOut(std::vector<GameEvents*> listeners) : listeners_(std::move(listeners)) {
    std::erase(listeners_, nullptr);
  }

  void SpinScored(const SpinReport& spin) override {
    for (GameEvents* l : listeners_) l->SpinScored(spin);
  }
  void Loan(int64_t cents) override {
    for (GameEvents* l : listeners_) l->Loan(cents);
  }
  void GameReplaced(int64_t credits, int64_t borrowed) override {
    for (GameEvents* l : listeners_) l->GameReplaced(credits, borrowed);
  }
  void GameOpened(int64_t credits, int64_t borrowed) override {
    for (GameEvents* l : listeners_) l->GameOpened(credits, borrowed);
  }
  void CoinValueChanged(int64_t cents) override {
    for (GameEvents* l : listeners_) l->CoinValueChanged(cents);
  }
  void AutoSpinSwitched(bool on) override {
    for (GameEvents* l : listeners_) l->AutoSpinSwitched(on);
  }
  PlayerText AutoSpinStopText() override {
    for (GameEvents* l : listeners_)
      if (PlayerText reason = l->AutoSpinStopText(); !reason.Empty()) return reason;
    return {};
  }
  void AutoSpinsStopped(const PlayerText& reason) override {
    for (GameEvents* l : listeners_) l->AutoSpinsStopped(reason);
  }
  void WagerPlaced(int64_t cents, int coins) override {
    for (GameEvents* l : listeners_) l->WagerPlaced(cents, coins);
  }
  void SavedGameOpened(int slot, const std::string& name, int64_t credits) override {
    for (GameEvents* l : listeners_) l->SavedGameOpened(slot, name, credits);
  }
  void BetRefused(int coins, const PlayerText& why) override {
    for (GameEvents* l : listeners_) l->BetRefused(coins, why);
  }
  void AutoSpinRefused(const PlayerText& why) override {
    for (GameEvents* l : listeners_) l->AutoSpinRefused(why);
  }

 private:
  std::vector<GameEvents*> listeners_;
};

}  // namespace zandor

// The player's record: the figures of this game and of a lifetime, the recent spins and the
// events among them, the auto-spin limits, kept up to date by the machine's events. Plain C++ only.
#pragma once

#include <cstdint>
#include <functional>

#include "machine/GameEvents.h"
#include "record/AutoSpinLimits.h"
#include "record/GameChart.h"
#include "record/RecentSpins.h"
#include "record/Statistics.h"

namespace zandor {

class PlayerRecord : public GameEvents {
 public:
  // The figures since New Game or Open, with the credits and debt the game started from.
  struct GameTally : Tally {
    int64_t StartCredits = 0;
    int64_t StartBorrowed = 0;
    bool operator==(const GameTally&) const = default;
  };

  GameTally Game;
  Tally Lifetime;
  RecentSpins Recent;
  // The credits and debt after every spin and loan of this game.
  GameChart Chart;
  AutoSpinLimits Limits;
  AutoSpinWatch Watch;
  // Seconds since 1970 for the time of a recent spin; tests set a fixed clock.
  std::function<int64_t()> Now;

  PlayerRecord();

  // Adds time played to both tallies.
  void AddSeconds(int64_t seconds);
  // What is owed to the bank now, as this game's figures have it.
  int64_t Borrowed() const { return Game.StartBorrowed + Game.Lent - Game.Repaid; }
  // Forgets the lifetime figures (the current game's stay).
  void ResetLifetime() { Lifetime = Tally{}; }

  // GameEvents
  void SpinScored(const SpinReport& spin) override;
  void Loan(int64_t cents) override;
  void GameReplaced(int64_t credits, int64_t borrowed) override;
  void GameOpened(int64_t credits, int64_t borrowed) override;
  void CoinValueChanged(int64_t cents) override;
  void AutoSpinSwitched(bool on) override;
  // Why the automatic spins must stop now (Empty() to go on); forgets the reason.
  PlayerText AutoSpinStopText() override { return Watch.TakeReason(); }

 private:
  void Replace(int64_t credits, int64_t borrowed, EventEntry::Kind how);
};

}  // namespace zandor

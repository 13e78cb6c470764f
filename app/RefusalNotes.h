// The spin announcer that also tells the player why a press came to nothing: a bet the credits
// do not cover, a bet during free spins, "&Auto Spin" with no bet to repeat. Each reason shows
// once as a passing note at the control it concerns and is spoken to a screen reader.
#pragma once

#include <functional>

#include "app/SpinAnnouncer.h"

class QWidget;

namespace zandor {

class RefusalNotes : public SpinAnnouncer {
 public:
  // As SpinAnnouncer; at(coins) is the control a refusal concerns: the bet button placing 1, 5
  // or 25 coins, or for 0 the control where automatic spins show (the Spin button).
  RefusalNotes(const MachineState& machine, std::function<void(const QString&)> say,
               std::function<QWidget*(int)> at);

  void BetRefused(int coins, const PlayerText& why) override;
  void AutoSpinRefused(const PlayerText& why) override;

 private:
  std::function<QWidget*(int)> at_;
};

}  // namespace zandor

// Speaks each settled spin to a screen reader in one sentence (the winning lines with their
// symbols and pays, the total win, a won bonus or the free spin, the credits and the bonus
// meter), and the stop of automatic spins by a limit. It listens beside the player's record.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

#include "app/SpeechPlan.h"
#include "machine/GameEvents.h"
#include "machine/MachineState.h"

namespace zandor {

class SpinAnnouncer : public SpeechPlan {
  Q_DECLARE_TR_FUNCTIONS(zandor::SpinAnnouncer)

 public:
  // Reads the meters from machine, which outlives the announcer; say speaks a sentence. What is
  // said of each event, and how much, is the speech plan's; the announcer adds the stop of
  // automatic spins.
  SpinAnnouncer(const MachineState& machine, std::function<void(const QString&)> say);

  void AutoSpinsStopped(const PlayerText& reason) override;

 private:
  std::function<void(const QString&)> say_;
};

// The sentence for a settled spin; powerPts is the bonus meter once it settled.
// "Line 2: Lemon, Lemon, Lemon pays 2.50. Total win 2.50. Credits 996.25. Bonus meter 30%."
QString SpinSentence(const SpinReport& spin, int powerPts);
// What the reels won as the card game is offered, before any count: the winning lines of the
// machine's grid and the credits. "Line 2: Lemon, Lemon, Lemon pays 2.50. Credits 993.75."
QString CardOfferSentence(const MachineState& machine);

}  // namespace zandor

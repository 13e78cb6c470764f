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

class SpinAnnouncer : public GameEvents {
  Q_DECLARE_TR_FUNCTIONS(zandor::SpinAnnouncer)

 public:
  // Reads the meters from machine, which outlives the announcer; say speaks a sentence. What is
  // said of each event, and how much, is the speech plan's.
  SpinAnnouncer(const MachineState& machine, std::function<void(const QString&)> say);

  void SpinScored(const SpinReport& spin) override;
  void GameReplaced(int64_t credits, int64_t borrowed) override;
  void GameOpened(int64_t credits, int64_t borrowed) override;
  void CoinValueChanged(int64_t cents) override;
  void AutoSpinSwitched(bool on) override;
  void WagerPlaced(int64_t cents, int coins) override;
  void SavedGameOpened(int slot, const std::string& name, int64_t credits) override;
  void AutoSpinsStopped(const PlayerText& reason) override;

 private:
  std::function<void(const QString&)> say_;
  SpeechPlan plan_;  // what is said of each event, and how much
};

// The sentence for a settled spin; powerPts is the bonus meter once it settled.
// "Line 2: Lemon, Lemon, Lemon pays 2.50. Total win 2.50. Credits 996.25. Bonus meter 30%."
QString SpinSentence(const SpinReport& spin, int powerPts);
// What the reels won as the card game is offered, before any count: the winning lines of the
// machine's grid and the credits. "Line 2: Lemon, Lemon, Lemon pays 2.50. Credits 993.75."
QString CardOfferSentence(const MachineState& machine);

}  // namespace zandor

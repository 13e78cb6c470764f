// What a screen reader is told as the game goes on, and how much. A spin the player started is
// told in its whole sentence; one that followed by itself (auto spin, free spins) in a short
// phrase of what changed, so that speech keeps up with spins that come every two seconds. A
// bet, a new or opened game, a coin value and the auto spin switch are confirmed in a few words.
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>
#include <string>

#include "machine/GameEvents.h"
#include "machine/MachineState.h"

namespace zandor {

class SpeechPlan : public GameEvents {
  Q_DECLARE_TR_FUNCTIONS(zandor::SpeechPlan)

 public:
  // Reads the bonus meter and the credits from machine, which outlives the plan; say speaks
  // a sentence.
  SpeechPlan(const MachineState& machine, std::function<void(const QString&)> say);

  void SpinScored(const SpinReport& spin) override;
  void GameReplaced(int64_t credits, int64_t borrowed) override;
  // Says nothing: SavedGameOpened, which follows, names the game.
  void GameOpened(int64_t credits, int64_t borrowed) override;
  void CoinValueChanged(int64_t cents) override;
  void AutoSpinSwitched(bool on) override;
  void WagerPlaced(int64_t cents, int coins) override;
  void SavedGameOpened(int slot, const std::string& name, int64_t credits) override;

 private:
  void Say(const QString& sentence) const;
  // The meter as the player last heard of it, -1 before any spin or game.
  int toldMeter_ = -1;
  const MachineState& machine_;
  std::function<void(const QString&)> say_;
};

// True for a spin that followed by itself: a free spin, or one while auto spin was on.
bool CameByItself(const SpinReport& spin);
// The short phrase for a spin that came by itself: the free spin's number, "No win" or what
// it won, and the credits, then the bonus meter when it moved since the last spin
// (meterMoved). A won bonus is told in the whole sentence.
QString ShortSpinPhrase(const SpinReport& spin, int powerPts, bool meterMoved);

}  // namespace zandor

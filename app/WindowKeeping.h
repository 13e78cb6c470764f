// What the session asks of the window it keeps: keeping waits for the event being handled, the
// game is given the window's placement and the time played before it is kept, and the player
// hears when keeping fails, when it works again and what a spin completed at the start brought.
#pragma once

#include <QString>

#include "session/GameSession.h"

class QWidget;

namespace zandor {

class Prompts;
class RecordKeeper;
class WindowPlacement;
struct PlayerOptions;

class WindowKeeping : public SessionWindow {
 public:
  // Keeps for window, placed by placement, whose Maxed choice goes into options and whose time
  // played goes into record; its boxes go through prompts. All of them outlive the keeping.
  WindowKeeping(QWidget& window, const WindowPlacement& placement, RecordKeeper& record,
                PlayerOptions& options, Prompts& prompts);

  void RunSoon(std::function<void()> task) override;
  void BeforeKeep() override;
  void KeepingFailed(const std::vector<std::string>& paths) override;
  void KeepingWorksAgain() override;
  void SpinCompleted(const PlayerText& notice) override;

 private:
  // Shows text once the window is up, looking again every tenth of a second a while.
  void ShowOnceUp(const QString& text, int triesLeft);

  QWidget& window_;
  const WindowPlacement& placement_;
  RecordKeeper& record_;
  PlayerOptions& options_;
  Prompts& prompts_;
};

}  // namespace zandor

// Keeps the player's record for the main window: reads and writes its sections of PLAYER.INI
// through the file's owner, counts the time played, and offers the three windows through their
// menu entries.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <functional>

#include "machine/GameState.h"
#include "record/PlayerRecord.h"

class QAction;
class QMenu;
class QWidget;

namespace zandor {

class FacePainter;
class PlayerIni;
class Prompts;

class RecordKeeper : public QObject {
  Q_OBJECT

 public:
  // Works for this game and face; its windows and errors go through prompts, its sections go
  // to the player's file.
  RecordKeeper(const MachineState& machine, const FacePainter& face, QWidget* window,
               Prompts& prompts, PlayerIni& file);

  PlayerRecord Record;
  // "S&tatistics...", "&Recent Spins..." and "Auto Spin &Limits...".
  QAction *StatisticsAction = nullptr, *RecentSpinsAction = nullptr,
          *AutoSpinLimitsAction = nullptr;

  // Adds the entries: two in their own group above Exit, one in its group under Auto Spin.
  void AddMenuEntries(QMenu* file, QAction* exit, QMenu* autoMenu);
  // Adds the time since the last call to the time played.
  void CountTime();

  // The three windows.
  void ShowStatistics();
  void ShowRecentSpins();
  void ShowAutoSpinLimits();

 private:
  // Saves the player's file, or shows that it could not be written.
  bool SaveFile();

  const MachineState& machine_;
  const FacePainter& face_;
  QWidget* window_;
  Prompts& prompts_;
  PlayerIni& file_;
  QElapsedTimer clock_;
  int64_t countedMs_ = 0;
};

}  // namespace zandor

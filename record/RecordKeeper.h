// Keeps the player's record for the main window: loads and saves PLAYER.INI, counts the time
// played, and offers the three windows through their menu entries.
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
class FacePainter;
class Prompts;

class RecordKeeper : public QObject {
  Q_OBJECT

 public:
  // Keeps the record of this machine in the settings folder, with pictures from the face; its
  // windows and errors go through prompts.
  RecordKeeper(const MachineState& machine, const Folders& dirs, const FacePainter& face,
               QWidget* window, Prompts& prompts);

  PlayerRecord Record;
  // "S&tatistics...", "&Recent Spins..." and "Auto Spin &Limits...".
  QAction *StatisticsAction = nullptr, *RecentSpinsAction = nullptr,
          *AutoSpinLimitsAction = nullptr;

  // Adds the entries: two in their own group above Exit, one in its group under Auto Spin.
  void AddMenuEntries(QMenu* file, QAction* exit, QMenu* autoMenu);
  // Reads PLAYER.INI from the game's settings folder; never a message.
  void Load();
  // Writes PLAYER.INI; false (with the error shown) when it could not be written.
  bool Save();
  // Adds the time since the last call to the time played.
  void CountTime();

  // The three windows.
  void ShowStatistics();
  void ShowRecentSpins();
  void ShowAutoSpinLimits();

 private:
  QString Path() const;
  // Writes the spins recorded since the last write, oldest first.
  void WriteNewSpins();

  const MachineState& machine_;
  const Folders& dirs_;
  const FacePainter& face_;
  QWidget* window_;
  Prompts& prompts_;
  QElapsedTimer clock_;
  int64_t countedMs_ = 0;
  bool writePending_ = false;
  uint64_t writtenSerial_ = 0;  // the newest spin already in the file
};

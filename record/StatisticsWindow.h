// "Statistics": this game's figures beside the lifetime's, the money held right now, and a
// chart of this game.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <vector>

#include "machine/MachineState.h"
#include "record/PlayerRecord.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace zandor {

class GameChartView;
class Prompts;

class StatisticsWindow : public QDialog {
  Q_OBJECT

 public:
  // Shows the record of this game against the game's money; refresh brings the record's
  // time played up to date before each look.
  StatisticsWindow(PlayerRecord& record, const MachineState& machine, std::function<void()> refresh,
                   Prompts& prompts, QWidget* parent = nullptr);

  // "Reset &Lifetime...", "&Help" and "&Close".
  QPushButton *ResetButton, *HelpButton, *CloseButton;

  // Rewrites every figure from the record and the game.
  void ShowFigures();
  // Asks for confirmation, then forgets the lifetime figures.
  void ResetLifetime();
  // The text shown in a row (its caption as on screen) and column (0 this game, 1 lifetime).
  QString Figure(const QString& caption, int column) const;
  // The figures: a table with the captions as row headers and "This game" and "Lifetime" as
  // column headers, drawn as plain text on the window.
  QTableWidget* Figures = nullptr;

 private:
  Prompts& prompts_;
  PlayerRecord& record_;
  const MachineState& machine_;
  std::function<void()> refresh_;
  QLabel* now_ = nullptr;
  GameChartView* chart_ = nullptr;
  QTimer timer_;
  int64_t theory_ = 0;
};

}  // namespace zandor

// The Volume dialog: a slider for the sound effects and one for the music, each heard at once
// while it moves; OK keeps the choice, Cancel puts the previous loudness back.
#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <functional>

#include "audio/Volume.h"

class QGridLayout;
class QLabel;
class QPushButton;
class QSlider;

namespace zandor {

class Prompts;

class VolumeDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows `initial`; every move of a slider goes to `apply` at once, and a move of the effects
  // slider also calls `playEffect` so the new loudness is heard.
  // F1 and the Help button open the volume's page of the manual through prompts.
  VolumeDialog(const Volume& initial, std::function<void(const Volume&)> apply,
               std::function<void()> playEffect, Prompts& prompts, QWidget* parent = nullptr);

  // The loudness the sliders show.
  Volume Chosen() const;

  // The two sliders, 0..100 percent.
  QSlider* EffectsSlider = nullptr;
  QSlider* MusicSlider = nullptr;
  // Opens the volume's page of the manual, as F1 does.
  QPushButton* HelpButton = nullptr;

 public slots:
  // Cancel, Escape and the close box: the loudness before the dialog comes back.
  void reject() override;

 private:
  QSlider* AddRow(QGridLayout* grid, int row, const QString& caption, QLabel*& percent);
  void SliderMoved(bool effects);

  Volume initial_;
  std::function<void(const Volume&)> apply_;
  std::function<void()> playEffect_;
  QLabel* effectsPercent_ = nullptr;
  QLabel* musicPercent_ = nullptr;
  QElapsedTimer lastEffect_;
};

}  // namespace zandor

// The music dialog: eight playlist rows of check box, Change and Preview.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "machine/TGame.h"
#include "platform/SoundService.h"

class QCheckBox;
class QLabel;
class QPushButton;

class TMusicForm : public QDialog {
  Q_OBJECT
 public:
  // Edits g's playlist; previews play through player (the dialog's own MediaPlayer2).
  TMusicForm(TGame& g, MediaPlayer& player, QWidget* parent = nullptr);

  // Prepares the rows from the playlist; runs as the dialog comes up.
  void FormActivate();
  // Chooses a new file for slot s.
  void ChangeMIDI(int s);
  // Plays slot s's file, or asks for another when it is missing.
  void BitBtn3Click(int s);
  // OK: keep the changes; Cancel: put the paths back.
  void BitBtn1Click();
  void BitBtn2Click();

  // Closing, however it happens, settles the playlist and stops the preview.
  void done(int r) override;

  // The dialog's controls, for the window's tests.
  QLabel* Label1 = nullptr;
  std::array<QCheckBox*, 8> CheckBoxes{};
  std::array<QPushButton*, 8> ChangeButtons{};
  std::array<QPushButton*, 8> PreviewButtons{};
  QPushButton* BitBtn1 = nullptr;
  QPushButton* BitBtn2 = nullptr;
  QPushButton* BitBtn19 = nullptr;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void FormClose();

  TGame& g_;
  MediaPlayer& player_;
  bool accepted_ = false;
  bool activated_ = false;
  bool closed_ = false;
  QString folder_;
  std::array<std::string, 8> savedSongs_;
};

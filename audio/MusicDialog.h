// The music dialog: eight playlist rows of check box, Change and Preview.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "machine/GameState.h"
#include "platform/SoundService.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace zandor {

class Prompts;

class MusicDialog : public QDialog {
  Q_OBJECT
 public:
  // Edits the playlist, choosing first from the program's folder; previews play through player
  // (the dialog's own, apart from the background music's).
  MusicDialog(MusicSettings& music, const Folders& dirs, MediaPlayer& player, Prompts& prompts,
              QWidget* parent = nullptr);

  // Prepares the rows from the playlist; runs as the dialog comes up.
  void Activate();
  // Chooses a new file for slot s.
  void ChangeMIDI(int s);
  // Plays slot s's file, or asks for another when it is missing.
  void Preview(int s);
  // OK: keep the changes; Cancel: put the paths back.
  void KeepChanges();
  void Cancel();

  // Closing, however it happens, settles the playlist and stops the preview.
  void done(int r) override;

  // The dialog's controls, for the window's tests.
  QLabel* InstructionsLabel = nullptr;
  std::array<QCheckBox*, 8> CheckBoxes{};
  std::array<QPushButton*, 8> ChangeButtons{};
  std::array<QPushButton*, 8> PreviewButtons{};
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;
  QPushButton* HelpButton = nullptr;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void RestoreOnClose();

  MusicSettings& music_;
  const Folders& dirs_;
  MediaPlayer& player_;
  Prompts& prompts_;
  bool accepted_ = false;
  bool activated_ = false;
  bool closed_ = false;
  QString folder_;
  std::array<std::string, 8> savedSongs_;
};

}  // namespace zandor

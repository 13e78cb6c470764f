// The sound dialog: choose, preview and restore the five replaceable effect files.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "machine/GameState.h"

class QLabel;
class QPushButton;

namespace zandor {

class Prompts;

class SoundDialog : public QDialog {
  Q_OBJECT
 public:
  // Edits the five sound paths in place, restoring them from the program's folder; preview
  // plays a path to its end.
  SoundDialog(SoundSettings& sounds, const Folders& dirs,
              std::function<void(const std::string&)> preview, Prompts& prompts,
              QWidget* parent = nullptr);

  // Row r (0..4, top to bottom): Change and Preview.
  void Change(int r);
  void Preview(int r);
  // Sets the five paths to the restore names.
  void RestoreDefaults();

  // The dialog's controls, for the window's tests.
  std::array<QLabel*, 5> SoundLabels{};
  std::array<QPushButton*, 5> ChangeButtons{};
  std::array<QPushButton*, 5> PreviewButtons{};
  QPushButton* RestoreDefaultsButton = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* HelpButton = nullptr;

 private:
  std::string& Path(int r);

  SoundSettings& sounds_;
  const Folders& dirs_;
  std::function<void(const std::string&)> preview_;
  Prompts& prompts_;
  QString folder_;  // where the next Change starts: the folder of the last choice
};

}  // namespace zandor

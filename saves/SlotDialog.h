// The slot dialog: save the game into one of eight slots, or open one of them.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <optional>

#include "machine/MachineState.h"
#include "machine/MoneyOwner.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zandor {

class Prompts;
class SavedGameTable;

class SlotDialog : public QDialog {
  Q_OBJECT

 public:
  // What a slot button does: open the slot into the machine, or save the machine into it.
  enum class Mode { Open, Save };

  // Reads the slots of the table from "POWER.INI" and fills the eight panels; the caption says
  // what the mode does.
  SlotDialog(MoneyOwner machine, SavedGameTable& table, Mode mode, Prompts& prompts,
             QWidget* parent = nullptr);

  // The frame around the slot area and the eight slot panels.
  QFrame* SlotFrame;
  std::array<QFrame*, 8> SlotPanels;
  // Per slot: name field, game label, date, credits and borrowed labels, and the slot button
  // (object names SlotButton1 to SlotButton8).
  std::array<QLineEdit*, 8> NameFields;
  std::array<QLabel*, 8> GameLabels, DateLabels, CreditsLabels, BorrowedLabels;
  std::array<QPushButton*, 8> SlotButtons;
  // "&Cancel" and the Help button.
  QPushButton *CancelButton, *HelpButton;
  // The slot (1..8) the dialog last opened or saved into; 0 before any.
  int ChosenSlot = 0;

  // The click on slot button n (1..8): asks for a name when saving, then saves or opens.
  void ChooseSlot(int n);
  // Finishes a slot click with the name box's answer (nullopt: Cancel), then closes with OK.
  void FinishSlot(int n, const std::optional<QString>& enteredName);

 public slots:
  // The shared handler of the eight slot buttons; the slot is the button's "tag" property.
  void ChooseSlotFromButton();

 private:
  // Reads the slots from the file.
  void ReadSlots();
  // Sets the caption and fills the panels from the slots.
  void ShowSlots();

  MoneyOwner machine_;
  SavedGameTable& slots_;
  Mode mode_;
  Prompts& prompts_;
};

}  // namespace zandor

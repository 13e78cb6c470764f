// The four buttons under the face (Bet 1, Bet 5, Bet Max, Spin), their keys and where the
// focus goes while they are greyed and after a spin.
#pragma once

#include <QWidget>
#include <array>

class QPushButton;

namespace zandor {

class SlotMachine;

class BetPanel : public QWidget {
  Q_OBJECT

 public:
  // The panel inside parent, its buttons playing on machine; the keys 1, 5, M, Space and
  // Enter belong to window, whatever has the focus in it.
  BetPanel(SlotMachine& machine, QWidget* parent, QWidget* window);

  // The face's part in the focus chain (after the buttons), which takes no focus while the
  // buttons are greyed.
  void SetFaceArea(QWidget* faceArea) { faceArea_ = faceArea; }

  // Places the panel in area and sizes the buttons by scale (1: as designed).
  void Place(const QRect& area, double scale);
  // Greys or enables all four buttons; meanwhile the focus waits off them.
  void SetEnabled(bool enabled);
  // Gives the focus to Spin, where Space and Enter spin.
  void FocusSpin();
  // After a spin: the focus goes to Spin, unless the player had it on the face.
  void FocusAfterSpin();
  // Gives the focus to Spin unless one of the machine's controls has it.
  void KeepFocusInWindow();
  // The button that places coins (1, 5, 25); Spin for anything else.
  QWidget* ButtonFor(int coins) const;

 private:
  void AddKeys(QWidget* window);

  SlotMachine& machine_;
  QWidget* faceArea_ = nullptr;
  std::array<QPushButton*, 4> buttons_{};   // Bet 1, Bet 5, Bet Max, Spin
  QPushButton* focusBeforeGrey_ = nullptr;  // the button that had the focus as they greyed
};

}  // namespace zandor

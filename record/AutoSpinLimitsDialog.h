// "Auto Spin Limits": four optional limits that switch automatic spins off by themselves.
#pragma once

#include <QDialog>

#include "record/AutoSpinLimits.h"

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;

class AutoSpinLimitsDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows these limits; Limits() holds the player's choice after OK.
  explicit AutoSpinLimitsDialog(const AutoSpinLimits& limits, QWidget* parent = nullptr);

  QCheckBox *SpinsCheck, *CreditsCheck, *WinCheck, *BonusCheck;
  QSpinBox* SpinsBox;
  QDoubleSpinBox *CreditsBox, *WinBox;
  QPushButton *OkButton, *CancelButton, *HelpButton;

  // The limits as the controls show them.
  AutoSpinLimits Limits() const;

 protected:
  // Opens the help at a topic; tests replace it.
  virtual void OpenHelp(int topic);
  void keyPressEvent(QKeyEvent* event) override;
};

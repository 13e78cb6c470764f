// "Auto Spin Limits": four optional limits that switch automatic spins off by themselves.
#pragma once

#include <QDialog>

#include "record/AutoSpinLimits.h"

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;

namespace zandor {

class Prompts;

class AutoSpinLimitsDialog : public QDialog {
  Q_OBJECT

 public:
  // Shows these limits; Limits() holds the player's choice after OK.
  AutoSpinLimitsDialog(const AutoSpinLimits& limits, Prompts& prompts, QWidget* parent = nullptr);

  QCheckBox *SpinsCheck, *CreditsCheck, *WinCheck, *BonusCheck;
  QSpinBox* SpinsBox;
  QDoubleSpinBox *CreditsBox, *WinBox;
  QPushButton *OkButton, *CancelButton, *HelpButton;

  // The limits as the controls show them.
  AutoSpinLimits Limits() const;

 private:
  Prompts& prompts_;
};

}  // namespace zandor

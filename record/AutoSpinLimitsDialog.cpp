#include "record/AutoSpinLimitsDialog.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "help/Help.h"
#include "help/HelpKey.h"
#include "platform/CentreOnScreen.h"
#include "platform/LocaleText.h"
#include "platform/Prompts.h"

namespace zandor {

namespace {

QDoubleSpinBox* AmountBox(int64_t cents) {
  auto* box = new QDoubleSpinBox;
  box->setRange(0, 10'000'000);
  box->setDecimals(2);
  // The dollar sign where the locale puts a currency sign, around its own decimal separator.
  const CurrencyAffixes sign = CurrencyAffixesOf();
  box->setPrefix(sign.Prefix);
  box->setSuffix(sign.Suffix);
  box->setGroupSeparatorShown(true);
  box->setValue(static_cast<double>(cents) / 100);
  return box;
}

}  // namespace

AutoSpinLimitsDialog::AutoSpinLimitsDialog(const AutoSpinLimits& limits, Prompts& prompts,
                                           QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
  setObjectName("AutoSpinLimits");
  setWindowTitle(tr("Auto Spin Limits"));

  SpinsCheck = new QCheckBox(tr("Stop &after"));
  SpinsBox = new QSpinBox;
  SpinsBox->setRange(1, 1'000'000);
  SpinsBox->setValue(static_cast<int>(limits.Spins));
  //: After a number of spins: "Stop after [100] spins".
  SpinsBox->setSuffix(tr(" spins"));
  CreditsCheck = new QCheckBox(tr("Stop when the cr&edits fall below"));
  CreditsBox = AmountBox(limits.CreditsBelow);
  WinCheck = new QCheckBox(tr("Stop on a single &win of at least"));
  WinBox = AmountBox(limits.WinAtLeast);
  WinBox->setMinimum(0.01);
  BonusCheck = new QCheckBox(tr("Stop when the &bonus is won"));
  SpinsCheck->setChecked(limits.SpinsOn);
  CreditsCheck->setChecked(limits.CreditsOn);
  WinCheck->setChecked(limits.WinOn);
  BonusCheck->setChecked(limits.BonusOn);

  auto* grid = new QGridLayout;
  const std::pair<QCheckBox*, QWidget*> rows[] = {{SpinsCheck, SpinsBox},
                                                  {CreditsCheck, CreditsBox},
                                                  {WinCheck, WinBox},
                                                  {BonusCheck, nullptr}};
  int r = 0;
  for (auto [check, box] : rows) {
    grid->addWidget(check, r, 0);
    if (box) {
      // The box's name is its row's: a screen reader says what the number limits.
      box->setAccessibleName(check->text().remove(QLatin1Char('&')));
      grid->addWidget(box, r, 1);
      box->setEnabled(check->isChecked());
      connect(check, &QCheckBox::toggled, box, &QWidget::setEnabled);
    }
    ++r;
  }
  auto* note = new QLabel(
      tr("Automatic spins stop at the end of the spin that reaches a limit, or after the last "
         "free spin when it comes during free spins."));
  note->setWordWrap(true);

  OkButton = new QPushButton(tr("&OK"));
  CancelButton = new QPushButton(tr("&Cancel"));
  HelpButton = new QPushButton(tr("&Help"));
  OkButton->setDefault(true);
  for (QPushButton* b : {CancelButton, HelpButton}) b->setAutoDefault(false);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  ConnectHelp(this, HelpButton, prompts_, HelpTopic::AutoSpinLimits);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(HelpButton);
  buttons->addStretch();
  buttons->addWidget(OkButton);
  buttons->addWidget(CancelButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(note);
  layout->addLayout(buttons);
  adjustSize();
  setFixedSize(sizeHint().expandedTo(QSize(440, 0)));
  CentreOnScreen(this, parent);
}

AutoSpinLimits AutoSpinLimitsDialog::Limits() const {
  AutoSpinLimits l;
  l.SpinsOn = SpinsCheck->isChecked();
  l.Spins = SpinsBox->value();
  l.CreditsOn = CreditsCheck->isChecked();
  l.CreditsBelow = std::llround(CreditsBox->value() * 100);
  l.WinOn = WinCheck->isChecked();
  l.WinAtLeast = std::llround(WinBox->value() * 100);
  l.BonusOn = BonusCheck->isChecked();
  l.Clamp();
  return l;
}

}  // namespace zandor

#include "audio/VolumeDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QVBoxLayout>

#include "help/HelpIcon.h"
#include "help/HelpKey.h"
#include "platform/CentreOnScreen.h"
#include "platform/LocaleText.h"

namespace zandor {

namespace {

// A slider dragged at speed changes many times a second; the effect restarts no more often
// than this, so it is heard rather than stuttered.
constexpr qint64 kEffectSpacingMs = 150;

// As the player's locale writes a percentage: "80%", "80 %".
QString Percent(int v) { return PercentText(v, 0); }

}  // namespace

VolumeDialog::VolumeDialog(const Volume& initial, std::function<void(const Volume&)> apply,
                           std::function<void()> playEffect, Prompts& prompts, QWidget* parent)
    : QDialog(parent),
      initial_(initial),
      apply_(std::move(apply)),
      playEffect_(std::move(playEffect)) {
  setWindowTitle(tr("Volume"));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  grid->setColumnMinimumWidth(1, 220);
  //: The loudness of the sound effects.
  EffectsSlider = AddRow(grid, 0, tr("&Effects:"), effectsPercent_);
  //: The loudness of the background music.
  MusicSlider = AddRow(grid, 1, tr("&Music:"), musicPercent_);
  EffectsSlider->setValue(initial.Effects);
  MusicSlider->setValue(initial.Music);
  effectsPercent_->setText(Percent(initial.Effects));
  musicPercent_->setText(Percent(initial.Music));
  layout->addLayout(grid);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  HelpButton = buttons->addButton(tr("&Help"), QDialogButtonBox::HelpRole);
  HelpButton->setObjectName("HelpButton");
  // Where the style gives OK and Cancel pictures, Help has its own beside them.
  if (style()->styleHint(QStyle::SH_DialogButtonBox_ButtonsHaveIcons, nullptr, this))
    HelpButton->setIcon(HelpIcon());
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &VolumeDialog::reject);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(EffectsSlider, &QSlider::valueChanged, this, [this] { SliderMoved(true); });
  connect(MusicSlider, &QSlider::valueChanged, this, [this] { SliderMoved(false); });
  // The last position of a drag is always heard, however soon after the one before.
  connect(EffectsSlider, &QSlider::sliderReleased, this, [this] {
    lastEffect_.restart();
    if (playEffect_) playEffect_();
  });
  adjustSize();
  CentreOnScreen(this);
  ConnectHelp(this, HelpButton, prompts, HelpTopic::Volume);
}

QSlider* VolumeDialog::AddRow(QGridLayout* grid, int row, const QString& caption,
                              QLabel*& percent) {
  auto* label = new QLabel(caption, this);
  auto* slider = new QSlider(Qt::Horizontal, this);
  slider->setRange(0, 100);
  slider->setSingleStep(5);
  slider->setPageStep(10);
  slider->setTickPosition(QSlider::TicksBelow);
  slider->setTickInterval(10);
  label->setBuddy(slider);
  percent = new QLabel(this);
  // Wide enough for 100 %, so the slider does not shift as the number changes.
  percent->setMinimumWidth(percent->fontMetrics().horizontalAdvance(Percent(100)) + 4);
  percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  grid->addWidget(label, row, 0);
  grid->addWidget(slider, row, 1);
  grid->addWidget(percent, row, 2);
  return slider;
}

Volume VolumeDialog::Chosen() const { return {EffectsSlider->value(), MusicSlider->value()}; }

void VolumeDialog::SliderMoved(bool effects) {
  const Volume v = Chosen();
  effectsPercent_->setText(Percent(v.Effects));
  musicPercent_->setText(Percent(v.Music));
  if (apply_) apply_(v);
  // The music, if it plays, is heard at its new loudness at once; the effects need a sound.
  if (effects && playEffect_ &&
      (!lastEffect_.isValid() || lastEffect_.elapsed() >= kEffectSpacingMs)) {
    lastEffect_.restart();
    playEffect_();
  }
}

void VolumeDialog::reject() {
  if (apply_) apply_(initial_);
  QDialog::reject();
}

}  // namespace zandor

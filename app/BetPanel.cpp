#include "app/BetPanel.h"

#include <QPushButton>
#include <QShortcut>
#include <cmath>

#include "cards/CardTable.h"
#include "face/FacePainter.h"
#include "machine/SlotMachine.h"
#include "platform/LocaleText.h"

namespace zandor {

namespace {

constexpr int ButtonWidth = 132, ButtonHeight = 49, ButtonTop = 4;
constexpr double ButtonPointSize = 11;

}  // namespace

BetPanel::BetPanel(SlotMachine& machine, QWidget* parent, QWidget* window)
    : QWidget(parent), machine_(machine) {
  setObjectName("betPanel");
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, FaceColor);
  setPalette(pal);
  auto make = [this](const QString& caption, const QString& hint, const char* name) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setToolTip(hint);
    b->resize(ButtonWidth, ButtonHeight);
    QFont f = b->font();
    f.setPointSize(ButtonPointSize);
    f.setBold(true);
    b->setFont(f);
    return b;
  };
  buttons_ = {//: The button that bets one coin.
              make(tr("Bet 1"), tr("Bet one credit (key 1)"), "betOneButton"),
              //: The button that bets five coins.
              make(tr("Bet 5"), tr("Bet five credits (key 5)"), "betFiveButton"),
              //: The button that bets the most coins (25) and spins.
              make(tr("Bet Max"), tr("Bet the maximum and spin (key M)"), "betMaxButton"),
              //: The button that spins the reels.
              make(tr("Spin"),
                   //: The Spin button's tip: %1 and %2 are the names of the Space and Enter keys
                   //: as the player's keyboard prints them.
                   tr("Spins the slot wheels (%1 or %2)")
                       .arg(KeyName(QKeySequence(Qt::Key_Space)),
                            KeyName(QKeySequence(Qt::Key_Return))),
                   "spinButton")};
  buttons_[3]->setDefault(true);
  connect(buttons_[0], &QPushButton::clicked, this, [this] { machine_.BetOne(); });
  connect(buttons_[1], &QPushButton::clicked, this, [this] { machine_.BetFive(); });
  connect(buttons_[2], &QPushButton::clicked, this, [this] { machine_.BetMax(); });
  connect(buttons_[3], &QPushButton::clicked, this, [this] { machine_.Spin(); });
  AddKeys(window);
}

void BetPanel::AddKeys(QWidget* window) {
  // The keys belong to the main window, whatever has the focus in it; a modal dialog such as
  // the card table is a window of its own, so its keys stay its own. Space and Enter press the
  // bet button that has the focus, and spin from anywhere else. A key does what a click does,
  // so nothing while its button is disabled, and a held key does not repeat: one press, one bet
  // or spin. The keypad's digits and Enter count as the main keys.
  QPushButton* spin = buttons_[3];
  const std::pair<QPushButton*, QKeySequence> keys[] = {
      {buttons_[0], QKeySequence(Qt::Key_1)}, {buttons_[1], QKeySequence(Qt::Key_5)},
      {buttons_[2], QKeySequence(Qt::Key_M)}, {spin, QKeySequence(Qt::Key_Space)},
      {spin, QKeySequence(Qt::Key_Return)},   {spin, QKeySequence(Qt::Key_Enter)}};
  for (const auto& [button, key] : keys) {
    auto* shortcut = new QShortcut(key, window);
    shortcut->setAutoRepeat(false);
    connect(shortcut, &QShortcut::activated, button, [this, spin, button = button] {
      // Space and Enter during a count-up put the rest in at once, once it has run as long as
      // the card table's guard: a key pressed while the reels turned, or held since, does not.
      if (button == spin && machine_.CountUpMs() >= CardTable::KeyGuardMs) {
        machine_.HurryCountUp();
        return;
      }
      QPushButton* target = button;
      if (button == spin)
        for (QPushButton* bet : {buttons_[0], buttons_[1], buttons_[2]})
          if (bet->hasFocus()) target = bet;
      if (target->isEnabled()) target->click();
    });
  }
}

void BetPanel::Place(const QRect& area, double scale) {
  setGeometry(area);
  const auto at = [scale](double v) { return static_cast<int>(std::lround(v * scale)); };
  const auto lefts = ButtonLefts(static_cast<int>(std::lround(area.width() / scale)));
  for (size_t i = 0; i < buttons_.size(); ++i) {
    QFont f = buttons_[i]->font();
    f.setPointSizeF(ButtonPointSize * scale);
    buttons_[i]->setFont(f);
    buttons_[i]->setGeometry(at(lefts[i]), at(ButtonTop), at(ButtonWidth), at(ButtonHeight));
  }
}

void BetPanel::SetEnabled(bool enabled) {
  // A greyed button hands the focus on to the next one, and that one to the next: the focus
  // would hop through all four and on to the face. It waits off them meanwhile (the face takes
  // none, so none lands there as the card table closes) and comes back where it was.
  if (!enabled)
    for (QPushButton* b : buttons_)
      if (b->hasFocus()) {
        focusBeforeGrey_ = b;
        if (faceArea_) faceArea_->setFocusPolicy(Qt::NoFocus);
        b->clearFocus();
      }
  for (QPushButton* b : buttons_) b->setEnabled(enabled);
  if (!enabled) return;
  if (faceArea_) faceArea_->setFocusPolicy(Qt::TabFocus);
  if (focusBeforeGrey_) focusBeforeGrey_->setFocus();
  focusBeforeGrey_ = nullptr;
  if (!window()->focusWidget()) FocusSpin();
}

void BetPanel::FocusSpin() { buttons_[3]->setFocus(); }

void BetPanel::FocusAfterSpin() {
  // From the face, where a screen reader's user walks the meters, the focus stays to read what
  // the spin left; from any button it goes to Spin, so Enter spins again rather than betting.
  if (faceArea_ && window()->focusWidget() == faceArea_) return;
  FocusSpin();
}

void BetPanel::KeepFocusInWindow() {
  // The buttons and the face are the machine's controls; the menu bar holds the focus only
  // while the player walks it.
  QWidget* focus = window()->focusWidget();
  if (!focus || !focus->isVisible() || !focus->isEnabled() || !parentWidget()->isAncestorOf(focus))
    FocusSpin();
}

QWidget* BetPanel::ButtonFor(int coins) const {
  return coins == 1    ? buttons_[0]
         : coins == 5  ? buttons_[1]
         : coins == 25 ? buttons_[2]
                       : buttons_[3];
}

}  // namespace zandor

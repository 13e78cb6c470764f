#include "saves/SlotDialog.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <algorithm>

#include "face/Glyphs.h"
#include "help/Help.h"
#include "help/HelpIcon.h"
#include "help/HelpKey.h"
#include "platform/CentreOnScreen.h"
#include "platform/Language.h"
#include "platform/LocaleText.h"
#include "platform/Prompts.h"
#include "saves/SavedGames.h"

namespace zandor {

namespace {

// A slot's line of credits and borrowed money, as designed.
constexpr int kCreditsWidth = 105, kBorrowedLeft = 112, kBorrowedWidth = 113, kMoneyTop = 48;
// The date of the save, right-aligned on the line of the game's name.
constexpr int kDateLeft = 168, kDateTop = 28, kDateWidth = 57;

// The name a slot has until the player gives it one, as the file keeps it.
std::string DefaultName(int n) { return "Game #" + std::to_string(n); }

}  // namespace

SlotDialog::SlotDialog(MoneyOwner machine, SavedGameTable& table, Mode mode, Prompts& prompts,
                       QWidget* parent)
    : QDialog(parent), machine_(machine), slots_(table), mode_(mode), prompts_(prompts) {
  setObjectName("SlotDialog");
  setFixedSize(616, 360);

  SlotFrame = new QFrame(this);
  SlotFrame->setObjectName("SlotFrame");
  SlotFrame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  SlotFrame->setGeometry(8, 8, 600, 297);

  const QIcon okIcon = style()->standardIcon(QStyle::SP_DialogOkButton);
  QPalette face = palette();
  face.setColor(QPalette::Base, FaceColor);
  for (int i = 0; i < 8; ++i) {
    const int n = i + 1;
    QFrame* panel = new QFrame(this);
    panel->setObjectName(QString("SlotPanel%1").arg(n));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(i < 4 ? 16 : 312, 16 + 72 * (i % 4), 289, 65);
    SlotPanels[i] = panel;

    NameFields[i] = new QLineEdit(panel);
    NameFields[i]->setObjectName(QString("NameField%1").arg(n));
    NameFields[i]->setFrame(false);
    NameFields[i]->setPalette(face);
    NameFields[i]->setGeometry(8, 8, 233, 20);
    NameFields[i]->setAccessibleName(tr("Name of slot %1").arg(n));

    auto label = [&](const QString& objectName, int x, int y, int w, bool right) {
      QLabel* l = new QLabel(panel);
      l->setObjectName(objectName.arg(n));
      l->setGeometry(x, y, w, 17);
      if (right) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      return l;
    };
    GameLabels[i] = label("GameLabel%1", 8, 28, 129, false);
    DateLabels[i] = label("DateLabel%1", kDateLeft, kDateTop, kDateWidth, true);
    CreditsLabels[i] = label("CreditsLabel%1", 8, kMoneyTop, kCreditsWidth, false);
    BorrowedLabels[i] = label("BorrowedLabel%1", kBorrowedLeft, kMoneyTop, kBorrowedWidth, true);

    QPushButton* b = new QPushButton(panel);
    b->setObjectName(QString("SlotButton%1").arg(n));
    b->setGeometry(232, 16, 49, 37);
    b->setIcon(okIcon);
    b->setAutoDefault(false);
    b->setProperty("tag", n);
    connect(b, &QPushButton::clicked, this, &SlotDialog::ChooseSlotFromButton);
    SlotButtons[i] = b;
  }

  CancelButton = new QPushButton(tr("&Cancel"), this);
  CancelButton->setObjectName("CancelButton");
  CancelButton->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  CancelButton->setGeometry(508, 316, 97, 37);
  CancelButton->setAutoDefault(false);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

  HelpButton = new QPushButton(tr("&Help"), this);
  HelpButton->setObjectName("HelpButton");
  HelpButton->setIcon(HelpIcon());
  HelpButton->setGeometry(8, 316, 97, 37);
  HelpButton->setAutoDefault(false);
  ConnectHelp(this, HelpButton, prompts_, HelpTopic::SavedGames);

  CentreOnScreen(this, parent);
  // The dialog is built anew for every open and save, so the file is read every time.
  ReadSlots();
  ShowSlots();
}

void SlotDialog::ReadSlots() { slots_.Read(); }

void SlotDialog::ShowSlots() {
  setWindowTitle(mode_ == Mode::Save ? tr("Save a Game -- Select Game Slot")
                                     : tr("Open a Game -- Select Game Slot"));
  // The slot line has room for two amounts and their words only without thousands separators;
  // the decimal separator is the locale's.
  QLocale ungrouped = PlayerLocale();
  ungrouped.setNumberOptions(ungrouped.numberOptions() | QLocale::OmitGroupSeparator);
  for (int i = 0; i < 8; ++i) {
    const SavedGame& s = slots_.Slots[i];
    // The file keeps the default name in English; the player reads it in his language.
    //: A slot's name until the player gives it one: "Game #1".
    NameFields[i]->setText(s.Name == DefaultName(i + 1) ? tr("Game #%1").arg(i + 1)
                                                        : QString::fromStdString(s.Name));
    GameLabels[i]->setText("Zandor Slots");
    const QString date = StoredDateText(s.Date);
    DateLabels[i]->setText(date);
    //: A saved game's credits: "1000.00 credits".
    CreditsLabels[i]->setText(tr("%1 credits").arg(CreditsText(s.Credits, ungrouped)));
    //: What a saved game owes the bank: "1000.00 borrowed".
    BorrowedLabels[i]->setText(tr("%1 borrowed").arg(CreditsText(s.Borrowed, ungrouped)));
    // A language with longer words than "credits" and "borrowed" takes the free room on the
    // line: the credits grow to the right, the right-aligned borrowed text up to the tick
    // button. English keeps the designed places. When the two do not fit on one line (a large
    // amount), the credits take the place of the game's name above, beside the date, and the
    // borrowed text has the line to itself.
    constexpr int gap = 6;
    const int borrowedWidth = BorrowedLabels[i]->sizeHint().width();
    const int creditsWidth = CreditsLabels[i]->sizeHint().width();
    const int left = CreditsLabels[i]->x();
    const int lineEnd = SlotButtons[i]->x() - 2;
    const bool oneLine = left + creditsWidth + gap + borrowedWidth <= lineEnd;
    GameLabels[i]->setVisible(oneLine);
    if (oneLine) {
      DateLabels[i]->setGeometry(kDateLeft, kDateTop, kDateWidth, DateLabels[i]->height());
      const int right = std::clamp(left + creditsWidth + gap + borrowedWidth,
                                   kBorrowedLeft + kBorrowedWidth, lineEnd);
      CreditsLabels[i]->setGeometry(left, kMoneyTop,
                                    std::max(kCreditsWidth, right - left - gap - borrowedWidth),
                                    CreditsLabels[i]->height());
      BorrowedLabels[i]->setGeometry(kBorrowedLeft, kMoneyTop, right - kBorrowedLeft,
                                     BorrowedLabels[i]->height());
    } else {
      // The date moves up to the tick button, as the borrowed text below it does.
      QRect date = DateLabels[i]->geometry();
      date.moveRight(lineEnd - 1);
      DateLabels[i]->setGeometry(date);
      const int dateLeft = lineEnd - DateLabels[i]->sizeHint().width();
      CreditsLabels[i]->setGeometry(left, date.y(),
                                    std::max(kCreditsWidth, dateLeft - gap / 2 - left),
                                    CreditsLabels[i]->height());
      BorrowedLabels[i]->setGeometry(left, kMoneyTop, lineEnd - left, BorrowedLabels[i]->height());
    }
    // The button shows only a tick; its name says which slot it is and what the slot holds.
    const QString name = s.Name.empty() ? tr("no name") : NameFields[i]->text();
    const QString holds = tr("%1, saved %2, %3, %4")
                              .arg(name, date.isEmpty() ? tr("never") : date,
                                   CreditsLabels[i]->text(), BorrowedLabels[i]->text());
    SlotButtons[i]->setAccessibleName(
        (mode_ == Mode::Save ? tr("Save in slot %1: %2") : tr("Open slot %1: %2"))
            .arg(i + 1)
            .arg(holds));
  }
}

void SlotDialog::ChooseSlotFromButton() {
  QObject* b = sender();
  if (b != nullptr) ChooseSlot(b->property("tag").toInt());
}

void SlotDialog::ChooseSlot(int n) {
  if (n < 1 || n > 8) return;
  std::optional<QString> name;
  if (mode_ == Mode::Save)
    name =
        prompts_.AskText(this, tr("Name for this saved game?"), "", NameFields[n - 1]->text(), 255);
  FinishSlot(n, name);
}

void SlotDialog::FinishSlot(int n, const std::optional<QString>& enteredName) {
  if (n >= 1 && n <= 8) {
    ChosenSlot = n;
    if (mode_ == Mode::Save) {
      if (enteredName) {
        SaveResult r = slots_.Save(machine_.State(), n, enteredName->toStdString());
        if (!r.Ok) prompts_.Warn(this, UnableToWrite().arg(QString::fromStdString(r.FailedPath)));
      }
    } else {
      slots_.Open(n, machine_);
    }
  }
  // The dialog closes with OK whether or not the name box was cancelled.
  accept();
}

}  // namespace zandor

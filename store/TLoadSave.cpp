#include "store/TLoadSave.h"
#include "platform/CentreOnScreen.h"

#include <QFrame>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include "face/Glyphs.h"
#include "help/Help.h"
#include "store/Money.h"
#include "store/SavedGames.h"

namespace {

QString MoneyLabel(Money v, const char* what) {
  // Two decimals, trimmed: 1000.00 credits, with '.' whatever the locale.
  return QString::fromStdString(FormatMoney(v)) + " " + what;
}

}  // namespace

TLoadSave::TLoadSave(TGame& g, int loadSaveMode, QWidget* parent)
    : QDialog(parent), game_(g), mode_(loadSaveMode) {
  setObjectName("LoadSave");
  setFixedSize(616, 360);

  Bevel1 = new QFrame(this);
  Bevel1->setObjectName("Bevel1");
  Bevel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Bevel1->setGeometry(8, 8, 600, 297);

  const QIcon okIcon = style()->standardIcon(QStyle::SP_DialogOkButton);
  QPalette face = palette();
  face.setColor(QPalette::Base, FaceColor);
  for (int i = 0; i < 8; ++i) {
    const int n = i + 1;
    QFrame* panel = new QFrame(this);
    panel->setObjectName(QString("Panel%1").arg(n));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(i < 4 ? 16 : 312, 16 + 72 * (i % 4), 289, 65);
    Panel[i] = panel;

    Name[i] = new QLineEdit(panel);
    Name[i]->setObjectName(QString("Name%1").arg(n));
    Name[i]->setFrame(false);
    Name[i]->setPalette(face);
    Name[i]->setGeometry(8, 8, 233, 20);

    auto label = [&](const QString& objectName, int x, int y, int w, bool right) {
      QLabel* l = new QLabel(panel);
      l->setObjectName(objectName.arg(n));
      l->setGeometry(x, y, w, 17);
      if (right) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      return l;
    };
    Game[i] = label("Game%1", 8, 28, 129, false);
    date[i] = label("date%1", 168, 28, 57, true);
    credits[i] = label("credits%1", 8, 48, 105, false);
    borrowed[i] = label("borrowed%1", 112, 48, 113, true);

    QPushButton* b = new QPushButton(panel);
    b->setObjectName(n == 1 ? QString("OKBtn") : QString("BitBtn%1").arg(n - 1));
    b->setGeometry(232, 16, 49, 37);
    b->setIcon(okIcon);
    b->setAutoDefault(false);
    b->setProperty("tag", n);
    connect(b, &QPushButton::clicked, this, &TLoadSave::BitBtn7Click);
    SlotBtn[i] = b;
  }

  CancelBtn = new QPushButton("&Cancel", this);
  CancelBtn->setObjectName("CancelBtn");
  CancelBtn->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
  CancelBtn->setGeometry(508, 316, 97, 37);
  CancelBtn->setAutoDefault(false);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  HelpBtn = new QPushButton("&Help", this);
  HelpBtn->setObjectName("HelpBtn");
  HelpBtn->setIcon(style()->standardIcon(QStyle::SP_DialogHelpButton));
  HelpBtn->setGeometry(8, 316, 97, 37);
  HelpBtn->setAutoDefault(false);
  connect(HelpBtn, &QPushButton::clicked, this, [this] { OpenHelp(HelpSavedGames); });

  CentreOnScreen(this, parent);
  // The dialog is built anew for every open and save, so the file is read every time.
  FormCreate();
  FormShow();
}

void TLoadSave::FormCreate() { ReadSavedGames(game_); }

void TLoadSave::FormShow() {
  setWindowTitle(mode_ == 1 ? "Save a Game -- Select Game Slot"
                            : "Open a Game -- Select Game Slot");
  for (int i = 0; i < 8; ++i) {
    const TSavedGame& s = SavedGames[i];
    Name[i]->setText(QString::fromStdString(s.Name));
    Game[i]->setText("Zandor Slots");
    date[i]->setText(QString::fromStdString(s.Date));
    credits[i]->setText(MoneyLabel(s.Credits, "credits"));
    borrowed[i]->setText(MoneyLabel(s.Borrowed, "borrowed"));
  }
}

void TLoadSave::BitBtn7Click() {
  QObject* b = sender();
  if (b != nullptr) SlotClick(b->property("tag").toInt());
}

void TLoadSave::SlotClick(int n) {
  if (n < 1 || n > 8) return;
  std::optional<QString> name;
  if (mode_ == 1) name = AskName(Name[n - 1]->text());
  FinishSlot(n, name);
}

void TLoadSave::FinishSlot(int n, const std::optional<QString>& enteredName) {
  if (n >= 1 && n <= 8) {
    if (mode_ == 1) {
      if (enteredName) {
        SaveResult r = SaveIntoSlot(game_, n, enteredName->toStdString());
        if (!r.Ok) Warn(QString("Unable to write to %1").arg(QString::fromStdString(r.FailedPath)));
      }
    } else {
      OpenSlot(game_, n);
    }
  }
  // The dialog closes with OK whether or not the name box was cancelled.
  accept();
}

std::optional<QString> TLoadSave::AskName(const QString& proposal) {
  QInputDialog box(this);
  box.setWindowTitle("Name for this saved game?");
  box.setLabelText("");
  box.setInputMode(QInputDialog::TextInput);
  box.setTextValue(proposal);
  if (QLineEdit* edit = box.findChild<QLineEdit*>()) edit->setMaxLength(255);
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue();
}

void TLoadSave::Warn(const QString& text) {
  QMessageBox box(QMessageBox::Warning, "Zandor Slots", text, QMessageBox::Ok, this);
  box.exec();
}

void TLoadSave::OpenHelp(int topic) { ShowHelpTopic(this, topic); }

void TLoadSave::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1) {
    OpenHelp(HelpSavedGames);
    return;
  }
  QDialog::keyPressEvent(event);
}

#include "audio/SoundDialog.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "audio/AudioDialogs.h"
#include "help/Help.h"
#include "help/HelpKey.h"
#include "platform/CentreOnScreen.h"
#include "platform/FileNames.h"
#include "platform/PlayableFile.h"
#include "platform/Prompts.h"
#include "platform/SoundService.h"

namespace zandor {

namespace {

struct Row {
  const char* Caption;
  const char* Hint;
};

constexpr Row kRows[5] = {
    {QT_TRANSLATE_NOOP("zandor::SoundDialog", "Bonus Sound:"),
     QT_TRANSLATE_NOOP("zandor::SoundDialog",
                       "This is the sound that plays when you get the Power Meter to 100%.")},
    {QT_TRANSLATE_NOOP("zandor::SoundDialog", "Count Down Sound"),
     QT_TRANSLATE_NOOP("zandor::SoundDialog",
                       "This is the sound which plays when you get a Power Drain symbol on the "
                       "screen")},
    {QT_TRANSLATE_NOOP("zandor::SoundDialog", "Count Up Sound"),
     QT_TRANSLATE_NOOP("zandor::SoundDialog",
                       "This is the sound which plays when you get a Power Up symbol on the "
                       "screen")},
    {QT_TRANSLATE_NOOP("zandor::SoundDialog", "Lose Sound:"),
     QT_TRANSLATE_NOOP("zandor::SoundDialog", "This is a sound which plays on a losing spin.")},
    {QT_TRANSLATE_NOOP("zandor::SoundDialog", "Win Sound:"),
     QT_TRANSLATE_NOOP("zandor::SoundDialog", "This is a sound which plays on a winning spin.")},
};

}  // namespace

SoundDialog::SoundDialog(SoundSettings& sounds, const Folders& dirs,
                         std::function<void(const std::string&)> preview, Prompts& prompts,
                         QWidget* parent)
    : QDialog(parent),
      sounds_(sounds),
      dirs_(dirs),
      preview_(std::move(preview)),
      prompts_(prompts) {
  setWindowTitle(tr("Change Sounds (WAV Files)"));
  setFixedSize(394, 397);
  auto* panel = new QFrame(this);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setGeometry(8, 8, 378, 330);
  for (int r = 0; r < 5; ++r) {
    const int y = 20 + 52 * r;
    const QString caption = tr(kRows[r].Caption);
    SoundLabels[r] = new QLabel(caption, panel);
    SoundLabels[r]->setObjectName(QString("SoundLabel%1").arg(r + 1));
    SoundLabels[r]->setToolTip(tr(kRows[r].Hint));
    SoundLabels[r]->setGeometry(16, y, 150, 28);
    ChangeButtons[r] = new QPushButton(tr("Change"), panel);
    ChangeButtons[r]->setObjectName(QString("ChangeButton%1").arg(r + 1));
    ChangeButtons[r]->setToolTip(
        tr("Click this button to browse your hard drive for a sound for this event."));
    ChangeButtons[r]->setGeometry(176, y, 88, 28);
    //: A button that plays the sound of its row.
    PreviewButtons[r] = new QPushButton(tr("Preview"), panel);
    PreviewButtons[r]->setObjectName(QString("PreviewButton%1").arg(r + 1));
    PreviewButtons[r]->setToolTip(
        tr("Click this button to play the currently selected sound file."));
    PreviewButtons[r]->setGeometry(272, y, 88, 28);
    // Five rows of the same two buttons: each is named by its row.
    const QString sound = QString(caption).remove(QLatin1Char(':')).trimmed();
    //: The name a screen reader gives a row's Change button; %1 is the row's sound.
    ChangeButtons[r]->setAccessibleName(tr("Change %1").arg(sound));
    PreviewButtons[r]->setAccessibleName(tr("Preview %1").arg(sound));
    connect(ChangeButtons[r], &QPushButton::clicked, this, [this, r] { Change(r); });
    connect(PreviewButtons[r], &QPushButton::clicked, this, [this, r] { Preview(r); });
  }
  RestoreDefaultsButton = new QPushButton(tr("Restore Default Sounds"), panel);
  RestoreDefaultsButton->setObjectName("RestoreDefaultsButton");
  RestoreDefaultsButton->setToolTip(
      tr("Click this button to use the default (original) sounds for the above events."));
  RestoreDefaultsButton->setGeometry(16, 284, 344, 30);
  connect(RestoreDefaultsButton, &QPushButton::clicked, this, &SoundDialog::RestoreDefaults);

  HelpButton = new QPushButton(tr("&Help"), this);
  HelpButton->setObjectName("HelpButton");
  HelpButton->setGeometry(96, 352, 96, 32);
  HelpButton->setAutoDefault(false);
  ConnectHelp(this, HelpButton, prompts_, HelpTopic::Sounds);
  OkButton = new QPushButton(tr("&OK"), this);
  OkButton->setObjectName("OkButton");
  OkButton->setGeometry(202, 352, 96, 32);
  OkButton->setDefault(true);
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  CentreOnScreen(this);
}

std::string& SoundDialog::Path(int r) {
  switch (r) {
    case 0:
      return sounds_.BonusFile;
    case 1:
      return sounds_.PowerDownFile;
    case 2:
      return sounds_.PowerUpFile;
    case 3:
      return sounds_.LoseFile;
    default:
      return sounds_.WinFile;
  }
}

void SoundDialog::Change(int r) {
  //: The title of the file dialog that picks a sound.
  const QString path = prompts_.ChooseFile(this, tr("Open"), folder_,
                                           tr("Wav Files") + QStringLiteral(" (*.WAV *.wav)"));
  if (path.isEmpty() || !AudioDialogs::PathFits(prompts_, this, path) ||
      !AudioDialogs::SizeFits(prompts_, this, path, MaxSoundBytes))
    return;
  Path(r) = LocalPath(path);
  folder_ = QFileInfo(path).absolutePath();
  // The choice stands, as any chosen file does; the player learns now, not at the next win,
  // that it will only beep.
  if (!SoundFilePlays(Path(r)))
    prompts_.Warn(this, tr("%1 cannot be played: it is not a wave sound this game can read. It "
                           "stays chosen, and a warning beep sounds in its place until you "
                           "choose another file.")
                            .arg(QFileInfo(path).fileName()));
}

void SoundDialog::Preview(int r) {
  if (preview_) preview_(Path(r));
}

void SoundDialog::RestoreDefaults() {
  const std::string& d = dirs_.Program;
  sounds_.WinFile = d + "POWER5.WAV";
  sounds_.LoseFile = d + "POWER8.WAV";
  sounds_.PowerUpFile = d + "POWER6.WAV";
  sounds_.PowerDownFile = d + "POWER7.WAV";
  sounds_.BonusFile = d + "POWER4.WAV";
}

}  // namespace zandor

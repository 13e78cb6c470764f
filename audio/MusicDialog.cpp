#include "audio/MusicDialog.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "audio/AudioDialogs.h"
#include "audio/Playlist.h"
#include "help/Help.h"
#include "help/HelpKey.h"
#include "platform/CentreOnScreen.h"
#include "platform/FileNames.h"
#include "platform/PlayableFile.h"
#include "platform/Prompts.h"
#include "platform/SoundService.h"

namespace zandor {

MusicDialog::MusicDialog(MusicSettings& music, const Folders& dirs, MediaPlayer& player,
                         Prompts& prompts, QWidget* parent)
    : QDialog(parent), music_(music), dirs_(dirs), player_(player), prompts_(prompts) {
  //: The window title; the closing bracket belongs to the game's English title.
  setWindowTitle(tr("Change MIDI Files]"));
  setFixedSize(427, 371);
  InstructionsLabel = new QLabel(
      tr("You may include up to eight MIDI files which will be used as background music while you "
         "are playing this game."),
      this);
  InstructionsLabel->setObjectName("InstructionsLabel");
  InstructionsLabel->setWordWrap(true);
  InstructionsLabel->setGeometry(12, 8, 403, 40);
  for (int s = 0; s < 8; ++s) {
    const int y = 56 + 32 * s;
    CheckBoxes[s] = new QCheckBox(tr("Music #%1").arg(s + 1), this);
    CheckBoxes[s]->setObjectName(QString("CheckBox%1").arg(s + 1));
    CheckBoxes[s]->setProperty("tag", s);
    CheckBoxes[s]->setGeometry(16, y, 220, 26);
    CheckBoxes[s]->setEnabled(false);
    ChangeButtons[s] = new QPushButton(tr("Change"), this);
    ChangeButtons[s]->setObjectName(QString("ChangeButton%1").arg(s + 1));
    ChangeButtons[s]->setProperty("tag", s);
    ChangeButtons[s]->setGeometry(244, y, 80, 26);
    ChangeButtons[s]->setAutoDefault(false);
    //: A button that plays the song of its row.
    PreviewButtons[s] = new QPushButton(tr("Preview"), this);
    PreviewButtons[s]->setObjectName(QString("PreviewButton%1").arg(s + 1));
    PreviewButtons[s]->setProperty("tag", s);
    PreviewButtons[s]->setGeometry(332, y, 80, 26);
    PreviewButtons[s]->setAutoDefault(false);
    PreviewButtons[s]->setEnabled(false);
    // Eight rows of the same two buttons: each is named by its row.
    ChangeButtons[s]->setAccessibleName(tr("Change song %1").arg(s + 1));
    PreviewButtons[s]->setAccessibleName(tr("Preview song %1").arg(s + 1));
    connect(ChangeButtons[s], &QPushButton::clicked, this, [this, s] { ChangeMIDI(s); });
    connect(PreviewButtons[s], &QPushButton::clicked, this, [this, s] { Preview(s); });
  }
  OkButton = new QPushButton(tr("&OK"), this);
  OkButton->setObjectName("OkButton");
  OkButton->setGeometry(80, 324, 84, 32);
  OkButton->setDefault(true);
  CancelButton = new QPushButton(tr("Cancel"), this);
  CancelButton->setObjectName("CancelButton");
  CancelButton->setGeometry(172, 324, 84, 32);
  CancelButton->setAutoDefault(false);
  HelpButton = new QPushButton(tr("&Help"), this);
  HelpButton->setObjectName("HelpButton");
  HelpButton->setGeometry(264, 324, 84, 32);
  HelpButton->setAutoDefault(false);
  connect(OkButton, &QPushButton::clicked, this, &MusicDialog::KeepChanges);
  connect(CancelButton, &QPushButton::clicked, this, &MusicDialog::Cancel);
  ConnectHelp(this, HelpButton, prompts_, HelpTopic::Music);
  CentreOnScreen(this);
}

void MusicDialog::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!activated_) Activate();
}

void MusicDialog::Activate() {
  activated_ = true;
  accepted_ = false;
  folder_ = ShownPath(dirs_.Program);
  for (QCheckBox* c : CheckBoxes) c->setChecked(false);
  savedSongs_ = music_.SongFiles;
  for (int s = 0; s < 8; ++s) {
    if (!music_.SongFiles[s].empty()) {
      CheckBoxes[s]->setEnabled(true);
      PreviewButtons[s]->setEnabled(true);
    }
    CheckBoxes[s]->setText(QString::fromStdString(music_.SongNames[s]));
    CheckBoxes[s]->setChecked(music_.Selected[s]);
  }
}

void MusicDialog::ChangeMIDI(int s) {
  //: The title of the file dialog that picks a song.
  const QString path =
      prompts_.ChooseFile(this, tr("Open"), folder_,
                          tr("MIDI Sequencer") + QStringLiteral(" (*.mid *.rmi *.MID *.RMI)"));
  if (path.isEmpty() || !AudioDialogs::PathFits(prompts_, this, path) ||
      !AudioDialogs::SizeFits(prompts_, this, path, MaxSongBytes))
    return;
  music_.SongFiles[s] = LocalPath(path);
  const QFileInfo info(path);
  folder_ = info.absolutePath();
  CheckBoxes[s]->setEnabled(true);
  PreviewButtons[s]->setEnabled(true);
  CheckBoxes[s]->setChecked(true);
  CheckBoxes[s]->setText(info.fileName());
  // The choice stands, as any chosen song does; the player learns now rather than from an
  // error box when the playlist reaches it.
  if (!SongFilePlays(music_.SongFiles[s]))
    prompts_.Warn(this, tr("%1 cannot be played: it is not a MIDI song this game can read. "
                           "Please choose another file for this song.")
                            .arg(info.fileName()));
}

void MusicDialog::Preview(int s) {
  player_.Close();
  const std::string& path = music_.SongFiles[s];
  if (SongFileExists(path)) {
    std::string error = player_.Open(path);
    if (error.empty()) error = player_.Play();
    if (!error.empty()) {
      prompts_.ReportError(this, QString::fromStdString(error));
    }
    return;
  }
  const QString name = QFileInfo(ShownPath(path)).fileName();
  prompts_.Warn(this, tr("Could not find %1.  Please choose a valid MIDI file.").arg(name));
  ChangeMIDI(s);
}

void MusicDialog::KeepChanges() {
  accepted_ = true;
  accept();
}

void MusicDialog::Cancel() {
  accepted_ = false;
  reject();
}

void MusicDialog::done(int r) {
  RestoreOnClose();
  QDialog::done(r);
}

void MusicDialog::RestoreOnClose() {
  if (closed_) return;
  closed_ = true;
  // Closed before it ever came up: nothing was copied aside, so nothing may be restored.
  if (!activated_) {
    player_.Close();
    return;
  }
  if (accepted_) {
    for (int s = 0; s < 8; ++s) {
      music_.Selected[s] = SongFileExists(music_.SongFiles[s]) && CheckBoxes[s]->isChecked();
      // Twelve characters, not bytes: a name is never cut inside a character.
      music_.SongNames[s] = LeftCharacters(CheckBoxes[s]->text(), 12).toStdString();
    }
  } else {
    music_.SongFiles = savedSongs_;
  }
  player_.Close();
}

}  // namespace zandor

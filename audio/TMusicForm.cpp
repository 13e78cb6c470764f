#include "audio/TMusicForm.h"
#include "platform/CentreOnScreen.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include "audio/AudioDialogs.h"
#include "audio/TPlaylist.h"
#include "help/Help.h"
#include "platform/FileNames.h"
#include "platform/SoundService.h"

TMusicForm::TMusicForm(TGame& g, MediaPlayer& player, QWidget* parent)
    : QDialog(parent), g_(g), player_(player) {
  setWindowTitle("Change MIDI Files]");
  setFixedSize(427, 371);
  Label1 = new QLabel(
      "You may include up to eight MIDI files which will be used as background music while you "
      "are playing this game.",
      this);
  Label1->setObjectName("Label1");
  Label1->setWordWrap(true);
  Label1->setGeometry(12, 8, 403, 40);
  for (int s = 0; s < 8; ++s) {
    const int y = 56 + 32 * s;
    CheckBoxes[s] = new QCheckBox(QString("Music #%1").arg(s + 1), this);
    CheckBoxes[s]->setObjectName(QString("CheckBox%1").arg(s + 1));
    CheckBoxes[s]->setProperty("tag", s);
    CheckBoxes[s]->setGeometry(16, y, 220, 26);
    CheckBoxes[s]->setEnabled(false);
    ChangeButtons[s] = new QPushButton("Change", this);
    ChangeButtons[s]->setObjectName(QString("BitBtn%1").arg(11 + s));
    ChangeButtons[s]->setProperty("tag", s);
    ChangeButtons[s]->setGeometry(244, y, 80, 26);
    ChangeButtons[s]->setAutoDefault(false);
    PreviewButtons[s] = new QPushButton("Preview", this);
    PreviewButtons[s]->setObjectName(QString("BitBtn%1").arg(3 + s));
    PreviewButtons[s]->setProperty("tag", s);
    PreviewButtons[s]->setGeometry(332, y, 80, 26);
    PreviewButtons[s]->setAutoDefault(false);
    PreviewButtons[s]->setEnabled(false);
    connect(ChangeButtons[s], &QPushButton::clicked, this, [this, s] { ChangeMIDI(s); });
    connect(PreviewButtons[s], &QPushButton::clicked, this, [this, s] { BitBtn3Click(s); });
  }
  BitBtn1 = new QPushButton("&OK", this);
  BitBtn1->setObjectName("BitBtn1");
  BitBtn1->setGeometry(80, 324, 84, 32);
  BitBtn1->setDefault(true);
  BitBtn2 = new QPushButton("Cancel", this);
  BitBtn2->setObjectName("BitBtn2");
  BitBtn2->setGeometry(172, 324, 84, 32);
  BitBtn2->setAutoDefault(false);
  BitBtn19 = new QPushButton("&Help", this);
  BitBtn19->setObjectName("BitBtn19");
  BitBtn19->setGeometry(264, 324, 84, 32);
  BitBtn19->setAutoDefault(false);
  connect(BitBtn1, &QPushButton::clicked, this, &TMusicForm::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TMusicForm::BitBtn2Click);
  connect(BitBtn19, &QPushButton::clicked, this, [this] { ShowHelpTopic(this, 41011); });
  CentreOnScreen(this);
}

void TMusicForm::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  if (!activated_) FormActivate();
}

void TMusicForm::FormActivate() {
  activated_ = true;
  accepted_ = false;
  folder_ = ShownPath(g_.ProgramDir);
  for (QCheckBox* c : CheckBoxes) c->setChecked(false);
  savedSongs_ = g_.MIDISong;
  for (int s = 0; s < 8; ++s) {
    if (!g_.MIDISong[s].empty()) {
      CheckBoxes[s]->setEnabled(true);
      PreviewButtons[s]->setEnabled(true);
    }
    CheckBoxes[s]->setText(QString::fromStdString(g_.MIDIName[s]));
    CheckBoxes[s]->setChecked(g_.PlayList[s]);
  }
}

void TMusicForm::ChangeMIDI(int s) {
  const QString path =
      AudioDialogs::OpenFile(this, "Open", folder_, "MIDI Sequencer (*.mid *.rmi *.MID *.RMI)");
  if (path.isEmpty() || !AudioDialogs::PathFits(this, path) ||
      !AudioDialogs::SizeFits(this, path, MaxSongBytes))
    return;
  g_.MIDISong[s] = LocalPath(path);
  const QFileInfo info(path);
  folder_ = info.absolutePath();
  CheckBoxes[s]->setEnabled(true);
  PreviewButtons[s]->setEnabled(true);
  CheckBoxes[s]->setChecked(true);
  CheckBoxes[s]->setText(info.fileName());
}

void TMusicForm::BitBtn3Click(int s) {
  player_.Close();
  const std::string& path = g_.MIDISong[s];
  if (SongFileExists(path)) {
    std::string error = player_.Open(path);
    if (error.empty()) error = player_.Play();
    if (!error.empty()) {
      AudioDialogs::Message(this, QMessageBox::Critical, QString::fromStdString(error));
    }
    return;
  }
  const QString name = QFileInfo(ShownPath(path)).fileName();
  AudioDialogs::Message(this, QMessageBox::Warning,
                        "Could not find " + name + ".  Please choose a valid MIDI file.");
  ChangeMIDI(s);
}

void TMusicForm::BitBtn1Click() {
  accepted_ = true;
  accept();
}

void TMusicForm::BitBtn2Click() {
  accepted_ = false;
  reject();
}

void TMusicForm::done(int r) {
  FormClose();
  QDialog::done(r);
}

void TMusicForm::FormClose() {
  if (closed_) return;
  closed_ = true;
  // Closed before it ever came up: nothing was copied aside, so nothing may be restored.
  if (!activated_) {
    player_.Close();
    return;
  }
  if (accepted_) {
    for (int s = 0; s < 8; ++s) {
      g_.PlayList[s] = SongFileExists(g_.MIDISong[s]) && CheckBoxes[s]->isChecked();
      // Twelve characters, not bytes: a name is never cut inside a character.
      g_.MIDIName[s] = LeftCharacters(CheckBoxes[s]->text(), 12).toStdString();
    }
  } else {
    g_.MIDISong = savedSongs_;
  }
  player_.Close();
}

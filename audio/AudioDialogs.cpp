#include "audio/AudioDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "platform/FileNames.h"

QString AudioDialogs::OpenFile(QWidget* parent, const QString& title, const QString& folder,
                               const QString& filter) {
  if (OpenFileHook) return OpenFileHook(parent, title, folder, filter);
  return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

void AudioDialogs::Message(QWidget* parent, QMessageBox::Icon icon, const QString& text) {
  const QString title = "Zandor Slots";
  if (MessageHook) return MessageHook(parent, icon, title, text);
  QMessageBox box(icon, title, text, QMessageBox::Ok, parent);
  box.exec();
}

bool AudioDialogs::PathFits(QWidget* parent, const QString& path) {
  // Cutting the path would store the name of a file that does not exist, so a path
  // that cannot be kept whole is refused instead.
  if (CharacterCount(path) <= MaxPathLength) return true;
  Message(parent, QMessageBox::Warning,
          "The path of this file is longer than 255 characters.  Please choose a file in a "
          "folder with a shorter path.");
  return false;
}

bool AudioDialogs::SizeFits(QWidget* parent, const QString& path, int64_t limit) {
  // A file far larger than any song or sound would stall the window while it is read.
  if (QFileInfo(path).size() <= limit) return true;
  Message(parent, QMessageBox::Warning,
          QString("%1 is larger than %2 MB, too large to play.  Please choose a smaller file.")
              .arg(QFileInfo(path).fileName())
              .arg(limit >> 20));
  return false;
}

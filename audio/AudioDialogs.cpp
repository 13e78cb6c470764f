#include "audio/AudioDialogs.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
  if (path.toStdString().size() <= static_cast<size_t>(MaxPathLength)) return true;
  Message(parent, QMessageBox::Warning,
          "The path of this file is longer than 255 characters.  Please choose a file in a "
          "folder with a shorter path.");
  return false;
}

// One copy of the game per settings folder: the first copy holds a lock file there and
// listens on a local socket named from the folder; a later copy asks it to come to the front.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class SingleInstance : public QObject {
 public:
  // Remembers the settings folder (ending with '/'); nothing is touched yet.
  explicit SingleInstance(const QString& settingsDir, QObject* parent = nullptr);
  ~SingleInstance() override;

  // Takes the folder's lock (a lock left by a copy that died is taken over) and starts
  // listening for later copies. False only when another running copy holds it; when the lock
  // cannot be made at all (a folder we may not write), this copy runs without one.
  bool Acquire();
  // Asks the copy holding the lock to bring its window to the front; false when it cannot be
  // reached.
  bool RaiseRunningCopy();
  // What a later copy's request does in the copy holding the lock.
  std::function<void()> OnRaise;

  // The local socket's name for a settings folder.
  static QString ServerName(const QString& settingsDir);

 private:
  QString dir_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};

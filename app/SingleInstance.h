// One copy of the game per settings folder: the first copy holds a lock file there and
// listens on a local socket in the user's own runtime folder; a later copy asks it to come to
// the front.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace zandor {

class SingleInstance : public QObject {
 public:
  // What a start found in the settings folder.
  enum class Outcome {
    Acquired,       // this copy holds the folder's lock
    HeldElsewhere,  // another running copy holds it
    Unavailable,    // no lock can be made there (a full disk, a folder we may not write,
                    // something no copy made in the lock's place that cannot be removed)
  };

  // Remembers the settings folder (ending with '/'); nothing is touched yet.
  explicit SingleInstance(const QString& settingsDir, QObject* parent = nullptr);
  ~SingleInstance() override;

  // Takes the folder's lock and starts listening for later copies. A lock left by a copy that
  // died is taken over, and so is one whose owner cannot be read (what a power cut between
  // making and writing it leaves) unless a running copy answers on the socket. Whatever no copy
  // makes in the lock's place (a pipe, a link, an empty folder) is removed first.
  Outcome Acquire();
  // What the player is told when Acquire gives Unavailable.
  QString Problem() const;
  // What the player is told when Acquire gives HeldElsewhere and the copy cannot be raised.
  static QString RunningElsewhere();
  // Asks the copy holding the lock to bring its window to the front; false when it cannot be
  // reached or what answers belongs to another user.
  bool RaiseRunningCopy();
  // What a later copy's request does in the copy holding the lock.
  std::function<void()> OnRaise;

  // The local socket's path for a settings folder: in the user's runtime folder, else in a
  // folder under the temporary folder that only this user may enter; empty when neither is
  // safe.
  static QString ServerName(const QString& settingsDir);

 private:
  QString LockPath() const;
  bool OwnerReadable() const;
  bool RunningCopyAnswers() const;
  void Listen();

  QString dir_;
  std::unique_ptr<QLockFile> lock_;
  bool blocked_ = false;  // something not ours stands in the lock's place
  QLocalServer server_;
};

}  // namespace zandor

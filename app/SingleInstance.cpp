#include "app/SingleInstance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

#include "store/AtomicFile.h"

namespace zandor {

namespace {

constexpr int kConnectMs = 2000;
constexpr int kRetryMs = 50;
// A copy that has just made its lock file writes its owner into it at once.
constexpr int kOwnerWriteMs = 100;
// How long copies started together wait for one of them to clear a stale lock.
constexpr int kSettleMs = 3000;
const char kRaiseRequest[] = "raise\n";

// True when the other end of a local socket runs as this user.
bool PeerIsThisUser(qintptr fd) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return fd >= 0 &&
         ::getsockopt(static_cast<int>(fd), SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
         size == sizeof peer && peer.uid == ::geteuid();
}

// True for a real folder (not a link) of this user's that nobody else may enter.
bool PrivateFolder(const QByteArray& path) {
  struct stat st {};
  return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
         (st.st_mode & 077) == 0;
}

// Where the socket goes. A name in the shared temporary folder could be taken first by
// another user, who would then hear our requests.
QString SocketFolder() {
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  if (runtime.startsWith('/') && PrivateFolder(runtime)) return QFile::decodeName(runtime);
  const QByteArray own =
      QFile::encodeName(QDir::tempPath() + "/zandor-slots-" + QString::number(::geteuid()));
  ::mkdir(own.constData(), 0700);
  if (PrivateFolder(own)) return QFile::decodeName(own);
  return {};
}

// True when what stands at a lock's path is nothing a copy of the game makes: a pipe (reading
// it would wait for ever), a link (to a device that never ends, or to nothing), a folder or a
// device. A plain file is left for the lock to judge.
bool Foreign(const QByteArray& path) {
  struct stat st {};
  return ::lstat(path.constData(), &st) == 0 && !S_ISREG(st.st_mode);
}

// Removes such a thing; false when one is still there.
bool ClearForeignLock(const QByteArray& path) {
  struct stat st {};
  if (::lstat(path.constData(), &st) != 0 || S_ISREG(st.st_mode)) return true;
  // Only an empty folder goes: what the player keeps in one is not ours to remove.
  const int removed = S_ISDIR(st.st_mode) ? ::rmdir(path.constData()) : ::unlink(path.constData());
  return removed == 0 || errno == ENOENT;
}

}  // namespace

SingleInstance::SingleInstance(const QString& settingsDir, QObject* parent)
    : QObject(parent), dir_(settingsDir) {
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* s = server_.nextPendingConnection()) {
      if (!PeerIsThisUser(s->socketDescriptor())) {
        s->abort();
        s->deleteLater();
        continue;
      }
      connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
      connect(s, &QLocalSocket::readyRead, this, [this, s] {
        if (s->readAll().contains("raise") && OnRaise) OnRaise();
      });
    }
  });
}

SingleInstance::~SingleInstance() {
  server_.close();
  if (lock_) lock_->unlock();
}

QString SingleInstance::ServerName(const QString& settingsDir) {
  const QString folder = SocketFolder();
  if (folder.isEmpty()) return {};
  const QString canonical = QDir(settingsDir).canonicalPath();
  const QByteArray key = QFile::encodeName(canonical.isEmpty() ? settingsDir : canonical);
  return folder + "/zandor-slots-" +
         QString::fromLatin1(
             QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
}

QString SingleInstance::LockPath() const { return dir_ + "zandor-slots.lock"; }

SingleInstance::Outcome SingleInstance::Acquire() {
  MakeFolders(QFile::encodeName(dir_).toStdString());
  // What no copy makes is cleared before the lock reads it; one copy at a time clears, and
  // looks again once it may, so that it never removes the lock another copy has just made.
  const QByteArray lockPath = QFile::encodeName(LockPath());
  const QByteArray guardPath = QFile::encodeName(LockPath() + ".rmlock");
  if (Foreign(lockPath) || Foreign(guardPath)) {
    blocked_ = !ClearForeignLock(guardPath);
    if (!blocked_) {
      QLockFile guard(LockPath() + ".rmlock");
      guard.tryLock(kSettleMs);
      blocked_ = !ClearForeignLock(lockPath);
    }
    if (blocked_) return Outcome::Unavailable;
  }
  lock_ = std::make_unique<QLockFile>(LockPath());
  // A running game holds its lock for hours: only a lock whose process has gone is stale.
  lock_->setStaleLockTime(0);
  // Copies started together wait for the one clearing a stale lock, then find its lock.
  const QDeadlineTimer deadline(kSettleMs);
  for (;;) {
    if (lock_->tryLock(0)) {
      Listen();
      return Outcome::Acquired;
    }
    // Without a lock a second copy could open the same games, and the last to close would
    // overwrite the other's evening.
    if (lock_->error() != QLockFile::LockFailedError) {
      lock_.reset();
      return Outcome::Unavailable;
    }
    // A lock whose process has gone was taken over above; one that names no owner is stale
    // unless a running copy answers.
    if (OwnerReadable() || RunningCopyAnswers() || deadline.hasExpired())
      return Outcome::HeldElsewhere;
    // Two copies must not clear it at once, or one could remove the lock the other has just
    // made.
    QLockFile guard(LockPath() + ".rmlock");
    if (!guard.tryLock(0) && guard.error() != QLockFile::LockFailedError) {
      lock_.reset();
      return Outcome::Unavailable;
    }
    QThread::msleep(kOwnerWriteMs);
    // A file that a live copy holds open and locked (between making and writing it) is not
    // removed.
    if (guard.isLocked() && !OwnerReadable() && !RunningCopyAnswers()) lock_->removeStaleLockFile();
  }
}

QString SingleInstance::Problem() const {
  if (blocked_) {
    return QCoreApplication::translate(
               "zandor::SingleInstance",
               "Zandor Slots could not use its lock file\n%1\n\nSomething else is in its place (a "
               "folder, a link or a pipe) and could not be removed.  Please move it away, then "
               "start Zandor Slots again.")
        .arg(QDir::toNativeSeparators(LockPath()));
  }
  return QCoreApplication::translate(
             "zandor::SingleInstance",
             "Zandor Slots could not make its lock file in\n%1\n\nThe disk may be full, or the "
             "folder may not be written.  Without the lock a second copy could open the same "
             "games and overwrite them, so the game will not start.  Please free some space or "
             "make the folder writable, then start Zandor Slots again.")
      .arg(QDir::toNativeSeparators(dir_));
}

QString SingleInstance::RunningElsewhere() {
  return QCoreApplication::translate("zandor::SingleInstance", "Zandor Slots is already running.");
}

bool SingleInstance::OwnerReadable() const {
  qint64 pid = 0;
  QString host, app;
  return lock_->getLockInfo(&pid, &host, &app);
}

bool SingleInstance::RunningCopyAnswers() const {
  const QString name = ServerName(dir_);
  if (name.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(name);
  const bool answers =
      socket.waitForConnected(kConnectMs) && PeerIsThisUser(socket.socketDescriptor());
  socket.abort();
  return answers;
}

void SingleInstance::Listen() {
  const QString name = ServerName(dir_);
  // Without a safe place for the socket a later copy says a copy is running instead of
  // raising it.
  if (name.isEmpty()) return;
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  // We hold the lock, so a socket of that name was left by a copy that died.
  if (!server_.listen(name)) {
    QLocalServer::removeServer(name);
    server_.listen(name);
  }
}

bool SingleInstance::RaiseRunningCopy() {
  const QString name = ServerName(dir_);
  if (name.isEmpty()) return false;
  QLocalSocket socket;
  // Started together with this one, the copy holding the lock may not be listening yet.
  const QDeadlineTimer deadline(kConnectMs);
  for (;;) {
    socket.connectToServer(name);
    if (socket.waitForConnected(int(deadline.remainingTime()))) break;
    if (deadline.hasExpired()) return false;
    QThread::msleep(kRetryMs);
  }
  // Whatever answers for another user is not our copy and hears nothing.
  if (!PeerIsThisUser(socket.socketDescriptor())) {
    socket.abort();
    return false;
  }
  socket.write(kRaiseRequest);
  const bool sent = socket.waitForBytesWritten(kConnectMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kConnectMs);
  return sent;
}

}  // namespace zandor

#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLocalSocket>

#include "store/AtomicFile.h"

namespace {

constexpr int kConnectMs = 2000;
const char kRaiseRequest[] = "raise\n";

}  // namespace

SingleInstance::SingleInstance(const QString& settingsDir, QObject* parent)
    : QObject(parent), dir_(settingsDir) {
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* s = server_.nextPendingConnection()) {
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
  const QString canonical = QDir(settingsDir).canonicalPath();
  const QByteArray key = QFile::encodeName(canonical.isEmpty() ? settingsDir : canonical);
  return "zandor-slots-" +
         QString::fromLatin1(
             QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(24));
}

bool SingleInstance::Acquire() {
  MakeFolders(QFile::encodeName(dir_).toStdString());
  lock_ = std::make_unique<QLockFile>(dir_ + "zandor-slots.lock");
  // A running game holds its lock for hours: only a lock whose process has gone is stale.
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock(0)) {
    if (lock_->error() == QLockFile::LockFailedError) return false;
    lock_.reset();  // no lock can be made here; saving will say what is wrong
    return true;
  }
  const QString name = ServerName(dir_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  // We hold the lock, so a socket of that name was left by a copy that died.
  if (!server_.listen(name)) {
    QLocalServer::removeServer(name);
    server_.listen(name);
  }
  return true;
}

bool SingleInstance::RaiseRunningCopy() {
  QLocalSocket socket;
  socket.connectToServer(ServerName(dir_));
  if (!socket.waitForConnected(kConnectMs)) return false;
  socket.write(kRaiseRequest);
  const bool sent = socket.waitForBytesWritten(kConnectMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kConnectMs);
  return sent;
}

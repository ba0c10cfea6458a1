// A lock file says who runs; a local socket carries the "show yourself"
// message. A crashed run leaves a lock whose process is gone, which QLockFile
// takes over by itself. A lock whose process id now belongs to some other
// program is recognised because nobody answers on the socket.
#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace vpa {
namespace {

constexpr char kShowMessage[] = "show\n";
constexpr int kAnswerAttempts = 10;
constexpr int kAttemptPauseMs = 100;

// Per user (the home folder) and per program folder; short enough for a
// socket path.
QString InstanceKey(const QString& program_folder) {
  QByteArray identity =
      QDir::homePath().toUtf8() + '\n' +
      QDir::cleanPath(QFileInfo(program_folder).absoluteFilePath()).toUtf8();
  QByteArray hash =
      QCryptographicHash::hash(identity, QCryptographicHash::Sha256);
  return "vpa-" + QString::fromLatin1(hash.toHex().left(24));
}

QString LockFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
}

}  // namespace

SingleInstance::SingleInstance(const QString& program_folder, QObject* parent)
    : QObject(parent),
      key_(InstanceKey(program_folder)),
      lock_(LockFolder() + "/" + key_ + ".lock") {
  // Staleness is judged by the owner's process alone, never by the lock's
  // age: the window may run for days.
  lock_.setStaleLockTime(0);
}

QString SingleInstance::LockPath() const {
  return LockFolder() + "/" + key_ + ".lock";
}

bool SingleInstance::Start() {
  if (!lock_.tryLock(0)) {
    // Without a place for the lock, run rather than refuse to start.
    if (lock_.error() != QLockFile::LockFailedError) return true;
    if (AskRunningToShow()) return false;
    lock_.removeStaleLockFile();
    if (!lock_.tryLock(0)) return !AskRunningToShow();
  }
  Listen();
  return true;
}

void SingleInstance::Listen() {
  // A socket file left by a crashed run would block the name; we hold the
  // lock, so it is no one's.
  QLocalServer::removeServer(key_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(key_);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket,
              &QObject::deleteLater);
      auto read = [this, socket] {
        if (socket->readAll().contains("show")) emit ActivationRequested();
      };
      connect(socket, &QLocalSocket::readyRead, this, read);
      if (socket->bytesAvailable() > 0) read();
    }
  });
}

// The running instance may only just have taken the lock and not yet be
// listening, so it gets a moment to answer.
bool SingleInstance::AskRunningToShow() {
  for (int attempt = 0; attempt < kAnswerAttempts; ++attempt) {
    QLocalSocket socket;
    socket.connectToServer(key_);
    if (socket.waitForConnected(kAttemptPauseMs)) {
      socket.write(kShowMessage);
      bool sent = socket.waitForBytesWritten(1000);
      socket.disconnectFromServer();
      if (sent) return true;
    }
    QThread::msleep(kAttemptPauseMs);
  }
  return false;
}

}  // namespace vpa

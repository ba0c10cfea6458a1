// A lock file says who runs; a local socket carries the "show yourself"
// message. Both lie in a folder only this user can enter, so another user
// can neither plant a lock nor answer in the running window's place. A crashed run leaves a lock whose process is gone, which QLockFile
// takes over by itself. A lock whose process id now belongs to some other
// program is recognised because nobody answers on the socket.
#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace vpa {
namespace {

constexpr char kShowMessage[] = "show\n";
constexpr int kAnswerAttempts = 10;
constexpr int kAttemptPauseMs = 100;

// Per user (the home folder) and per program folder; short enough for a
// socket path. Anyone can compute it: the folder keeps it private.
QString InstanceKey(const QString& program_folder) {
  QByteArray identity =
      QDir::homePath().toUtf8() + '\n' +
      QDir::cleanPath(QFileInfo(program_folder).absoluteFilePath()).toUtf8();
  QByteArray hash =
      QCryptographicHash::hash(identity, QCryptographicHash::Sha256);
  return "vpa-" + QString::fromLatin1(hash.toHex().left(24));
}

#ifdef _WIN32
QString PrivateFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::TempLocation);
}
#else
// A real folder (not a link to one) of this user's that no one else may
// enter or change.
bool IsPrivate(const QString& folder) {
  struct stat info;
  return folder.startsWith('/') &&
         lstat(QFile::encodeName(folder).constData(), &info) == 0 &&
         S_ISDIR(info.st_mode) && info.st_uid == getuid() &&
         (info.st_mode & 077) == 0;
}

// The session's runtime folder, else a folder of this user's own made in
// the temporary folder; empty when neither can be trusted.
QString PrivateFolder() {
  QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (IsPrivate(runtime)) return runtime;
  QString own = QDir::tempPath() + "/vpa-" + QString::number(getuid());
  mkdir(QFile::encodeName(own).constData(), 0700);
  return IsPrivate(own) ? own : QString();
}
#endif

}  // namespace

SingleInstance::SingleInstance(const QString& program_folder, QObject* parent)
    : QObject(parent),
      folder_(PrivateFolder()),
      key_(InstanceKey(program_folder)),
      lock_(LockPath()) {
  // Staleness is judged by the owner's process alone, never by the lock's
  // age: the window may run for days.
  lock_.setStaleLockTime(0);
}

QString SingleInstance::LockPath() const {
  return folder_ + "/" + key_ + ".lock";
}

QString SingleInstance::SocketPath() const { return folder_ + "/" + key_; }

bool SingleInstance::Start() {
  // Without a private place for the lock, run rather than refuse to start.
  if (folder_.isEmpty()) return true;
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
  QLocalServer::removeServer(SocketPath());
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(SocketPath());
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
    socket.connectToServer(SocketPath());
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

// A lock file says who runs; a local socket carries the "show yourself"
// message. Both lie in a folder only this user can enter, so another user
// can neither plant a lock nor answer in the running window's place. A
// crashed run leaves a lock whose process is gone, which QLockFile takes
// over by itself. A lock whose process id now belongs to some other program
// is recognised because nobody answers on the socket. The socket is a plain
// POSIX one watched by the event loop: Qt's own would load QtNetwork and
// its libraries at every start for one short message.
#include "app/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <string_view>

namespace vpa {
namespace {

constexpr std::string_view kShowMessage = "show\n";
constexpr int kAnswerAttempts = 10;
constexpr int kAttemptPauseMs = 100;
constexpr int kPendingLaunches = 8;

// Per user (the home folder) and per program folder, whose name counts as
// the bytes it is, UTF-8 or not; short enough for a socket path. Anyone can
// compute it: the folder keeps it private.
QString InstanceKey(const std::filesystem::path& program_folder) {
  std::filesystem::path folder =
      std::filesystem::absolute(program_folder).lexically_normal();
  if (!folder.has_filename()) folder = folder.parent_path();
  QByteArray identity =
      QDir::homePath().toUtf8() + '\n' + QByteArray(folder.c_str());
  QByteArray hash =
      QCryptographicHash::hash(identity, QCryptographicHash::Sha256);
  return "vpa-" + QString::fromLatin1(hash.toHex().left(24));
}

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

// The socket's address; false when the path does not fit in one.
bool AddressOf(const QString& path, sockaddr_un& address) {
  const QByteArray bytes = QFile::encodeName(path);
  address = {};
  address.sun_family = AF_UNIX;
  if (bytes.size() >= qsizetype(sizeof address.sun_path)) return false;
  std::memcpy(address.sun_path, bytes.constData(), bytes.size());
  return true;
}

// Connects and sends the message. A running instance too busy to take the
// connection is given a second at most, as a hung one must not hang us.
bool SendShow(const sockaddr_un& address) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const timeval limit = {1, 0};
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  const bool sent = connect(fd, reinterpret_cast<const sockaddr*>(&address),
                            sizeof address) == 0 &&
                    send(fd, kShowMessage.data(), kShowMessage.size(),
                         MSG_NOSIGNAL) == ssize_t(kShowMessage.size());
  close(fd);
  return sent;
}

// Closed here, so no longer among the instance's children to close.
void Forget(QSocketNotifier* notifier) {
  notifier->setEnabled(false);
  close(int(notifier->socket()));
  notifier->setParent(nullptr);
  notifier->deleteLater();
}

}  // namespace

SingleInstance::SingleInstance(const std::filesystem::path& program_folder,
                               QObject* parent)
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
    // A lock that cannot be made, as against one held, is no lock at all.
    if (lock_.error() != QLockFile::LockFailedError) return true;
    if (AskRunningToShow()) return false;
    lock_.removeStaleLockFile();
    if (!lock_.tryLock(0)) return !AskRunningToShow();
  }
  Listen();
  return true;
}

void SingleInstance::Listen() {
  sockaddr_un address;
  if (!AddressOf(SocketPath(), address)) return;
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return;
  // A socket file left by a crashed run would block the name; we hold the
  // lock, so it is no one's.
  unlink(address.sun_path);
  if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) !=
          0 ||
      chmod(address.sun_path, 0600) != 0 || listen(fd, kPendingLaunches) != 0) {
    close(fd);
    return;
  }
  listener_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(listener_, &QSocketNotifier::activated, this,
          &SingleInstance::Answer);
}

SingleInstance::~SingleInstance() {
  if (listener_ == nullptr) return;
  for (QSocketNotifier* notifier : findChildren<QSocketNotifier*>()) {
    close(int(notifier->socket()));
  }
  unlink(QFile::encodeName(SocketPath()).constData());
}

void SingleInstance::Answer() {
  int fd;
  while ((fd = accept4(int(listener_->socket()), nullptr, nullptr,
                       SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
    auto* caller = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(caller, &QSocketNotifier::activated, this,
            [this, caller] { Hear(caller); });
  }
}

// Each launch sends its message and hangs up.
void SingleInstance::Hear(QSocketNotifier* caller) {
  char bytes[64];
  const ssize_t got = recv(int(caller->socket()), bytes, sizeof bytes, 0);
  if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
  if (got <= 0) return Forget(caller);
  if (std::string_view(bytes, got).find("show") != std::string_view::npos) {
    emit ActivationRequested();
  }
}

// The running instance may only just have taken the lock and not yet be
// listening, so it gets a moment to answer.
bool SingleInstance::AskRunningToShow() {
  sockaddr_un address;
  if (!AddressOf(SocketPath(), address)) return false;
  for (int attempt = 0; attempt < kAnswerAttempts; ++attempt) {
    if (SendShow(address)) return true;
    QThread::msleep(kAttemptPauseMs);
  }
  return false;
}

}  // namespace vpa

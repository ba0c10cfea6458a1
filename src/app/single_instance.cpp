// The running instance holds a socket name in Linux's abstract namespace,
// made of the user and the program folder's identity (device and inode).
// Every launch for that folder finds it, whatever its environment (HOME,
// TMPDIR, XDG_RUNTIME_DIR) and however it names the folder, and the name
// is freed by the kernel when the process ends, crashed or not: holding it
// is the lock. Anyone may bind a name there, so both ends check that the
// other is the same user. The socket is a plain POSIX one watched by the
// event loop: Qt's own would load QtNetwork at every start for one short
// message.
#include "app/single_instance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

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

std::string NameOf(const std::filesystem::path& program_folder) {
  struct stat info;
  if (stat(program_folder.c_str(), &info) != 0) return {};
  char name[80];
  std::snprintf(name, sizeof name, "vpa-%u-%llx-%llx", unsigned(getuid()),
                static_cast<unsigned long long>(info.st_dev),
                static_cast<unsigned long long>(info.st_ino));
  return name;
}

socklen_t AddressOf(const std::string& name, sockaddr_un& address) {
  address = {};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path + 1, name.data(), name.size());
  return socklen_t(offsetof(sockaddr_un, sun_path) + 1 + name.size());
}

// Whether the process at the other end of `fd` runs as this user.
bool SameUser(int fd) {
  ucred peer = {};
  socklen_t size = sizeof peer;
  return getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 &&
         peer.uid == getuid();
}

enum class Sent { kShown, kNoAnswer, kStranger };

// Connects and sends the message. A running instance too busy to take the
// connection is given a second at most, as a hung one must not hang us.
Sent SendShow(const std::string& name) {
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return Sent::kNoAnswer;
  const timeval limit = {1, 0};
  setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  sockaddr_un address;
  Sent sent = Sent::kNoAnswer;
  if (connect(fd, reinterpret_cast<const sockaddr*>(&address),
              AddressOf(name, address)) == 0) {
    sent = !SameUser(fd) ? Sent::kStranger
           : send(fd, kShowMessage.data(), kShowMessage.size(), MSG_NOSIGNAL) ==
                   ssize_t(kShowMessage.size())
               ? Sent::kShown
               : Sent::kNoAnswer;
  }
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
    : QObject(parent), name_(NameOf(program_folder)) {}

bool SingleInstance::Start() {
  // Without a name, run rather than refuse to start.
  if (name_.empty()) return true;
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return true;
  sockaddr_un address;
  if (bind(fd, reinterpret_cast<const sockaddr*>(&address),
           AddressOf(name_, address)) != 0) {
    const bool taken = errno == EADDRINUSE;
    close(fd);
    return !taken || !AskRunningToShow();
  }
  if (listen(fd, kPendingLaunches) != 0) {
    close(fd);
    return true;
  }
  listener_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(listener_, &QSocketNotifier::activated, this,
          &SingleInstance::Answer);
  return true;
}

SingleInstance::~SingleInstance() {
  for (QSocketNotifier* notifier : findChildren<QSocketNotifier*>()) {
    close(int(notifier->socket()));
  }
}

void SingleInstance::Answer() {
  int fd;
  while ((fd = accept4(int(listener_->socket()), nullptr, nullptr,
                       SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
    if (!SameUser(fd)) {
      close(fd);
      continue;
    }
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

// The running instance may have bound its name and not yet listen, so it
// gets a moment to answer. A name held by another user's process, or by
// one that never answers (hung), does not keep this one from running.
bool SingleInstance::AskRunningToShow() {
  for (int attempt = 0; attempt < kAnswerAttempts; ++attempt) {
    switch (SendShow(name_)) {
      case Sent::kShown:
        return true;
      case Sent::kStranger:
        return false;
      case Sent::kNoAnswer:
        QThread::msleep(kAttemptPauseMs);
    }
  }
  return false;
}

}  // namespace vpa

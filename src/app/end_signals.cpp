// A signal handler may do almost nothing: it writes one byte to a pipe
// whose other end the event loop watches, and puts the default action back
// so that a second signal still ends a program that is stuck.
#include "app/end_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace vpa {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
int pipe_ends[2] = {-1, -1};

void OnSignal(int number) {
  signal(number, SIG_DFL);
  char byte = 1;
  ssize_t ignored = write(pipe_ends[1], &byte, 1);
  (void)ignored;
}

}  // namespace

EndSignals::EndSignals(QObject* parent) : QObject(parent) {
  if (pipe2(pipe_ends, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* notifier =
      new QSocketNotifier(pipe_ends[0], QSocketNotifier::Read, this);
  connect(notifier, &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (read(pipe_ends[0], bytes, sizeof bytes) > 0) {
    }
    emit Received();
  });
  struct sigaction action = {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int number : kSignals) sigaction(number, &action, nullptr);
}

EndSignals::~EndSignals() {
  for (int number : kSignals) signal(number, SIG_DFL);
  close(pipe_ends[0]);
  close(pipe_ends[1]);
  pipe_ends[0] = pipe_ends[1] = -1;
}

}  // namespace vpa

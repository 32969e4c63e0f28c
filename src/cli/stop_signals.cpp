#include "cli/stop_signals.h"

#include <pthread.h>

#include <ctime>

namespace kelvane::cli {

namespace {
constexpr int kStopping[] = {SIGINT, SIGTERM, SIGHUP};
}

StopSignals::StopSignals() {
  sigemptyset(&stopping_);
  for (const int signo : kStopping) {
    sigaddset(&stopping_, signo);
  }
  pthread_sigmask(SIG_BLOCK, &stopping_, &earlier_);
}

StopSignals::~StopSignals() {
  // Take what arrived, so that unblocking does not end the process after the
  // build has already answered it.
  sigset_t arrived;
  sigemptyset(&arrived);
  for (auto signo = Pending(); signo; signo = Pending()) {
    sigaddset(&arrived, *signo);
    const timespec noWait{};
    if (sigtimedwait(&arrived, nullptr, &noWait) < 0) {
      break;
    }
  }
  pthread_sigmask(SIG_SETMASK, &earlier_, nullptr);
}

std::optional<int> StopSignals::Pending() const {
  sigset_t pending;
  if (sigpending(&pending) != 0) {
    return std::nullopt;
  }
  for (const int signo : kStopping) {
    if (sigismember(&pending, signo) == 1 && sigismember(&earlier_, signo) == 0) {
      return signo;
    }
  }
  return std::nullopt;
}

StopSignals::Released::Released(const StopSignals& signals) : signals_(signals) {
  pthread_sigmask(SIG_SETMASK, &signals_.earlier_, nullptr);
}

StopSignals::Released::~Released() {
  pthread_sigmask(SIG_BLOCK, &signals_.stopping_, nullptr);
}

}  // namespace kelvane::cli

#include "base/write_signals.h"

#include <pthread.h>

#include <ctime>

namespace kelvane {

namespace {
constexpr int kWriteSignals[] = {SIGPIPE, SIGXFSZ};
}

HeldWriteSignals::HeldWriteSignals() {
  sigemptyset(&held_);
  for (const int signo : kWriteSignals) {
    sigaddset(&held_, signo);
  }
  pthread_sigmask(SIG_BLOCK, &held_, &earlier_);
}

HeldWriteSignals::~HeldWriteSignals() {
  sigset_t pending;
  sigemptyset(&pending);
  sigpending(&pending);
  for (const int signo : kWriteSignals) {
    // One that the caller held back already is the caller's to take.
    if (sigismember(&pending, signo) == 1 && sigismember(&earlier_, signo) == 0) {
      sigset_t one;
      sigemptyset(&one);
      sigaddset(&one, signo);
      const timespec noWait{};
      sigtimedwait(&one, nullptr, &noWait);
    }
  }
  pthread_sigmask(SIG_SETMASK, &earlier_, nullptr);
}

}  // namespace kelvane

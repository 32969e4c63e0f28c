// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/held_signals.h"

#include <pthread.h>

#include <ctime>

namespace kelvane {

HeldSignals::HeldSignals(std::initializer_list<int> held) : signals_(held) {
  sigemptyset(&held_);
  for (const int signo : signals_) {
    sigaddset(&held_, signo);
  }
  pthread_sigmask(SIG_BLOCK, &held_, &earlier_);
}

HeldSignals::~HeldSignals() {
  // Take what arrived, so that unblocking does not end the process after its
  // cause has been answered already.
  for (auto signo = Pending(); signo; signo = Pending()) {
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, *signo);
    const timespec noWait{};
    if (sigtimedwait(&one, nullptr, &noWait) < 0) {
      break;
    }
  }
  pthread_sigmask(SIG_SETMASK, &earlier_, nullptr);
}

std::optional<int> HeldSignals::Pending() const {
  sigset_t pending;
  if (sigpending(&pending) != 0) {
    return std::nullopt;
  }
  for (const int signo : signals_) {
    if (sigismember(&pending, signo) == 1 && sigismember(&earlier_, signo) == 0) {
      return signo;
    }
  }
  return std::nullopt;
}

HeldSignals::Released::Released(const HeldSignals& holder) : signals_(holder) {
  pthread_sigmask(SIG_SETMASK, &signals_.earlier_, nullptr);
}

HeldSignals::Released::~Released() {
  pthread_sigmask(SIG_BLOCK, &signals_.held_, nullptr);
}

}  // namespace kelvane

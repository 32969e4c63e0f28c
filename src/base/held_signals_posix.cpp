// SPDX-License-Identifier: GPL-3.0-or-later
// Stop requests and write failures as POSIX signals, held back in the
// thread's signal mask and polled.
#include <pthread.h>
#include <signal.h>

#include <ctime>
#include <initializer_list>
#include <vector>

#include "base/held_signals.h"

namespace kelvane {

namespace {

// Holds back the given signals on this thread while it lives. When it ends,
// those that arrived meanwhile are taken (unless the caller held them back
// already) and the earlier mask is restored.
class HeldSignals {
 public:
  explicit HeldSignals(std::initializer_list<int> held) : signals_(held) {
    sigemptyset(&held_);
    for (const int signo : signals_) {
      sigaddset(&held_, signo);
    }
    pthread_sigmask(SIG_BLOCK, &held_, &earlier_);
  }

  ~HeldSignals() {
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

  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;

  std::optional<int> Pending() const {
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

  void Release() const { pthread_sigmask(SIG_SETMASK, &earlier_, nullptr); }
  void Hold() const { pthread_sigmask(SIG_BLOCK, &held_, nullptr); }

 private:
  std::vector<int> signals_;
  sigset_t held_;
  sigset_t earlier_;
};

std::string SignalName(int signo) {
  switch (signo) {
    case SIGINT:
      return "SIGINT";
    case SIGTERM:
      return "SIGTERM";
    case SIGHUP:
      return "SIGHUP";
    default:
      return "signal " + std::to_string(signo);
  }
}

}  // namespace

struct StopSignals::State {
  HeldSignals held{SIGINT, SIGTERM, SIGHUP};
};

StopSignals::StopSignals() : state_(std::make_unique<State>()) {}

StopSignals::~StopSignals() = default;

std::optional<StopRequest> StopSignals::Pending() const {
  const auto signo = state_->held.Pending();
  if (!signo) {
    return std::nullopt;
  }
  return StopRequest{SignalName(*signo), 128 + *signo};
}

StopSignals::Released::Released(const StopSignals& holder) : signals_(holder) {
  signals_.state_->held.Release();
}

StopSignals::Released::~Released() {
  signals_.state_->held.Hold();
}

struct WriteSignalsHeld::State {
  HeldSignals held{SIGPIPE, SIGXFSZ};
};

WriteSignalsHeld::WriteSignalsHeld() : state_(std::make_unique<State>()) {}

WriteSignalsHeld::~WriteSignalsHeld() = default;

}  // namespace kelvane

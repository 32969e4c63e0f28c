#pragma once

#include <signal.h>

namespace kelvane {

// While it lives, SIGPIPE and SIGXFSZ are held back on this thread: a reader
// that went away or a file-size limit then fails the write with an error the
// user can read, instead of ending the process without a word. Signals of
// those kinds that arrived meanwhile are taken before the mask is restored.
class HeldWriteSignals {
 public:
  HeldWriteSignals();
  ~HeldWriteSignals();
  HeldWriteSignals(const HeldWriteSignals&) = delete;
  HeldWriteSignals& operator=(const HeldWriteSignals&) = delete;

 private:
  sigset_t held_;
  sigset_t earlier_;
};

}  // namespace kelvane

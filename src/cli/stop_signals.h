#pragma once

#include <signal.h>

#include <optional>

namespace kelvane::cli {

// Holds back SIGINT, SIGTERM and SIGHUP while it lives, so that a build asked
// to stop can remove its temporary file and leave an earlier output as it was
// instead of dying half-way. The build polls Pending() between frames. When
// it ends, a signal still pending is taken and the earlier mask restored.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The first of the signals that arrived, if any.
  std::optional<int> Pending() const;

  // Lets the signals act as usual for a while, e.g. while a question waits for
  // an answer and nothing is written yet.
  class Released {
   public:
    explicit Released(const StopSignals& signals);
    ~Released();
    Released(const Released&) = delete;
    Released& operator=(const Released&) = delete;

   private:
    const StopSignals& signals_;
  };

 private:
  sigset_t stopping_;
  sigset_t earlier_;
};

}  // namespace kelvane::cli

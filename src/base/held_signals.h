// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace kelvane {

// A request to stop the program that arrived while it was held back.
struct StopRequest {
  std::string name;  // as the user knows it: "SIGINT", "Ctrl+C", ...
  int exitStatus;    // what the program then ends with: 128 + the signal's number
};

// Holds back the requests to stop the program while it lives: SIGINT, SIGTERM
// and SIGHUP, or Ctrl+C, Ctrl+Break and closing the console on Windows. A
// build asked to stop can so remove its temporary file and leave an earlier
// output as it was instead of dying half-way; it polls Pending() between
// frames. When it ends, the requests that arrived meanwhile are dropped.
class StopSignals {
 public:
  StopSignals();
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  // The first request that arrived since, if any.
  std::optional<StopRequest> Pending() const;

  // Lets the requests act as usual for a while, e.g. while a question waits
  // for an answer and nothing is written yet.
  class Released {
   public:
    explicit Released(const StopSignals& holder);
    ~Released();
    Released(const Released&) = delete;
    Released& operator=(const Released&) = delete;

   private:
    const StopSignals& signals_;
  };

 private:
  struct State;
  std::unique_ptr<State> state_;
};

// Holds back, while it lives, the signals by which a write to a pipe nobody
// reads or past a file-size limit would end the process without a word
// (SIGPIPE, SIGXFSZ), so that the write fails with an error the user can read.
// Where writes fail so anyway, it holds nothing.
class WriteSignalsHeld {
 public:
  WriteSignalsHeld();
  ~WriteSignalsHeld();
  WriteSignalsHeld(const WriteSignalsHeld&) = delete;
  WriteSignalsHeld& operator=(const WriteSignalsHeld&) = delete;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace kelvane

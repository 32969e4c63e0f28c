// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <signal.h>

#include <initializer_list>
#include <optional>
#include <vector>

namespace kelvane {

// Holds back the given signals on this thread while it lives, so that their
// cause can be answered in order instead of ending the process half-way. When
// it ends, those that arrived meanwhile are taken (unless the caller held them
// back already) and the earlier mask is restored.
class HeldSignals {
 public:
  explicit HeldSignals(std::initializer_list<int> held);
  ~HeldSignals();
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;

  // The first of the signals that arrived since, if any.
  std::optional<int> Pending() const;

  // Lets the signals act as usual for a while, e.g. while a question waits for
  // an answer and nothing is written yet.
  class Released {
   public:
    explicit Released(const HeldSignals& holder);
    ~Released();
    Released(const Released&) = delete;
    Released& operator=(const Released&) = delete;

   private:
    const HeldSignals& signals_;
  };

 private:
  std::vector<int> signals_;
  sigset_t held_;
  sigset_t earlier_;
};

}  // namespace kelvane

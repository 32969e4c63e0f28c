// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <signal.h>

#include "base/held_signals.h"

namespace kelvane::cli {

// Holds back SIGINT, SIGTERM and SIGHUP while it lives, so that a build asked
// to stop can remove its temporary file and leave an earlier output as it was
// instead of dying half-way. The build polls Pending() between frames.
class StopSignals : public HeldSignals {
 public:
  StopSignals() : HeldSignals({SIGINT, SIGTERM, SIGHUP}) {}
};

}  // namespace kelvane::cli

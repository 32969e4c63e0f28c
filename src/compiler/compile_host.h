#pragma once

#include "base/message_host.h"

namespace kelvane {

// What a compilation needs from whoever runs it: the message boxes and a
// progress display.
class CompileHost : public MessageHost {
 public:
  // Percent done; values above 100 show as 100. Shown at once.
  virtual void SetProgress(int value) = 0;
};

}  // namespace kelvane

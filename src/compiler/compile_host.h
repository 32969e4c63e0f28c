// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/message_host.h"

namespace kelvane {

// What a compilation needs from whoever runs it: the message boxes, a
// progress display and a way to ask it to stop.
class CompileHost : public MessageHost {
 public:
  // Percent done, as the window's gauge steps; values above 100 show as 100.
  // Shown at once.
  virtual void SetProgress(int value) = 0;

  // Frames encoded so far of the frames in the list; `nextFrame` is the BMP
  // read next, empty once every frame is encoded. For displays that count
  // frames rather than gauge steps.
  virtual void FrameProgress(size_t encoded, size_t total, const std::string& nextFrame) {
    (void)encoded;
    (void)total;
    (void)nextFrame;
  }

  // A frame's BMP is read: its path and its width as prepared (the fixed
  // width when one is set), whether or not it then encodes. In list order.
  virtual void FrameRead(const std::string& bmpPath, int32_t width) {
    (void)bmpPath;
    (void)width;
  }

  // Asked between frames and before the DEF replaces the output: true ends
  // the compilation, the temporary file removed and the output untouched.
  virtual bool StopRequested() { return false; }
};

}  // namespace kelvane

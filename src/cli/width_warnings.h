// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "framelist/frame_list.h"
#include "framelist/window_settings.h"

namespace kelvane::cli {

// A frame's BMP and its width in pixels.
struct FrameWidth {
  std::string bmpPath;
  int32_t width = 0;
};

// Map object rows are decoded as whole 32-pixel blocks, so a frame whose width
// is not a multiple of 32 will show its last block's transparent filler.

// The warning for a fixed width that is not a multiple of 32; nothing for
// other types or without a fixed size.
std::optional<std::string> FixedWidthWarning(const WindowSettings& options);

// Keeps, of the frames a build reads, those a width warning may be about.
class FrameWidthLog {
 public:
  void Note(const std::string& bmpPath, int32_t width);
  const std::vector<FrameWidth>& frames() const { return frames_; }

 private:
  std::vector<FrameWidth> frames_;
};

// One warning per such frame (a BMP met twice is warned about once); nothing
// for other types or with a fixed size, which FixedWidthWarning covers.
std::vector<std::string> FrameWidthWarnings(const WindowSettings& options,
                                            const std::vector<FrameWidth>& frames);

// The widths of the list's frames read from their headers, for a command that
// builds nothing; files that cannot be read are left out (a build reports
// them itself).
std::vector<FrameWidth> ReadFrameWidths(const FrameList& list);

}  // namespace kelvane::cli

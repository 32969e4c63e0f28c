// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

#include "framelist/window_settings.h"
#include "prepare/colour_mapping.h"
#include "prepare/placement.h"

namespace kelvane {

struct FrameSize {
  int32_t width = 0;
  int32_t height = 0;
};

// What an encoder needs to know of the compilation besides the frame itself,
// resolved once from the window's texts: every number is parsed and checked.
struct FrameSettings {
  bool shadow = false;
  bool outline = false;  // drawn only on checked entries
  std::optional<FrameSize> fixedSize;
  PlacementOffsets offsets;
  // Format 1 frames give every frame the first frame's size as their full size,
  // as the engine reads it: 16 bits of each.
  uint16_t firstFrameWidth = 0;
  uint16_t firstFrameHeight = 0;
  // The DEF's palette, onto which true-colour frames are mapped.
  ColourMapping colours;
};

// Parses the fixed size (when "Fixed Size:" is on; at least 1 x 1) and, for
// the formats that place frames (all but 0), the X and Y offsets (when their
// boxes are checked). A text that is not an integer ends the command with the
// conversion error; a size out of range with an input error.
FrameSettings ResolveFrameSettings(const WindowSettings& settings, int32_t format);

}  // namespace kelvane

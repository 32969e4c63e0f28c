// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "framelist/frame_list.h"

namespace kelvane {

// The texts of the "Fixed Size:" width and height fields.
struct FixedSizeTexts {
  std::string width;
  std::string height;
};

// FirstFrameSizeRefresh: reads the BMP header of the list's first entry (a
// relative path taken from `folder`) and returns its width and height as
// unsigned 32-bit decimals, for the fixed-size fields. A file that cannot be
// read ends the command with its error; the fields then keep their texts.
FixedSizeTexts FirstFrameSizeRefresh(const FrameList& list, const std::string& folder = {});

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "framelist/frame_list.h"
#include "framelist/window_settings.h"

namespace kelvane::cli {

// Map object rows are decoded as whole 32-pixel blocks, so a frame whose width
// is not a multiple of 32 will show its last block's transparent filler. One
// warning per such frame (or one for the fixed width); nothing for other types
// and nothing for files that cannot be read (the build itself reports those).
std::vector<std::string> MapObjectWidthWarnings(const WindowSettings& options,
                                                const FrameList& list);

}  // namespace kelvane::cli

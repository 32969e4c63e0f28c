// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/first_frame_size.h"

#include <cstdint>

#include "base/frame_file.h"
#include "base/path_parts.h"

namespace kelvane {

FixedSizeTexts FirstFrameSizeRefresh(const FrameList& list, const std::string& folder) {
  const FrameInfo first = ReadFrameInfo(PathFrom(folder, list.Text(0)));
  return {std::to_string(static_cast<uint32_t>(first.width)),
          std::to_string(static_cast<uint32_t>(first.height))};
}

}  // namespace kelvane

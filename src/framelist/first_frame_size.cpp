// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/first_frame_size.h"

#include <cstdint>

#include "base/bmp_frame.h"
#include "base/path_parts.h"

namespace kelvane {

FixedSizeTexts FirstFrameSizeRefresh(const FrameList& list, const std::string& folder) {
  BmpFrameHeader header;
  ReadBmpHeader(PathFrom(folder, list.Text(0)), header, nullptr);
  return {std::to_string(static_cast<uint32_t>(header.biWidth)),
          std::to_string(static_cast<uint32_t>(header.biHeight))};
}

}  // namespace kelvane

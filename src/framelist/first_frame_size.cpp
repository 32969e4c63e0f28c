// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/first_frame_size.h"

#include <cstdint>

#include "base/bmp_frame.h"

namespace kelvane {

FixedSizeTexts FirstFrameSizeRefresh(const FrameList& list) {
  BmpFrameHeader header;
  ReadBmpHeader(list.Text(0), header, nullptr);
  return {std::to_string(static_cast<uint32_t>(header.biWidth)),
          std::to_string(static_cast<uint32_t>(header.biHeight))};
}

}  // namespace kelvane

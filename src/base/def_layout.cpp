// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/def_layout.h"

#include "base/little_endian.h"

namespace kelvane {

void FrameHeader::AppendTo(std::vector<uint8_t>& out) const {
  for (const int32_t field :
       {dataSize, format, fullWidth, fullHeight, width, height, leftMargin, topMargin}) {
    PutLe32(out, field);
  }
}

}  // namespace kelvane

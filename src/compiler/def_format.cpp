// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/def_format.h"

#include "base/little_endian.h"

namespace kelvane {

void AppendDefHeader(const CompileState& state, std::vector<uint8_t>& out) {
  PutLe32(out, state.defTypeCode);
  PutLe32(out, state.frameWidth);
  PutLe32(out, state.frameHeight);
  PutLe32(out, state.groupCount);
  out.insert(out.end(), state.rgbPalette.begin(), state.rgbPalette.end());
}

void AppendGroupEntryHead(int32_t groupNumber, int32_t frameCount, std::vector<uint8_t>& out) {
  PutLe32(out, groupNumber);
  PutLe32(out, frameCount);
  PutLe32(out, int32_t{0});
  PutLe32(out, int32_t{0});
}

}  // namespace kelvane

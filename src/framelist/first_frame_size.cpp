#include "framelist/first_frame_size.h"

#include <cstdint>

#include "compiler/bmp_frame.h"

namespace kelvane {

FixedSizeTexts FirstFrameSizeRefresh(const FrameList& list, CompileState& state) {
  ReadBmpHeader(list.Text(0), state.BmpHeader, nullptr);
  return {std::to_string(static_cast<uint32_t>(state.BmpHeader.biWidth)),
          std::to_string(static_cast<uint32_t>(state.BmpHeader.biHeight))};
}

}  // namespace kelvane

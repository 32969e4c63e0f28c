#include "prepare/placement.h"

#include "compiler/int_text.h"

namespace kelvane {

namespace {

// Two's-complement subtraction, as the 32-bit header fields hold it.
int32_t WrappingSubtract(int32_t a, int32_t b) {
  return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

}  // namespace

void ApplyPlacementOffsets(const CompileOptions& options, FrameHeader& header) {
  if (options.useX) {
    header.LeftMargin = WrappingSubtract(header.LeftMargin, StrToInt(options.xText));
  }
  if (options.useY) {
    header.TopMargin = WrappingSubtract(header.TopMargin, StrToInt(options.yText));
  }
}

}  // namespace kelvane

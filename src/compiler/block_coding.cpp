// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/block_coding.h"

namespace kelvane {

namespace {

int RunLength(const uint8_t* pixels, int from, uint8_t index) {
  int end = from;
  while (end < kBlockPixels && pixels[end] == index) {
    ++end;
  }
  return end - from;
}

bool IsLiteral(uint8_t pixel, LiteralRule rule) {
  return rule == LiteralRule::AnyNonZero ? pixel != kTransparentIndex : pixel > kBlockLastRunIndex;
}

}  // namespace

void EncodeBlock(const uint8_t* pixels, LiteralRule rule, std::vector<uint8_t>& out) {
  int j = 0;
  while (j < kBlockPixels) {
    // One pass: a run of 0, then runs of 1 to 6 in that order, then a literal.
    for (uint8_t index = 0; index <= kBlockLastRunIndex; ++index) {
      if (j < kBlockPixels && pixels[j] == index) {
        const int run = RunLength(pixels, j, index);
        out.push_back(BlockSegmentCode(index, run));
        j += run;
      }
    }
    if (j < kBlockPixels && IsLiteral(pixels[j], rule)) {
      const int from = j;
      while (j < kBlockPixels && IsLiteral(pixels[j], rule)) {
        ++j;
      }
      out.push_back(BlockSegmentCode(kBlockLiteralKind, j - from));
      out.insert(out.end(), pixels + from, pixels + j);
    }
  }
}

}  // namespace kelvane

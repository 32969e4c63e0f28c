// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The block coder written the plain way, one pixel at a time, as it was before
// it learnt to find each segment's end from masks of the whole block. The
// compile-frame fuzzer checks that both ways give the same bytes.

#include <cstdint>
#include <vector>

#include "compiler/block_coding.h"

namespace kelvane::fuzz::reference {

inline int BlockRunLength(const uint8_t* pixels, int from, uint8_t index) {
  int end = from;
  while (end < kBlockPixels && pixels[end] == index) {
    ++end;
  }
  return end - from;
}

inline bool IsBlockLiteral(uint8_t pixel, LiteralRule rule) {
  return rule == LiteralRule::AnyNonZero ? pixel != 0 : pixel > 6;
}

inline void EncodeBlock(const uint8_t* pixels, LiteralRule rule, std::vector<uint8_t>& out) {
  int j = 0;
  while (j < kBlockPixels) {
    // One pass: a run of 0, then runs of 1 to 6 in that order, then a literal.
    for (uint8_t index = 0; index <= 6; ++index) {
      if (j < kBlockPixels && pixels[j] == index) {
        const int run = BlockRunLength(pixels, j, index);
        out.push_back(uint8_t(index << 5 | (run - 1)));
        j += run;
      }
    }
    if (j < kBlockPixels && IsBlockLiteral(pixels[j], rule)) {
      const int from = j;
      while (j < kBlockPixels && IsBlockLiteral(pixels[j], rule)) {
        ++j;
      }
      out.push_back(uint8_t(7 << 5 | (j - from - 1)));
      out.insert(out.end(), pixels + from, pixels + j);
    }
  }
}

}  // namespace kelvane::fuzz::reference

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The block coder and the format 1 row coder written the plain way, one pixel
// at a time, as they were before they learnt to find each segment's end from
// whole words. The compile-frame fuzzer checks that both ways give the same
// bytes.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/def_layout.h"
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
  return rule == LiteralRule::AnyNonZero ? pixel != kTransparentIndex : pixel > kBlockLastRunIndex;
}

inline void EncodeBlock(const uint8_t* pixels, LiteralRule rule, std::vector<uint8_t>& out) {
  int j = 0;
  while (j < kBlockPixels) {
    // One pass: a run of 0, then runs of 1 to 6 in that order, then a literal.
    for (uint8_t index = 0; index <= kBlockLastRunIndex; ++index) {
      if (j < kBlockPixels && pixels[j] == index) {
        const int run = BlockRunLength(pixels, j, index);
        out.push_back(BlockSegmentCode(index, run));
        j += run;
      }
    }
    if (j < kBlockPixels && IsBlockLiteral(pixels[j], rule)) {
      const int from = j;
      while (j < kBlockPixels && IsBlockLiteral(pixels[j], rule)) {
        ++j;
      }
      out.push_back(BlockSegmentCode(kBlockLiteralKind, j - from));
      out.insert(out.end(), pixels + from, pixels + j);
    }
  }
}

inline void AppendFormat1Row(const uint8_t* p, const uint8_t* end, std::vector<uint8_t>& out) {
  while (p != end) {
    if (*p <= kRowLastRunIndex) {
      const uint8_t colour = *p;
      const uint8_t* runEnd = std::find_if(p, end, [colour](uint8_t i) { return i != colour; });
      for (size_t remaining = size_t(runEnd - p); remaining > 0;) {
        const size_t length = std::min<size_t>(remaining, 254);
        out.push_back(colour);
        out.push_back(uint8_t(length - 1));
        remaining -= length;
      }
      p = runEnd;
    } else {
      const uint8_t* runEnd = std::find_if(p, end, [](uint8_t i) { return i <= kRowLastRunIndex; });
      while (p != runEnd) {
        const size_t length = std::min<size_t>(size_t(runEnd - p), 255);
        out.push_back(kRowLiteralCode);
        out.push_back(uint8_t(length - 1));
        out.insert(out.end(), p, p + length);
        p += length;
      }
    }
  }
}

}  // namespace kelvane::fuzz::reference

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "support/def_reader.h"

namespace testing_support {

// One format 1 frame data block, decoded.
struct DecodedFrame : FrameBlock {
  std::vector<uint8_t> pixels;  // width * height, top row first

  uint8_t At(int32_t x, int32_t y) const {
    return pixels.at(size_t(y) * size_t(width) + size_t(x));
  }
};

// Decodes the block that starts at `at`. Throws std::runtime_error when the
// block breaks the format: a table that does not start right after itself,
// rows that do not follow one another, an unknown code, a row of the wrong
// length or data that does not end at dataSize.
DecodedFrame DecodeFormat1(const std::vector<uint8_t>& bytes, size_t at = 0);

}  // namespace testing_support

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace testing_support {

// One format 1 frame data block, decoded.
struct DecodedFrame {
  int32_t dataSize = 0;
  int32_t format = 0;
  int32_t fullWidth = 0;
  int32_t fullHeight = 0;
  int32_t width = 0;
  int32_t height = 0;
  int32_t leftMargin = 0;
  int32_t topMargin = 0;
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

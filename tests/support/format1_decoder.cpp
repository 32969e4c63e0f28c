// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/format1_decoder.h"

#include <stdexcept>
#include <string>

#include "support/test_support.h"

namespace testing_support {

namespace {

void Require(bool condition, const std::string& what) {
  if (!condition) {
    throw std::runtime_error("bad format 1 block: " + what);
  }
}

// Decodes one row from `at`; returns where the row's data ends.
size_t DecodeRow(const std::vector<uint8_t>& bytes, size_t at, size_t end, DecodedFrame& frame) {
  size_t decoded = 0;
  while (decoded < size_t(frame.width)) {
    Require(at + 2 <= end, "row runs past the data");
    const uint8_t code = bytes[at];
    const size_t length = size_t(bytes[at + 1]) + 1;
    at += 2;
    if (code == 0xFF) {
      Require(at + length <= end, "literal runs past the data");
      for (size_t i = 0; i < length; ++i) {
        Require(bytes[at + i] >= 8, "literal byte below 8");
      }
      frame.pixels.insert(frame.pixels.end(), bytes.begin() + long(at),
                          bytes.begin() + long(at + length));
      at += length;
    } else {
      Require(code <= 7, "unknown code " + std::to_string(code));
      Require(length <= 254, "colour segment longer than 254");
      frame.pixels.insert(frame.pixels.end(), length, code);
    }
    decoded += length;
  }
  Require(decoded == size_t(frame.width), "row longer than Width");
  return at;
}

}  // namespace

DecodedFrame DecodeFormat1(const std::vector<uint8_t>& bytes, size_t at) {
  DecodedFrame frame;
  static_cast<FrameBlock&>(frame) = ReadFrameBlock(bytes, at);
  Require(frame.format == 1, "format is not 1");
  const size_t table = at + 32;
  const size_t end = table + size_t(frame.dataSize);
  size_t rowStart = table + 4 * size_t(frame.height);
  for (int32_t y = 0; y < frame.height; ++y) {
    Require(table + size_t(uint32_t(Le32(bytes, table + 4 * size_t(y)))) == rowStart,
            "row " + std::to_string(y) + " does not start where the row above ends");
    rowStart = DecodeRow(bytes, rowStart, end, frame);
  }
  Require(rowStart == end, "data does not end at dataSize");
  return frame;
}

}  // namespace testing_support

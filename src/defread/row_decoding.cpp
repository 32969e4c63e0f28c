// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "base/def_layout.h"
#include "base/little_endian.h"
#include "defread/frame_canvas.h"
#include "defread/frame_decoding.h"

namespace kelvane {

namespace {

std::string Hex(uint8_t byte) {
  static const char kDigits[] = "0123456789ABCDEF";
  return std::string("0x") + kDigits[byte >> 4] + kDigits[byte & 15];
}

// Decodes one row from `pos` and returns where its segments end.
uint64_t DecodeRow(const DefFrameHeader& header, const FrameData& data, int64_t y, uint64_t pos,
                   FrameCanvas& canvas) {
  const std::string row = "row " + std::to_string(y + 1);
  int64_t x = 0;
  while (x < header.width) {
    if (pos + 2 > data.size) {
      data.Fail(pos, row + " runs past the end of the frame data");
    }
    const uint8_t code = data.bytes[pos];
    const int64_t length = int64_t{data.bytes[pos + 1]} + 1;
    if (code > kRowLastRunIndex && code != kRowLiteralCode) {
      data.Fail(pos, row + " holds the unknown segment code " + Hex(code));
    }
    if (x + length > header.width) {
      data.Fail(pos, row + ": a segment of " + std::to_string(length) + " pixels at column " +
                         std::to_string(x) + " runs past the row's " +
                         std::to_string(header.width) + " pixels");
    }
    if (code == kRowLiteralCode) {
      if (pos + 2 + uint64_t(length) > data.size) {
        data.Fail(pos, row + ": a literal segment runs past the end of the frame data");
      }
      canvas.Literal(x, y, data.bytes + pos + 2, length);
      pos += 2 + uint64_t(length);
    } else {
      canvas.Run(x, y, length, code);
      pos += 2;
    }
    x += length;
  }
  return pos;
}

}  // namespace

void DecodeRawPixels(const DefFrameHeader& header, const FrameData& data, FrameCanvas& canvas) {
  const uint64_t pixels = uint64_t(header.width) * uint64_t(header.height);
  if (pixels != data.size) {
    data.Fail(0, "DataSize " + std::to_string(data.size) + " does not hold the " +
                     std::to_string(header.width) + " x " + std::to_string(header.height) +
                     " raw pixels");
  }
  for (int64_t y = 0; header.width > 0 && y < header.height; ++y) {
    canvas.Literal(0, y, data.bytes + uint64_t(y) * uint64_t(header.width), header.width);
  }
}

// Row offsets count from the table's start; rows follow the table and one
// another with nothing between them, and the last one ends at DataSize.
void DecodeRows(const DefFrameHeader& header, const FrameData& data, FrameCanvas& canvas) {
  const uint64_t tableSize = kRowOffsetSize * uint64_t(header.height);
  if (tableSize > data.size) {
    data.Fail(0, "a table of " + std::to_string(header.height) + " row offsets does not fit in " +
                     "DataSize " + std::to_string(data.size));
  }
  uint64_t pos = tableSize;
  for (int64_t y = 0; y < header.height; ++y) {
    const uint64_t entryAt = kRowOffsetSize * uint64_t(y);
    const uint32_t start = LoadLe32(data.bytes + entryAt);
    if (start != pos) {
      data.Fail(entryAt, "row " + std::to_string(y + 1) + " is said to start at " +
                             std::to_string(start) + ", where byte " + std::to_string(pos) +
                             " of the frame data follows the rows before it");
    }
    pos = DecodeRow(header, data, y, pos, canvas);
  }
  if (pos != data.size) {
    data.Fail(pos, "the rows end at byte " + std::to_string(pos) + " of the frame data, not at " +
                       "DataSize " + std::to_string(data.size));
  }
}

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "base/def_layout.h"
#include "base/little_endian.h"
#include "defread/frame_canvas.h"
#include "defread/frame_decoding.h"

namespace kelvane {

namespace {

struct BlockPlace {
  int64_t row = 0;
  int64_t column = 0;  // of the block's first pixel
  std::string Text() const {
    return "the block at row " + std::to_string(row + 1) + ", column " + std::to_string(column);
  }
};

// Decodes one block of 32 pixels lying in [pos, end) of the data.
void DecodeBlock(const FrameData& data, BlockPlace at, uint64_t pos, uint64_t end,
                 FrameCanvas& canvas) {
  int64_t j = 0;
  while (j < kBlockPixels) {
    if (pos >= end) {
      data.Fail(pos, at.Text() + " ends after " + std::to_string(j) + " of its 32 pixels");
    }
    const uint8_t code = data.bytes[pos];
    const uint8_t kind = BlockSegmentKind(code);
    const int64_t length = BlockSegmentLength(code);
    if (j + length > kBlockPixels) {
      data.Fail(pos, at.Text() + ": a segment of " + std::to_string(length) +
                         " pixels crosses the block's end");
    }
    if (kind == kBlockLiteralKind) {
      if (pos + 1 + uint64_t(length) > end) {
        data.Fail(pos, at.Text() + ": a literal segment runs past the block's end");
      }
      canvas.Literal(at.column + j, at.row, data.bytes + pos + 1, length);
      pos += 1 + uint64_t(length);
    } else {
      canvas.Run(at.column + j, at.row, length, kind);
      pos += 1;
    }
    j += length;
  }
  if (pos != end) {
    data.Fail(pos, at.Text() + " ends at byte " + std::to_string(pos) +
                       " of the frame data, but the next block starts at " + std::to_string(end));
  }
}

}  // namespace

// Block offsets are 16-bit and count from the table's start; one closing entry
// follows them and equals DataSize.
void DecodeBlocks(const DefFrameHeader& header, const FrameData& data, FrameCanvas& canvas) {
  const uint64_t blocksPerRow = (uint64_t(header.width) + kBlockPixels - 1) / kBlockPixels;
  const uint64_t blocks = blocksPerRow * uint64_t(header.height);
  const uint64_t tableSize = kBlockOffsetSize * (blocks + 1);
  if (tableSize > data.size) {
    data.Fail(0, "a table of " + std::to_string(blocks + 1) + " block offsets does not fit in " +
                     "DataSize " + std::to_string(data.size));
  }
  uint64_t pos = LoadLe16(data.bytes);
  if (pos != tableSize) {
    data.Fail(0, "the first block is said to start at " + std::to_string(pos) +
                     ", not right after the table at " + std::to_string(tableSize));
  }
  for (uint64_t b = 0; b < blocks; ++b) {
    const uint64_t nextAt = kBlockOffsetSize * (b + 1);
    const uint64_t end = LoadLe16(data.bytes + nextAt);
    if (end < pos || end > data.size) {
      data.Fail(nextAt, "block offset " + std::to_string(end) + " lies outside " +
                            std::to_string(pos) + " to DataSize " + std::to_string(data.size));
    }
    const BlockPlace at{int64_t(b / blocksPerRow), int64_t(b % blocksPerRow) * kBlockPixels};
    DecodeBlock(data, at, pos, end, canvas);
    pos = end;
  }
  if (pos != data.size) {
    data.Fail(tableSize - kBlockOffsetSize, "the table's last entry is " + std::to_string(pos) +
                                                ", not DataSize " + std::to_string(data.size));
  }
}

}  // namespace kelvane

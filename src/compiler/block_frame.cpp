// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/block_frame.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

#include "base/def_layout.h"
#include "base/errors.h"
#include "base/little_endian.h"
#include "compiler/def_format.h"
#include "prepare/content_bounds.h"
#include "prepare/placement.h"

namespace kelvane {

namespace {

constexpr size_t kLargestOffset = 0xFFFF;

struct RowRange {
  int32_t top = 0;
  int32_t bottom = 0;
};

// Only rows are cropped: every row keeps the frame's full width.
RowRange CroppedRows(const BmpImage& image) {
  const ContentBounds bounds =
      ClampContentBounds(FindContentBounds(image, kTransparentIndex), image);
  return {bounds.top, bounds.bottom};
}

size_t BlockCount(const BmpImage& image, RowRange rows) {
  const size_t blocksPerRow = (size_t(image.width) + kBlockPixels - 1) / kBlockPixels;
  return size_t(rows.bottom - rows.top) * blocksPerRow;
}

// Codes rows top..bottom - 1 into codedPixels and the block-offset table,
// which opens with the first block's offset, into offsetTable. Returns the
// number of coded bytes, or nothing, as soon as it is clear, when the offsets
// would not fit in 16 bits.
std::optional<size_t> EncodeRows(const BmpImage& image, RowRange rows, LiteralRule rule,
                                 size_t tableSize, EncoderScratch& scratch) {
  // The coded bytes the offsets can reach, and room for one block past them:
  // each block is coded before its end is checked.
  const size_t reach = kLargestOffset - tableSize;
  if (scratch.codedPixels.size() < reach + kLargestCodedBlock) {
    scratch.codedPixels.resize(reach + kLargestCodedBlock);
  }
  scratch.offsetTable.resize(tableSize);
  uint8_t* const coded = scratch.codedPixels.data();
  uint8_t* entry = scratch.offsetTable.data();
  StoreLe16(entry, uint16_t(tableSize));
  size_t used = 0;
  const auto codeBlock = [&](const uint8_t* pixels) {
    used += EncodeBlock(pixels, rule, coded + used);
    entry += 2;
    StoreLe16(entry, uint16_t(tableSize + used));
    return used <= reach;
  };
  const int32_t wholeBlocks = image.width / kBlockPixels;
  const auto lastWidth = size_t(image.width % kBlockPixels);
  // Past the frame's width the last block of a row is transparent.
  std::array<uint8_t, kBlockPixels> last{};
  for (int32_t y = rows.top; y < rows.bottom; ++y) {
    const uint8_t* row = image.RowFromTop(y);
    for (int32_t b = 0; b < wholeBlocks; ++b) {
      if (!codeBlock(row + size_t(b) * kBlockPixels)) {
        return std::nullopt;
      }
    }
    if (lastWidth != 0) {
      std::memcpy(last.data(), row + size_t(wholeBlocks) * kBlockPixels, lastWidth);
      if (!codeBlock(last.data())) {
        return std::nullopt;
      }
    }
  }
  return used;
}

[[noreturn]] void RefuseOversizedFrame(const std::string& bmpPath, const BmpImage& image) {
  ThrowInputError("\"" + bmpPath + "\" (" + std::to_string(image.width) + " x " +
                      std::to_string(image.height) +
                      ") is too large for its frame type: its coded blocks and their table " +
                      "need more than 65535 bytes",
                  bmpPath);
}

}  // namespace

void EncodeBlockFrame(EncoderScratch& scratch, const BmpImage& image, int32_t format,
                      LiteralRule rule, const PlacementOffsets& offsets, const std::string& bmpPath,
                      std::vector<uint8_t>& block) {
  const RowRange rows = CroppedRows(image);
  const size_t tableSize = 2 * (BlockCount(image, rows) + 1);
  const std::optional<size_t> coded =
      tableSize > kLargestOffset ? std::nullopt : EncodeRows(image, rows, rule, tableSize, scratch);
  if (!coded) {
    RefuseOversizedFrame(bmpPath, image);
  }
  const size_t dataSize = tableSize + *coded;

  FrameHeader header;
  header.dataSize = int32_t(dataSize);
  header.format = format;
  header.fullWidth = header.width = image.width;
  header.fullHeight = image.height;
  header.height = rows.bottom - rows.top;
  header.leftMargin = 0;
  header.topMargin = rows.top;
  ApplyPlacementOffsets(offsets, header.leftMargin, header.topMargin, bmpPath);
  header.AppendTo(block);
  block.insert(block.end(), scratch.offsetTable.begin(), scratch.offsetTable.end());
  block.insert(block.end(), scratch.codedPixels.begin(),
               scratch.codedPixels.begin() + std::ptrdiff_t(*coded));
}

}  // namespace kelvane

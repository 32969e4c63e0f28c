// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/block_frame.h"

#include <algorithm>
#include <array>
#include <cstring>

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
// which opens with the first block's offset, into offsetTable. Returns false,
// as soon as it is clear, when the offsets would not fit in 16 bits.
bool EncodeRows(const BmpImage& image, RowRange rows, LiteralRule rule, size_t tableSize,
                EncoderScratch& scratch) {
  scratch.codedPixels.clear();
  scratch.offsetTable.clear();
  PutLe16(scratch.offsetTable, uint16_t(tableSize));
  std::array<uint8_t, kBlockPixels> pixels{};
  for (int32_t y = rows.top; y < rows.bottom; ++y) {
    const uint8_t* row = image.RowFromTop(y);
    for (int32_t start = 0; start < image.width; start += kBlockPixels) {
      const auto inside = size_t(std::min(kBlockPixels, image.width - start));
      std::memcpy(pixels.data(), row + start, inside);
      std::fill(pixels.begin() + long(inside), pixels.end(), kTransparentIndex);
      EncodeBlock(pixels.data(), rule, scratch.codedPixels);
      const size_t end = tableSize + scratch.codedPixels.size();
      if (end > kLargestOffset) {
        return false;
      }
      PutLe16(scratch.offsetTable, uint16_t(end));
    }
  }
  return true;
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
  if (tableSize > kLargestOffset || !EncodeRows(image, rows, rule, tableSize, scratch)) {
    RefuseOversizedFrame(bmpPath, image);
  }
  const size_t dataSize = tableSize + scratch.codedPixels.size();

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
  block.insert(block.end(), scratch.codedPixels.begin(), scratch.codedPixels.end());
}

}  // namespace kelvane

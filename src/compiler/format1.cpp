// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/def_layout.h"
#include "base/errors.h"
#include "base/little_endian.h"
#include "compiler/def_format.h"
#include "compiler/format1_rows.h"
#include "compiler/frame_encoders.h"
#include "compiler/working_copy.h"
#include "prepare/content_bounds.h"
#include "prepare/creature_shadow.h"
#include "prepare/placement.h"

namespace kelvane {

namespace {

constexpr int32_t kFormat = 1;

// Shadow and outline go in before the fixed-size cut, which may crop them.
const BmpImage& PrepareWorkingCopy(EncoderScratch& scratch, const FrameSettings& settings,
                                   const FrameEntryRef& entry) {
  BmpImage& image = LoadWorkingCopy(scratch, entry.bmpPath, settings.colours);
  showdowCreture(image, settings.shadow, settings.outline && entry.checked);
  ApplyFixedSizeToWorkingCopy(scratch, settings.fixedSize);
  return image;
}

// The bounds run one past the frame and the stored width may reach the
// stride, so both must stay below the 32-bit header fields' limit.
void RefuseSizeTheHeaderCannotHold(const BmpImage& image, const std::string& path) {
  if (image.stride > uint32_t{INT32_MAX} || image.height >= INT32_MAX) {
    ThrowInputError("\"" + path + "\" would be a frame of " + std::to_string(image.width) + " x " +
                        std::to_string(image.height) +
                        " pixels, more than a DEF frame header can describe",
                    path);
  }
}

// Rows [Top, Bottom), columns [Left, Right): the row data into codedPixels and
// the offset table, counted from the table's start, into offsetTable. Returns
// the bytes of row data.
size_t EncodeRows(const BmpImage& image, const ContentBounds& box, EncoderScratch& scratch) {
  PixelRows& rows = scratch.codedPixels;
  std::vector<uint8_t>& table = scratch.offsetTable;
  table.clear();
  const size_t tableSize = kRowOffsetSize * size_t(box.bottom - box.top);
  size_t used = 0;
  for (int32_t y = box.top; y < box.bottom; ++y) {
    // Wraps only for a frame that RefuseDataTheHeaderCannotHold turns away.
    PutLe32(table, static_cast<uint32_t>(tableSize + used));
    const size_t room = used + LargestFormat1Row(size_t(box.right - box.left));
    if (rows.size() < room) {
      rows.resize(std::max(room, 2 * rows.size()));
    }
    const uint8_t* row = image.RowFromTop(y);
    used =
        size_t(EncodeFormat1Row(row + box.left, row + box.right, rows.data() + used) - rows.data());
  }
  return used;
}

void RefuseDataTheHeaderCannotHold(size_t dataSize, const std::string& path) {
  if (dataSize > size_t{INT32_MAX}) {
    ThrowInputError("\"" + path + "\" encodes to " + std::to_string(dataSize) +
                        " bytes, more than a DEF frame can hold",
                    path);
  }
}

FrameHeader MakeHeader(const FrameSettings& settings, const ContentBounds& box, size_t dataSize,
                       const std::string& bmpPath) {
  FrameHeader header;
  header.dataSize = static_cast<int32_t>(dataSize);
  header.format = kFormat;
  header.fullWidth = settings.firstFrameWidth;
  header.fullHeight = settings.firstFrameHeight;
  header.width = box.right - box.left;
  header.height = box.bottom - box.top;
  header.leftMargin = box.left;
  header.topMargin = box.top;
  ApplyPlacementOffsets(settings.offsets, header.leftMargin, header.topMargin, bmpPath);
  return header;
}

}  // namespace

void ConverFileBMPtoPCX1(EncoderScratch& scratch, const FrameSettings& settings,
                         const FrameEntryRef& entry, std::vector<uint8_t>& block) {
  const BmpImage& image = PrepareWorkingCopy(scratch, settings, entry);
  RefuseSizeTheHeaderCannotHold(image, entry.bmpPath);
  const ContentBounds box = ClampContentBounds(FindContentBounds(image, kTransparentIndex), image);
  const size_t rowBytes = EncodeRows(image, box, scratch);
  const size_t dataSize = scratch.offsetTable.size() + rowBytes;
  RefuseDataTheHeaderCannotHold(dataSize, entry.bmpPath);
  const FrameHeader header = MakeHeader(settings, box, dataSize, entry.bmpPath);
  header.AppendTo(block);
  block.insert(block.end(), scratch.offsetTable.begin(), scratch.offsetTable.end());
  block.insert(block.end(), scratch.codedPixels.begin(),
               scratch.codedPixels.begin() + std::ptrdiff_t(rowBytes));
}

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/errors.h"
#include "compiler/def_format.h"
#include "compiler/frame_encoders.h"
#include "compiler/working_copy.h"

namespace kelvane {

namespace {
constexpr int32_t kTileSide = 32;
}

void ConverFileBMPtoPCX0(EncoderScratch& scratch, const ColourMapping& colours,
                         const std::string& bmpPath, std::vector<uint8_t>& block) {
  BmpImage& image = LoadWorkingCopy(scratch, bmpPath, colours);
  if (image.width != kTileSide || image.height != kTileSide) {
    // The block always holds 32 x 32 pixels; any other size would be misread.
    ThrowInputError("\"" + bmpPath + "\" is " + std::to_string(image.header.biWidth) + " x " +
                        std::to_string(image.header.biHeight) +
                        " pixels; frames of this type must be 32 x 32",
                    bmpPath);
  }
  FrameHeader header;
  header.dataSize = kTileSide * kTileSide;
  header.format = 0;
  header.fullWidth = header.width = kTileSide;
  header.fullHeight = header.height = kTileSide;
  header.AppendTo(block);
  for (int32_t y = 0; y < kTileSide; ++y) {
    const uint8_t* row = image.RowFromTop(y);
    block.insert(block.end(), row, row + kTileSide);
  }
}

}  // namespace kelvane

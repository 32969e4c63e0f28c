// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/working_copy.h"

#include "prepare/def_palette.h"
#include "prepare/size_picture.h"

namespace kelvane {

BmpImage& LoadWorkingCopy(EncoderScratch& scratch, const std::string& bmpPath,
                          const ColourMapping& colours) {
  LoadDefFrame(bmpPath, colours, scratch.frame, scratch.trueColour);
  return scratch.frame;
}

void ApplyFixedSizeToWorkingCopy(EncoderScratch& scratch, const std::optional<FrameSize>& size) {
  if (size) {
    SizePicture(scratch.frame, size->width, size->height, scratch.uncutRows);
  }
}

}  // namespace kelvane

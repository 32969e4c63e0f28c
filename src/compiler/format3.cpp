// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/block_frame.h"
#include "compiler/frame_encoders.h"
#include "compiler/working_copy.h"
#include "prepare/object_shadow.h"

namespace kelvane {

void ConverFileBMPtoPCX3(EncoderScratch& scratch, const FrameSettings& settings,
                         const FrameEntryRef& entry, std::vector<uint8_t>& block) {
  BmpImage& image = LoadWorkingCopy(scratch, entry.bmpPath, settings.colours);
  if (settings.shadow) {
    showdowObjects(image);
  }
  ApplyFixedSizeToWorkingCopy(scratch, settings.fixedSize);
  EncodeBlockFrame(scratch, image, 3, LiteralRule::FromSeven, settings.offsets, entry.bmpPath,
                   block);
}

}  // namespace kelvane

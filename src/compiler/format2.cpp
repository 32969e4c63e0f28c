// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/block_frame.h"
#include "compiler/frame_encoders.h"
#include "compiler/working_copy.h"

namespace kelvane {

// Reads the frame as it stands: no shadow, outline or fixed size.
void ConverFileBMPtoPCX2(EncoderScratch& scratch, const FrameSettings& settings,
                         const std::string& bmpPath, std::vector<uint8_t>& block) {
  LoadWorkingCopy(scratch, bmpPath, settings.colours);
  EncodeBlockFrame(scratch, scratch.frame, 2, LiteralRule::AnyNonZero, settings.offsets, bmpPath,
                   block);
}

}  // namespace kelvane

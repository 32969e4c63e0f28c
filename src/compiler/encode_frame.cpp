// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/encode_frame.h"

namespace kelvane {

void EncodeOneFrame(EncoderScratch& scratch, const FrameSettings& settings, int32_t format,
                    const FrameEntryRef& entry, std::vector<uint8_t>& block) {
  switch (format) {
    case 0:
      ConverFileBMPtoPCX0(scratch, settings.colours, entry.bmpPath, block);
      break;
    case 1:
      ConverFileBMPtoPCX1(scratch, settings, entry, block);
      break;
    default:
      ConverFileBMPtoPCX3(scratch, settings, entry, block);
      break;
  }
}

}  // namespace kelvane

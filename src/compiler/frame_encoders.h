// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "compiler/compile_state.h"
#include "compiler/frame_settings.h"

namespace kelvane {

// One frame entry of the list, as an encoder sees it.
struct FrameEntryRef {
  std::string bmpPath;
  int listPosition = 0;  // 1-based, separators counted
  bool checked = false;  // the entry's check mark (selection outline)
};

// Each encoder reads one frame and appends its complete data block (frame
// header and encoded pixels) to `block`, working in `scratch`. Whatever the
// input, an encoder either appends the block or ends the command with an Error.

// ConverFileBMPtoPCX0: format 0, the 1024 raw pixels of a 32 x 32 frame.
void ConverFileBMPtoPCX0(EncoderScratch& scratch, const ColourMapping& colours,
                         const std::string& bmpPath, std::vector<uint8_t>& block);

// ConverFileBMPtoPCX1: format 1, run-length rows for creatures, buttons,
// backgrounds and spells, with shadow, outline, fixed size and offsets.
void ConverFileBMPtoPCX1(EncoderScratch& scratch, const FrameSettings& settings,
                         const FrameEntryRef& entry, std::vector<uint8_t>& block);

// ConverFileBMPtoPCX3: format 3, 32-pixel blocks for map objects, with the
// object shadow, fixed size and offsets.
void ConverFileBMPtoPCX3(EncoderScratch& scratch, const FrameSettings& settings,
                         const FrameEntryRef& entry, std::vector<uint8_t>& block);

// ConverFileBMPtoPCX2: format 2, the block coding of format 3 read straight
// from the BMP (offsets only). No Type entry reaches it.
void ConverFileBMPtoPCX2(EncoderScratch& scratch, const FrameSettings& settings,
                         const std::string& bmpPath, std::vector<uint8_t>& block);

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "base/bmp_frame.h"
#include "base/frame_file.h"

namespace kelvane {

// Buffers an encoder works in. Each keeps its capacity from frame to frame, so
// a compilation allocates only while a buffer grows to the largest frame met.
struct EncoderScratch {
  BmpImage frame;                    // the frame being prepared: the working copy
  RgbaImage trueColour;              // a true-colour frame before it is mapped
  PixelRows uncutRows;               // the working copy's rows before the fixed-size cut
  PixelRows codedPixels;             // encoded rows or blocks, and room after them
  std::vector<uint8_t> offsetTable;  // where each coded row or block starts
};

// The compiler's working record. One lives as long as the program and is
// never reset as a whole: each compilation sets the DEF header values afresh.
struct CompileState {
  // The DEF header, in file order.
  int32_t defTypeCode = 0;
  int32_t frameWidth = 0;
  int32_t frameHeight = 0;
  int32_t groupCount = 0;
  RgbPalette rgbPalette{};

  // How many frames are prepared and encoded at once, each on a thread of its
  // own: 0 one per core; 1 every frame on the thread that compiles.
  unsigned workers = 0;
  // The working buffers of the thread that compiles, when it encodes frames.
  EncoderScratch scratch;

  // Start of each frame's data block in the DEF, by frame number from 1.
  std::vector<int32_t> frameOffsets;
};

}  // namespace kelvane

#pragma once

#include <cstdint>
#include <vector>

#include "compiler/bmp_frame.h"
#include "framelist/group_numbers.h"

namespace kelvane {

// The compiler's working record. One lives for the whole run of the program
// and is never reset as a whole: each compilation sets the DEF header values
// and the first frame's size afresh, while GroupNumbers keeps its contents
// until New, a DefList load or the creature wizard changes it.
//
// Where the frames once passed through scratch files, they now pass through the
// buffers below; each keeps its capacity, so a compilation allocates only while
// a buffer grows to the largest frame met.
struct CompileState {
  // The DEF header, in file order.
  int32_t DefTypeCode = 0;
  int32_t FrameWidth = 0;
  int32_t FrameHeight = 0;
  int32_t GroupCount = 0;
  RgbPalette rgbPalette{};

  BmpFrameHeader BmpHeader;  // the header read last
  BmpPalette bmpPalette{};   // the colour table read last
  uint16_t FirstFrameHeight = 0;
  uint16_t FirstFrameWidth = 0;

  GroupNumbers groupNumbers{};

  // Start of each frame's data block in the DEF, by frame number from 1.
  std::vector<int32_t> FrameOffsets;

  // The frame being prepared and encoded (its working copy), and the rows it
  // had before the fixed-size cut.
  BmpImage WorkImage;
  std::vector<uint8_t> MoxTmp;
  // An encoder's output before it is assembled: encoded rows or blocks, and
  // their offsets.
  std::vector<uint8_t> FileTmp;
  std::vector<uint8_t> OffsTmp;
  // Every encoded frame data block of the compilation, in frame order, and the
  // end of each block in it.
  std::vector<uint8_t> FrameBlocks;
  std::vector<size_t> FrameBlockEnds;
};

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/bmp_frame.h"

namespace kelvane {

// A frame side longer than this cannot be built: the builder keeps the full
// frame size it takes from the first frame in 16 bits.
constexpr int32_t kLargestFrameSide = 65535;

// The most pixels a true-colour frame may have: 32 Mi pixels (some 5792 x
// 5792), 128 MiB as red, green, blue and alpha, before the quantiser's own
// working copy.
constexpr uint64_t kLargestTrueColourPixels = uint64_t{1} << 25;

// A true-colour frame: red, green, blue and alpha bytes per pixel, rows top
// down without padding.
struct RgbaImage {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;  // width * height * 4 bytes

  const uint8_t* At(int32_t x, int32_t y) const {
    return pixels.data() + (size_t(y) * size_t(width) + size_t(x)) * 4;
  }
};

enum class FrameColours {
  Indexed,     // 8-bit BMP or palette PNG: indices and their own colour table
  TrueColour,  // every other PNG, 24- and 32-bit BMPs: mapped onto the DEF's palette
};

// What a frame file says before its pixels.
struct FrameInfo {
  int32_t width = 0;
  int32_t height = 0;
  FrameColours colours = FrameColours::Indexed;
  BmpPalette palette{};         // Indexed: the colour table as a BMP stores it
  uint32_t paletteEntries = 0;  // Indexed: how many entries the file holds
};

// Reads and checks a frame's header and colour table, by its first bytes
// rather than its name: an 8-bit BMP exactly as ReadBmpHeader reads it, a
// 24- or 32-bit BMP, or a PNG. Anything else is refused with an error naming
// the file.
FrameInfo ReadFrameInfo(const std::string& path);

// Reads a whole frame, checked as ReadFrameInfo checks it: an indexed frame
// into `indexed` (as LoadBmpImage reads an 8-bit BMP), a true-colour frame
// into `trueColour`. `indexed.source` names the file either way. The buffers
// are reused from frame to frame.
FrameColours LoadFrameFile(const std::string& path, BmpImage& indexed, RgbaImage& trueColour);

// Refuses a true-colour frame of more than kLargestTrueColourPixels or with a
// side beyond kLargestFrameSide, before anything is allocated for it.
void CheckTrueColourSize(const std::string& path, const char* kind, uint32_t width,
                         uint32_t height);

}  // namespace kelvane

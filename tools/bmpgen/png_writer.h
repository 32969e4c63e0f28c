// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "bmpgen/bmp_writer.h"

namespace bmpgen {

// A picture to be written as a PNG of any colour type and depth, with knobs
// for the files frame readers must refuse.
struct Png {
  enum class Kind { Palette, Grey, GreyAlpha, Rgb, Rgba };
  Kind kind = Kind::Rgba;
  int bitDepth = 8;
  int32_t width = 0;
  int32_t height = 0;
  // width * height * channels samples, top row first, each below 2^bitDepth.
  std::vector<uint16_t> samples;
  std::vector<std::array<uint8_t, 3>> palette;  // Kind::Palette: red, green, blue
  bool interlaced = false;
  bool animated = false;  // an animation control chunk before the pixels

  int Channels() const;
};

// RGBA pixels of 8 bits (4 bytes per pixel, top row first) as a Kind::Rgba PNG.
Png RgbaPng(int32_t width, int32_t height, const std::vector<uint8_t>& rgba);
// The picture as an 8-bit palette PNG: the same indices and colour table.
Png PalettePng(const Bmp8& image);

std::vector<uint8_t> EncodePng(const Png& image);
// Writes the file; throws std::runtime_error when it cannot.
void WritePng(const std::string& path, const Png& image);

}  // namespace bmpgen

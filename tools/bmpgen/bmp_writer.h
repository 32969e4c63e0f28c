// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace bmpgen {

// An 8-bit picture to be written as a BMP file, with knobs for the odd files
// real tools produce.
struct Bmp8 {
  Bmp8() = default;
  Bmp8(int32_t w, int32_t h, uint8_t fill = 0);

  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> pixels;          // width * height indices, top row first
  std::array<uint8_t, 1024> palette{};  // blue, green, red, reserved per entry
  uint32_t colours = 256;               // colour-table entries written (biClrUsed when < 256)
  bool topDown = false;                 // negative height, rows stored top row first
  uint8_t padding = 0;                  // value of the bytes that pad rows to 4
  uint32_t gapBeforePixels = 0;         // bytes between colour table and pixel rows
  uint32_t trailingBytes = 0;           // bytes after the last pixel row

  uint8_t& At(int32_t x, int32_t y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
  uint8_t At(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
  void FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t index);  // inclusive
  void SetGreyPalette();
  void SetColour(uint8_t index, uint8_t red, uint8_t green, uint8_t blue);
};

std::vector<uint8_t> EncodeBmp8(const Bmp8& image);

// RGBA pixels (4 bytes each, top row first) as a true-colour BMP, bottom row
// first: 24 bits (alpha dropped), 32 bits with alpha in the fourth byte and a
// 40-byte header, or 32 bits with a 124-byte header whose bit fields name
// the alpha byte.
enum class TrueColourBmp { Bits24, Bits32, Bits32AlphaMask };
std::vector<uint8_t> EncodeTrueColourBmp(int32_t width, int32_t height,
                                         const std::vector<uint8_t>& rgba, TrueColourBmp kind);
// Writes the file; throws std::runtime_error when it cannot.
void WriteBmp8(const std::string& path, const Bmp8& image);

}  // namespace bmpgen

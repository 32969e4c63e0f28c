// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmpgen/bmp_writer.h"

#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace bmpgen {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(uint8_t(v));
  out.push_back(uint8_t(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

Bmp8::Bmp8(int32_t w, int32_t h, uint8_t fill)
    : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {
  SetGreyPalette();
}

void Bmp8::FillRect(int32_t x0, int32_t y0, int32_t x1, int32_t y1, uint8_t index) {
  for (int32_t y = y0; y <= y1; ++y) {
    for (int32_t x = x0; x <= x1; ++x) {
      At(x, y) = index;
    }
  }
}

void Bmp8::SetGreyPalette() {
  for (int i = 0; i < 256; ++i) {
    SetColour(uint8_t(i), uint8_t(i), uint8_t(i), uint8_t(i));
  }
}

void Bmp8::SetColour(uint8_t index, uint8_t red, uint8_t green, uint8_t blue) {
  palette[4 * index + 0] = blue;
  palette[4 * index + 1] = green;
  palette[4 * index + 2] = red;
  palette[4 * index + 3] = 0;
}

std::vector<uint8_t> EncodeTrueColourBmp(int32_t width, int32_t height,
                                         const std::vector<uint8_t>& rgba, TrueColourBmp kind) {
  const uint32_t bytesPerPixel = kind == TrueColourBmp::Bits24 ? 3 : 4;
  const uint32_t stride = (uint32_t(width) * bytesPerPixel + 3) & ~3u;
  const uint32_t infoSize = kind == TrueColourBmp::Bits32AlphaMask ? 124 : 40;
  const uint32_t pixelOffset = 14 + infoSize;
  std::vector<uint8_t> out{'B', 'M'};
  Put32(out, pixelOffset + stride * uint32_t(height));
  Put32(out, 0);
  Put32(out, pixelOffset);
  Put32(out, infoSize);
  Put32(out, uint32_t(width));
  Put32(out, uint32_t(height));
  Put16(out, 1);
  Put16(out, uint16_t(bytesPerPixel * 8));
  Put32(out, kind == TrueColourBmp::Bits32AlphaMask ? 3 : 0);  // bit fields or none
  for (int i = 0; i < 5; ++i) {
    Put32(out, 0);
  }
  if (kind == TrueColourBmp::Bits32AlphaMask) {
    for (uint32_t mask : {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u}) {
      Put32(out, mask);
    }
    out.resize(pixelOffset, 0);
  }
  for (int32_t y = height - 1; y >= 0; --y) {
    const size_t rowStart = out.size();
    for (int32_t x = 0; x < width; ++x) {
      const uint8_t* pixel = rgba.data() + (size_t(y) * size_t(width) + size_t(x)) * 4;
      out.insert(out.end(), {pixel[2], pixel[1], pixel[0]});
      if (bytesPerPixel == 4) {
        out.push_back(pixel[3]);
      }
    }
    out.resize(rowStart + stride, 0);
  }
  return out;
}

std::vector<uint8_t> EncodeBmp8(const Bmp8& image) {
  const uint32_t stride = (uint32_t(image.width) + 3) & ~3u;
  const uint32_t pixelOffset = 54 + 4 * image.colours + image.gapBeforePixels;
  const uint32_t pixelBytes = stride * uint32_t(image.height);
  const uint32_t fileSize = pixelOffset + pixelBytes + image.trailingBytes;
  std::vector<uint8_t> out;
  out.reserve(fileSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, fileSize);
  Put32(out, 0);
  Put32(out, pixelOffset);
  Put32(out, 40);
  Put32(out, uint32_t(image.width));
  Put32(out, uint32_t(image.topDown ? -image.height : image.height));
  Put16(out, 1);
  Put16(out, 8);
  Put32(out, 0);
  Put32(out, pixelBytes);
  Put32(out, 2835);
  Put32(out, 2835);
  Put32(out, image.colours == 256 ? 0 : image.colours);
  Put32(out, 0);
  out.insert(out.end(), image.palette.begin(), image.palette.begin() + 4 * image.colours);
  out.insert(out.end(), image.gapBeforePixels, 0xEE);
  for (int32_t i = 0; i < image.height; ++i) {
    const int32_t y = image.topDown ? i : image.height - 1 - i;
    const uint8_t* row = image.pixels.data() + size_t(y) * size_t(image.width);
    out.insert(out.end(), row, row + image.width);
    out.insert(out.end(), stride - uint32_t(image.width), image.padding);
  }
  out.insert(out.end(), image.trailingBytes, 0x77);
  return out;
}

void WriteBmp8(const std::string& path, const Bmp8& image) {
  const auto bytes = EncodeBmp8(image);
  // UTF-8 paths on every system, as the program takes them.
  std::ofstream file(std::filesystem::u8path(path), std::ios::binary | std::ios::trunc);
  file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
  if (!file) {
    throw std::runtime_error("cannot write " + path);
  }
}

}  // namespace bmpgen

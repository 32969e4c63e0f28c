// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/frame_file.h"

#include <algorithm>

#include "base/binary_file.h"
#include "base/bmp_true_colour.h"
#include "base/errors.h"
#include "base/png_frame.h"

namespace kelvane {

namespace {

// Bmp8 is 0, the number by which LoadBmpImageUnlessOther names its own reader.
enum class FrameFileKind { Bmp8 = 0, BmpTrueColour, Png };

// By the first bytes: the PNG signature, or a BMP's bit count. Everything
// that is not a PNG or a true-colour BMP goes to the 8-bit BMP reader, which
// says what is wrong with it.
FrameFileKind KindOfFirstBytes(const uint8_t* first, size_t count) {
  if (HasPngSignature(first, count)) {
    return FrameFileKind::Png;
  }
  const bool bmp = count >= kFirstBytesTested && first[0] == 'B' && first[1] == 'M';
  const uint16_t bits = bmp ? BmpBitsPerPixel(first) : 0;
  return bits == 24 || bits == 32 ? FrameFileKind::BmpTrueColour : FrameFileKind::Bmp8;
}

FrameFileKind KindOf(const InputFile& file) {
  uint8_t first[kFirstBytesTested] = {};
  const size_t count = size_t(std::min<uint64_t>(file.size(), sizeof first));
  file.ReadAt(0, first, count);
  return KindOfFirstBytes(first, count);
}

int ReaderOf(const uint8_t* first, size_t count) {
  return int(KindOfFirstBytes(first, count));
}

}  // namespace

void CheckTrueColourSize(const std::string& path, const char* kind, uint32_t width,
                         uint32_t height) {
  if (width > uint32_t(kLargestFrameSide) || height > uint32_t(kLargestFrameSide) ||
      uint64_t{width} * height > kLargestTrueColourPixels) {
    ThrowInputError("\"" + path + "\" is a " + kind + " of " + std::to_string(width) + " x " +
                        std::to_string(height) + " pixels; a true-colour frame may have at most " +
                        std::to_string(kLargestTrueColourPixels) + " pixels and " +
                        std::to_string(kLargestFrameSide) + " on a side",
                    path);
  }
}

FrameInfo ReadFrameInfo(const std::string& path) {
  const InputFile file(path);
  switch (KindOf(file)) {
    case FrameFileKind::Png:
      return ReadPngInfo(file);
    case FrameFileKind::BmpTrueColour:
      return ReadTrueColourBmpInfo(file);
    case FrameFileKind::Bmp8:
      break;
  }
  FrameInfo info;
  BmpFrameHeader header;
  ReadBmpHeader(file, header, &info.palette);
  info.width = header.biWidth;
  info.height = header.biHeight;
  info.paletteEntries = header.biClrUsed == 0 ? 256 : header.biClrUsed;
  return info;
}

FrameColours LoadFrameFile(const std::string& path, BmpImage& indexed, RgbaImage& trueColour) {
  const InputFile file(path);
  FrameColours colours = FrameColours::Indexed;
  // Nearly every frame is an 8-bit BMP: its reader reads the file in one call
  // and hands it over when its first bytes say otherwise.
  switch (FrameFileKind(LoadBmpImageUnlessOther(file, indexed, ReaderOf))) {
    case FrameFileKind::Png:
      colours = LoadPngFrame(file, indexed, trueColour);
      break;
    case FrameFileKind::BmpTrueColour:
      colours = FrameColours::TrueColour;
      LoadTrueColourBmp(file, trueColour);
      break;
    case FrameFileKind::Bmp8:
      break;
  }
  indexed.source = file.identity();
  return colours;
}

}  // namespace kelvane

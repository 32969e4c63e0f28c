// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/bmp_true_colour.h"

#include <algorithm>
#include <vector>

#include "base/errors.h"
#include "base/little_endian.h"

namespace kelvane {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitFields = 3;
// Signature and file header (14 bytes), the longest information header (124)
// and the three masks that follow a 40-byte header with bit fields.
constexpr size_t kLongestHead = 14 + 124 + 12;
constexpr size_t kMaskOffset = 14 + 40;

[[noreturn]] void Refuse(const std::string& path, const std::string& what) {
  ThrowInputError("\"" + path + "\" is not a BMP frame Kelvane can read: " + what, path);
}

struct TrueColourLayout {
  FrameInfo info;
  uint32_t bytesPerPixel = 3;
  uint32_t stride = 0;
  uint32_t pixelDataOffset = 0;
  bool topDown = false;
  enum class Alpha { None, FourthByte, FourthByteUnlessAllZero } alpha = Alpha::None;
};

bool IsInformationHeaderSize(uint32_t size) {
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// The colour masks of a 32-bit BMP with bit fields: the usual byte order
// only, with or without an alpha byte.
TrueColourLayout::Alpha AlphaOfBitFields(const std::string& path, const uint8_t* head,
                                         uint32_t infoSize) {
  if (LoadLe32(head + kMaskOffset) != 0x00FF0000u || LoadLe32(head + kMaskOffset + 4) != 0xFF00u ||
      LoadLe32(head + kMaskOffset + 8) != 0xFFu) {
    Refuse(path, "its colour masks are not red, green and blue bytes in the usual order");
  }
  const uint32_t alphaMask = infoSize >= 56 ? LoadLe32(head + kMaskOffset + 12) : 0;
  if (alphaMask != 0 && alphaMask != 0xFF000000u) {
    Refuse(path, "its alpha mask is not the fourth byte");
  }
  return alphaMask != 0 ? TrueColourLayout::Alpha::FourthByte : TrueColourLayout::Alpha::None;
}

TrueColourLayout ReadLayout(const InputFile& file) {
  const std::string& path = file.path();
  uint8_t head[kLongestHead] = {};
  // A file shorter than the 40-byte header gets "Read beyond end of file".
  file.ReadAt(
      0, head,
      size_t(std::max<uint64_t>(std::min<uint64_t>(file.size(), kLongestHead), kMaskOffset)));
  const BmpFrameHeader h = BmpFrameHeader::FromBytes(head + 2);
  if (!IsInformationHeaderSize(h.biSize)) {
    Refuse(path, "its information header is " + std::to_string(h.biSize) + " bytes long");
  }
  TrueColourLayout layout;
  layout.bytesPerPixel = h.biBitCount / 8u;
  uint64_t headEnd = 14 + uint64_t{h.biSize};
  if (h.biCompression == kBiBitFields && h.biBitCount == 32) {
    headEnd = std::max<uint64_t>(headEnd, kMaskOffset + 12);
    if (file.size() < headEnd) {
      Refuse(path, "the file ends inside its header");
    }
    layout.alpha = AlphaOfBitFields(path, head, h.biSize);
  } else if (h.biCompression == kBiRgb) {
    layout.alpha = h.biBitCount == 32 ? TrueColourLayout::Alpha::FourthByteUnlessAllZero
                                      : TrueColourLayout::Alpha::None;
  } else {
    Refuse(path, "its pixels are compressed");
  }
  if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT32_MIN) {
    Refuse(path, "its size is " + std::to_string(h.biWidth) + " x " + std::to_string(h.biHeight));
  }
  layout.topDown = h.biHeight < 0;
  const int32_t height = layout.topDown ? -h.biHeight : h.biHeight;
  CheckTrueColourSize(path, "BMP", uint32_t(h.biWidth), uint32_t(height));
  layout.stride = (uint32_t(h.biWidth) * layout.bytesPerPixel + 3) & ~3u;
  layout.pixelDataOffset = h.pixelDataOffset;
  if (h.pixelDataOffset < headEnd) {
    Refuse(path, "its pixel data starts inside its header");
  }
  if (uint64_t{h.pixelDataOffset} + uint64_t{layout.stride} * uint64_t(height) > file.size()) {
    Refuse(path, "the file ends before its last pixel row");
  }
  layout.info.width = h.biWidth;
  layout.info.height = height;
  layout.info.colours = FrameColours::TrueColour;
  return layout;
}

}  // namespace

uint16_t BmpBitsPerPixel(const uint8_t* head) {
  return LoadLe16(head + 28);
}

FrameInfo ReadTrueColourBmpInfo(const InputFile& file) {
  return ReadLayout(file).info;
}

void LoadTrueColourBmp(const InputFile& file, RgbaImage& image) {
  const TrueColourLayout layout = ReadLayout(file);
  image.width = layout.info.width;
  image.height = layout.info.height;
  image.pixels.resize(size_t(image.width) * size_t(image.height) * 4);
  std::vector<uint8_t> row(layout.stride);
  bool anyAlpha = false;
  for (int32_t stored = 0; stored < image.height; ++stored) {
    file.ReadAt(layout.pixelDataOffset + uint64_t{layout.stride} * uint64_t(stored), row.data(),
                row.size());
    const int32_t y = layout.topDown ? stored : image.height - 1 - stored;
    uint8_t* out = image.pixels.data() + size_t(y) * size_t(image.width) * 4;
    for (int32_t x = 0; x < image.width; ++x, out += 4) {
      const uint8_t* in = row.data() + size_t(x) * layout.bytesPerPixel;
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
      out[3] = layout.alpha == TrueColourLayout::Alpha::None ? 0xFF : in[3];
      anyAlpha = anyAlpha || out[3] != 0;
    }
  }
  if (layout.alpha == TrueColourLayout::Alpha::FourthByteUnlessAllZero && !anyAlpha) {
    for (size_t i = 3; i < image.pixels.size(); i += 4) {
      image.pixels[i] = 0xFF;
    }
  }
}

}  // namespace kelvane

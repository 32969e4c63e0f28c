// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/bmp_output.h"

#include <algorithm>

#include "base/binary_file.h"
#include "base/checked_size.h"
#include "base/errors.h"
#include "base/little_endian.h"
#include "base/replacing_writer.h"

namespace kelvane {

namespace {
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPixelsAt = 14 + kInfoHeaderSize + 1024;
}  // namespace

uint64_t Bmp8FileSize(int32_t width, int32_t height) {
  const uint64_t stride = RowStride(std::max(width, 0));
  return AddSizes(kPixelsAt, MultiplySizes(stride, uint64_t(std::max(height, 0))));
}

std::vector<uint8_t> EncodeBmp8(int32_t width, int32_t height, const std::vector<uint8_t>& pixels,
                                const RgbPalette& palette) {
  const uint64_t fileSize = Bmp8FileSize(width, height);
  if (width < 0 || height < 0 || fileSize > UINT32_MAX ||
      MultiplySizes(uint64_t(width), uint64_t(height)) > pixels.size()) {
    ThrowInputError("a BMP of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels cannot be written: it would take " + SizeText(fileSize) + " bytes");
  }
  const uint32_t stride = RowStride(width);
  const uint32_t imageSize = uint32_t(fileSize) - kPixelsAt;
  std::vector<uint8_t> out{'B', 'M'};
  out.reserve(kPixelsAt + imageSize);
  PutLe32(out, kPixelsAt + imageSize);
  PutLe32(out, uint32_t{0});  // two reserved 16-bit fields
  PutLe32(out, kPixelsAt);
  PutLe32(out, kInfoHeaderSize);
  PutLe32(out, width);
  PutLe32(out, height);
  PutLe16(out, 1);            // planes
  PutLe16(out, 8);            // bits per pixel
  PutLe32(out, uint32_t{0});  // no compression
  PutLe32(out, imageSize);
  PutLe32(out, uint32_t{0});  // pixels per metre, both ways
  PutLe32(out, uint32_t{0});
  PutLe32(out, uint32_t{256});  // colours used
  PutLe32(out, uint32_t{0});    // all of them important
  for (size_t i = 0; i < 256; ++i) {
    out.insert(out.end(), {palette[3 * i + 2], palette[3 * i + 1], palette[3 * i], 0});
  }
  for (int32_t y = height - 1; y >= 0; --y) {
    const auto row = pixels.begin() + long(y) * width;
    out.insert(out.end(), row, row + width);
    out.insert(out.end(), stride - uint32_t(width), 0);
  }
  return out;
}

void WriteBmp8(const std::string& path, int32_t width, int32_t height,
               const std::vector<uint8_t>& pixels, const RgbPalette& palette) {
  ReplacingFileWriter file(path);
  file.Write(EncodeBmp8(width, height, pixels, palette));
  file.Commit();
}

}  // namespace kelvane

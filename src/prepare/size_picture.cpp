// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/size_picture.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "base/errors.h"

namespace kelvane {

void CheckFixedSize(int32_t width, int32_t height) {
  const bool positive = width >= 1 && height >= 1;
  if (!positive || uint64_t{RowStride(width)} * uint64_t(height) > kLargestFixedSizeBytes) {
    ThrowInputError("Fixed Size must be at least 1 x 1 and at most " +
                    std::to_string(kLargestFixedSizeBytes) + " bytes of pixels; it is " +
                    std::to_string(width) + " x " + std::to_string(height));
  }
}

void SizePicture(BmpImage& image, int32_t newWidth, int32_t newHeight, PixelRows& scratch) {
  CheckFixedSize(newWidth, newHeight);
  if (newWidth == image.width && newHeight == image.height) {
    return;
  }
  const int32_t oldWidth = image.width;
  const int32_t oldHeight = image.height;
  const size_t oldStride = image.stride;
  const size_t newStride = RowStride(newWidth);
  scratch.swap(image.pixels);  // scratch now holds the old rows
  // Every byte is set below, once: kept bytes copied, the rest made transparent.
  image.pixels.resize(newStride * size_t(newHeight));
  image.width = newWidth;
  image.height = newHeight;
  image.stride = static_cast<uint32_t>(newStride);
  image.header.biWidth = newWidth;
  image.header.biHeight = newHeight;

  const size_t kept = std::min(oldStride, newStride);
  // Columns the old picture did not have are transparent, whatever its padding held.
  const size_t added = size_t(std::min<int64_t>(newWidth, int64_t(kept)));
  const int32_t keptRows = std::min(oldHeight, newHeight);
  for (int32_t y = 0; y < newHeight; ++y) {
    uint8_t* to = image.RowFromTop(y);
    if (y >= keptRows) {
      std::memset(to, 0, newStride);
      continue;
    }
    std::memcpy(to, scratch.data() + size_t(oldHeight - 1 - y) * oldStride, kept);
    if (size_t(oldWidth) < added) {
      std::memset(to + oldWidth, 0, added - size_t(oldWidth));
    }
    std::memset(to + kept, 0, newStride - kept);
  }
}

}  // namespace kelvane

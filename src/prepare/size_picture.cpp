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

void SizePicture(BmpImage& image, int32_t newWidth, int32_t newHeight,
                 std::vector<uint8_t>& scratch) {
  CheckFixedSize(newWidth, newHeight);
  const int32_t oldWidth = image.width;
  const int32_t oldHeight = image.height;
  const size_t oldStride = image.stride;
  const size_t newStride = RowStride(newWidth);
  scratch.swap(image.pixels);  // scratch now holds the old rows
  image.pixels.assign(newStride * size_t(newHeight), 0);
  image.width = newWidth;
  image.height = newHeight;
  image.stride = static_cast<uint32_t>(newStride);
  image.header.biWidth = newWidth;
  image.header.biHeight = newHeight;

  const size_t kept = std::min(oldStride, newStride);
  for (int32_t y = 0; y < std::min(oldHeight, newHeight); ++y) {
    const uint8_t* from = scratch.data() + size_t(oldHeight - 1 - y) * oldStride;
    uint8_t* to = image.RowFromTop(y);
    std::memcpy(to, from, kept);
    // Columns the old picture did not have are transparent, whatever its padding held.
    for (int32_t x = oldWidth; x < std::min<int32_t>(newWidth, int32_t(kept)); ++x) {
      to[x] = 0;
    }
  }
}

}  // namespace kelvane

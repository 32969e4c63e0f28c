// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/content_bounds.h"

#include <algorithm>

#include "prepare/byte_scan.h"

namespace kelvane {

namespace {

// The rightmost visible column from width - 1 down to 1; 0 when there is none.
int32_t RightmostVisible(const uint8_t* row, int32_t width, uint8_t transparent) {
  return width < 2 ? 0 : int32_t(EndOfLastNotEqual(row + 1, size_t(width) - 1, transparent));
}

int32_t OnePast(int32_t value) {
  return value == INT32_MAX ? INT32_MAX : value + 1;
}

}  // namespace

ContentBounds FindContentBounds(const BmpImage& image, uint8_t transparentIndex) {
  const int32_t width = image.width;
  const int32_t height = image.height;
  ContentBounds bounds;
  bool found = false;
  int32_t right = width;  // width: not set yet
  int32_t bottom = height;
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* row = image.RowFromTop(y);
    const auto lead = int32_t(FirstNotEqual(row, size_t(width), transparentIndex));
    const bool visible = lead < width;
    if (!visible && !found) {
      ++bounds.top;
    }
    if (visible && !found) {
      bounds.left = lead;
      found = true;
    } else if (lead < bounds.left) {
      bounds.left = lead;
    }
    if (found) {
      bottom = visible ? height : bottom - 1;
    }
    // A row with nothing visible has no rightmost pixel: scanned once, not twice.
    const int32_t p = visible ? RightmostVisible(row, width, transparentIndex) : 0;
    if (p > 0 && (right == width || p > right)) {
      right = p;
    }
  }
  // One past the frame; saturated so that a frame of the largest size gives
  // bounds its callers can refuse rather than an overflow.
  bounds.right = OnePast(right);
  bounds.bottom = OnePast(bottom);
  return bounds;
}

ContentBounds ClampContentBounds(ContentBounds bounds, const BmpImage& image) {
  bounds.right = int32_t(std::min<int64_t>(bounds.right, image.stride));
  bounds.bottom = std::min(bounds.bottom, image.height);
  bounds.left = std::max(bounds.left, 0);
  bounds.top = std::max(bounds.top, 0);
  return bounds;
}

}  // namespace kelvane

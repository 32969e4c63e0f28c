#include "prepare/content_bounds.h"

#include <algorithm>

namespace kelvane {

namespace {

int32_t LeadingTransparent(const uint8_t* row, int32_t width, uint8_t transparent) {
  int32_t lead = 0;
  while (lead < width && row[lead] == transparent) {
    ++lead;
  }
  return lead;
}

// The rightmost visible column from width - 1 down to 1; 0 when there is none.
int32_t RightmostVisible(const uint8_t* row, int32_t width, uint8_t transparent) {
  for (int32_t x = width - 1; x >= 1; --x) {
    if (row[x] != transparent) {
      return x;
    }
  }
  return 0;
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
    const int32_t lead = LeadingTransparent(row, width, transparentIndex);
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
    const int32_t p = RightmostVisible(row, width, transparentIndex);
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

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>

#include "defread/def_file.h"

namespace kelvane {

// Draws a frame's stored image into its full frame area: stored pixel (x, y)
// lands at (LeftMargin + x, TopMargin + y). What falls outside the full frame
// or past the stored width is dropped and, unless transparent, counted.
class FrameCanvas {
 public:
  FrameCanvas(const DefFrameHeader& header, DefImage& image) : header_(header), image_(image) {
    image_.width = header.fullWidth;
    image_.height = header.fullHeight;
    image_.pixels.assign(size_t(header.fullWidth) * size_t(header.fullHeight), 0);
    image_.clippedPixels = 0;
  }

  // `length` pixels of one index from stored column x of stored row y.
  void Run(int64_t x, int64_t y, int64_t length, uint8_t index) {
    const int64_t from = std::max<int64_t>(Column(x), 0);
    const int64_t to =
        std::min<int64_t>(Column(std::min<int64_t>(x + length, header_.width)), image_.width);
    const int64_t row = header_.topMargin + y;
    int64_t drawn = 0;
    if (row >= 0 && row < image_.height && from < to) {
      std::fill_n(RowStart(row) + from, to - from, index);
      drawn = to - from;
    }
    if (index != 0) {
      image_.clippedPixels += uint64_t(length - drawn);
    }
  }

  void Literal(int64_t x, int64_t y, const uint8_t* pixels, int64_t length) {
    for (int64_t i = 0; i < length; ++i) {
      Run(x + i, y, 1, pixels[i]);
    }
  }

 private:
  int64_t Column(int64_t x) const { return header_.leftMargin + x; }
  uint8_t* RowStart(int64_t row) { return image_.pixels.data() + row * int64_t(image_.width); }

  const DefFrameHeader& header_;
  DefImage& image_;
};

}  // namespace kelvane

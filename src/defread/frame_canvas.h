// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cstdint>

#include "base/checked_size.h"
#include "defread/def_file.h"

namespace kelvane {

// Draws a frame's stored image into its full frame area: stored pixel (x, y)
// lands at (LeftMargin + x, TopMargin + y). What falls outside the full frame
// or past the stored width is dropped and, unless transparent, counted.
// Without an image it only counts, in time bounded by the frame's data rather
// than by its area.
class FrameCanvas {
 public:
  FrameCanvas(const DefFrameHeader& header, DefImage* image) : header_(header), image_(image) {
    if (image_ != nullptr) {
      image_->width = header.fullWidth;
      image_->height = header.fullHeight;
      image_->pixels.assign(
          size_t(MultiplySizes(uint64_t(header.fullWidth), uint64_t(header.fullHeight))), 0);
    }
  }

  uint64_t clippedPixels() const { return clipped_; }

  // `length` pixels of one index from stored column x of stored row y.
  void Run(int64_t x, int64_t y, int64_t length, uint8_t index) {
    const int64_t from = std::max<int64_t>(Column(x), 0);
    const int64_t to =
        std::min<int64_t>(Column(std::min<int64_t>(x + length, header_.width)), header_.fullWidth);
    const int64_t row = header_.topMargin + y;
    int64_t drawn = 0;
    if (row >= 0 && row < header_.fullHeight && from < to) {
      if (image_ != nullptr) {
        std::fill_n(image_->pixels.data() + row * int64_t(header_.fullWidth) + from, to - from,
                    index);
      }
      drawn = to - from;
    }
    if (index != 0) {
      clipped_ += uint64_t(length - drawn);
    }
  }

  void Literal(int64_t x, int64_t y, const uint8_t* pixels, int64_t length) {
    for (int64_t i = 0; i < length; ++i) {
      Run(x + i, y, 1, pixels[i]);
    }
  }

 private:
  int64_t Column(int64_t x) const { return header_.leftMargin + x; }

  const DefFrameHeader& header_;
  DefImage* image_;
  uint64_t clipped_ = 0;
};

}  // namespace kelvane

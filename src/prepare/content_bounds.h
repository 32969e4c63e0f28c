// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "base/bmp_frame.h"

namespace kelvane {

// The visible part of a frame. Right is one past the last visible column found
// from column 1 on (a pixel in column 0 alone does not move it), Bottom is one
// more than one past the last visible row. A frame with nothing visible gives
// Left 0, Top height, Right width + 1 and Bottom height + 1.
struct ContentBounds {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
};

// Measures the image's first `width` columns, row by row from the top; pixels
// equal to `transparentIndex` are invisible.
ContentBounds FindContentBounds(const BmpImage& image, uint8_t transparentIndex);

// The part of the bounds the encoders can store: Right no further than the
// stored row (so it may take in padding bytes), Bottom no lower than the frame,
// Left and Top not negative.
ContentBounds ClampContentBounds(ContentBounds bounds, const BmpImage& image);

}  // namespace kelvane

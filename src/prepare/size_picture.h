// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "base/bmp_frame.h"

namespace kelvane {

// The largest working copy a fixed size may ask for.
constexpr uint64_t kLargestFixedSizeBytes = kLargestFrameBytes;

// Refuses a fixed size below 1 x 1 or above kLargestFixedSizeBytes.
void CheckFixedSize(int32_t width, int32_t height);

// SizePicture: cuts or pads a working copy to the fixed size.
//
// Brings a working copy to the fixed size, keeping its top-left corner: rows
// are dropped at the bottom and columns at the right. Each kept row keeps its
// bytes as they stand, so where the new row is padded the padding holds the
// old row's next pixels. Columns and rows added by a larger size are
// transparent (index 0). The header's width and height become the new size.
// `scratch` receives the old pixels; its capacity is kept for the next frame.
// A frame that already has the size is left as it is, without a copy.
// A size CheckFixedSize refuses ends the command before anything changes.
void SizePicture(BmpImage& image, int32_t newWidth, int32_t newHeight, PixelRows& scratch);

}  // namespace kelvane

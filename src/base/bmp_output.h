// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/bmp_frame.h"

namespace kelvane {

// The bytes of an uncompressed 8-bit BMP with a full 256-entry colour table,
// rows stored bottom-up and padded with zero bytes. `pixels` holds width x
// height indices, top row first. A BMP larger than its 32-bit size field
// holds is refused with an input error.
std::vector<uint8_t> EncodeBmp8(int32_t width, int32_t height, const std::vector<uint8_t>& pixels,
                                const RgbPalette& palette);

// The size of that BMP file, kSizeOverflow when it does not fit in 64 bits.
uint64_t Bmp8FileSize(int32_t width, int32_t height);

// Writes such a BMP; the file at `path` is replaced only once it is complete.
void WriteBmp8(const std::string& path, int32_t width, int32_t height,
               const std::vector<uint8_t>& pixels, const RgbPalette& palette);

}  // namespace kelvane

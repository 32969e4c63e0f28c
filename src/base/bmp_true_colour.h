// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "base/binary_file.h"
#include "base/frame_file.h"

namespace kelvane {

// True-colour BMPs: 24 bits per pixel, or 32 with the colour bytes in the
// usual blue, green, red order (uncompressed, or bit fields with those masks),
// under an information header of 40 bytes or one of its longer successors.
// The fourth byte of a 32-bit pixel is its alpha when the header's bit fields
// say so; without bit fields it is alpha unless it is 0 in every pixel (older
// programs leave it 0 and mean opaque).

// The bits per pixel a BMP's header announces, from the file's first bytes.
uint16_t BmpBitsPerPixel(const uint8_t* head);

FrameInfo ReadTrueColourBmpInfo(const InputFile& file);
void LoadTrueColourBmp(const InputFile& file, RgbaImage& image);

}  // namespace kelvane

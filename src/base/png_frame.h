// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/binary_file.h"
#include "base/frame_file.h"

namespace kelvane {

// The eight bytes every PNG file starts with.
bool HasPngSignature(const uint8_t* bytes, size_t size);

// PNG frames, decoded by libpng. A palette PNG is an indexed frame, taken as
// it is (indices below 8 bits widened to a byte; its transparency chunk is not
// used: index 0 is transparent in every frame); greyscale and RGB, with or
// without alpha, 8 or 16 bits, are true colour, widened or scaled to 8 bits a
// channel. Interlaced and animated PNGs are refused, and so is a size past
// the limits, before the pixels are read. Colour-management chunks are not
// applied: a pixel's stored value is its colour.
FrameInfo ReadPngInfo(const InputFile& file);
FrameColours LoadPngFrame(const InputFile& file, BmpImage& indexed, RgbaImage& trueColour);

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/bmp_frame.h"
#include "base/frame_file.h"

namespace kelvane {

// Palette slots 0 to 7 have fixed meanings; true-colour pixels are mapped
// onto slots 8 to 255 only, unless they keep a special slot (SpecialSlotOf).
constexpr int kSpecialSlots = 8;

// How true-colour frames become the DEF's 8-bit frames.
struct ColourMapping {
  RgbPalette palette{};  // the DEF's palette
  bool dither = false;   // error diffusion while mapping
};

// Maps a true-colour frame onto the DEF's palette into `out`, an 8-bit frame
// as LoadBmpImage reads one, whose colour table is the DEF's: a pixel whose
// alpha is below one half becomes index 0; an opaque pixel of exactly the
// colour of entry 0 to 7 becomes that index (the first such entry); every
// other pixel becomes the nearest of entries 8 to 255, as libimagequant
// finds it. Uses nothing but its arguments, so frames can be mapped on
// several threads at once.
void MapTrueColourFrame(const RgbaImage& frame, const ColourMapping& mapping, BmpImage& out);

}  // namespace kelvane

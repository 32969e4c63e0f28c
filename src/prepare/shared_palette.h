// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "base/bmp_frame.h"
#include "base/frame_file.h"

namespace kelvane {

// A palette made for a DEF whose frames bring none: the colours of all its
// true-colour frames quantised together by libimagequant into slots 8 to 255,
// so that every frame shares them. Slots 0 to 7 hold the given special
// colours; slots the frames do not fill stay black. Pixels that keep a
// special slot (SpecialSlotOf) take no part.
class SharedPaletteBuilder {
 public:
  explicit SharedPaletteBuilder(const RgbPalette& specials);
  ~SharedPaletteBuilder();

  // Counts one frame's colours; the frame is not kept.
  void Add(const RgbaImage& frame);

  RgbPalette Finish();

 private:
  struct Quantiser;  // libimagequant's attributes and histogram
  RgbPalette palette_;
  std::unique_ptr<Quantiser> quantiser_;
};

}  // namespace kelvane

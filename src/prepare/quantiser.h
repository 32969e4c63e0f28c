// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <libimagequant.h>

#include <memory>
#include <string>

#include "base/frame_file.h"

namespace kelvane {

// libimagequant's objects, each freed with its own function.
struct QuantiserDeleter {
  void operator()(liq_attr* attr) const { liq_attr_destroy(attr); }
  void operator()(liq_histogram* histogram) const { liq_histogram_destroy(histogram); }
  void operator()(liq_image* image) const { liq_image_destroy(image); }
  void operator()(liq_result* result) const { liq_result_destroy(result); }
};
using QuantiserAttr = std::unique_ptr<liq_attr, QuantiserDeleter>;
using QuantiserHistogram = std::unique_ptr<liq_histogram, QuantiserDeleter>;
using QuantiserImage = std::unique_ptr<liq_image, QuantiserDeleter>;
using QuantiserResult = std::unique_ptr<liq_result, QuantiserDeleter>;

// Attributes for at most `colours` palette entries; throws when none can be made.
QuantiserAttr MakeQuantiserAttr(int colours);

// Ends the command when a libimagequant call did not succeed.
void CheckQuantiser(liq_error status, const char* what);

// What the quantiser sees of a true-colour frame: a pixel whose alpha is below
// one half, or whose colour is one of `specials` (palette entries 0 to 7, as
// red, green, blue), is left out as fully transparent; every other pixel is
// opaque. The frame must outlive the image.
struct QuantiserView {
  const RgbaImage* frame = nullptr;
  const uint8_t* specials = nullptr;  // 8 entries of red, green, blue
};
QuantiserImage MakeQuantiserImage(const liq_attr& attr, const QuantiserView& view);

// The slot among 0 to 7 whose colour `pixel` (red, green, blue, alpha) keeps,
// or -1 when it is mapped: index 0 below half alpha, else the first special
// entry of exactly its colour.
int SpecialSlotOf(const uint8_t* pixel, const uint8_t* specials);

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/shared_palette.h"

#include <algorithm>

#include "prepare/colour_mapping.h"
#include "prepare/quantiser.h"

namespace kelvane {

namespace {

// The palette's slots 8 to 255, and one transparent entry that gathers the
// pixels left out so that no opaque colour is lost to them.
constexpr int kQuantisedColours = 256 - kSpecialSlots + 1;
constexpr liq_color kLeftOut{0, 0, 0, 0};

}  // namespace

struct SharedPaletteBuilder::Quantiser {
  QuantiserAttr attr = MakeQuantiserAttr(kQuantisedColours);
  QuantiserHistogram histogram{liq_histogram_create(attr.get())};
};

SharedPaletteBuilder::SharedPaletteBuilder(const RgbPalette& specials)
    : quantiser_(std::make_unique<Quantiser>()) {
  palette_.fill(0);
  std::copy_n(specials.begin(), 3 * kSpecialSlots, palette_.begin());
  if (!quantiser_->histogram) {
    throw std::bad_alloc();
  }
  CheckQuantiser(liq_histogram_add_fixed_color(quantiser_->histogram.get(), kLeftOut, 0),
                 "fixing a colour");
}

SharedPaletteBuilder::~SharedPaletteBuilder() = default;

void SharedPaletteBuilder::Add(const RgbaImage& frame) {
  const QuantiserView view{&frame, palette_.data()};
  const QuantiserImage image = MakeQuantiserImage(*quantiser_->attr, view);
  CheckQuantiser(
      liq_histogram_add_image(quantiser_->histogram.get(), quantiser_->attr.get(), image.get()),
      "counting a frame's colours");
}

RgbPalette SharedPaletteBuilder::Finish() {
  liq_result* made = nullptr;
  CheckQuantiser(liq_histogram_quantize(quantiser_->histogram.get(), quantiser_->attr.get(), &made),
                 "making the palette");
  const QuantiserResult result(made);
  const liq_palette& entries = *liq_get_palette(result.get());
  int slot = kSpecialSlots;
  for (unsigned i = 0; i < entries.count && slot < 256; ++i) {
    const liq_color& colour = entries.entries[i];
    if (colour.a != 0) {
      palette_[3 * size_t(slot) + 0] = colour.r;
      palette_[3 * size_t(slot) + 1] = colour.g;
      palette_[3 * size_t(slot) + 2] = colour.b;
      ++slot;
    }
  }
  return palette_;
}

}  // namespace kelvane

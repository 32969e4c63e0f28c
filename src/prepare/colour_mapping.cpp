// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/colour_mapping.h"

#include <array>
#include <vector>

#include "prepare/quantiser.h"

namespace kelvane {

namespace {

constexpr int kMappedSlots = 256 - kSpecialSlots;
constexpr liq_color kLeftOut{0, 0, 0, 0};

// A quantiser result whose palette is the slots 8 to 255 and one transparent
// entry for the pixels left out. A histogram of no more colours than the
// palette may hold is taken as it is: no colour of the frame is chosen, the
// frame is only remapped.
QuantiserResult FixedPaletteResult(liq_attr& attr, const RgbPalette& palette) {
  QuantiserHistogram histogram(liq_histogram_create(&attr));
  if (!histogram) {
    throw std::bad_alloc();
  }
  std::array<liq_histogram_entry, kMappedSlots + 1> entries{};
  entries[0] = {kLeftOut, 1};
  for (int slot = kSpecialSlots; slot < 256; ++slot) {
    const uint8_t* rgb = palette.data() + 3 * slot;
    entries[size_t(slot - kSpecialSlots + 1)] = {{rgb[0], rgb[1], rgb[2], 255}, 1};
  }
  CheckQuantiser(
      liq_histogram_add_colors(histogram.get(), &attr, entries.data(), int(entries.size()), 0),
      "taking the palette");
  liq_result* result = nullptr;
  CheckQuantiser(liq_histogram_quantize(histogram.get(), &attr, &result), "taking the palette");
  return QuantiserResult(result);
}

int SquaredDistance(const liq_color& a, const uint8_t* rgb) {
  const int r = a.r - rgb[0];
  const int g = a.g - rgb[1];
  const int b = a.b - rgb[2];
  return r * r + g * g + b * b;
}

// The slot of each entry of the quantiser's palette: the first of slots 8 to
// 255 with its colour (the nearest, should rounding have moved it).
std::array<uint8_t, 256> SlotsOfEntries(const liq_palette& entries, const RgbPalette& palette) {
  std::array<uint8_t, 256> slots{};
  for (unsigned i = 0; i < entries.count && i < 256; ++i) {
    int best = kSpecialSlots;
    int bestDistance = SquaredDistance(entries.entries[i], palette.data() + 3 * best);
    for (int slot = kSpecialSlots + 1; slot < 256 && bestDistance > 0; ++slot) {
      const int distance = SquaredDistance(entries.entries[i], palette.data() + 3 * slot);
      if (distance < bestDistance) {
        best = slot;
        bestDistance = distance;
      }
    }
    slots[i] = uint8_t(best);
  }
  return slots;
}

}  // namespace

void MapTrueColourFrame(const RgbaImage& frame, const ColourMapping& mapping, BmpImage& out) {
  ResetIndexedImage(out, frame.width, frame.height, BmpPaletteOf(mapping.palette));
  const QuantiserAttr attr = MakeQuantiserAttr(kMappedSlots + 1);
  const QuantiserResult result = FixedPaletteResult(*attr, mapping.palette);
  CheckQuantiser(liq_set_dithering_level(result.get(), mapping.dither ? 1.0f : 0.0f),
                 "setting the dithering");
  // Remapping may move the palette's colours towards the pixels mapped to
  // them; the slots are those of the colours as they were given.
  const std::array<uint8_t, 256> slots =
      SlotsOfEntries(*liq_get_palette(result.get()), mapping.palette);
  const QuantiserView view{&frame, mapping.palette.data()};
  const QuantiserImage image = MakeQuantiserImage(*attr, view);
  std::vector<unsigned char*> rows(size_t(frame.height));
  for (int32_t y = 0; y < frame.height; ++y) {
    rows[size_t(y)] = out.RowFromTop(y);
  }
  CheckQuantiser(liq_write_remapped_image_rows(result.get(), image.get(), rows.data()),
                 "mapping a frame");
  for (int32_t y = 0; y < frame.height; ++y) {
    uint8_t* row = out.RowFromTop(y);
    const uint8_t* pixel = frame.At(0, y);
    for (int32_t x = 0; x < frame.width; ++x, pixel += 4) {
      const int special = SpecialSlotOf(pixel, mapping.palette.data());
      row[x] = special >= 0 ? uint8_t(special) : slots[row[x]];
    }
    std::fill(row + frame.width, row + out.stride, uint8_t{0});
  }
}

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/quantiser.h"

#include <new>

#include "base/errors.h"

namespace kelvane {

namespace {

// Alpha below one half of 255 (and of 65535, scaled to 8 bits on reading).
constexpr uint8_t kLowestOpaqueAlpha = 128;

void ViewRow(liq_color rowOut[], int row, int width, void* userInfo) {
  const auto& view = *static_cast<const QuantiserView*>(userInfo);
  const uint8_t* pixel = view.frame->At(0, row);
  for (int x = 0; x < width; ++x, pixel += 4) {
    if (SpecialSlotOf(pixel, view.specials) >= 0) {
      rowOut[x] = liq_color{0, 0, 0, 0};
    } else {
      rowOut[x] = liq_color{pixel[0], pixel[1], pixel[2], 255};
    }
  }
}

}  // namespace

QuantiserAttr MakeQuantiserAttr(int colours) {
  QuantiserAttr attr(liq_attr_create());
  if (!attr) {
    throw std::bad_alloc();
  }
  CheckQuantiser(liq_set_max_colors(attr.get(), colours), "setting the palette size");
  return attr;
}

void CheckQuantiser(liq_error status, const char* what) {
  if (status == LIQ_OUT_OF_MEMORY) {
    throw std::bad_alloc();
  }
  if (status != LIQ_OK) {
    ThrowInputError(std::string("The colour quantiser failed ") + what + " (libimagequant error " +
                    std::to_string(int(status)) + ")");
  }
}

QuantiserImage MakeQuantiserImage(const liq_attr& attr, const QuantiserView& view) {
  QuantiserImage image(liq_image_create_custom(&attr, ViewRow, const_cast<QuantiserView*>(&view),
                                               view.frame->width, view.frame->height, 0));
  if (!image) {
    throw std::bad_alloc();
  }
  return image;
}

int SpecialSlotOf(const uint8_t* pixel, const uint8_t* specials) {
  if (pixel[3] < kLowestOpaqueAlpha) {
    return 0;
  }
  for (int slot = 0; slot < 8; ++slot) {
    const uint8_t* colour = specials + 3 * slot;
    if (pixel[0] == colour[0] && pixel[1] == colour[1] && pixel[2] == colour[2]) {
      return slot;
    }
  }
  return -1;
}

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/object_shadow.h"

#include <cstdint>

#include "base/def_layout.h"
#include "prepare/byte_scan.h"

namespace kelvane {

namespace {

// Where the shadow of row v falls: the shadow row u, found at the object's
// lowest visible row, and the step counter s that holds u level for the first
// four rows.
struct ShadowRow {
  int64_t u = 0;
  int s = 0;

  void EndOfRow(int64_t v) {
    if (u != 0 && s < 4) {
      ++u;
      ++s;
    }
    if (u != 0 && s > 3 && v % 2 == 0) {
      ++u;
    }
    if (u != 0 && s > 3 && v % 2 == 1 && v % 3 == 0) {
      ++u;
    }
  }
};

}  // namespace

namespace {

// Columns [from, to) of row v, one pixel at a time; k is the row's shear.
void CastPixels(BmpImage& image, int32_t v, int64_t k, int32_t from, int32_t to,
                ShadowRow& shadow) {
  const uint8_t* row = image.RowFromBottom(v);
  for (int32_t a = from; a < to; ++a) {
    if (row[a] == kTransparentIndex) {
      continue;
    }
    if (shadow.u == 0) {
      shadow.u = v;
    }
    const int64_t targetColumn = a - k;
    if (targetColumn >= 0 && shadow.u < image.height) {
      uint8_t& target = image.RowFromBottom(int32_t(shadow.u))[targetColumn];
      if (target == kTransparentIndex) {
        target = kShadowIndex;
      }
    }
  }
}

}  // namespace

// A row's shadow lands at or left of the pixels that cast it, so the pixels
// still to be read in that row are as they were: eight transparent ones cast
// nothing and are passed over at once.
void showdowObjects(BmpImage& image) {
  ShadowRow shadow;
  int64_t k = 0;  // shear: floor(v / 2) - floor(v / 6)
  for (int32_t v = 1; v < image.height; ++v) {
    if (v % 2 == 0) {
      ++k;
    }
    if (v % 6 == 0) {
      --k;
    }
    const uint8_t* row = image.RowFromBottom(v);
    int32_t a = 2;
    for (; a + 8 <= image.width; a += 8) {
      if (FirstNotEqual(row + a, 8, kTransparentIndex) < 8) {
        CastPixels(image, v, k, a, a + 8, shadow);
      }
    }
    CastPixels(image, v, k, a, image.width, shadow);
    shadow.EndOfRow(v);
  }
}

}  // namespace kelvane

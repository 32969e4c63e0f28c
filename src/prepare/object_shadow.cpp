// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/object_shadow.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "base/def_layout.h"
#include "prepare/byte_scan.h"

namespace kelvane {

namespace {

// The bottom row and the two leftmost columns are never visited.
constexpr int32_t kFirstVisitedColumn = 2;

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

// The casts of row v onto row u, k columns to the left; targets left of
// column 0 are dropped, so only the pixels from column k on cast.
void CastRow(BmpImage& image, int32_t v, int64_t k, int32_t u) {
  if (u == v && k == 0) {
    return;  // every pixel would fall on itself, and a visible pixel takes no shadow
  }
  const uint8_t* from = image.RowFromBottom(v);
  uint8_t* onto = image.RowFromBottom(u);
  // Every target has one caster in a row, so the order of the casts does not
  // matter; when the shadow falls on the casting row itself, the targets lie
  // k columns left of their casters and are read before the pixels that
  // reach them are written.
  int64_t a = std::max<int64_t>(kFirstVisitedColumn, k);
  for (; a + 16 <= image.width; a += 16) {
    CastOnto16(from + a, onto + (a - k), kShadowIndex);
  }
  for (; a + 8 <= image.width; a += 8) {
    CastOnto8(from + a, onto + (a - k), kShadowIndex);
  }
  for (; a < image.width; ++a) {
    if (from[a] != kTransparentIndex && onto[a - k] == kTransparentIndex) {
      onto[a - k] = kShadowIndex;
    }
  }
}

}  // namespace

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
    if (shadow.u == 0 && image.width > kFirstVisitedColumn) {
      // Pixels before the object's first one are transparent and cast nothing.
      const auto visited = size_t(image.width - kFirstVisitedColumn);
      const uint8_t* row = image.RowFromBottom(v) + kFirstVisitedColumn;
      if (FirstNotEqual(row, visited, kTransparentIndex) < visited) {
        shadow.u = v;
      }
    }
    if (shadow.u != 0 && shadow.u < image.height) {
      CastRow(image, v, k, int32_t(shadow.u));
    }
    shadow.EndOfRow(v);
  }
}

}  // namespace kelvane

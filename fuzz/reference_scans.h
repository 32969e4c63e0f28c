// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The preparation scans written the plain way, one pixel at a time, as they
// were before they learnt to pass over eight pixels at once. The compile-frame
// fuzzer checks that both ways give the same pixels and bounds.

#include <cstdint>

#include "base/bmp_frame.h"
#include "base/def_layout.h"
#include "prepare/content_bounds.h"

namespace kelvane::fuzz::reference {

// The bottom row and the two leftmost columns are never visited.
constexpr int32_t kFirstVisitedRow = 1;
constexpr int32_t kFirstVisitedColumn = 2;

// The row the shadow falls on. Counted in full int widths, so a frame taller
// than 65535 rows cannot wrap it back to "not found".
class ShadowRow {
 public:
  bool Found() const { return row_ != 0; }
  int32_t Row() const { return row_; }
  void FoundAt(int32_t v) { row_ = v; }

  void EndOfRow(int32_t v) {
    if (!Found()) {
      return;
    }
    if (steps_ < kSteps) {
      ++row_;
      ++steps_;
    }
    if (steps_ >= kSteps && v % 3 == 0) {
      ++row_;
    }
  }

 private:
  static constexpr int32_t kSteps = 4;
  int32_t row_ = 0;  // 0: no figure pixel met yet
  int32_t steps_ = 0;
};

inline void CastShadow(BmpImage& image) {
  ShadowRow shadow;
  for (int32_t v = kFirstVisitedRow; v < image.height; ++v) {
    const uint8_t* row = image.RowFromBottom(v);
    for (int32_t a = kFirstVisitedColumn; a < image.width; ++a) {
      if (row[a] == kTransparentIndex) {
        continue;
      }
      if (!shadow.Found()) {
        shadow.FoundAt(v);
      }
      if (shadow.Row() < image.height) {
        uint8_t& target = image.RowFromBottom(shadow.Row())[a];
        if (target == kTransparentIndex) {
          target = kShadowIndex;
        }
      }
    }
    shadow.EndOfRow(v);
  }
}

inline bool IsBody(uint8_t index) {
  return index != kTransparentIndex && index != kShadowIndex && index != kOutlineIndex;
}

inline void MarkOutline(BmpImage& image, int32_t v, int32_t a) {
  if (v < 0 || v >= image.height || a < 0 || a >= image.width) {
    return;
  }
  uint8_t& pixel = image.RowFromBottom(v)[a];
  if (pixel < kOutlineIndex) {
    pixel = kOutlineIndex;
  }
}

inline void DrawOutline(BmpImage& image) {
  for (int32_t v = kFirstVisitedRow; v < image.height; ++v) {
    for (int32_t a = kFirstVisitedColumn; a < image.width; ++a) {
      if (!IsBody(image.RowFromBottom(v)[a])) {
        continue;
      }
      MarkOutline(image, v, a - 1);
      MarkOutline(image, v, a + 1);
      MarkOutline(image, v - 1, a);
      MarkOutline(image, v + 1, a);
    }
  }
}

inline void CreatureShadow(BmpImage& image, bool drawShadow, bool drawOutline) {
  if (drawShadow) {
    CastShadow(image);
  }
  if (drawOutline) {
    DrawOutline(image);
  }
}

struct ObjectShadowRow {
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
inline void ObjectShadow(BmpImage& image) {
  ObjectShadowRow shadow;
  int64_t k = 0;  // shear: floor(v / 2) - floor(v / 6)
  for (int32_t v = 1; v < image.height; ++v) {
    if (v % 2 == 0) {
      ++k;
    }
    if (v % 6 == 0) {
      --k;
    }
    const uint8_t* row = image.RowFromBottom(v);
    for (int32_t a = 2; a < image.width; ++a) {
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
    shadow.EndOfRow(v);
  }
}
inline int32_t LeadingTransparent(const uint8_t* row, int32_t width, uint8_t transparent) {
  int32_t lead = 0;
  while (lead < width && row[lead] == transparent) {
    ++lead;
  }
  return lead;
}

// The rightmost visible column from width - 1 down to 1; 0 when there is none.
inline int32_t RightmostVisible(const uint8_t* row, int32_t width, uint8_t transparent) {
  for (int32_t x = width - 1; x >= 1; --x) {
    if (row[x] != transparent) {
      return x;
    }
  }
  return 0;
}

inline int32_t OnePast(int32_t value) {
  return value == INT32_MAX ? INT32_MAX : value + 1;
}

inline ContentBounds ContentBoundsOf(const BmpImage& image, uint8_t transparentIndex) {
  const int32_t width = image.width;
  const int32_t height = image.height;
  ContentBounds bounds;
  bool found = false;
  int32_t right = width;  // width: not set yet
  int32_t bottom = height;
  for (int32_t y = 0; y < height; ++y) {
    const uint8_t* row = image.RowFromTop(y);
    const int32_t lead = LeadingTransparent(row, width, transparentIndex);
    const bool visible = lead < width;
    if (!visible && !found) {
      ++bounds.top;
    }
    if (visible && !found) {
      bounds.left = lead;
      found = true;
    } else if (lead < bounds.left) {
      bounds.left = lead;
    }
    if (found) {
      bottom = visible ? height : bottom - 1;
    }
    const int32_t p = RightmostVisible(row, width, transparentIndex);
    if (p > 0 && (right == width || p > right)) {
      right = p;
    }
  }
  // One past the frame; saturated so that a frame of the largest size gives
  // bounds its callers can refuse rather than an overflow.
  bounds.right = OnePast(right);
  bounds.bottom = OnePast(bottom);
  return bounds;
}

}  // namespace kelvane::fuzz::reference

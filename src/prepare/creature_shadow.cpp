#include "prepare/creature_shadow.h"

#include "prepare/byte_scan.h"
#include "prepare/palette_roles.h"

namespace kelvane {

namespace {

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

// Columns [from, to) of row v, one pixel at a time.
void CastShadowOfPixels(BmpImage& image, int32_t v, int32_t from, int32_t to, ShadowRow& shadow) {
  const uint8_t* row = image.RowFromBottom(v);
  for (int32_t a = from; a < to; ++a) {
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
}

// Eight transparent pixels cast nothing and are passed over at once.
void CastShadow(BmpImage& image) {
  ShadowRow shadow;
  for (int32_t v = kFirstVisitedRow; v < image.height; ++v) {
    const uint8_t* row = image.RowFromBottom(v);
    int32_t a = kFirstVisitedColumn;
    for (; a + 8 <= image.width; a += 8) {
      if (FirstNotEqual(row + a, 8, kTransparentIndex) < 8) {
        CastShadowOfPixels(image, v, a, a + 8, shadow);
      }
    }
    CastShadowOfPixels(image, v, a, image.width, shadow);
    shadow.EndOfRow(v);
  }
}

bool IsBody(uint8_t index) {
  return index != kTransparentIndex && index != kShadowIndex && index != kOutlineIndex;
}

void MarkOutline(BmpImage& image, int32_t v, int32_t a) {
  if (v < 0 || v >= image.height || a < 0 || a >= image.width) {
    return;
  }
  uint8_t& pixel = image.RowFromBottom(v)[a];
  if (pixel < kOutlineIndex) {
    pixel = kOutlineIndex;
  }
}

void OutlinePixels(BmpImage& image, int32_t v, int32_t from, int32_t to) {
  for (int32_t a = from; a < to; ++a) {
    if (!IsBody(image.RowFromBottom(v)[a])) {
      continue;
    }
    MarkOutline(image, v, a - 1);
    MarkOutline(image, v, a + 1);
    MarkOutline(image, v - 1, a);
    MarkOutline(image, v + 1, a);
  }
}

// Marks only ever turn pixels into the outline, which is no body: eight
// pixels none of which is body when reached mark nothing and are passed over.
void DrawOutline(BmpImage& image) {
  for (int32_t v = kFirstVisitedRow; v < image.height; ++v) {
    int32_t a = kFirstVisitedColumn;
    for (; a + 8 <= image.width; a += 8) {
      const uint8_t* pixels = image.RowFromBottom(v) + a;
      if (AnyOutsideOf(pixels, kTransparentIndex, kShadowIndex, kOutlineIndex)) {
        OutlinePixels(image, v, a, a + 8);
      }
    }
    OutlinePixels(image, v, a, image.width);
  }
}

}  // namespace

void showdowCreture(BmpImage& image, bool drawShadow, bool drawOutline) {
  if (drawShadow) {
    CastShadow(image);
  }
  if (drawOutline) {
    DrawOutline(image);
  }
}

}  // namespace kelvane

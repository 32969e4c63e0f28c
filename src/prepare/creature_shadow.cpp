// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/creature_shadow.h"

#include <cstring>

#include "base/def_layout.h"
#include "prepare/byte_scan.h"

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

void CastShadow(BmpImage& image) {
  static_assert(kTransparentIndex == 0, "the word test looks for zero bytes");
  if (image.width <= kFirstVisitedColumn) {
    return;  // no column is visited
  }
  ShadowRow shadow;
  for (int32_t v = kFirstVisitedRow; v < image.height; ++v) {
    const uint8_t* row = image.RowFromBottom(v);
    int32_t a = kFirstVisitedColumn;
    if (!shadow.Found()) {
      const size_t visible = FirstNotEqual(row + a, size_t(image.width - a), kTransparentIndex);
      if (visible == size_t(image.width - a)) {
        continue;  // nothing cast yet, and EndOfRow changes nothing
      }
      shadow.FoundAt(v);
    }
    if (shadow.Row() < image.height) {
      uint8_t* target = image.RowFromBottom(shadow.Row());
      // Each visible pixel turns the transparent pixel of its column in the
      // shadow row into shadow. When the shadow row is the row itself
      // nothing changes, as a pixel cannot be visible and transparent.
      for (; a + 16 <= image.width; a += 16) {
        CastOnto16(row + a, target + a, kShadowIndex);
      }
      for (; a + 8 <= image.width; a += 8) {
        CastOnto8(row + a, target + a, kShadowIndex);
      }
      CastShadowOfPixels(image, v, a, image.width, shadow);
    }
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

// The pixels of `marked` (a byte mask) among the eight at `at` that hold an
// index below the outline's become outline.
void MarkOutlineWord(uint8_t* at, uint64_t marked) {
  using namespace byte_scan;
  const uint64_t word = LoadWord(at);
  const uint64_t turned = ByteMask(~BytesFromFive(word) & kHighBits) & marked;
  const uint64_t outlined = (word & ~turned) | (turned & kOnes * kOutlineIndex);
  std::memcpy(at, &outlined, sizeof outlined);
}

// Eight pixels of row v from column a, none of them 1 to 3: marks change only
// pixels below 5, none of which is body here, so the eight are body or not as
// they stand and their marks can be made together.
void OutlineWord(BmpImage& image, int32_t v, int32_t a, uint64_t bodyBits) {
  const uint64_t body = byte_scan::ByteMask(bodyBits);
  MarkOutlineWord(image.RowFromBottom(v) + a, body << 8 | body >> 8);
  if ((body & 0xFF) != 0) {
    MarkOutline(image, v, a - 1);
  }
  if ((body >> 56) != 0) {
    MarkOutline(image, v, a + 8);
  }
  MarkOutlineWord(image.RowFromBottom(v - 1) + a, body);
  if (v + 1 < image.height) {
    MarkOutlineWord(image.RowFromBottom(v + 1) + a, body);
  }
}

// True when the eight pixels of row v from column a and all their neighbours
// hold 5 or more: marks turn only pixels below 5, so none would change.
bool NothingToMark(const BmpImage& image, int32_t v, int32_t a) {
  using namespace byte_scan;
  const uint8_t* row = image.RowFromBottom(v);
  const bool above = v + 1 < image.height;
  const bool right = a + 8 < image.width;
  return BytesFromFive(LoadWord(row + a)) == kHighBits &&
         BytesFromFive(LoadWord(image.RowFromBottom(v - 1) + a)) == kHighBits &&
         (!above || BytesFromFive(LoadWord(image.RowFromBottom(v + 1) + a)) == kHighBits) &&
         row[a - 1] >= kOutlineIndex && (!right || row[a + 8] >= kOutlineIndex);
}

// True when the sixteen pixels of row v from column a and all their
// neighbours hold 5 or more: NothingToMark for both of their halves at once.
bool NothingToMark16(const BmpImage& image, int32_t v, int32_t a) {
  using namespace byte_scan;
  const Bytes16 five = Splat16(kOutlineIndex);
  const uint8_t* row = image.RowFromBottom(v);
  auto below =
      Bytes16(Load16(row + a) < five) | Bytes16(Load16(image.RowFromBottom(v - 1) + a) < five);
  if (v + 1 < image.height) {
    below |= Bytes16(Load16(image.RowFromBottom(v + 1) + a) < five);
  }
  return !AnySet(below) && row[a - 1] >= kOutlineIndex &&
         (a + 16 >= image.width || row[a + 16] >= kOutlineIndex);
}

// Eight pixels of row v from column a, reached in order.
void OutlineEight(BmpImage& image, int32_t v, int32_t a) {
  const uint8_t* pixels = image.RowFromBottom(v) + a;
  if (byte_scan::LoadWord(pixels) == 0) {
    return;  // the common case, told apart fastest
  }
  if (NothingToMark(image, v, a)) {
    return;  // the inside of a figure, the next most common
  }
  const uint64_t body = BytesOutsideOf(pixels, kTransparentIndex, kShadowIndex, kOutlineIndex);
  if (body == 0) {
    return;
  }
  if (BytesOutsideOf(pixels, 1, 2, 3) == byte_scan::kHighBits) {
    OutlineWord(image, v, a, body);
  } else {
    OutlinePixels(image, v, a, a + 8);
  }
}

// Marks only ever turn pixels into the outline, which is no body: eight
// pixels none of which is body when reached mark nothing and are passed over.
// Sixteen pixels that both halves would pass over are passed over together.
void DrawOutline(BmpImage& image) {
  using namespace byte_scan;
  for (int32_t v = kFirstVisitedRow; v < image.height; ++v) {
    int32_t a = kFirstVisitedColumn;
    for (; a + 16 <= image.width; a += 16) {
      const uint8_t* pixels = image.RowFromBottom(v) + a;
      if (!AnySet(Bytes16(Load16(pixels) != Splat16(0))) || NothingToMark16(image, v, a)) {
        continue;
      }
      OutlineEight(image, v, a);
      OutlineEight(image, v, a + 8);
    }
    for (; a + 8 <= image.width; a += 8) {
      OutlineEight(image, v, a);
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

#include "prepare/creature_shadow.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::ImageOf;

// Rows here are counted from the bottom, from 0, as the passes count them.
class Frame {
 public:
  Frame(int32_t width, int32_t height) : drawn_(width, height) {}
  // Columns a0..a1 and rows v0..v1, inclusive.
  void Fill(int32_t a0, int32_t a1, int32_t v0, int32_t v1, uint8_t index) {
    drawn_.FillRect(a0, drawn_.height - 1 - v1, a1, drawn_.height - 1 - v0, index);
  }
  BmpImage Image() const { return ImageOf(drawn_); }

 private:
  bmpgen::Bmp8 drawn_;
};

uint8_t At(const BmpImage& image, int32_t a, int32_t v) {
  return image.RowFromBottom(v)[a];
}

// Every pixel that differs between the two, as (column, row, new index).
std::vector<std::array<int32_t, 3>> Changes(const BmpImage& before, const BmpImage& after) {
  std::vector<std::array<int32_t, 3>> changes;
  for (int32_t v = 0; v < before.height; ++v) {
    for (int32_t a = 0; a < int32_t(before.stride); ++a) {
      if (before.RowFromBottom(v)[a] != after.RowFromBottom(v)[a]) {
        changes.push_back({a, v, after.RowFromBottom(v)[a]});
      }
    }
  }
  return changes;
}

std::vector<std::array<int32_t, 3>> Pixels(std::initializer_list<int32_t> columns,
                                           std::initializer_list<int32_t> rows, int32_t index) {
  std::vector<std::array<int32_t, 3>> pixels;
  for (const int32_t v : rows) {
    for (const int32_t a : columns) {
      pixels.push_back({a, v, index});
    }
  }
  return pixels;
}

TEST(CreatureShadow, TShapeCastsItsBarOntoRowsNineAndTen) {
  Frame t(16, 24);
  t.Fill(7, 8, 1, 15, 100);
  t.Fill(3, 12, 16, 19, 100);
  const BmpImage before = t.Image();
  BmpImage image = before;
  showdowCreture(image, true, false);
  EXPECT_EQ(Changes(before, image), Pixels({3, 4, 5, 6, 9, 10, 11, 12}, {9, 10}, 4));
}

TEST(CreatureShadow, BlockAndEmptyFrameGetNoShadow) {
  Frame block(12, 10);
  block.Fill(5, 7, 3, 5, 100);
  BmpImage image = block.Image();
  showdowCreture(image, true, false);
  EXPECT_TRUE(Changes(block.Image(), image).empty());

  BmpImage empty = Frame(9, 7).Image();
  showdowCreture(empty, true, true);
  EXPECT_TRUE(Changes(Frame(9, 7).Image(), empty).empty());
}

TEST(CreatureShadow, ShadowStaysInsideAFigureThatReachesTheTop) {
  Frame tall(6, 8);
  tall.Fill(2, 2, 3, 7, 100);
  tall.Fill(4, 5, 7, 7, 100);
  const BmpImage before = tall.Image();
  BmpImage image = before;
  showdowCreture(image, true, false);
  // The shadow row follows the scan from row 3 to row 6, then steps past it:
  // row 7 casts onto row 8, outside the frame.
  EXPECT_TRUE(Changes(before, image).empty());
}

TEST(CreatureOutline, SurroundsTheBlockWithoutDiagonalCorners) {
  Frame block(12, 10);
  block.Fill(5, 7, 3, 5, 100);
  const BmpImage before = block.Image();
  BmpImage image = before;
  showdowCreture(image, false, true);
  auto expected = Pixels({5, 6, 7}, {2}, 5);
  for (const int32_t v : {3, 4, 5}) {
    expected.push_back({4, v, 5});
    expected.push_back({8, v, 5});
  }
  for (const int32_t a : {5, 6, 7}) {
    expected.push_back({a, 6, 5});
  }
  std::sort(expected.begin(), expected.end(),
            [](const auto& l, const auto& r) { return l[1] != r[1] ? l[1] < r[1] : l[0] < r[0]; });
  EXPECT_EQ(Changes(before, image), expected);
}

TEST(CreatureOutline, EdgesAreNeverVisitedButStillReceiveTheOutline) {
  Frame edge(6, 4);
  edge.Fill(2, 2, 1, 1, 100);  // visited: outlines onto column 1 and row 0
  edge.Fill(4, 4, 0, 0, 100);  // bottom row: not visited
  edge.Fill(0, 1, 3, 3, 100);  // two leftmost columns: not visited
  const BmpImage before = edge.Image();
  BmpImage image = before;
  showdowCreture(image, false, true);
  const std::vector<std::array<int32_t, 3>> expected = {{2, 0, 5}, {1, 1, 5}, {3, 1, 5}, {2, 2, 5}};
  EXPECT_EQ(Changes(before, image), expected);
}

TEST(CreatureOutline, CoversLowBodyIndicesAndShadow) {
  Frame frame(8, 6);
  frame.Fill(3, 3, 2, 2, 100);
  frame.Fill(4, 4, 2, 2, 2);  // a body pixel the outline may cover
  frame.Fill(3, 3, 3, 3, 4);  // shadow above
  frame.Fill(2, 2, 2, 2, 6);  // index 6 is never covered
  BmpImage image = frame.Image();
  showdowCreture(image, false, true);
  EXPECT_EQ(At(image, 4, 2), 5);
  EXPECT_EQ(At(image, 5, 2), 0);  // 2 became outline before its visit
  EXPECT_EQ(At(image, 3, 3), 5);
  EXPECT_EQ(At(image, 2, 2), 6);
  EXPECT_EQ(At(image, 3, 1), 5);
}

TEST(CreatureShadow, OutlineIsDrawnAfterTheShadow) {
  Frame t(16, 24);
  t.Fill(7, 8, 1, 15, 100);
  t.Fill(3, 12, 16, 19, 100);
  BmpImage image = t.Image();
  showdowCreture(image, true, true);
  EXPECT_EQ(At(image, 5, 9), 4);
  EXPECT_EQ(At(image, 6, 9), 5);  // shadow beside the stem became outline
  EXPECT_EQ(At(image, 9, 10), 5);
  EXPECT_EQ(At(image, 2, 17), 5);
  EXPECT_EQ(At(image, 7, 0), 5);
}

}  // namespace
}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/creature_shadow.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::Block3x3;
using testing_support::FillFromBottom;
using testing_support::ImageOf;
using testing_support::PixelsOf;
using testing_support::TFigure;
using Changes = testing_support::PixelChanges;
using Frame = bmpgen::Bmp8;

// Rows here are counted from the bottom, from 0, as the passes count them.
uint8_t At(const BmpImage& image, int32_t a, int32_t v) {
  return image.RowFromBottom(v)[a];
}

// Runs the passes and lists every pixel they changed, row by row.
Changes Draw(const Frame& frame, bool shadow, bool outline) {
  return testing_support::ChangesBy(
      frame, [&](BmpImage& image) { showdowCreture(image, shadow, outline); });
}

TEST(CreatureShadow, TShapeCastsItsBarOntoRowsNineAndTen) {
  const std::vector<int32_t> bar = {3, 4, 5, 6, 9, 10, 11, 12};
  EXPECT_EQ(Draw(TFigure(), true, false), PixelsOf({{9, bar}, {10, bar}}, 4));
}

TEST(CreatureShadow, BlockAndEmptyFrameGetNoShadow) {
  EXPECT_TRUE(Draw(Block3x3(), true, false).empty());
  EXPECT_TRUE(Draw(Frame(9, 7), true, true).empty());
}

TEST(CreatureShadow, ShadowStaysInsideAFigureThatReachesTheTop) {
  Frame tall(6, 8);
  FillFromBottom(tall, 2, 2, 3, 7, 100);
  FillFromBottom(tall, 4, 5, 7, 7, 100);
  // The shadow row follows the scan from row 3 to row 6, then steps past it:
  // row 7 casts onto row 8, outside the frame.
  EXPECT_TRUE(Draw(tall, true, false).empty());
}

TEST(CreatureOutline, SurroundsTheBlockWithoutDiagonalCorners) {
  EXPECT_EQ(Draw(Block3x3(), false, true),
            PixelsOf({{2, {5, 6, 7}}, {3, {4, 8}}, {4, {4, 8}}, {5, {4, 8}}, {6, {5, 6, 7}}}, 5));
}

TEST(CreatureOutline, EdgesAreNeverVisitedButStillReceiveTheOutline) {
  Frame edge(6, 4);
  FillFromBottom(edge, 2, 2, 1, 1, 100);  // visited: outlines onto column 1 and row 0
  FillFromBottom(edge, 4, 4, 0, 0, 100);  // bottom row: not visited
  FillFromBottom(edge, 0, 1, 3, 3, 100);  // two leftmost columns: not visited
  const Changes expected = {{2, 0, 5}, {1, 1, 5}, {3, 1, 5}, {2, 2, 5}};
  EXPECT_EQ(Draw(edge, false, true), expected);
}

TEST(CreatureOutline, CoversLowBodyIndicesAndShadow) {
  Frame frame(8, 6);
  FillFromBottom(frame, 3, 3, 2, 2, 100);
  FillFromBottom(frame, 4, 4, 2, 2, 2);  // a body pixel the outline may cover
  FillFromBottom(frame, 3, 3, 3, 3, 4);  // shadow above
  FillFromBottom(frame, 2, 2, 2, 2, 6);  // index 6 is never covered
  // Index 2 became outline before its visit, so nothing lies right of it.
  const Changes expected = {{2, 1, 5}, {3, 1, 5}, {1, 2, 5}, {4, 2, 5}, {2, 3, 5}, {3, 3, 5}};
  EXPECT_EQ(Draw(frame, false, true), expected);
}

TEST(CreatureShadow, OutlineIsDrawnAfterTheShadow) {
  BmpImage image = ImageOf(TFigure());
  showdowCreture(image, true, true);
  EXPECT_EQ(At(image, 5, 9), 4);
  EXPECT_EQ(At(image, 6, 9), 5);  // shadow beside the stem became outline
  EXPECT_EQ(At(image, 9, 10), 5);
  EXPECT_EQ(At(image, 2, 17), 5);
  EXPECT_EQ(At(image, 7, 0), 5);
}

// The passes pixel by pixel, in the order the frame is visited: what the
// word-wise passes must match.
void PlainShadow(BmpImage& image) {
  int32_t row = 0, steps = 0;
  for (int32_t v = 1; v < image.height; ++v) {
    for (int32_t a = 2; a < image.width; ++a) {
      if (image.RowFromBottom(v)[a] == 0) {
        continue;
      }
      row = row == 0 ? v : row;
      if (row < image.height && image.RowFromBottom(row)[a] == 0) {
        image.RowFromBottom(row)[a] = 4;
      }
    }
    if (row != 0) {
      row += steps < 4 ? 1 : 0;
      steps += steps < 4 ? 1 : 0;
      row += steps >= 4 && v % 3 == 0 ? 1 : 0;
    }
  }
}

void PlainOutline(BmpImage& image) {
  auto mark = [&](int32_t v, int32_t a) {
    if (v >= 0 && v < image.height && a >= 0 && a < image.width && image.RowFromBottom(v)[a] < 5) {
      image.RowFromBottom(v)[a] = 5;
    }
  };
  for (int32_t v = 1; v < image.height; ++v) {
    for (int32_t a = 2; a < image.width; ++a) {
      const uint8_t pixel = image.RowFromBottom(v)[a];
      if (pixel != 0 && pixel != 4 && pixel != 5) {
        mark(v, a - 1), mark(v, a + 1), mark(v - 1, a), mark(v + 1, a);
      }
    }
  }
}

// Figures of blocks on a transparent ground, with every special index
// sprinkled in, at widths around the 8- and 16-pixel steps.
TEST(CreatureShadow, WordWisePassesMatchThePlainOnes) {
  uint32_t seed = 12345;
  auto next = [&seed](uint32_t below) {
    return ((seed = seed * 1103515245u + 12345u) >> 8 & 0xFFFF) % below;
  };
  const uint8_t values[] = {1, 2, 3, 4, 5, 6, 7, 100, 200};
  for (const int32_t width : {3, 9, 16, 18, 25, 34, 47, 64, 81}) {
    for (int round = 0; round < 20; ++round) {
      Frame frame(width, 24);
      for (int block = 0; block < 4; ++block) {
        const int32_t a0 = int32_t(next(uint32_t(width))), v0 = int32_t(next(24));
        FillFromBottom(frame, a0, std::min(width - 1, a0 + int32_t(next(20))), v0,
                       std::min(23, v0 + int32_t(next(12))), round % 2 ? 100 : 9);
      }
      for (int speck = 0; speck < width / 4; ++speck) {
        const int32_t a = int32_t(next(uint32_t(width))), v = int32_t(next(24));
        FillFromBottom(frame, a, a, v, v, values[next(sizeof values)]);
      }
      for (const auto& [shadow, outline] : {std::pair{true, false}, {false, true}, {true, true}}) {
        BmpImage fast = ImageOf(frame), plain = ImageOf(frame);
        showdowCreture(fast, shadow, outline);
        if (shadow) {
          PlainShadow(plain);
        }
        if (outline) {
          PlainOutline(plain);
        }
        ASSERT_EQ(fast.pixels, plain.pixels) << width << " " << round << " " << shadow << outline;
      }
    }
  }
}

}  // namespace
}  // namespace kelvane

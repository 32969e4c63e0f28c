// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/content_bounds.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::ImageOf;

void ExpectBounds(const bmpgen::Bmp8& drawn, int32_t left, int32_t top, int32_t right,
                  int32_t bottom) {
  const ContentBounds b = FindContentBounds(ImageOf(drawn), 0);
  EXPECT_EQ(b.left, left);
  EXPECT_EQ(b.top, top);
  EXPECT_EQ(b.right, right);
  EXPECT_EQ(b.bottom, bottom);
}

TEST(FindContentBounds, MeasuresTheTenByEightCases) {
  bmpgen::Bmp8 frame(10, 8);
  ExpectBounds(frame, 0, 8, 11, 9);
  frame.At(3, 2) = 9;
  ExpectBounds(frame, 3, 2, 4, 4);
  frame.At(3, 2) = 0;
  frame.At(0, 2) = 9;
  ExpectBounds(frame, 0, 2, 11, 4);
  frame.At(0, 2) = 0;
  frame.FillRect(2, 3, 6, 5, 9);
  ExpectBounds(frame, 2, 3, 7, 7);
  frame.FillRect(0, 0, 9, 7, 9);
  ExpectBounds(frame, 0, 0, 10, 9);
}

TEST(FindContentBounds, TakesTheWidestRowsAndTheLowestRow) {
  bmpgen::Bmp8 frame(12, 9);
  frame.At(5, 1) = 1;
  frame.At(2, 4) = 200;  // further left, lower
  frame.At(9, 2) = 7;    // further right
  ExpectBounds(frame, 2, 1, 10, 6);
  frame.At(4, 8) = 3;  // content on the bottom row
  ExpectBounds(frame, 2, 1, 10, 10);
}

TEST(FindContentBounds, IgnoresPaddingAndOtherTransparentIndices) {
  bmpgen::Bmp8 frame(5, 3);
  frame.padding = 0xFF;
  frame.At(2, 1) = 4;
  ExpectBounds(frame, 2, 1, 3, 3);
  const ContentBounds b = FindContentBounds(ImageOf(bmpgen::Bmp8(5, 3, 4)), 4);
  EXPECT_EQ(b.top, 3);
}

}  // namespace
}  // namespace kelvane

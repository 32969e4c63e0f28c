// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/object_shadow.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::FillFromBottom;
using testing_support::PixelChanges;
using testing_support::PixelsOf;

// Rows are counted from the bottom, as the shadow routine sees them; shadow is index 4.
PixelChanges Draw(const bmpgen::Bmp8& frame) {
  return testing_support::ChangesBy(frame, showdowObjects);
}

TEST(ObjectShadow, TwoPixelBarCastsItsSlantedShadow) {
  bmpgen::Bmp8 frame(16, 24);
  FillFromBottom(frame, 12, 13, 1, 12, 100);
  // Level with the bar for four rows, then climbing four rows in six; row 5 stays free.
  EXPECT_EQ(Draw(frame), PixelsOf({{2, {11}},
                                   {3, {11}},
                                   {4, {10, 11}},
                                   {6, {8, 9, 10, 11}},
                                   {7, {9, 10, 11}},
                                   {8, {9, 10}},
                                   {9, {8, 9}},
                                   {10, {8, 9}}},
                                  4));
}

TEST(ObjectShadow, EmptyFrameStaysAsItIs) {
  EXPECT_TRUE(Draw(bmpgen::Bmp8(20, 20)).empty());
}

TEST(ObjectShadow, ObjectHighInTheFrameIsShearedFromItsBase) {
  bmpgen::Bmp8 frame(30, 40);
  FillFromBottom(frame, 20, 20, 20, 20, 9);  // the shear is 7 on row 20
  EXPECT_EQ(Draw(frame), PixelsOf({{20, {13}}}, 4));
}

TEST(ObjectShadow, ShadowLeftOfTheFrameIsDroppedNotWrapped) {
  bmpgen::Bmp8 frame(5, 12);  // a wrapped pixel would show in the padding of the row below
  FillFromBottom(frame, 2, 2, 1, 10, 50);
  // From row 8 on the shear of 3 and more puts every target left of column 0.
  EXPECT_EQ(Draw(frame), PixelsOf({{2, {1}}, {3, {1}}, {4, {0}}, {6, {0}}, {7, {0}}}, 4));
}

TEST(ObjectShadow, LowIndicesCastAndOnlyTransparentPixelsReceive) {
  bmpgen::Bmp8 frame(12, 12);
  FillFromBottom(frame, 6, 6, 3, 9, 1);
  FillFromBottom(frame, 5, 5, 3, 3, 7);  // in the way of the shadow, and casting its own
  // Row 8 also holds the shadow of the shadow pixel cast onto it from row 7.
  EXPECT_EQ(Draw(frame),
            PixelsOf({{3, {4}}, {4, {4}}, {5, {4}}, {6, {4}}, {8, {1, 3, 4}}, {9, {3}}}, 4));
}

}  // namespace
}  // namespace kelvane

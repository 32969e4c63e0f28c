#include "prepare/object_shadow.h"

#include <gtest/gtest.h>

#include <set>

#include "support/test_support.h"

namespace kelvane {
namespace {

// Rows are counted from the bottom, as the shadow routine sees them.
BmpImage Blank(int32_t width, int32_t height) {
  BmpImage image;
  image.width = width;
  image.height = height;
  image.stride = RowStride(width);
  image.pixels.assign(size_t(image.stride) * size_t(height), 0);
  return image;
}

void Fill(BmpImage& image, int32_t x0, int32_t x1, int32_t v0, int32_t v1, uint8_t index) {
  for (int32_t v = v0; v <= v1; ++v) {
    for (int32_t x = x0; x <= x1; ++x) {
      image.RowFromBottom(v)[x] = index;
    }
  }
}

std::set<std::pair<int32_t, int32_t>> ShadowPixels(const BmpImage& image) {
  std::set<std::pair<int32_t, int32_t>> found;  // (row from bottom, column)
  for (int32_t v = 0; v < image.height; ++v) {
    for (int32_t x = 0; x < int32_t(image.stride); ++x) {
      if (image.RowFromBottom(v)[x] == 4) {
        found.insert({v, x});
      }
    }
  }
  return found;
}

TEST(ObjectShadow, TwoPixelBarCastsItsSlantedShadow) {
  BmpImage image = Blank(16, 24);
  Fill(image, 12, 13, 1, 12, 100);
  showdowObjects(image);
  const std::set<std::pair<int32_t, int32_t>> expected = {
      {2, 11}, {3, 11}, {4, 10}, {4, 11}, {6, 8}, {6, 9}, {6, 10}, {6, 11}, {7, 9},
      {7, 10}, {7, 11}, {8, 9},  {8, 10}, {9, 8}, {9, 9}, {10, 8}, {10, 9}};
  EXPECT_EQ(ShadowPixels(image), expected);
}

TEST(ObjectShadow, EmptyFrameStaysAsItIs) {
  BmpImage image = Blank(20, 20);
  showdowObjects(image);
  EXPECT_TRUE(ShadowPixels(image).empty());
}

TEST(ObjectShadow, ObjectHighInTheFrameIsShearedFromItsBase) {
  BmpImage image = Blank(30, 40);
  image.RowFromBottom(20)[20] = 9;  // k is 7 on row 20
  showdowObjects(image);
  EXPECT_EQ(ShadowPixels(image), (std::set<std::pair<int32_t, int32_t>>{{20, 13}}));
}

TEST(ObjectShadow, ShadowLeftOfTheFrameIsDropped) {
  BmpImage image = Blank(8, 30);
  Fill(image, 2, 3, 1, 28, 50);
  showdowObjects(image);
  for (const auto& [v, x] : ShadowPixels(image)) {
    EXPECT_LT(x, 2) << "no wrap into the right end of a row (" << v << "," << x << ")";
  }
  EXPECT_EQ(image.RowFromBottom(29)[0], 0);
}

TEST(ObjectShadow, LowIndicesCastAndOnlyTransparentPixelsReceive) {
  BmpImage image = Blank(12, 12);
  Fill(image, 6, 6, 3, 9, 1);
  image.RowFromBottom(3)[5] = 7;  // in the way of the shadow
  showdowObjects(image);
  EXPECT_EQ(image.RowFromBottom(3)[5], 7);
  EXPECT_FALSE(ShadowPixels(image).empty());
}

}  // namespace
}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/size_picture.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace kelvane {
namespace {

bmpgen::Bmp8 Pattern(int32_t w, int32_t h) {
  bmpgen::Bmp8 drawn(w, h);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      drawn.At(x, y) = uint8_t(1 + (x * 3 + y * 5) % 250);
    }
  }
  return drawn;
}

class SizePictureTest : public ::testing::Test {
 protected:
  // The frame as read from its file, then sized.
  BmpImage Sized(const bmpgen::Bmp8& drawn, int32_t width, int32_t height) {
    LoadBmpImage(dir.Bmp("frame.bmp", drawn), before);
    BmpImage image = before;
    SizePicture(image, width, height, scratch);
    return image;
  }

  testing_support::TempDir dir;
  BmpImage before;
  PixelRows scratch;
};

TEST_F(SizePictureTest, SameSizeChangesNothing) {
  const BmpImage image = Sized(Pattern(58, 52), 58, 52);
  EXPECT_EQ(image.pixels, before.pixels);
  EXPECT_EQ(image.header.biWidth, 58);
  EXPECT_EQ(image.header.fileSize, before.header.fileSize);
}

TEST_F(SizePictureTest, CutsTheRightColumnsButKeepsThemInThePadding) {
  const auto drawn = Pattern(452, 400);
  const BmpImage image = Sized(drawn, 450, 400);
  EXPECT_EQ(image.width, 450);
  EXPECT_EQ(image.header.biWidth, 450);
  EXPECT_EQ(image.header.biSizeImage, 452u * 400);  // other header fields stay
  ASSERT_EQ(image.stride, 452u);
  for (int32_t y : {0, 1, 200, 399}) {
    EXPECT_EQ(image.RowFromTop(y)[0], drawn.At(0, y));
    EXPECT_EQ(image.RowFromTop(y)[449], drawn.At(449, y));
    EXPECT_EQ(image.RowFromTop(y)[450], drawn.At(450, y));
    EXPECT_EQ(image.RowFromTop(y)[451], drawn.At(451, y));
  }
}

TEST_F(SizePictureTest, CutsTheBottomRows) {
  const auto drawn = Pattern(64, 70);
  const BmpImage image = Sized(drawn, 64, 64);
  ASSERT_EQ(image.pixels.size(), 64u * 64);
  for (int32_t y = 0; y < 64; ++y) {
    ASSERT_EQ(image.RowFromTop(y)[10], drawn.At(10, y)) << y;
  }
}

TEST_F(SizePictureTest, LargerSizeAddsTransparentColumnsAndRows) {
  auto drawn = Pattern(5, 3);
  drawn.padding = 0xEE;
  const BmpImage image = Sized(drawn, 9, 6);
  ASSERT_EQ(image.stride, 12u);
  ASSERT_EQ(image.pixels.size(), 12u * 6);
  for (int32_t y = 0; y < 3; ++y) {
    for (int32_t x = 0; x < 5; ++x) {
      EXPECT_EQ(image.RowFromTop(y)[x], drawn.At(x, y));
    }
    for (int32_t x = 5; x < 12; ++x) {
      EXPECT_EQ(image.RowFromTop(y)[x], 0) << x;
    }
  }
  for (int32_t y = 3; y < 6; ++y) {
    for (int32_t x = 0; x < 12; ++x) {
      EXPECT_EQ(image.RowFromTop(y)[x], 0);
    }
  }
}

TEST_F(SizePictureTest, NarrowerAndTallerAtOnce) {
  const auto drawn = Pattern(10, 2);
  const BmpImage image = Sized(drawn, 6, 4);
  ASSERT_EQ(image.stride, 8u);
  EXPECT_EQ(image.RowFromTop(1)[5], drawn.At(5, 1));
  EXPECT_EQ(image.RowFromTop(1)[7], drawn.At(7, 1));  // padding keeps the old pixels
  EXPECT_EQ(image.RowFromTop(2)[0], 0);
  EXPECT_EQ(image.RowFromTop(3)[7], 0);
}

}  // namespace
}  // namespace kelvane

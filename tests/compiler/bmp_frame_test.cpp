// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/bmp_frame.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/errors.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::TempDir;

bmpgen::Bmp8 Numbered(int32_t w, int32_t h) {
  bmpgen::Bmp8 image(w, h);
  for (int32_t y = 0; y < h; ++y) {
    for (int32_t x = 0; x < w; ++x) {
      image.At(x, y) = uint8_t(y * 16 + x + 1);
    }
  }
  return image;
}

void ExpectRows(const BmpImage& loaded, const bmpgen::Bmp8& drawn) {
  ASSERT_EQ(loaded.width, drawn.width);
  ASSERT_EQ(loaded.height, drawn.height);
  for (int32_t y = 0; y < drawn.height; ++y) {
    for (int32_t x = 0; x < drawn.width; ++x) {
      ASSERT_EQ(loaded.RowFromTop(y)[x], drawn.At(x, y)) << x << "," << y;
    }
  }
}

std::string RefusalOf(const std::string& path) {
  BmpImage image;
  return testing_support::ErrorText([&] { LoadBmpImage(path, image); });
}

TEST(RowStride, RoundsUpToFour) {
  EXPECT_EQ(RowStride(32), 32u);
  EXPECT_EQ(RowStride(33), 36u);
  EXPECT_EQ(RowStride(1), 4u);
  EXPECT_EQ(RowStride(450), 452u);
  EXPECT_EQ(RowStride(452), 452u);
}

TEST(BuildRgbPalette, TurnsBlueGreenRedIntoRedGreenBlue) {
  BmpPalette bmp{};
  bmp[4 * 7 + 0] = 10;
  bmp[4 * 7 + 1] = 20;
  bmp[4 * 7 + 2] = 30;
  bmp[4 * 7 + 3] = 99;
  const RgbPalette rgb = BuildRgbPalette(bmp);
  EXPECT_EQ(rgb[21], 30);
  EXPECT_EQ(rgb[22], 20);
  EXPECT_EQ(rgb[23], 10);
}

TEST(LoadBmpImage, ReadsRowsTopDownWithTheirPadding) {
  TempDir dir;
  auto drawn = Numbered(6, 3);
  drawn.padding = 0xAB;
  BmpImage image;
  LoadBmpImage(dir.Bmp("a.bmp", drawn), image);
  ExpectRows(image, drawn);
  EXPECT_EQ(image.stride, 8u);
  EXPECT_EQ(image.RowFromTop(0)[6], 0xAB);
  EXPECT_EQ(image.RowFromBottom(0)[0], drawn.At(0, 2));
  EXPECT_EQ(image.palette[4 * 200], 200);
}

TEST(LoadBmpImage, AcceptsTheOddFilesOfOtherTools) {
  TempDir dir;
  auto topDown = Numbered(5, 4);
  topDown.topDown = true;
  auto fewColours = Numbered(5, 4);
  fewColours.colours = 16;
  auto trailing = Numbered(5, 4);
  trailing.trailingBytes = 7;
  auto gap = Numbered(5, 4);
  gap.gapBeforePixels = 10;
  for (const auto* drawn : {&topDown, &fewColours, &trailing, &gap}) {
    BmpImage image;
    LoadBmpImage(dir.Bmp("odd.bmp", *drawn), image);
    ExpectRows(image, *drawn);
    EXPECT_EQ(image.header.biHeight, 4);
  }
  BmpImage image;
  LoadBmpImage(dir.Bmp("few.bmp", fewColours), image);
  EXPECT_EQ(image.palette[4 * 15 + 1], 15);
  EXPECT_EQ(image.palette[4 * 16 + 1], 0);  // padded with zero entries
}

TEST(LoadBmpImage, RefusesFilesOutsideTheContract) {
  TempDir dir;
  const std::string path = dir.File("bad.bmp");
  const auto good = bmpgen::EncodeBmp8(Numbered(5, 4));
  const std::string prefix = "\"" + path + "\" is not a 256-colour BMP: ";
  struct Case {
    size_t offset;
    std::vector<uint8_t> bytes;
    std::string why;
  };
  const std::vector<Case> cases = {
      {14, {108, 0}, "its information header is 108 bytes, not 40"},
      {28, {24, 0}, "it has 24 bits per pixel, not 8"},
      {30, {1}, "its pixels are compressed"},
      {46, {1, 1}, "its colour table has 257 entries"},
      {18, {0, 0, 0, 0}, "its size is 0 x 4"},
      {22, {0, 0, 0, 0}, "its size is 5 x 0"},
      {10, {20, 0, 0, 0}, "its pixel data starts inside its colour table"},
      {22, {0, 1, 0, 0}, "the file ends before its last pixel row"},
      {18, {0, 0, 0, 0x40}, "the file ends before its last pixel row"},
  };
  for (const auto& c : cases) {
    auto bytes = good;
    std::copy(c.bytes.begin(), c.bytes.end(), bytes.begin() + long(c.offset));
    testing_support::WriteBytes(path, bytes);
    EXPECT_EQ(RefusalOf(path), prefix + c.why);
  }
  auto notBmp = good;
  notBmp[0] = 'P';
  testing_support::WriteBytes(path, notBmp);
  EXPECT_EQ(
      RefusalOf(path),
      "\"" + path +
          "\" is neither a BMP nor a PNG: it starts with neither \"BM\" nor the PNG signature");
  auto cut = good;
  cut.pop_back();
  testing_support::WriteBytes(path, cut);
  EXPECT_EQ(RefusalOf(path), prefix + "the file ends before its last pixel row");
  testing_support::WriteBytes(path, {'B', 'M', 1});
  EXPECT_EQ(RefusalOf(path), "Read beyond end of file");
  EXPECT_EQ(RefusalOf(dir.File("missing.bmp")), "File not found");
  EXPECT_EQ(RefusalOf(dir.path()), "File access denied");
}

TEST(ReadBmpHeader, ReadsHeaderAndColourTableOfAReadOnlyFile) {
  TempDir dir;
  auto drawn = Numbered(58, 52);
  drawn.SetColour(3, 30, 20, 10);
  const std::string path = dir.Bmp("a.bmp", drawn);
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  BmpFrameHeader header;
  BmpPalette palette{};
  ReadBmpHeader(path, header, &palette);
  EXPECT_EQ(header.biWidth, 58);
  EXPECT_EQ(header.biHeight, 52);
  EXPECT_EQ(header.biBitCount, 8);
  EXPECT_EQ(header.pixelDataOffset, 1078u);
  EXPECT_EQ(palette[12], 10);
  EXPECT_EQ(palette[13], 20);
  EXPECT_EQ(palette[14], 30);
}

}  // namespace
}  // namespace kelvane

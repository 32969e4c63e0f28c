// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/errors.h"
#include "compiler/frame_encoders.h"
#include "support/format1_decoder.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing_support::Block3x3;
using testing_support::Concat;
using testing_support::DecodedFrame;
using testing_support::DecodeFormat1;
using testing_support::Le32Bytes;
using testing_support::ReadFrameBlock;

class Format1Test : public ::testing::Test {
 protected:
  Bytes Encode(const bmpgen::Bmp8& drawn, bool checked = false) {
    const std::string path = dir.Bmp("f" + std::to_string(++frames) + ".bmp", drawn);
    Bytes block;
    ConverFileBMPtoPCX1(scratch, options, {path, frames, checked}, block);
    return block;
  }
  DecodedFrame EncodeAndDecode(const bmpgen::Bmp8& drawn, bool checked = false) {
    return DecodeFormat1(Encode(drawn, checked));
  }
  void FirstFrame(uint16_t width, uint16_t height) {
    options.firstFrameWidth = width;
    options.firstFrameHeight = height;
  }

  testing_support::TempDir dir;
  EncoderScratch scratch;
  FrameSettings options;
  int frames = 0;
};

bmpgen::Bmp8 WorkedFrame() {
  bmpgen::Bmp8 frame(6, 4);
  frame.At(1, 1) = 9;
  frame.At(2, 1) = 9;
  frame.At(1, 2) = 5;
  frame.At(2, 2) = 9;
  frame.At(3, 2) = 9;
  return frame;
}

TEST_F(Format1Test, WorkedFrameIs58Bytes) {
  FirstFrame(6, 4);
  const Bytes expected = Concat({Le32Bytes({26, 1, 6, 4, 3, 3, 1, 1, 12, 18, 24}),
                                 {0xFF, 1, 9, 9, 0, 0, 5, 0, 0xFF, 1, 9, 9, 0, 2}});
  Bytes block = {0xAA};  // blocks are appended
  ConverFileBMPtoPCX1(scratch, options, {dir.Bmp("w.bmp", WorkedFrame()), 1, false}, block);
  EXPECT_EQ(block, Concat({{0xAA}, expected}));
}

TEST_F(Format1Test, TransparentFrameIsAHeaderOnly) {
  FirstFrame(10, 8);
  EXPECT_EQ(Encode(bmpgen::Bmp8(10, 8)), Le32Bytes({0, 1, 10, 8, 11, 0, 0, 8}));
  // Right is width + 1, clamped to the stride when the width is a multiple of 4.
  EXPECT_EQ(Encode(bmpgen::Bmp8(12, 8)), Le32Bytes({0, 1, 10, 8, 12, 0, 0, 8}));
}

TEST_F(Format1Test, FullSizeIsTheFirstFramesSixteenBitSize) {
  FirstFrame(40000, 65535);
  const auto block = ReadFrameBlock(Encode(WorkedFrame()));
  EXPECT_EQ(block.fullWidth, 40000);
  EXPECT_EQ(block.fullHeight, 65535);
}

TEST_F(Format1Test, ContentInColumnZeroTakesInThePaddingByte) {
  bmpgen::Bmp8 frame(6, 2);
  frame.padding = 40;
  frame.At(0, 0) = 9;
  frame.At(0, 1) = 9;
  const DecodedFrame decoded = EncodeAndDecode(frame);
  EXPECT_EQ(decoded.width, 7);  // width + 1: the first padding byte
  EXPECT_EQ(decoded.height, 2);
  EXPECT_EQ(decoded.pixels, (Bytes{9, 0, 0, 0, 0, 0, 40, 9, 0, 0, 0, 0, 0, 40}));

  bmpgen::Bmp8 aligned(8, 2);
  aligned.At(0, 0) = 9;
  EXPECT_EQ(EncodeAndDecode(aligned).width, 8);
}

TEST_F(Format1Test, OneTransparentRowFollowsTheContentUnlessItReachesTheBottom) {
  bmpgen::Bmp8 frame(5, 6);
  frame.FillRect(1, 0, 3, 2, 20);
  DecodedFrame decoded = EncodeAndDecode(frame);
  EXPECT_EQ(decoded.topMargin, 0);  // content in the top row
  EXPECT_EQ(decoded.height, 4);
  EXPECT_EQ(decoded.At(0, 3), 0);

  frame.FillRect(1, 5, 1, 5, 20);
  decoded = EncodeAndDecode(frame);
  EXPECT_EQ(decoded.height, 6);
  EXPECT_EQ(decoded.At(0, 5), 20);
}

TEST_F(Format1Test, PlacementOffsetsAreSubtractedAfterClamping) {
  options.offsets = {10, -2};
  const auto block = ReadFrameBlock(Encode(WorkedFrame()));
  EXPECT_EQ(block.leftMargin, 1 - 10);
  EXPECT_EQ(block.topMargin, 1 + 2);
}

TEST_F(Format1Test, EveryFrameIsReadWithItsOwnSize) {
  FirstFrame(6, 4);
  bmpgen::Bmp8 other(13, 5);
  other.FillRect(2, 1, 11, 3, 30);
  other.At(12, 4) = 6;
  EncodeAndDecode(WorkedFrame());
  const DecodedFrame decoded = EncodeAndDecode(other);
  EXPECT_EQ(decoded.fullWidth, 6);
  EXPECT_EQ(decoded.leftMargin, 2);
  EXPECT_EQ(decoded.topMargin, 1);
  EXPECT_EQ(decoded.width, 11);
  EXPECT_EQ(decoded.height, 4);
  EXPECT_EQ(decoded.At(0, 0), 30);
  EXPECT_EQ(decoded.At(9, 2), 30);
  EXPECT_EQ(decoded.At(10, 3), 6);
}

TEST_F(Format1Test, FixedSizeIsMeasuredAfterTheCut) {
  options.fixedSize = FrameSize{8, 5};
  bmpgen::Bmp8 frame(10, 8);
  frame.FillRect(3, 2, 9, 7, 50);  // reaches past the fixed size
  const DecodedFrame cut = EncodeAndDecode(frame);
  EXPECT_EQ(cut.leftMargin, 3);
  EXPECT_EQ(cut.width, 5);  // columns 3 to 7
  EXPECT_EQ(cut.topMargin, 2);
  EXPECT_EQ(cut.height, 3);  // rows 2 to 4

  options.fixedSize = FrameSize{12, 10};
  frame.FillRect(9, 7, 9, 7, 60);
  const DecodedFrame grown = EncodeAndDecode(frame);
  EXPECT_EQ(grown.width, 7);
  EXPECT_EQ(grown.height, 7);  // rows 2 to 7, then the first added row
  EXPECT_EQ(grown.At(6, 5), 60);
  EXPECT_EQ(grown.At(6, 6), 0);
}

TEST_F(Format1Test, OutlineOnlyOnCheckedEntries) {
  options.outline = true;
  const DecodedFrame plain = EncodeAndDecode(Block3x3(), false);
  EXPECT_EQ(plain.leftMargin, 5);
  EXPECT_EQ(plain.width, 3);

  const DecodedFrame outlined = EncodeAndDecode(Block3x3(), true);
  EXPECT_EQ(outlined.leftMargin, 4);
  EXPECT_EQ(outlined.topMargin, 3);
  EXPECT_EQ(outlined.width, 5);
  EXPECT_EQ(outlined.height, 6);  // five rows and the transparent one below
  const Bytes expectedRows = {0, 5,   5,   5,   0, 5, 100, 100, 100, 5, 5, 100, 100, 100, 5,
                              5, 100, 100, 100, 5, 0, 5,   5,   5,   0, 0, 0,   0,   0,   0};
  EXPECT_EQ(outlined.pixels, expectedRows);
}

}  // namespace
}  // namespace kelvane

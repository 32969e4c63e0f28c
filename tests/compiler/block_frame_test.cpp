// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "base/errors.h"
#include "compiler/compile_driver.h"
#include "compiler/frame_encoders.h"
#include "support/def_reader.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::Le16;
using testing_support::Le32;
using testing_support::Le32Bytes;
using testing_support::ReadFrameBlock;
using testing_support::TempDir;
using Bytes = std::vector<uint8_t>;

// Decodes a format 2 or 3 block back into pixels: `Height` rows of `Width`
// columns (the last block's pixels past the width are dropped).
std::vector<Bytes> DecodeBlockFrame(const Bytes& block) {
  const int32_t width = ReadFrameBlock(block).width;
  const int32_t height = ReadFrameBlock(block).height;
  const size_t blocksPerRow = size_t(width + 31) / 32;
  std::vector<Bytes> rows;
  for (int32_t y = 0; y < height; ++y) {
    Bytes row;
    for (size_t b = 0; b < blocksPerRow; ++b) {
      size_t at = 32 + Le16(block, 32 + 2 * (size_t(y) * blocksPerRow + b));
      size_t filled = 0;
      while (filled < 32) {
        const uint8_t code = block.at(at++);
        const size_t length = (code & 31u) + 1;
        if (code >> 5 == 7) {
          row.insert(row.end(), block.begin() + long(at), block.begin() + long(at + length));
          at += length;
        } else {
          row.insert(row.end(), length, uint8_t(code >> 5));
        }
        filled += length;
      }
      EXPECT_EQ(filled, 32u);
    }
    row.resize(size_t(width));
    rows.push_back(row);
  }
  return rows;
}

// The block holds the source's rows from its top margin down, all of its width.
void ExpectSourceRows(const Bytes& block, const bmpgen::Bmp8& drawn) {
  const auto rows = DecodeBlockFrame(block);
  const int32_t top = ReadFrameBlock(block).topMargin;
  for (size_t y = 0; y < rows.size(); ++y) {
    for (int32_t x = 0; x < drawn.width; ++x) {
      ASSERT_EQ(rows[y][size_t(x)], drawn.At(x, top + int32_t(y))) << x << "," << y;
    }
  }
}

class BlockFrameTest : public ::testing::Test {
 protected:
  Bytes Encode3(const bmpgen::Bmp8& drawn) {
    Bytes block;
    ConverFileBMPtoPCX3(scratch, options, {dir.Bmp("frame.bmp", drawn), 1, false}, block);
    return block;
  }
  Bytes Encode2(const bmpgen::Bmp8& drawn) {
    Bytes block;
    ConverFileBMPtoPCX2(scratch, options, dir.Bmp("frame.bmp", drawn), block);
    return block;
  }

  TempDir dir;
  EncoderScratch scratch;
  FrameSettings options;
};

TEST_F(BlockFrameTest, CodesTheTwoRowObjectByteForByte) {
  bmpgen::Bmp8 drawn(64, 3);
  drawn.FillRect(30, 1, 33, 1, 9);
  const Bytes expected = {10,   0,    14, 0, 18,   0, 19, 0,    20,   0,      // table
                          0x1D, 0xE1, 9,  9, 0xE1, 9, 9,  0x1D, 0x1F, 0x1F};  // blocks
  for (const auto& [block, format] : {std::pair{Encode3(drawn), 3}, std::pair{Encode2(drawn), 2}}) {
    EXPECT_EQ(block,
              testing_support::Concat({Le32Bytes({20, format, 64, 3, 64, 2, 0, 1}), expected}));
  }
}

TEST_F(BlockFrameTest, EmptyFrameIsTheClosingEntryAlone) {
  const bmpgen::Bmp8 drawn(40, 5);
  for (const Bytes& block : {Encode3(drawn), Encode2(drawn)}) {
    ASSERT_EQ(block.size(), 34u);
    const auto read = ReadFrameBlock(block);
    EXPECT_EQ(read.dataSize, 2);
    EXPECT_EQ(read.height, 0);
    EXPECT_EQ(read.topMargin, 5);
    EXPECT_EQ(Le16(block, 32), 2);
  }
}

TEST_F(BlockFrameTest, ContentOnTheBottomRowHasNoTransparentRowBelow) {
  bmpgen::Bmp8 drawn(32, 6);
  drawn.FillRect(0, 3, 31, 5, 20);
  const auto block = ReadFrameBlock(Encode3(drawn));
  EXPECT_EQ(block.height, 3);
  EXPECT_EQ(block.topMargin, 3);
}

TEST_F(BlockFrameTest, MarginsAreZeroLeftAndTopLessThePlacementOffsets) {
  bmpgen::Bmp8 drawn(32, 8);
  drawn.At(20, 4) = 9;
  options.offsets = {10, -3};
  const auto block = ReadFrameBlock(Encode3(drawn));
  EXPECT_EQ(block.leftMargin, -10);
  EXPECT_EQ(block.topMargin, 4 + 3);
}

TEST_F(BlockFrameTest, LastBlockPastTheWidthIsTransparent) {
  bmpgen::Bmp8 drawn(33, 2);
  drawn.padding = 0xEE;
  drawn.FillRect(0, 0, 32, 0, 9);
  const Bytes block = Encode3(drawn);
  // Row 0: a literal block of 32, then the 33rd pixel and 31 transparent ones.
  const Bytes secondBlock(block.begin() + 32 + 10 + 33, block.begin() + 32 + 10 + 33 + 3);
  EXPECT_EQ(secondBlock, (Bytes{0xE0, 9, 0x1E}));
}

TEST_F(BlockFrameTest, EveryFrameIsReadWithItsOwnSize) {
  bmpgen::Bmp8 small(32, 4);
  small.FillRect(0, 1, 31, 2, 100);
  bmpgen::Bmp8 wide(96, 2);
  wide.FillRect(40, 0, 90, 0, 7);
  for (const auto* drawn : {&small, &wide}) {
    const Bytes block = Encode3(*drawn);
    EXPECT_EQ(ReadFrameBlock(block).fullWidth, drawn->width);
    EXPECT_EQ(ReadFrameBlock(block).fullHeight, drawn->height);
    ExpectSourceRows(block, *drawn);
  }
}

TEST_F(BlockFrameTest, BothFormatsDecodeBackToTheSourcePixels) {
  bmpgen::Bmp8 drawn(70, 30);
  for (int32_t y = 3; y < 27; ++y) {
    for (int32_t x = 0; x < 70; ++x) {
      // Runs of every low index, literals of all kinds, single pixels.
      drawn.At(x, y) = uint8_t((x / 3 + y) % 5 == 0 ? (x * 7 + y) % 256 : (x / 4 + y / 2) % 8);
    }
  }
  for (const Bytes& block : {Encode3(drawn), Encode2(drawn)}) {
    ASSERT_EQ(ReadFrameBlock(block).dataSize + 32, int32_t(block.size()));
    ExpectSourceRows(block, drawn);
  }
}

TEST_F(BlockFrameTest, FrameBeyondSixteenBitOffsetsIsRefused) {
  // A row of 2048 literal pixels is 64 blocks of 33 bytes plus 128 table bytes:
  // 29 rows fit in 65535 bytes, 30 do not.
  bmpgen::Bmp8 fits(2048, 29);
  bmpgen::Bmp8 tooBig(2048, 30);
  for (auto* drawn : {&fits, &tooBig}) {
    for (size_t i = 0; i < drawn->pixels.size(); ++i) {
      drawn->pixels[i] = uint8_t(8 + i % 200);
    }
  }
  EXPECT_EQ(Le32(Encode3(fits), 0), 2 * (29 * 64 + 1) + 29 * 64 * 33);
  Bytes block = {1, 2, 3};
  EXPECT_EQ(testing_support::ErrorText([&] {
              ConverFileBMPtoPCX3(scratch, options, {dir.Bmp("big.bmp", tooBig), 1, false}, block);
            }),
            "\"" + dir.File("big.bmp") +
                "\" (2048 x 30) is too large for its frame type: its coded blocks and their "
                "table need more than 65535 bytes");
  EXPECT_EQ(block, (Bytes{1, 2, 3}));
}

TEST_F(BlockFrameTest, IndexSevenIsALiteralHereAndAColourInFormatOne) {
  bmpgen::Bmp8 drawn(32, 2);
  drawn.FillRect(1, 0, 3, 0, 7);
  const Bytes mapObject = Encode3(drawn);
  EXPECT_EQ(Bytes(mapObject.begin() + 38, mapObject.end()),
            (Bytes{0x00, 0xE2, 7, 7, 7, 0x1B, 0x1F}));
  Bytes creature;
  ConverFileBMPtoPCX1(scratch, options, {dir.File("frame.bmp"), 1, false}, creature);
  // Columns 1 to 3 of rows 0 and 1: a run of three 7s, then three transparent pixels.
  EXPECT_EQ(Bytes(creature.end() - 4, creature.end()), (Bytes{0x07, 0x02, 0x00, 0x02}));
}

TEST_F(BlockFrameTest, MapObjectShadowOnlyWhenAsked) {
  bmpgen::Bmp8 drawn(32, 4);
  drawn.At(20, 1) = 9;  // row 2 from the bottom, sheared by one column
  EXPECT_EQ(DecodeBlockFrame(Encode3(drawn)).at(0)[19], 0);
  options.shadow = true;
  const auto rows = DecodeBlockFrame(Encode3(drawn));
  EXPECT_EQ(rows.at(0)[19], 4);
  EXPECT_EQ(rows.at(0)[20], 9);
}

TEST_F(BlockFrameTest, MapObjectDefEndToEnd) {
  bmpgen::Bmp8 drawn(64, 3);
  drawn.FillRect(30, 1, 33, 1, 9);
  FrameDocument mapObject;
  mapObject.list.Append(dir.Bmp("a.bmp", drawn));
  mapObject.list.Append(dir.Bmp("b.bmp", drawn));
  mapObject.settings = TypePicked(mapObject.settings, 2);
  mapObject.settings.outputName = dir.File("object.def");
  testing_support::RecordingHost host;
  CompileState state;
  ASSERT_EQ(CreateDefFile(state, mapObject, host).status, CompileOutcome::Status::Written);
  const auto def = testing_support::ReadDefFile(mapObject.settings.outputName);
  const int32_t d = 784 + 16 + 2 * 17;
  EXPECT_EQ(def.type, 0x43);
  EXPECT_EQ(def.groups.at(0).offsets, (std::vector<int32_t>{d, d + 52}));
  EXPECT_EQ(def.frames.at(1).format, 3);
}

}  // namespace
}  // namespace kelvane

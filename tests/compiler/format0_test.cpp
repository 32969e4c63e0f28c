// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "compiler/frame_encoders.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

TEST(Format0, StoresTheThirtyTwoRowsTopFirst) {
  testing_support::TempDir dir;
  bmpgen::Bmp8 tile(32, 32, 50);
  tile.At(0, 0) = 7;
  tile.At(31, 31) = 9;
  tile.At(5, 1) = 200;
  const std::string path = dir.Bmp("t.bmp", tile);
  EncoderScratch scratch;
  std::vector<uint8_t> block = {0xAA};  // blocks are appended
  ConverFileBMPtoPCX0(scratch, {}, path, block);
  ASSERT_EQ(block.size(), 1u + 1056);
  block.erase(block.begin());
  EXPECT_EQ(std::vector<uint8_t>(block.begin(), block.begin() + 32),
            testing_support::Le32Bytes({1024, 0, 32, 32, 32, 32, 0, 0}));
  EXPECT_EQ(block[32], 7);
  EXPECT_EQ(block[1055], 9);
  EXPECT_EQ(block[32 + 32 + 5], 200);
  EXPECT_EQ(block[33], 50);
}

TEST(Format0, TopDownFilesGiveTheSameBlock) {
  testing_support::TempDir dir;
  auto tile = testing_support::Tile32(5);
  const std::string bottomUp = dir.Bmp("a.bmp", tile);
  tile.topDown = true;
  const std::string topDown = dir.Bmp("b.bmp", tile);
  EncoderScratch scratch;
  std::vector<uint8_t> first, second;
  ConverFileBMPtoPCX0(scratch, {}, bottomUp, first);
  ConverFileBMPtoPCX0(scratch, {}, topDown, second);
  EXPECT_EQ(first, second);
}

}  // namespace
}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "support/cli_run.h"
#include "support/def_reader.h"
#include "support/format1_decoder.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::DecodedFrame;
using testing_support::DecodeFormat1;
using testing_support::TFigure;

size_t Count(const DecodedFrame& frame, uint8_t index) {
  return size_t(std::count(frame.pixels.begin(), frame.pixels.end(), index));
}

TEST(Format1Build, ShadowOutlineFixedSizeAndPlacementReachTheDef) {
  testing_support::TempDir dir;
  const std::string out = dir.File("creature.def");
  // Two transparent columns at the right of the T go with the fixed size.
  const auto run = testing_support::Build(
      {"--shadow", "--outline", "--check", "1", "--fixed", "16x24", "--x", "3", "--y", "-2", "-o",
       out, dir.Bmp("a.bmp", TFigure(18)), dir.Bmp("b.bmp", TFigure(18)), "/"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto bytes = testing_support::ReadBytes(out);
  const auto def = testing_support::ReadDef(bytes);
  EXPECT_EQ(def.type, 0x47);
  EXPECT_EQ(def.width, 16);
  EXPECT_EQ(def.height, 24);
  ASSERT_EQ(def.frames.size(), 2u);
  const DecodedFrame checked = DecodeFormat1(bytes, def.frames[0].offset);
  const DecodedFrame plain = DecodeFormat1(bytes, def.frames[1].offset);

  // The full size stays the first frame's own; only the DEF header is fixed.
  EXPECT_EQ(plain.fullWidth, 18);
  EXPECT_EQ(plain.fullHeight, 24);
  EXPECT_EQ(plain.width, 10);
  EXPECT_EQ(plain.height, 20);
  EXPECT_EQ(plain.leftMargin, 3 - 3);
  EXPECT_EQ(plain.topMargin, 4 + 2);
  EXPECT_EQ(Count(plain, 4), 16u);
  EXPECT_EQ(Count(plain, 5), 0u);
  EXPECT_EQ(plain.At(0, 10), 4);  // column 3 of row 9 from the bottom

  // The outline widens the checked frame by one pixel on every side but the
  // bottom, and covers the shadow pixels beside the stem.
  EXPECT_EQ(checked.width, 12);
  EXPECT_EQ(checked.height, 21);
  EXPECT_EQ(checked.leftMargin, 2 - 3);
  EXPECT_EQ(checked.topMargin, 3 + 2);
  EXPECT_EQ(Count(checked, 4), 12u);
  EXPECT_EQ(checked.At(4, 11), 5);  // column 6 of row 9
  EXPECT_EQ(checked.At(0, 0), 0);   // no diagonal corner
  EXPECT_EQ(checked.At(1, 0), 5);
}

}  // namespace
}  // namespace kelvane::cli

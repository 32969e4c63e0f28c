// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/palette_check.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "compiler/compile_driver.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

using testing_support::RecordingHost;
using testing_support::TempDir;

// A frame whose colour table sums to `sum` (at most 255 * 768).
bmpgen::Bmp8 WithPaletteSum(uint32_t sum) {
  bmpgen::Bmp8 image(4, 4);
  image.palette.fill(0);
  for (size_t i = 0; i < image.palette.size() && sum > 0; ++i) {
    if (i % 4 == 3) {
      continue;  // leave the reserved bytes 0
    }
    const uint32_t part = std::min<uint32_t>(sum, 255);
    image.palette[i] = uint8_t(part);
    sum -= part;
  }
  return image;
}

class PaletteCheckTest : public ::testing::Test {
 protected:
  void Add(uint32_t sum) {
    list.Append(dir.Bmp("f" + std::to_string(list.Count()) + ".bmp", WithPaletteSum(sum)));
  }
  bool Check() { return SolidColorCheck(PaletteCheckEntries(list), host); }

  TempDir dir;
  FrameList list;
  RecordingHost host;
};

TEST(PaletteByteSum, CountsEveryByte) {
  BmpPalette palette;
  palette.fill(255);
  EXPECT_EQ(PaletteByteSum(palette), 261120u);
}

TEST_F(PaletteCheckTest, SingleFrameHasNothingToCompare) {
  Add(5000);
  EXPECT_FALSE(Check());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(PaletteCheckTest, SameColoursInAnotherOrderPass) {
  auto a = bmpgen::Bmp8(4, 4);
  auto b = a;
  b.SetColour(0, 255, 255, 255);
  b.SetColour(255, 0, 0, 0);
  list.Append(dir.Bmp("a.bmp", a));
  list.Append(dir.Bmp("b.bmp", b));
  EXPECT_FALSE(Check());
}

TEST_F(PaletteCheckTest, ToleranceIsTenTwentyFourBothWaysInclusive) {
  Add(100000);
  Add(100000 + 765);   // one colour from black to white
  Add(100000 + 1024);  // the edge
  Add(100000 - 1024);
  EXPECT_FALSE(Check());
  Add(100000 + 1530);  // two colours
  Add(100000 + 1025);
  Add(100000 - 1025);
  EXPECT_TRUE(Check());
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[0].first, "Atantion!");
  EXPECT_EQ(host.messages[0].second, "Wrong palette in 5 Frame");
  EXPECT_EQ(host.messages[1].second, "Wrong palette in 6 Frame");
  EXPECT_EQ(host.messages[2].second, "Wrong palette in 7 Frame");
}

TEST_F(PaletteCheckTest, SeparatorsAreSkippedButCounted) {
  Add(100000);
  list.Append(kGroupSeparator);
  Add(200000);
  EXPECT_TRUE(Check());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].second, "Wrong palette in 3 Frame");
}

TEST_F(PaletteCheckTest, DarkReferenceHasANegativeLowerBound) {
  Add(300);
  Add(0);
  Add(1324);
  EXPECT_FALSE(Check());
  Add(1325);
  EXPECT_TRUE(Check());
}

TEST_F(PaletteCheckTest, UnreadableEntriesEndTheCheck) {
  list.Append(kGroupSeparator);
  Add(0);
  EXPECT_THROW(Check(), Error);
  list.Clear();
  Add(0);
  list.Append(dir.File("missing.bmp"));
  EXPECT_THROW(Check(), Error);
}

}  // namespace
}  // namespace kelvane

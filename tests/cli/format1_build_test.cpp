#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/build_command.h"
#include "support/format1_decoder.h"
#include "support/test_support.h"

namespace kelvane::cli {
namespace {

using testing_support::DecodedFrame;
using testing_support::Le32;

// A T-shaped figure: a stem in columns 7-8 from row 1 to row 15 and a bar in
// columns 3-12 from row 16 to row 19, rows counted from the bottom of a frame
// 24 rows high. Two transparent columns at the right go with the fixed size.
bmpgen::Bmp8 TFigure() {
  bmpgen::Bmp8 frame(18, 24);
  frame.FillRect(7, 23 - 15, 8, 23 - 1, 100);
  frame.FillRect(3, 23 - 19, 12, 23 - 16, 100);
  return frame;
}

size_t Count(const DecodedFrame& frame, uint8_t index) {
  return size_t(std::count(frame.pixels.begin(), frame.pixels.end(), index));
}

TEST(Format1Build, ShadowOutlineFixedSizeAndPlacementReachTheDef) {
  testing_support::TempDir dir;
  const std::string out = dir.File("creature.def");
  std::ostringstream stdoutText, stderrText;
  const int status = RunBuild(
      {"--shadow", "--outline", "--check", "1", "--fixed", "16x24", "--x", "3", "--y", "-2", "-q",
       "-o", out, dir.Bmp("a.bmp", TFigure()), dir.Bmp("b.bmp", TFigure()), "/"},
      stdoutText, stderrText);
  ASSERT_EQ(status, 0) << stderrText.str();
  const auto def = testing_support::ReadBytes(out);
  EXPECT_EQ(Le32(def, 0), 0x47);
  EXPECT_EQ(Le32(def, 4), 16);
  EXPECT_EQ(Le32(def, 8), 24);
  const size_t offsets = 784 + 16 + 2 * 13;
  const DecodedFrame checked = testing_support::DecodeFormat1(def, size_t(Le32(def, offsets)));
  const DecodedFrame plain = testing_support::DecodeFormat1(def, size_t(Le32(def, offsets + 4)));
  EXPECT_EQ(size_t(Le32(def, offsets + 4)), 834 + 32 + size_t(checked.dataSize));
  EXPECT_EQ(def.size(), size_t(Le32(def, offsets + 4)) + 32 + size_t(plain.dataSize));

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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/frame_settings.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "base/errors.h"
#include "compiler/frame_encoders.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

TEST(FrameSettingsTest, TextsAreParsedOnceAndChecked) {
  struct Case {
    std::string width, height, x, y;
    int32_t format;
    std::string error;  // empty: resolves
  };
  const Case cases[] = {
      {"450", " 400", "-5", "7", 1, ""},
      {"1", "1", "0", "0", 3, ""},
      {"0", "40", "0", "0", 1,
       "Fixed Size must be at least 1 x 1 and at most 268435456 bytes of pixels; it is 0 x 40"},
      {"-4", "40", "0", "0", 1,
       "Fixed Size must be at least 1 x 1 and at most 268435456 bytes of pixels; it is -4 x 40"},
      {"100000", "100000", "0", "0", 1,
       "Fixed Size must be at least 1 x 1 and at most 268435456 bytes of pixels; it is 100000 x "
       "100000"},
      {"4x", "4", "0", "0", 1, "'4x' is not a valid integer value"},
      {"4", "4", "ten", "0", 3, "'ten' is not a valid integer value"},
      {"4", "4", "ten", "1.5", 0, ""},  // raw tiles are not placed
  };
  for (const Case& c : cases) {
    WindowSettings window = StartSettings();
    window = SetFixedSize(SetUseY(SetUseX(window, true), true), true);
    window.fixedWidth = c.width;
    window.fixedHeight = c.height;
    window.xText = c.x;
    window.yText = c.y;
    try {
      const FrameSettings frame = ResolveFrameSettings(window, c.format);
      EXPECT_EQ(c.error, "") << c.width;
      ASSERT_TRUE(frame.fixedSize);
      EXPECT_EQ(frame.offsets.x.has_value(), c.format != 0);
    } catch (const Error& error) {
      EXPECT_EQ(error.what(), c.error);
    }
  }
}

// Called on their own, the encoders refuse what no frame can be, and leave
// the block as it was.
TEST(FrameSettingsTest, EncodersRefuseImpossibleSizesAndOffsets) {
  testing_support::TempDir dir;
  bmpgen::Bmp8 drawn(40, 30);
  drawn.FillRect(3, 3, 20, 20, 9);
  const std::string path = dir.Bmp("f.bmp", drawn);
  using Encode = std::function<void(EncoderScratch&, const FrameSettings&, std::vector<uint8_t>&)>;
  const Encode encoders[] = {
      [&](auto& s, auto& f, auto& b) {
        ConverFileBMPtoPCX1(s, f, {path, 1, true}, b);
      },
      [&](auto& s, auto& f, auto& b) {
        ConverFileBMPtoPCX3(s, f, {path, 1, false}, b);
      },
      [&](auto& s, auto& f, auto& b) { ConverFileBMPtoPCX2(s, f, path, b); },
  };
  std::vector<FrameSettings> impossible(5);
  impossible[0].fixedSize = FrameSize{0, 0};
  impossible[1].fixedSize = FrameSize{-4, 10};
  impossible[2].fixedSize = FrameSize{10, INT32_MIN};
  impossible[3].offsets.x = INT32_MIN;
  impossible[4].offsets.y = INT32_MIN;
  impossible[4].offsets.x = 1;
  for (size_t e = 0; e < std::size(encoders); ++e) {
    for (size_t i = 0; i < impossible.size(); ++i) {
      if (e == 2 && i < 3) {
        continue;  // format 2 takes no fixed size
      }
      EncoderScratch scratch;
      std::vector<uint8_t> block = {1, 2};
      EXPECT_THROW(encoders[e](scratch, impossible[i], block), Error) << e << " " << i;
      EXPECT_EQ(block, (std::vector<uint8_t>{1, 2})) << e << " " << i;
    }
  }
}

}  // namespace
}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "compiler/frame_encoders.h"
#include "support/format1_decoder.h"
#include "support/test_support.h"

namespace kelvane {
namespace {

// A small fixed generator, so every run draws the same frames.
class Lcg {
 public:
  explicit Lcg(uint32_t seed) : state_(seed) {}
  uint32_t Below(uint32_t bound) {
    state_ = state_ * 1664525u + 1013904223u;
    return (state_ >> 8) % bound;
  }

 private:
  uint32_t state_;
};

// A figure of runs: long and short, of colour indices and literals, on a
// transparent ground with a transparent margin of random size.
bmpgen::Bmp8 RandomFrame(Lcg& random, int32_t width, int32_t height) {
  bmpgen::Bmp8 frame(width, height);
  frame.padding = uint8_t(random.Below(256));
  const int32_t x0 = int32_t(random.Below(uint32_t(width)));
  const int32_t y0 = int32_t(random.Below(uint32_t(height)));
  for (int32_t y = y0; y < height; ++y) {
    for (int32_t x = x0; x < width;) {
      const uint8_t index = uint8_t(random.Below(3) == 0 ? random.Below(8) : random.Below(256));
      const int32_t run = 1 + int32_t(random.Below(random.Below(4) == 0 ? 600 : 6));
      for (int32_t i = 0; i < run && x < width; ++i, ++x) {
        frame.At(x, y) = random.Below(5) == 0 ? uint8_t(random.Below(256)) : index;
      }
    }
  }
  return frame;
}

void ExpectSourceInsideTheBox(const bmpgen::Bmp8& source, const testing_support::DecodedFrame& d) {
  for (int32_t y = 0; y < source.height; ++y) {
    for (int32_t x = 0; x < source.width; ++x) {
      const bool inside = x >= d.leftMargin && x < d.leftMargin + d.width && y >= d.topMargin &&
                          y < d.topMargin + d.height;
      if (inside) {
        ASSERT_EQ(d.At(x - d.leftMargin, y - d.topMargin), source.At(x, y)) << x << "," << y;
      } else {
        ASSERT_EQ(source.At(x, y), 0) << "visible pixel outside the box at " << x << "," << y;
      }
    }
  }
  // Columns past the width come from the row's padding.
  for (int32_t x = source.width; x < d.leftMargin + d.width; ++x) {
    for (int32_t y = 0; y < d.height; ++y) {
      ASSERT_EQ(d.At(x - d.leftMargin, y), source.padding);
    }
  }
}

TEST(Format1RoundTrip, DecodedFramesHoldTheSourceInsideTheContentBox) {
  testing_support::TempDir dir;
  EncoderScratch scratch;
  FrameSettings options;
  options.firstFrameWidth = 77;
  options.firstFrameHeight = 33;
  Lcg random(2024);
  std::vector<uint8_t> blocks;
  std::vector<bmpgen::Bmp8> sources;
  std::vector<size_t> starts;
  for (int i = 0; i < 60; ++i) {
    const int32_t width = 1 + int32_t(random.Below(i % 6 == 0 ? 700 : 40));
    const int32_t height = 1 + int32_t(random.Below(24));
    sources.push_back(RandomFrame(random, width, height));
    starts.push_back(blocks.size());
    const std::string path = dir.Bmp("f" + std::to_string(i) + ".bmp", sources.back());
    ConverFileBMPtoPCX1(scratch, options, {path, i + 1, false}, blocks);
  }
  for (size_t i = 0; i < sources.size(); ++i) {
    SCOPED_TRACE("frame " + std::to_string(i));
    const auto decoded = testing_support::DecodeFormat1(blocks, starts[i]);
    EXPECT_EQ(decoded.fullWidth, 77);
    EXPECT_EQ(decoded.fullHeight, 33);
    const size_t end = i + 1 < starts.size() ? starts[i + 1] : blocks.size();
    EXPECT_EQ(end - starts[i], 32 + size_t(decoded.dataSize));
    ExpectSourceInsideTheBox(sources[i], decoded);
  }
}

}  // namespace
}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/format1_rows.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace kelvane {
namespace {

using Bytes = std::vector<uint8_t>;
using testing_support::Concat;

Bytes EncodeRow(const Bytes& pixels) {
  Bytes out = {0xAA};  // rows are appended
  AppendFormat1Row(pixels.data(), pixels.data() + pixels.size(), out);
  EXPECT_EQ(out.at(0), 0xAA);
  return Bytes(out.begin() + 1, out.end());
}

Bytes Literal(size_t length, uint8_t first) {
  Bytes pixels(length);
  for (size_t i = 0; i < length; ++i) {
    pixels[i] = uint8_t(8 + (first + i) % 248);
  }
  return pixels;
}

TEST(Format1Row, WorkedExample) {
  EXPECT_EQ(EncodeRow({0, 0, 0, 12, 13, 5, 5, 0}),
            (Bytes{0x00, 0x02, 0xFF, 0x01, 0x0C, 0x0D, 0x05, 0x01, 0x00, 0x00}));
}

TEST(Format1Row, ColourRunsSplitAfter254Pixels) {
  for (const uint8_t colour : {0, 4, 7}) {
    EXPECT_EQ(EncodeRow(Bytes(1, colour)), (Bytes{colour, 0}));
    EXPECT_EQ(EncodeRow(Bytes(254, colour)), (Bytes{colour, 253}));
    EXPECT_EQ(EncodeRow(Bytes(255, colour)), (Bytes{colour, 253, colour, 0}));
    EXPECT_EQ(EncodeRow(Bytes(508, colour)), (Bytes{colour, 253, colour, 253}));
    EXPECT_EQ(EncodeRow(Bytes(509, colour)), (Bytes{colour, 253, colour, 253, colour, 0}));
  }
}

TEST(Format1Row, LiteralRunsSplitAfter255Pixels) {
  const Bytes run255 = Literal(255, 0);
  EXPECT_EQ(EncodeRow(run255), Concat({{0xFF, 254}, run255}));
  const Bytes run256 = Literal(256, 0);
  EXPECT_EQ(EncodeRow(run256), Concat({{0xFF, 254}, Literal(255, 0), {0xFF, 0, run256.back()}}));
  const Bytes run511 = Literal(511, 0);
  EXPECT_EQ(EncodeRow(run511), Concat({{0xFF, 254},
                                       Bytes(run511.begin(), run511.begin() + 255),
                                       {0xFF, 254},
                                       Bytes(run511.begin() + 255, run511.begin() + 510),
                                       {0xFF, 0, run511.back()}}));
}

TEST(Format1Row, SevenIsAColourAndEightALiteral) {
  EXPECT_EQ(EncodeRow({7, 7, 8, 255, 6}), (Bytes{7, 1, 0xFF, 1, 8, 255, 6, 0}));
}

TEST(Format1Row, DifferentColoursMeetAsSeparateSegments) {
  EXPECT_EQ(EncodeRow({1, 2, 2, 1, 9, 3}), (Bytes{1, 0, 2, 1, 1, 0, 0xFF, 0, 9, 3, 0}));
  EXPECT_EQ(EncodeRow({}), Bytes{});
}

}  // namespace
}  // namespace kelvane

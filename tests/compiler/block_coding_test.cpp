// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/block_coding.h"

#include <gtest/gtest.h>

namespace kelvane {
namespace {

std::vector<uint8_t> Pixels(std::initializer_list<std::pair<int, uint8_t>> runs) {
  std::vector<uint8_t> pixels;
  for (const auto& [count, index] : runs) {
    pixels.insert(pixels.end(), size_t(count), index);
  }
  EXPECT_EQ(pixels.size(), 32u);
  return pixels;
}

std::vector<uint8_t> Code(const std::vector<uint8_t>& pixels, LiteralRule rule) {
  std::vector<uint8_t> out = {0x55};  // blocks are appended
  EncodeBlock(pixels.data(), rule, out);
  out.erase(out.begin());
  return out;
}

using Bytes = std::vector<uint8_t>;

TEST(EncodeBlock, MapObjectsAndFormatTwoDifferOnLowIndicesAfterALiteral) {
  const auto mixed = Pixels({{5, 0}, {3, 1}, {1, 9}, {1, 200}, {1, 7}, {2, 4}, {19, 0}});
  EXPECT_EQ(Code(mixed, LiteralRule::FromSeven),
            (Bytes{0x04, 0x22, 0xE2, 0x09, 0xC8, 0x07, 0x81, 0x12}));
  EXPECT_EQ(Code(mixed, LiteralRule::AnyNonZero),
            (Bytes{0x04, 0x22, 0xE4, 0x09, 0xC8, 0x07, 0x04, 0x04, 0x12}));

  const auto highFirst = Pixels({{1, 5}, {2, 1}, {1, 8}, {28, 0}});
  EXPECT_EQ(Code(highFirst, LiteralRule::FromSeven), (Bytes{0xA0, 0x21, 0xE0, 0x08, 0x1B}));
  EXPECT_EQ(Code(highFirst, LiteralRule::AnyNonZero), (Bytes{0xA0, 0xE2, 0x01, 0x01, 0x08, 0x1B}));

  const auto lowRun = Pixels({{2, 1}, {30, 0}});
  EXPECT_EQ(Code(lowRun, LiteralRule::FromSeven), (Bytes{0x21, 0x1D}));
  EXPECT_EQ(Code(lowRun, LiteralRule::AnyNonZero), (Bytes{0x21, 0x1D}));
}

TEST(EncodeBlock, WholeBlocksOfOneIndex) {
  Bytes literal = {0xFF};
  literal.insert(literal.end(), 32, 9);
  EXPECT_EQ(Code(Pixels({{32, 9}}), LiteralRule::FromSeven), literal);
  EXPECT_EQ(Code(Pixels({{32, 0}}), LiteralRule::FromSeven), Bytes{0x1F});
  EXPECT_EQ(Code(Pixels({{32, 6}}), LiteralRule::FromSeven), Bytes{0xDF});
  EXPECT_EQ(Code(Pixels({{32, 3}}), LiteralRule::AnyNonZero), Bytes{0x7F});
  Bytes sevens = {0xFF};
  sevens.insert(sevens.end(), 32, 7);
  EXPECT_EQ(Code(Pixels({{32, 7}}), LiteralRule::FromSeven), sevens);
}

TEST(EncodeBlock, LowIndicesAfterALiteralStayInItForFormatTwo) {
  const auto pixels = Pixels({{1, 50}, {2, 3}, {1, 6}, {1, 0}, {27, 2}});
  EXPECT_EQ(Code(pixels, LiteralRule::AnyNonZero), (Bytes{0xE3, 50, 3, 3, 6, 0x00, 0x5A}));
  EXPECT_EQ(Code(pixels, LiteralRule::FromSeven), (Bytes{0xE0, 50, 0x61, 0xC0, 0x00, 0x5A}));
}

// Segments that meet at or cross the 8-pixel words the coder reads at once,
// the longest coding a block can have, and a pass that falls back to a
// literal in the middle (format 2).
TEST(EncodeBlock, SegmentsAcrossWordsAndTheLongestBlock) {
  const auto crossing = Pixels({{6, 0}, {4, 3}, {22, 200}});
  Bytes crossingCode = {0x05, 0x63, 0xF5};
  crossingCode.insert(crossingCode.end(), 22, 200);
  EXPECT_EQ(Code(crossing, LiteralRule::FromSeven), crossingCode);
  EXPECT_EQ(Code(crossing, LiteralRule::AnyNonZero), crossingCode);

  Bytes alternating;
  Bytes alternatingCode;
  for (int i = 0; i < 16; ++i) {
    alternating.insert(alternating.end(), {7, 0});
    alternatingCode.insert(alternatingCode.end(), {0xE0, 7, 0x00});
  }
  EXPECT_EQ(Code(alternating, LiteralRule::FromSeven), alternatingCode);
  EXPECT_EQ(Code(alternating, LiteralRule::AnyNonZero), alternatingCode);

  const auto falling = Pixels({{1, 6},
                               {1, 5},
                               {1, 4},
                               {1, 3},
                               {1, 2},
                               {1, 1},
                               {2, 0},
                               {8, 8},
                               {8, 1},
                               {1, 9},
                               {1, 1},
                               {1, 9},
                               {1, 1},
                               {1, 9},
                               {1, 1},
                               {1, 9},
                               {1, 1}});
  Bytes fromSeven = {0xC0, 0xA0, 0x80, 0x60, 0x40, 0x20, 0x01, 0xE7};
  fromSeven.insert(fromSeven.end(), 8, 8);
  fromSeven.push_back(0x27);
  for (int i = 0; i < 4; ++i) {
    fromSeven.insert(fromSeven.end(), {0xE0, 9, 0x20});
  }
  EXPECT_EQ(Code(falling, LiteralRule::FromSeven), fromSeven);
  Bytes anyNonZero = {0xC0, 0xE4, 5, 4, 3, 2, 1, 0x01, 0xF7};
  anyNonZero.insert(anyNonZero.end(), 8, 8);
  anyNonZero.insert(anyNonZero.end(), 8, 1);
  for (int i = 0; i < 4; ++i) {
    anyNonZero.insert(anyNonZero.end(), {9, 1});
  }
  EXPECT_EQ(Code(falling, LiteralRule::AnyNonZero), anyNonZero);
}

}  // namespace
}  // namespace kelvane

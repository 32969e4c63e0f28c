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

}  // namespace
}  // namespace kelvane

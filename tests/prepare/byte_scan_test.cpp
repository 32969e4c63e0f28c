// SPDX-License-Identifier: GPL-3.0-or-later
// The row scans that test sixteen and eight bytes at a time, against the
// plain answer, at every length and place around those sizes.

#include "prepare/byte_scan.h"

#include <gtest/gtest.h>

#include <vector>

namespace kelvane {
namespace {

TEST(ByteScan, FindsTheOneDifferentByteWhereverItIs) {
  for (size_t count = 0; count <= 40; ++count) {
    EXPECT_EQ(FirstNotEqual(std::vector<uint8_t>(count, 7).data(), count, 7), count);
    EXPECT_EQ(EndOfLastNotEqual(std::vector<uint8_t>(count, 7).data(), count, 7), 0u);
    EXPECT_EQ(FirstBelow(std::vector<uint8_t>(count, 8).data(), count, 8), count);
    for (size_t at = 0; at < count; ++at) {
      std::vector<uint8_t> bytes(count, 7);
      bytes[at] = 200;
      EXPECT_EQ(FirstNotEqual(bytes.data(), count, 7), at) << count;
      EXPECT_EQ(EndOfLastNotEqual(bytes.data(), count, 7), at + 1) << count;
      std::vector<uint8_t> high(count, 200);
      high[at] = 7;
      EXPECT_EQ(FirstBelow(high.data(), count, 8), at) << count;
    }
  }
}

// Sixteen at once as two times eight, also where the target lies some bytes
// before the casters (a sheared shadow on its own row).
TEST(ByteScan, CastingSixteenAtOnceIsCastingEightTwice) {
  uint32_t state = 12345;
  for (int round = 0; round < 2000; ++round) {
    std::vector<uint8_t> row(48);
    for (uint8_t& byte : row) {
      state = state * 1103515245u + 12345u;
      byte = (state >> 16) % 3 == 0 ? uint8_t(state >> 8) : 0;
    }
    const size_t shift = size_t(round % 9);
    std::vector<uint8_t> wide = row;
    std::vector<uint8_t> narrow = row;
    CastOnto16(wide.data() + 16, wide.data() + 16 - shift, 4);
    // Eight by eight, each read before any write, as sixteen at once does.
    std::vector<uint8_t> from(narrow.begin() + 16, narrow.begin() + 32);
    CastOnto8(from.data(), narrow.data() + 16 - shift, 4);
    CastOnto8(from.data() + 8, narrow.data() + 24 - shift, 4);
    EXPECT_EQ(wide, narrow) << round;
  }
}

}  // namespace
}  // namespace kelvane

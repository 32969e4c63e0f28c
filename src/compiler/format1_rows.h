// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kelvane {

// The most bytes the pixels of a row of `pixels` pixels code to: one literal
// pixel between two colour pixels takes three bytes, a colour pixel two.
constexpr size_t LargestFormat1Row(size_t pixels) {
  return 3 * pixels + 2;
}

// Writes the format 1 segments of the pixels [begin, end) of one row at `out`,
// left to right, greedy and maximal, and returns where they end:
// - a run of one index 0 to 7 as colour segments: the index, then the length
//   minus one, at most 254 pixels each;
// - a run of indices 8 to 255 as literal segments: 0xFF, the length minus one,
//   then the pixels, at most 255 each.
// `out` has room for LargestFormat1Row(end - begin) bytes.
uint8_t* EncodeFormat1Row(const uint8_t* begin, const uint8_t* end, uint8_t* out);

// The same, appended to `out`.
void AppendFormat1Row(const uint8_t* begin, const uint8_t* end, std::vector<uint8_t>& out);

}  // namespace kelvane

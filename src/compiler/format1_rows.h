// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace kelvane {

// Appends the format 1 segments of the pixels [begin, end) of one row, left
// to right, greedy and maximal:
// - a run of one index 0 to 7 as colour segments: the index, then the length
//   minus one, at most 254 pixels each;
// - a run of indices 8 to 255 as literal segments: 0xFF, the length minus one,
//   then the pixels, at most 255 each.
void AppendFormat1Row(const uint8_t* begin, const uint8_t* end, std::vector<uint8_t>& out);

}  // namespace kelvane

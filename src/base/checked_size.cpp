// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/checked_size.h"

namespace kelvane {

std::string SizeText(uint64_t size) {
  const bool overflowed = size == kSizeOverflow;
  std::string digits = std::to_string(overflowed ? kSizeOverflow - 1 : size);
  for (size_t at = digits.size(); at > 3; at -= 3) {
    digits.insert(at - 3, ",");
  }
  return overflowed ? "more than " + digits : digits;
}

std::string CountText(uint64_t count, const std::string& thing) {
  return SizeText(count) + " " + thing + (count == 1 ? "" : "s");
}

}  // namespace kelvane

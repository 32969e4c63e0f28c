// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kelvane {

// Sizes, counts and offsets computed from what a file states are summed and
// multiplied here, never with the bare operators: a result that does not fit
// in 64 bits becomes kSizeOverflow, which is larger than every limit the
// readers compare it with, so a wrapped value can never pass a check.
constexpr uint64_t kSizeOverflow = UINT64_MAX;

constexpr uint64_t AddSizes(uint64_t a, uint64_t b) {
  uint64_t sum = 0;
  return __builtin_add_overflow(a, b, &sum) ? kSizeOverflow : sum;
}

constexpr uint64_t MultiplySizes(uint64_t a, uint64_t b) {
  uint64_t product = 0;
  return __builtin_mul_overflow(a, b, &product) ? kSizeOverflow : product;
}

// A running total of sizes that stays at kSizeOverflow once it got there.
class SizeSum {
 public:
  constexpr SizeSum() = default;
  constexpr explicit SizeSum(uint64_t start) : total_(start) {}
  constexpr SizeSum& operator+=(uint64_t size) {
    total_ = AddSizes(total_, size);
    return *this;
  }
  constexpr uint64_t value() const { return total_; }
  constexpr bool Exceeds(uint64_t limit) const { return total_ > limit; }

 private:
  uint64_t total_ = 0;
};

// True when `size` can be allocated as a size_t on this system.
constexpr bool FitsInMemory(uint64_t size) {
  return size <= uint64_t(SIZE_MAX);
}

// A size for a message, with thousands separated: "1,073,741,824", or "more
// than 18,446,744,073,709,551,614" for one that overflowed.
std::string SizeText(uint64_t size);

// A count of things for a message: "1 frame", "1,800 frames".
std::string CountText(uint64_t count, const std::string& thing);

}  // namespace kelvane

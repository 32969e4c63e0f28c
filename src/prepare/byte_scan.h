// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Scans of pixel rows that test eight bytes at a time.

namespace kelvane {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "the scans find a byte's place from the low end of a word");

namespace byte_scan {

constexpr uint64_t kOnes = 0x0101010101010101ull;
constexpr uint64_t kHighBits = 0x8080808080808080ull;

inline uint64_t LoadWord(const uint8_t* at) {
  uint64_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// The high bit of each byte of the result is set where `word` has a non-zero byte.
inline uint64_t NonZeroBytes(uint64_t word) {
  return (((word & ~kHighBits) + ~kHighBits) | word) & kHighBits;
}

// The high bit of each byte of the result is set where `word` has a byte of
// `least` (1 to 128) or more: below 128 the sum carries into the high bit
// exactly then, and never into the next byte.
inline uint64_t BytesFrom(uint64_t word, uint8_t least) {
  return (((word & ~kHighBits) + kOnes * uint8_t(0x80 - least)) | word) & kHighBits;
}

// The high bit of each byte of the result is set where `word` has a byte of 5 or more.
inline uint64_t BytesFromFive(uint64_t word) {
  return BytesFrom(word, 5);
}

// A byte mask (0xFF or 0x00 per byte) from high bits.
inline uint64_t ByteMask(uint64_t highBits) {
  return (highBits >> 7) * 0xFF;
}

}  // namespace byte_scan

// Index of the first of `count` bytes that differs from `value`; `count` when none does.
inline size_t FirstNotEqual(const uint8_t* bytes, size_t count, uint8_t value) {
  const uint64_t pattern = byte_scan::kOnes * value;
  size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const uint64_t differs = byte_scan::LoadWord(bytes + i) ^ pattern;
    if (differs != 0) {
      return i + size_t(__builtin_ctzll(differs)) / 8;
    }
  }
  while (i < count && bytes[i] == value) {
    ++i;
  }
  return i;
}

// Index of the first of `count` bytes below `limit` (1 to 128); `count` when none is.
inline size_t FirstBelow(const uint8_t* bytes, size_t count, uint8_t limit) {
  size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const uint64_t below =
        ~byte_scan::BytesFrom(byte_scan::LoadWord(bytes + i), limit) & byte_scan::kHighBits;
    if (below != 0) {
      return i + size_t(__builtin_ctzll(below)) / 8;
    }
  }
  while (i < count && bytes[i] >= limit) {
    ++i;
  }
  return i;
}

// One past the last of `count` bytes that differs from `value`; 0 when none does.
inline size_t EndOfLastNotEqual(const uint8_t* bytes, size_t count, uint8_t value) {
  const uint64_t pattern = byte_scan::kOnes * value;
  size_t end = count;
  for (; end >= 8; end -= 8) {
    const uint64_t differs = byte_scan::LoadWord(bytes + end - 8) ^ pattern;
    if (differs != 0) {
      return end - size_t(__builtin_clzll(differs)) / 8;
    }
  }
  while (end > 0 && bytes[end - 1] == value) {
    --end;
  }
  return end;
}

// The high bit of each byte of the result is set where the eight bytes at `at`
// hold none of `a`, `b` and `c`.
inline uint64_t BytesOutsideOf(const uint8_t* at, uint8_t a, uint8_t b, uint8_t c) {
  using namespace byte_scan;
  const uint64_t word = LoadWord(at);
  return NonZeroBytes(word ^ kOnes * a) & NonZeroBytes(word ^ kOnes * b) &
         NonZeroBytes(word ^ kOnes * c);
}

}  // namespace kelvane

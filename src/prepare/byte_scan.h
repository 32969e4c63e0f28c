// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Scans of pixel rows that test eight or sixteen bytes at a time.

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

// Sixteen bytes as one value that the compiler keeps in a vector register
// (SSE2, NEON): each operation works on the sixteen at once, and a comparison
// gives 0xFF in each byte where it holds, 0x00 where it does not.
typedef uint8_t Bytes16 __attribute__((vector_size(16)));

inline Bytes16 Load16(const uint8_t* at) {
  Bytes16 bytes;
  std::memcpy(&bytes, at, sizeof bytes);
  return bytes;
}

inline void Store16(uint8_t* at, Bytes16 bytes) {
  std::memcpy(at, &bytes, sizeof bytes);
}

inline Bytes16 Splat16(uint8_t value) {
  Bytes16 bytes;
  std::memset(&bytes, value, sizeof bytes);
  return bytes;
}

// The two halves of a byte mask, low bytes first.
struct Halves {
  uint64_t low;
  uint64_t high;
};
inline Halves HalvesOf(Bytes16 mask) {
  Halves halves;
  std::memcpy(&halves, &mask, sizeof halves);
  return halves;
}

// The place of the first byte set in a byte mask that has one.
inline size_t FirstSet(Bytes16 mask) {
  const Halves h = HalvesOf(mask);
  return h.low != 0 ? size_t(__builtin_ctzll(h.low)) / 8 : 8 + size_t(__builtin_ctzll(h.high)) / 8;
}

// One past the place of the last byte set in a byte mask that has one.
inline size_t EndOfLastSet(Bytes16 mask) {
  const Halves h = HalvesOf(mask);
  return h.high != 0 ? 16 - size_t(__builtin_clzll(h.high)) / 8
                     : 8 - size_t(__builtin_clzll(h.low)) / 8;
}

inline bool AnySet(Bytes16 mask) {
  const Halves h = HalvesOf(mask);
  return (h.low | h.high) != 0;
}

}  // namespace byte_scan

// Index of the first of `count` bytes that differs from `value`; `count` when none does.
inline size_t FirstNotEqual(const uint8_t* bytes, size_t count, uint8_t value) {
  using namespace byte_scan;
  const Bytes16 pattern = Splat16(value);
  size_t i = 0;
  for (; i + 16 <= count; i += 16) {
    const auto differs = Bytes16(Load16(bytes + i) != pattern);
    if (AnySet(differs)) {
      return i + FirstSet(differs);
    }
  }
  for (; i + 8 <= count; i += 8) {
    const uint64_t differs = LoadWord(bytes + i) ^ kOnes * value;
    if (differs != 0) {
      return i + size_t(__builtin_ctzll(differs)) / 8;
    }
  }
  while (i < count && bytes[i] == value) {
    ++i;
  }
  return i;
}

// Index of the first of `count` bytes below `limit`; `count` when none is.
inline size_t FirstBelow(const uint8_t* bytes, size_t count, uint8_t limit) {
  using namespace byte_scan;
  const Bytes16 bound = Splat16(limit);
  size_t i = 0;
  for (; i + 16 <= count; i += 16) {
    const auto below = Bytes16(Load16(bytes + i) < bound);
    if (AnySet(below)) {
      return i + FirstSet(below);
    }
  }
  while (i < count && bytes[i] >= limit) {
    ++i;
  }
  return i;
}

// One past the last of `count` bytes that differs from `value`; 0 when none does.
inline size_t EndOfLastNotEqual(const uint8_t* bytes, size_t count, uint8_t value) {
  using namespace byte_scan;
  const Bytes16 pattern = Splat16(value);
  size_t end = count;
  for (; end >= 16; end -= 16) {
    const auto differs = Bytes16(Load16(bytes + end - 16) != pattern);
    if (AnySet(differs)) {
      return end - 16 + EndOfLastSet(differs);
    }
  }
  for (; end >= 8; end -= 8) {
    const uint64_t differs = LoadWord(bytes + end - 8) ^ kOnes * value;
    if (differs != 0) {
      return end - size_t(__builtin_clzll(differs)) / 8;
    }
  }
  while (end > 0 && bytes[end - 1] == value) {
    --end;
  }
  return end;
}

// Each non-zero byte at `from` turns the zero byte at its place at `onto`
// into `shadow`, sixteen or eight at a time. The bytes may overlap: all of
// them are read before any is written.
inline void CastOnto16(const uint8_t* from, uint8_t* onto, uint8_t shadow) {
  using namespace byte_scan;
  const Bytes16 target = Load16(onto);
  const auto cast = Bytes16(Load16(from) != Splat16(0)) & Bytes16(target == Splat16(0));
  Store16(onto, target | (cast & Splat16(shadow)));
}

inline void CastOnto8(const uint8_t* from, uint8_t* onto, uint8_t shadow) {
  using namespace byte_scan;
  const uint64_t casting = LoadWord(from);
  if (casting == 0) {
    return;
  }
  const uint64_t target = LoadWord(onto);
  const uint64_t cast = NonZeroBytes(casting) & ~NonZeroBytes(target);
  const uint64_t shadowed = target | (cast >> 7) * shadow;
  std::memcpy(onto, &shadowed, sizeof shadowed);
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

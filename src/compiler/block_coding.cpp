// SPDX-License-Identifier: GPL-3.0-or-later
#include "compiler/block_coding.h"

#include <cstring>

#include "prepare/byte_scan.h"

namespace kelvane {

namespace {

// Past the block: every search for the next pixel of a kind ends there.
constexpr uint64_t kBlockEnd = uint64_t{1} << kBlockPixels;

// One bit per pixel of a block, pixel i at bit i, each set where the pixel is:
struct BlockMasks {
  uint64_t zero = 0;    // index 0
  uint64_t runs = 0;    // an index 0 to 6, coded as runs
  uint64_t starts = 0;  // unlike the pixel before it (the first pixel always)
};

// The high bits of a word's eight bytes as eight bits, byte i at bit i.
uint64_t GatherHighBits(uint64_t highBits) {
  return ((highBits >> 7) * 0x0102040810204080ull) >> 56;
}

BlockMasks MasksOf(const uint8_t* pixels) {
  using namespace byte_scan;
  BlockMasks masks;
  // The byte before the first pixel differs from it, so a run starts there.
  uint64_t before = uint8_t(~pixels[0]);
  for (int w = 0; w < kBlockPixels / 8; ++w) {
    const uint64_t word = LoadWord(pixels + 8 * w);
    const uint64_t shifted = word << 8 | before;
    const int at = 8 * w;
    masks.zero |= GatherHighBits(~NonZeroBytes(word) & kHighBits) << at;
    masks.runs |= GatherHighBits(~BytesFrom(word, kBlockLastRunIndex + 1) & kHighBits) << at;
    masks.starts |= GatherHighBits(NonZeroBytes(word ^ shifted)) << at;
    before = word >> 56;
  }
  return masks;
}

// The first pixel after `from` whose bit is set in `mask`, or the block's end.
int NextAfter(uint64_t mask, int from) {
  return __builtin_ctzll((mask | kBlockEnd) >> (from + 1) << (from + 1));
}

// The first pixel at or after `from` whose bit is set in `mask`, or the block's end.
int NextFrom(uint64_t mask, int from) {
  return __builtin_ctzll((mask | kBlockEnd) >> from << from);
}

}  // namespace

// Segment by segment, each found from the masks at once: a pass's colour runs
// go up in index, so `lowest` is the least index a run may have before the
// pass ends (after a literal, or at a pixel no check of the pass takes).
size_t EncodeBlock(const uint8_t* pixels, LiteralRule rule, uint8_t* out) {
  const BlockMasks masks = MasksOf(pixels);
  // The blocks most frames are made of: all transparent, or all literal.
  if (masks.zero == kBlockEnd - 1) {
    *out = BlockSegmentCode(kTransparentIndex, kBlockPixels);
    return 1;
  }
  if (masks.runs == 0) {
    *out = BlockSegmentCode(kBlockLiteralKind, kBlockPixels);
    std::memcpy(out + 1, pixels, kBlockPixels);
    return 1 + kBlockPixels;
  }
  // A literal ends at the next pixel that is not literal.
  const uint64_t literalEnds = rule == LiteralRule::FromSeven ? masks.runs : masks.zero;
  uint8_t* const start = out;
  int lowest = 0;
  for (int j = 0; j < kBlockPixels;) {
    const uint8_t pixel = pixels[j];
    if (pixel <= kBlockLastRunIndex && pixel >= lowest) {
      const int end = NextAfter(masks.starts, j);
      *out++ = BlockSegmentCode(pixel, end - j);
      j = end;
      lowest = pixel + 1;
    } else if ((literalEnds >> j & 1) == 0) {
      const int end = NextFrom(literalEnds, j);
      *out++ = BlockSegmentCode(kBlockLiteralKind, end - j);
      std::memcpy(out, pixels + j, size_t(end - j));
      out += end - j;
      j = end;
      lowest = 0;
    } else {
      lowest = 0;  // a new pass takes the pixel
    }
  }
  return size_t(out - start);
}

void EncodeBlock(const uint8_t* pixels, LiteralRule rule, std::vector<uint8_t>& out) {
  uint8_t coded[kLargestCodedBlock];
  const size_t size = EncodeBlock(pixels, rule, coded);
  out.insert(out.end(), coded, coded + size);
}

}  // namespace kelvane

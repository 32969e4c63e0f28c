// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/def_layout.h"

namespace kelvane {

// The most bytes one block codes to: a code byte for each of 32 one-pixel
// segments and a literal byte for each pixel.
constexpr size_t kLargestCodedBlock = 2 * kBlockPixels;

// Which pixels a literal segment takes once the colour runs of a pass are done.
enum class LiteralRule {
  FromSeven,   // indices 7 to 255; 1 to 6 always end a literal (map objects)
  AnyNonZero,  // every index but 0, so 1 to 6 may sit inside a literal
};

// Codes one block of kBlockPixels pixels, a segment code byte (base/def_layout.h)
// per run or literal, the literal's bytes after its code. Each pass over the
// block takes a run of 0, then runs of 1 to 6 in rising order, then a
// literal. Writes at most
// kLargestCodedBlock bytes at `out` and returns how many.
size_t EncodeBlock(const uint8_t* pixels, LiteralRule rule, uint8_t* out);

// The same, appended to `out`.
void EncodeBlock(const uint8_t* pixels, LiteralRule rule, std::vector<uint8_t>& out);

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "base/def_layout.h"

namespace kelvane {

// Which pixels a literal segment takes once the colour runs of a pass are done.
enum class LiteralRule {
  FromSeven,   // indices 7 to 255; 1 to 6 always end a literal (map objects)
  AnyNonZero,  // every index but 0, so 1 to 6 may sit inside a literal
};

// Codes one block of kBlockPixels pixels, a segment code byte (base/def_layout.h)
// per run or literal, the literal's bytes after its code. Appends to `out`.
void EncodeBlock(const uint8_t* pixels, LiteralRule rule, std::vector<uint8_t>& out);

}  // namespace kelvane

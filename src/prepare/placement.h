// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvane {

// The "X:" and "Y:" offsets of a compilation, present while their boxes are
// checked.
struct PlacementOffsets {
  std::optional<int32_t> x;
  std::optional<int32_t> y;
};

// Subtracts the offsets from a finished frame's margins. Nothing is clamped
// afterwards, so a margin may become negative; a margin the 32-bit header
// field cannot hold is refused with an error naming `bmpPath`.
void ApplyPlacementOffsets(const PlacementOffsets& offsets, int32_t& leftMargin, int32_t& topMargin,
                           const std::string& bmpPath);

}  // namespace kelvane

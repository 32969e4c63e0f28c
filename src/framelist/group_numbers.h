// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelvane {

// Numbers of the groups by position: entry k numbers the group closed by the
// k-th separator. The table has a fixed size; DefList documents and the
// creature wizard fill it, and "Custom" group numbering reads it.
constexpr size_t kGroupNumberSlots = 22;
using GroupNumbers = std::array<uint8_t, kGroupNumberSlots>;

}  // namespace kelvane

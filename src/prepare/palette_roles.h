// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace kelvane {

// Palette indices the engine gives a fixed meaning.
constexpr uint8_t kTransparentIndex = 0;
constexpr uint8_t kShadowIndex = 4;
constexpr uint8_t kOutlineIndex = 5;

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvane {

// Where in a DEF a reader stands, for the message of a damaged file.
struct DefPlace {
  std::string file;
  std::optional<size_t> group;  // 0-based
  int32_t groupNumber = 0;
  std::optional<size_t> frame;  // 0-based, within the group
};

// Ends the command with an input error: "FILE", group G (number N), frame F,
// byte B: WHAT; group and frame counted from 1, left out when not known.
[[noreturn]] void ThrowDamaged(const DefPlace& place, uint64_t byte, const std::string& what);

}  // namespace kelvane

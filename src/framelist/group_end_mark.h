// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvane {

// A group's number on the line of the entry before its separator: two blanks,
// the number in decimal and "+", e.g. "C:\A\F05.bmp  3+".
std::string GroupEndMark(uint8_t number);

struct SplitLine {
  std::string text;  // what stands before the mark; empty for a mark alone
  int number = 0;    // 0 to 999, as written
};

// Finds a mark of 1 to 3 digits at the end of a list line, after any text.
std::optional<SplitLine> SplitGroupEndMark(const std::string& line);

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "framelist/group_end_mark.h"

namespace kelvane {

namespace {
constexpr size_t kMostDigits = 3;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
}  // namespace

std::string GroupEndMark(uint8_t number) {
  return "  " + std::to_string(number) + "+";
}

std::optional<SplitLine> SplitGroupEndMark(const std::string& line) {
  if (line.empty() || line.back() != '+') {
    return std::nullopt;
  }
  const size_t plus = line.size() - 1;
  size_t digitsStart = plus;
  while (digitsStart > 0 && plus - digitsStart < kMostDigits && IsDigit(line[digitsStart - 1])) {
    --digitsStart;
  }
  const size_t digits = plus - digitsStart;
  if (digits == 0 || digitsStart < 2 || line.compare(digitsStart - 2, 2, "  ") != 0) {
    return std::nullopt;
  }
  SplitLine split;
  split.text = line.substr(0, digitsStart - 2);
  split.number = std::stoi(line.substr(digitsStart, digits));
  return split;
}

}  // namespace kelvane

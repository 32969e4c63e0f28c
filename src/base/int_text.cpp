// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/int_text.h"

#include "base/errors.h"

namespace kelvane {

std::optional<int32_t> TryParseInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) {
    return std::nullopt;
  }
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    value = value * 10 + (c - '0');
    if (value > int64_t{INT32_MAX} + 1) {
      return std::nullopt;
    }
  }
  if (negative) {
    value = -value;
  }
  if (value > INT32_MAX || value < INT32_MIN) {
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

int32_t StrToInt(const std::string& text) {
  const auto value = TryParseInt(text);
  if (!value) {
    ThrowConversionError(text);
  }
  return *value;
}

}  // namespace kelvane

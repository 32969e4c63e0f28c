// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// The UTF-8 character that starts `bytes` (not empty): its length, or 0 when
// the bytes there are not UTF-8 (overlong forms and UTF-16 surrogates
// included); `truncated` when `bytes` end before it does.
struct Utf8Start {
  size_t length = 0;
  bool truncated = false;
};
Utf8Start Utf8StartOf(std::string_view bytes);

// How many leading bytes of `bytes` are whole, valid UTF-8 characters: all of
// them, or, with `allowCutEnd`, all but a character cut off at the very end.
// None when anything else is not UTF-8.
std::optional<size_t> ValidUtf8Length(std::string_view bytes, bool allowCutEnd);

// Windows-1251 (8-bit Cyrillic) text as UTF-8; the one unassigned byte, 0x98,
// becomes "?".
std::string Windows1251ToUtf8(std::string_view bytes);

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kelvane {

// The one conversion from a control's text to a number: decimal digits with an
// optional sign, leading blanks allowed, nothing after the digits, 32-bit range.
std::optional<int32_t> TryParseInt(const std::string& text);

// As TryParseInt, but a text that is not an integer ends the command with
// "'<text>' is not a valid integer value".
int32_t StrToInt(const std::string& text);

}  // namespace kelvane

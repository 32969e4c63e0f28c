// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "defread/def_file.h"

namespace kelvane {

// The Formats item of a DEF type code ("$42 (Monsters)"), or "" for a code
// outside $40 to $49.
std::string FormatsTextOf(int32_t type);

// A frame name for a reader's eyes: the 13 bytes without their trailing zero
// bytes, printable ASCII as it is and every other byte (the $CD filler, a zero
// inside the name) as \xHH; a backslash shows as \\.
std::string ReadableName(const DefFrameName& name);

// Two lower-case hex digits.
std::string HexByte(uint8_t byte);

}  // namespace kelvane

#pragma once

#include <cstdint>
#include <string>

#include "defread/def_file.h"

namespace kelvane::cli {

// The Formats item of a DEF type code ("$42 (Monsters)"), or "" for a code
// outside $40 to $49.
std::string FormatsTextOf(int32_t type);

// A frame name for a reader's eyes: the 13 bytes without their trailing zero
// bytes, printable ASCII as it is and every other byte (the $CD filler, a zero
// inside the name) as \xHH; a backslash shows as \\.
std::string ReadableName(const DefFrameName& name);

// The 13 bytes as 26 hex digits.
std::string HexName(const DefFrameName& name);

}  // namespace kelvane::cli

namespace kelvane {
class Error;
}

namespace kelvane::cli {

// "kelvane-cli: MESSAGE", with the file in brackets when the message does not name it.
std::string ErrorLine(const Error& error);

}  // namespace kelvane::cli

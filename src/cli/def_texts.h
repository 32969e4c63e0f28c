#pragma once

#include <cstdint>
#include <string>

#include "defread/def_file.h"
#include "defread/def_texts.h"

namespace kelvane::cli {

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

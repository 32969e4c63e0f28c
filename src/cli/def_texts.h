// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
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

// Runs the work of a command that reads a DEF and returns its exit status; an
// Error, or running out of memory, is written to `err` as one line and gives
// the status of a failure.
int RunReportingErrors(std::ostream& err, const std::function<int()>& work);

}  // namespace kelvane::cli

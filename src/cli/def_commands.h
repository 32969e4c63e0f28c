// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvane::cli {

using CommandRunner = int (*)(const std::vector<std::string>& args, std::ostream& out,
                              std::ostream& err);

// The commands besides build, by name: those that read DEF files ("info",
// "extract", "sheet") and those that prepare frames ("convert", "palette");
// nullptr for any other name.
CommandRunner DefCommand(const std::string& name);

}  // namespace kelvane::cli

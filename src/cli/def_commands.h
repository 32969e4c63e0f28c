// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvane::cli {

using CommandRunner = int (*)(const std::vector<std::string>& args, std::ostream& out,
                              std::ostream& err);

// The commands that read DEF files ("info", "extract", "sheet"), by name; nullptr for
// any other name.
CommandRunner DefCommand(const std::string& name);

}  // namespace kelvane::cli

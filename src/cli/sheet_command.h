// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvane::cli {

// `kelvane-cli sheet FILE.def OUT.png`: a contact sheet of every group.
int RunSheet(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kelvane::cli

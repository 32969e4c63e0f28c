// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvane::cli {

// `kelvane-cli info FILE.def [--json]`: the DEF's type, size and groups, and
// each frame's name, format, sizes and margins. Every frame is decoded, so a
// damaged file is reported (exit 1) rather than half described.
int RunInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kelvane::cli

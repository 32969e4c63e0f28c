// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvane::cli {

// `kelvane-cli extract FILE.def DIR [--force] [--max-size SIZE]`: every frame
// as an 8-bit BMP with the DEF's palette at its full size, and a type 2
// DefList NAME.h3l that rebuilds the DEF from them; then, once every file
// reads back as written, says whether that rebuild gives the same bytes, and
// why not. Nothing is written when the DEF is damaged, when the files would
// take more than SIZE bytes (1 GiB unless given), when a file to be written
// exists and --force is not given, and never over the DEF itself or through an
// entry of DIR that is not a regular file or a link to one.
int RunExtract(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kelvane::cli

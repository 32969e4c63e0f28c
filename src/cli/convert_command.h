// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace kelvane::cli {

// `kelvane-cli convert [--palette FILE] [--dither] [--force] -o DIR FRAME...`:
// writes into DIR, as NAME.bmp for each FRAME, the 8-bit BMPs a build of the
// frames would encode: 8-bit frames as they are, true-colour frames mapped
// onto the DEF's palette by the palette rule. Nothing is written when a frame
// cannot be read, when two frames would get one name, when an output would be
// one of the frames, nor when an output exists and --force is not given.
int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// `kelvane-cli palette OUT.pal FRAME...`: writes the palette a build of the
// frames would give the DEF (a JASC-PAL file, or a GIMP palette for OUT.gpl).
int RunPalette(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace kelvane::cli

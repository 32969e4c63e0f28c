// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "base/bmp_frame.h"

namespace kelvane {

// A reference palette for a DEF: the colour table of an 8-bit BMP or a
// palette PNG, or a JASC-PAL or GIMP palette (.gpl) text file, told apart by
// their first bytes. Every kind must hold exactly 256 colours, since each
// becomes a slot of the DEF's palette; anything else is refused with an error
// naming the file.
RgbPalette ReadReferencePalette(const std::string& path);

// Reads a palette text from memory: JASC-PAL or GIMP. `path` names it in errors.
RgbPalette ParsePaletteText(const std::string& text, const std::string& path);

// Writes a palette as a JASC-PAL file, or as a GIMP palette when `path` ends
// in ".gpl"; the file is replaced only once it is complete.
void WritePaletteFile(const std::string& path, const RgbPalette& palette);

// The text WritePaletteFile writes.
std::string PaletteFileText(const std::string& path, const RgbPalette& palette);

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <set>
#include <string>

#include "defread/def_file.h"

namespace kelvane::cli {

// Extracted files follow the rules of the strictest system, so that a DEF
// extracts the same everywhere: names that differ only in letter case are one
// name, and the device names of Windows (CON, PRN, AUX, NUL, COM1 to COM9,
// LPT1 to LPT9, with any extension) are no file names.
bool IsReservedDeviceName(const std::string& fileName);
// What tells file names apart: the name in lower case.
std::string FileNameKey(const std::string& fileName);

// A BMP file name from which the builder derives exactly `name` (with no name
// mask), when one exists and is safe on disk: printable ASCII without path
// separators, wildcards, quotes, blanks, a leading dot or a device's name. `variant` above 0
// asks for another such name, which exists only for names the builder cuts
// from longer file names ("walk0001.pcx" from "walk0001-2.bmp").
std::optional<std::string> FileNameGivingName(const DefFrameName& name, int variant = 0);

// A safe file name for a frame whose name cannot be given back: the name's
// safe characters, "-N" when `variant` is above 0, and ".bmp".
std::string FallbackFileName(const DefFrameName& name, int variant);

}  // namespace kelvane::cli

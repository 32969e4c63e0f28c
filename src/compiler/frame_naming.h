// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "base/def_layout.h"

namespace kelvane {

using FrameName = std::array<uint8_t, kFrameNameSize>;

// The part of a path after its last '/', '\' or ':'.
std::string FileNamePart(const std::string& path);

// The name a frame gets in the DEF, from its BMP path and the name mask: at
// most eight characters of the (masked) file name, front-padded with $CD bytes
// for names of 9 to 11 characters, then ".pcx", then zero bytes.
FrameName MakeFrameName(const std::string& path, const std::string& mask);

}  // namespace kelvane

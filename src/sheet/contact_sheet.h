// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "defread/def_file.h"

namespace kelvane {

// A contact sheet of a DEF as 8-bit RGBA pixels: one row per group, headed by
// the group's number, its frames side by side at full size on a checkerboard
// where index 0 is transparent and the shadow index is drawn half-transparent.
struct ContactSheet {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> rgba;  // width * height * 4, top row first
};

// The largest sheet drawn, in pixels (256 MiB of RGBA); a larger one is
// refused with an input error that says how large it would be.
constexpr uint64_t kLargestSheetPixels = uint64_t{1} << 26;
// The widest and highest sheet: what PNG readers built on libpng accept
// without being told otherwise (its default user limits).
constexpr uint64_t kWidestSheet = 1000000;

// Refuses, with an input error that says how large the sheet would be, a
// sheet wider or higher than kWidestSheet or of more than `largestPixels`.
ContactSheet DrawContactSheet(const DefFile& def, uint64_t largestPixels = kLargestSheetPixels);

// Draws the sheet and writes it as a PNG file; the file at `path` is replaced
// only once it is complete. Needs no display and no platform plugin.
void WriteContactSheetPng(const DefFile& def, const std::string& path);

}  // namespace kelvane

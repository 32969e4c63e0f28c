// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/bmp_frame.h"
#include "base/message_host.h"

namespace kelvane {

// A frame entry whose palette is checked: its BMP and its 1-based position in
// the list, separators counted.
struct PaletteCheckEntry {
  std::string bmpPath;
  int listPosition = 0;
};

// Sum of the 1024 bytes of a colour table, reserved bytes included.
uint32_t PaletteByteSum(const BmpPalette& colourTable);

// SolidColorCheck: checks that every frame has the first frame's colours.
//
// Compares every entry's palette sum with the first entry's; an entry more than
// 1024 away is reported in its own message box ("Wrong palette in N Frame",
// N its list position). True when any entry failed.
//
// Only 8-bit frames (BMPs and palette PNGs) are compared: true-colour frames
// are mapped onto the DEF's palette and so cannot differ from it. The first
// 8-bit entry is the reference, unless `reference` gives the DEF's palette,
// against which every 8-bit entry is then compared.
bool SolidColorCheck(const std::vector<PaletteCheckEntry>& entries, MessageHost& host,
                     const BmpPalette* reference = nullptr);

}  // namespace kelvane

// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/palette_check.h"

#include <numeric>

#include "base/verbatim_texts.h"

namespace kelvane {

namespace {

constexpr int64_t kPaletteTolerance = 1024;

uint32_t PaletteSumOf(const std::string& path) {
  BmpFrameHeader header;
  BmpPalette palette{};
  ReadBmpHeader(path, header, &palette);
  return PaletteByteSum(palette);
}

}  // namespace

uint32_t PaletteByteSum(const BmpPalette& colourTable) {
  return std::accumulate(colourTable.begin(), colourTable.end(), uint32_t{0});
}

bool SolidColorCheck(const std::vector<PaletteCheckEntry>& entries, MessageHost& host) {
  if (entries.empty()) {
    return false;
  }
  const int64_t reference = PaletteSumOf(entries.front().bmpPath);
  bool failed = false;
  for (size_t i = 1; i < entries.size(); ++i) {
    const int64_t sum = PaletteSumOf(entries[i].bmpPath);
    if (sum < reference - kPaletteTolerance || sum > reference + kPaletteTolerance) {
      host.ShowFrameMessage(text::kWrongPaletteBefore + std::to_string(entries[i].listPosition) +
                                text::kWrongPaletteAfter,
                            text::kPaletteCaption, entries[i].bmpPath);
      failed = true;
    }
  }
  return failed;
}

}  // namespace kelvane

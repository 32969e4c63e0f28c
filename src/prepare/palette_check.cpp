// SPDX-License-Identifier: GPL-3.0-or-later
#include "prepare/palette_check.h"

#include <numeric>
#include <optional>

#include "base/frame_file.h"
#include "base/verbatim_texts.h"

namespace kelvane {

namespace {

constexpr int64_t kPaletteTolerance = 1024;

// The sum of an 8-bit frame's colour table; none for a true-colour frame.
std::optional<int64_t> PaletteSumOf(const std::string& path) {
  const FrameInfo info = ReadFrameInfo(path);
  if (info.colours != FrameColours::Indexed) {
    return std::nullopt;
  }
  return PaletteByteSum(info.palette);
}

}  // namespace

uint32_t PaletteByteSum(const BmpPalette& colourTable) {
  return std::accumulate(colourTable.begin(), colourTable.end(), uint32_t{0});
}

bool SolidColorCheck(const std::vector<PaletteCheckEntry>& entries, MessageHost& host,
                     const BmpPalette* reference) {
  std::optional<int64_t> referenceSum;
  if (reference != nullptr) {
    referenceSum = PaletteByteSum(*reference);
  }
  bool failed = false;
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::optional<int64_t> sum = PaletteSumOf(entries[i].bmpPath);
    if (!sum) {
      continue;
    }
    if (!referenceSum) {
      referenceSum = sum;
      continue;
    }
    if (*sum < *referenceSum - kPaletteTolerance || *sum > *referenceSum + kPaletteTolerance) {
      host.ShowFrameMessage(text::kWrongPaletteBefore + std::to_string(entries[i].listPosition) +
                                text::kWrongPaletteAfter,
                            text::kPaletteCaption, entries[i].bmpPath);
      failed = true;
    }
  }
  return failed;
}

}  // namespace kelvane

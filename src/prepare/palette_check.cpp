#include "prepare/palette_check.h"

#include <numeric>
#include <string>

namespace kelvane {

namespace {

constexpr int64_t kPaletteTolerance = 1024;

uint32_t PaletteSumOf(const std::string& path, CompileState& state) {
  BmpFrameHeader header;
  ReadBmpHeader(path, header, &state.bmpPalette);
  return PaletteByteSum(state.bmpPalette);
}

}  // namespace

uint32_t PaletteByteSum(const BmpPalette& colourTable) {
  return std::accumulate(colourTable.begin(), colourTable.end(), uint32_t{0});
}

bool SolidColorCheck(const FrameList& list, CompileState& state, CompileHost& host) {
  const int64_t reference = PaletteSumOf(list.Text(0), state);
  bool failed = false;
  for (size_t i = 1; i < list.Count(); ++i) {
    if (list.IsSeparator(i)) {
      continue;
    }
    const int64_t sum = PaletteSumOf(list.Text(i), state);
    if (sum < reference - kPaletteTolerance || sum > reference + kPaletteTolerance) {
      host.ShowMessage("Wrong palette in " + std::to_string(i + 1) + " Frame", "Atantion!");
      failed = true;
    }
  }
  return failed;
}

}  // namespace kelvane

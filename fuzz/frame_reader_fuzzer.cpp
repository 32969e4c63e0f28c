// SPDX-License-Identifier: GPL-3.0-or-later
// The frame readers (PNG, true-colour and 8-bit BMP, by their first bytes)
// and the palette-file readers on any bytes. The first byte chooses: even, a
// frame, read, then loaded as a DEF frame onto a fixed palette; odd, a
// reference palette. Each either gives a result that matches its header or
// ends with an Error.

#include <cstdlib>

#include "base/errors.h"
#include "base/frame_file.h"
#include "fuzz_input.h"
#include "prepare/def_palette.h"
#include "prepare/palette_file.h"

namespace {

using namespace kelvane;

void Require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

void ReadFrame(const std::string& path) {
  const FrameInfo info = ReadFrameInfo(path);
  BmpImage indexed;
  RgbaImage trueColour;
  const FrameColours colours = LoadFrameFile(path, indexed, trueColour);
  Require(colours == info.colours);
  if (colours == FrameColours::TrueColour) {
    Require(trueColour.width == info.width && trueColour.height == info.height);
    Require(trueColour.pixels.size() == size_t(info.width) * size_t(info.height) * 4);
    Require(trueColour.pixels.size() / 4 <= kLargestTrueColourPixels);
  } else {
    Require(indexed.width == info.width && indexed.height == info.height);
    Require(indexed.pixels.size() == size_t(indexed.stride) * size_t(indexed.height));
  }
  ColourMapping mapping{kDefaultSpecialColours, true};
  BmpImage mapped;
  LoadDefFrame(path, mapping, mapped, trueColour);
  Require(mapped.width == info.width && mapped.height == info.height);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  const fuzz::MemoryFile file(data + 1, size - 1);
  try {
    if (data[0] % 2 == 0) {
      ReadFrame(file.path());
    } else {
      ReadReferencePalette(file.path());
    }
  } catch (const Error&) {
  }
  return 0;
}

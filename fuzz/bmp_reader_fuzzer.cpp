// SPDX-License-Identifier: GPL-3.0-or-later
// The BMP reader on any bytes: it either reads a frame whose buffers match its
// size or ends with an Error.

#include <cstdlib>

#include "base/bmp_frame.h"
#include "base/errors.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const kelvane::fuzz::MemoryFile file(data, size);
  try {
    kelvane::BmpFrameHeader header;
    kelvane::BmpPalette palette{};
    kelvane::ReadBmpHeader(file.path(), header, &palette);
    kelvane::BmpImage image;
    kelvane::LoadBmpImage(file.path(), image);
    if (image.width <= 0 || image.height <= 0 || image.stride < uint32_t(image.width) ||
        image.pixels.size() != size_t(image.stride) * size_t(image.height) ||
        image.pixels.size() > size) {
      std::abort();
    }
  } catch (const kelvane::Error&) {
  }
  return 0;
}

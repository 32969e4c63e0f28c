// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes given to the DEF reader either read and decode
// cleanly or end with the reader's input error, never anything else.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "base/errors.h"
#include "defread/def_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  kelvane::DefReadLimits limits;
  limits.maxFileBytes = uint64_t{1} << 22;
  limits.maxFramePixels = uint64_t{1} << 18;  // keeps each run short
  try {
    const kelvane::DefFile def(std::vector<uint8_t>(data, data + size), "fuzz.def", limits);
    kelvane::DefImage image;
    for (size_t g = 0; g < def.groups().size(); ++g) {
      for (size_t f = 0; f < def.groups()[g].frames.size(); ++f) {
        def.DecodeFrame(g, f, image);
        const kelvane::DefFrameHeader header = def.FrameHeaderOf(g, f);
        if (image.pixels.size() != size_t(header.fullWidth) * size_t(header.fullHeight)) {
          std::abort();  // the image must be exactly the full frame
        }
      }
    }
  } catch (const kelvane::Error& error) {
    if (error.kind() != kelvane::ErrorKind::Input) {
      std::abort();
    }
  }
  return 0;
}
